// A radio read and written back unchanged gets the same bytes: encode, decode into a fresh
// template, encode again.
#include "tests/radios/gx5/Gx5TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vdtest::gx5 {
namespace {

constexpr const char* kTones[] = {"0", "670", "2541", "32787", "49644", "1000"};

/// Sizes of the lists of a configuration.
struct Shape {
    size_t channels, zones, scanLists, emergencies, fmStations, noaaChannels;
};

std::string Pick(const std::vector<std::string>& ids, size_t i) {
    return ids.empty() ? std::string() : ids[i % ids.size()];
}

/// A configuration that touches every list, reference kind and member count (each plain field's
/// bits, written and read back, are the memory map test's).
void Build(vd::Gx5v001Control& control, const Shape& shape) {
    const auto channels = SizeList(control, "ChannelName", shape.channels);
    const auto zones = SizeList(control, "ZoneName", shape.zones);
    const auto scans = SizeList(control, "ScanName", shape.scanLists);
    const auto emergencies = SizeList(control, "EmergencyName", shape.emergencies);
    const auto stations = SizeList(control, "fmName", shape.fmStations);
    const auto weather = SizeList(control, "noaaName", shape.noaaChannels);
    SizeList(control, "dtmfSystem", 4);

    for (size_t i = 0; i < channels.size(); ++i) {
        const std::string& id = channels[i];
        std::string name =
            i % 7 == 0 ? "LongChannelName" + std::to_string(i) : "CH" + std::to_string(i);
        ASSERT_TRUE(control.SetInputValue(id, "", name, true));
        const long long rx = 136000000 + static_cast<long long>(i) * 12500;
        SetField(control, id, "RxFrequency", std::to_string(rx));
        SetField(control, id, "TxFrequency", std::to_string(rx + (i % 3) * 5000000));
        SetField(control, id, "CTCSSRxValue", kTones[i % 6]);
        SetField(control, id, "CTCSSTxValue", kTones[(i + 2) % 6]);
        SetField(control, id, "scanListIndex", i % 5 == 0 ? "" : Pick(scans, i));
        SetField(control, id, "emgListIndex", i % 4 == 0 ? Pick(emergencies, i) : "");
    }
    for (size_t k = 0; k < zones.size(); ++k) {
        ASSERT_TRUE(control.SetInputValue(zones[k], "", "Zone" + std::to_string(k), true));
        std::vector<std::string> members;
        for (size_t m = 0; m < k % 16 + 1; ++m) {
            members.push_back(Pick(channels, k * 7 + m * 3));
        }
        control.SetFieldValue(zones[k], "Channel", members);
    }
    for (size_t k = 0; k < scans.size(); ++k) {
        const std::string& id = scans[k];
        ASSERT_TRUE(control.SetInputValue(id, "", "Scan" + std::to_string(k), true));
        std::vector<std::string> members;
        for (size_t m = 0; m < k % 17; ++m) {
            members.push_back(m % 5 == 4 ? std::string() : Pick(channels, k + m * 11));
        }
        control.SetFieldValue(id, "Channel", members);
        SetField(control, id, "TxChannel", k % 3 == 0 ? "" : Pick(channels, k * 5));
        SetField(control, id, "prio1Chnl", k % 2 == 0 ? "" : Pick(channels, k * 2));
        SetField(control, id, "prio2Chnl", k % 4 == 1 ? Pick(channels, k * 9) : "");
    }
    for (size_t k = 0; k < emergencies.size(); ++k) {
        SetField(control, emergencies[k], "jumpChnl", k % 2 ? Pick(channels, k * 13) : "");
        SetField(control, emergencies[k], "emgId", "E" + std::to_string(k * 1111));
    }
    for (size_t k = 0; k < stations.size(); ++k) {
        SetField(control, stations[k], "FmFreq", std::to_string(76000000 + k * 100000));
    }
    for (size_t k = 0; k < weather.size(); ++k) {
        SetField(control, weather[k], "noaaFreq", std::to_string(162400000 + k * 25000));
    }
    SetSetting(control, "radioName", "Valdren \xE6\xB5\x8B\xE8\xAF\x95 unit");
    SetSetting(control, "home2PwrupZoneSwitch", "1");
    SetSetting(control, "home3PwrupZoneIndex", "");
    SetSetting(control, "home3PwrupChnl", "");
    SetSetting(control, "home1PwrupZoneIndex", "0x0FFF");
    SetSetting(control, "home1PwrupChnl", Pick(channels, channels.size() - 1));
    SetSetting(control, "home2PwrupZoneIndex", Pick(zones, 5));
    SetSetting(control, "home2PwrupChnl",
               zones.size() > 5 ? Members(control, zones[5]).back() : "");
}

/// Encodes, decodes into a fresh template and encodes again; both images must match.
void ExpectRoundTrip(const std::string& model, const Shape& shape) {
    TestIni ini;
    LogCapture log;
    auto source = MakeControl(model);
    Build(*source, shape);
    ProgressLog sourceTips(*source);
    const vd::ByteVector first = Encode(*source, 3);
    ASSERT_EQ(sourceTips.count("Import channel error"), 0) << "the configuration is consistent";

    auto target = MakeControl(model);
    ASSERT_TRUE(target->ImportImage(first));
    const vd::ByteVector second = Encode(*target, 3);
    ASSERT_EQ(first.size(), second.size());
    for (size_t at = 0; at < first.size(); ++at) {
        ASSERT_EQ(first[at], second[at]) << "first difference at byte " << at;
    }

    // and the decoded zones hold what the source's held: an end mark read as a member would
    // encode the same bytes
    const auto sourceZones = InUseIds(*source, "ZoneName");
    const auto targetZones = InUseIds(*target, "ZoneName");
    ASSERT_EQ(sourceZones.size(), targetZones.size());
    for (size_t k = 0; k < sourceZones.size(); ++k) {
        EXPECT_EQ(Members(*target, targetZones[k]).size(),
                  std::min<size_t>(Members(*source, sourceZones[k]).size(), 16))
            << "zone " << k;
    }
}

TEST(Gx5RoundTrip, RichEmptyAndFullConfigurations) {
    ExpectRoundTrip("GX5", {300, 20, 10, 5, 10, 12});
    ExpectRoundTrip("GX5", {0, 0, 0, 0, 0, 0});
    ExpectRoundTrip("GX5", {1027, 64, 64, 8, 32, 12}); // every list at capacity
    ExpectRoundTrip("GX5G", {259, 16, 64, 8, 32, 12});
}

} // namespace
} // namespace vdtest::gx5
