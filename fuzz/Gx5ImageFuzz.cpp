// Feeds GX5 and GX5G controls images of any content: the raw input, or patches laid over a
// real image so that counts, index tables and member lists deep inside get mutated too. Each
// image is cut or padded to one of the sizes that matter (one byte short of the sections,
// exactly the sections, the content variants). After a successful import the lists must be
// within their capacities and the document must encode again.
#include "radios/gx5/Gx5gv001Control.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr size_t kSizes[] = {52403, 52404, 55070, 63418, 65466};
constexpr const char* kLists[] = {"ChannelName", "ZoneName", "ScanName",  "EmergencyName",
                                  "fmName",      "noaaName", "dtmfSystem"};

/// One model's control and the real images the patches are laid over.
struct Model {
    std::unique_ptr<vd::Gx5v001Control> control;
    std::vector<vd::ByteVector> bases;
};

/// The template's image and one with more of everything: zones and scan lists of 16 members,
/// every emergency, FM and weather slot in use. A full thousand channels would make each run
/// too slow to explore much; the counts reach the capacities by mutation anyway.
std::vector<vd::ByteVector> BaseImages(vd::Gx5v001Control& control) {
    std::vector<vd::ByteVector> bases(2);
    control.ResetToTemplate();
    control.GenerateImage(bases[0], 3);
    std::vector<std::string> channels, zones, scans, ids;
    control.ResizeRecordList("ChannelName", 24, channels);
    control.ResizeRecordList("ZoneName", 4, zones);
    control.ResizeRecordList("ScanName", 4, scans);
    control.ResizeRecordList("EmergencyName", 8, ids);
    control.ResizeRecordList("fmName", 32, ids);
    control.ResizeRecordList("noaaName", 12, ids);
    std::vector<std::string> members(channels.begin(), channels.begin() + 16);
    for (const std::string& zone : zones) {
        control.SetFieldValue(zone, "Channel", members);
    }
    for (const std::string& scan : scans) {
        control.SetFieldValue(scan, "Channel", members);
    }
    control.GenerateImage(bases[1], 3);
    return bases;
}

Model MakeModel(bool gx5g) {
    Model model;
    if (gx5g) {
        model.control = std::make_unique<vd::Gx5gv001Control>("GX5G");
    } else {
        model.control = std::make_unique<vd::Gx5v001Control>("GX5");
    }
    model.bases = BaseImages(*model.control);
    return model;
}

/// Patches: three bytes of offset, one byte of length, then that many bytes.
void ApplyPatches(vd::ByteVector& image, const uint8_t* data, size_t size) {
    size_t at = 0;
    while (at + 4 <= size) {
        const size_t offset =
            ((size_t{data[at]} << 16) | (size_t{data[at + 1]} << 8) | data[at + 2]) % image.size();
        const size_t length = data[at + 3] % 64 + 1;
        at += 4;
        for (size_t i = 0; i < length && at < size && offset + i < image.size(); ++i, ++at) {
            image[offset + i] = data[at];
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("VALDREN_CPS_TEMPLATE_DIR", VALDREN_FUZZ_TEMPLATE_DIR, 0);
    const auto ini = std::filesystem::temp_directory_path() / "gx5_image_fuzz_no_cps.ini";
    setenv("VALDREN_CPS_INI", ini.c_str(), 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Model models[2] = {MakeModel(false), MakeModel(true)};
    if (size < 1) {
        return 0;
    }
    const uint8_t selector = data[0];
    Model& model = models[selector & 1];
    const int base = (selector >> 1) % 3; // 0, 1: a real image; 2: the raw input
    const size_t imageSize = kSizes[(selector >> 3) % 5];

    vd::ByteVector image;
    if (base == 2) {
        image.assign(data + 1, data + size);
    } else {
        image = model.bases[static_cast<size_t>(base)];
        ApplyPatches(image, data + 1, size - 1);
    }
    image.resize(imageSize, 0);

    // a reset costs about a millisecond: every input starts from the template
    vd::Gx5v001Control& control = *model.control;
    control.ResetToTemplate();
    if (!control.ImportImage(image)) {
        if (imageSize >= 52404) {
            __builtin_trap(); // a long enough image is always imported
        }
        return 0;
    }
    for (const char* list : kLists) {
        if (control.InUsePositions(list).size() > static_cast<size_t>(control.GetCapacity(list))) {
            __builtin_trap();
        }
    }
    vd::ByteVector again;
    control.GenerateImage(again, selector >> 6);
    return 0;
}
