// Lists as tables: text typed in display form, rows pasted between models, and records sorted
// and moved with their references, also through the radio's image.
#include "document/ListRows.h"
#include "app/ModelRegistry.h"
#include "document/DisplayInput.h"
#include "document/DisplayValue.h"
#include "document/ForeignChannelCsv.h"
#include "document/ListOrder.h"
#include "document/ListRecords.h"
#include "document/ListTable.h"
#include "model/CommonCpsControl.h"
#include "tests/support/ModelHelpers.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace vdtest {
namespace {

using vd::HamCpsControl;

std::unique_ptr<HamCpsControl> Fresh(const std::string& model) {
    std::unique_ptr<HamCpsControl> control = vd::ModelRegistry::CreateControl(model);
    control->ResetToTemplate();
    return control;
}

std::string ListId(HamCpsControl& control, const std::string& name) {
    return vd::FindListChapter(control, name).value().id;
}

TEST(DisplayInput, TextInDisplayFormBecomesTheStoredValue) {
    EXPECT_EQ(vd::HertzFromMegahertz("446.00625"), "446006250");
    EXPECT_EQ(vd::HertzFromMegahertz("151.6250000"), "151625000");
    for (const char* notMegahertz : {"151.6250001", "1.2.3", "-1.5", ".", "151"}) {
        EXPECT_EQ(vd::HertzFromMegahertz(notMegahertz), std::nullopt) << notMegahertz;
    }
    auto gx5 = Fresh("GX5");
    const std::string channel = InUseIds(*gx5, "ChannelName")[3];
    const std::string scanList = InUseIds(*gx5, "ScanName")[0];
    struct Row {
        const char* field;
        const char* text;
        std::optional<std::string> stored;
    };
    const Row rows[] = {
        {"RxFrequency", "151.625", "151625000"},
        {"RxFrequency", "151625000", "151625000"},
        {"RxFrequency", "1000.5", std::nullopt},
        {"ChannelPower", "low", "0"},
        {"ChannelPower", "高", "2"},
        {"ChannelPower", "Huge", std::nullopt},
        {"CTCSSTxValue", "88.5", "885"},
        {"CTCSSTxValue", "d023i", "49171"},
        {"CTCSSTxValue", "88.4", std::nullopt},
        {"VoxEnable", "true", "1"},
        {"VoxEnable", "Off", ""},
        {"VoxEnable", "maybe", std::nullopt},
        {"scanListIndex", "Scan1", scanList},
        {"scanListIndex", "None", ""},
        {"scanListIndex", "Scan9", std::nullopt},
    };
    for (const Row& row : rows) {
        const vd::StoredInput input =
            vd::StoredFromDisplay(*gx5, *FindField(*gx5, channel, row.field), row.text);
        EXPECT_EQ(input.stored, row.stored) << row.field << "=" << row.text << ": " << input.error;
        EXPECT_EQ(input.error.empty(), row.stored.has_value()) << row.field << "=" << row.text;
    }
}

TEST(ListRows, APasteFromAnotherModelSkipsAndListsWhatItCannotHold) {
    auto gx5 = Fresh("GX5");
    auto vs73 = Fresh("VS73");
    const std::vector<std::string> from = InUseIds(*gx5, "ChannelName");
    SetField(*gx5, from[3], "CTCSSTxValue", "885");
    SetField(*gx5, from[4], "RxFrequency", "446000000");
    SetField(*gx5, from[4], "TxFrequency", "446000000");
    // copied as the table shows it: headers as displayed, tab-separated, in list order
    const vd::TextTable copied = vd::ParseTsv(vd::TsvText(
        vd::ExportRows(*gx5, ListId(*gx5, ""), {from[4], from[3]}, vd::HeaderNames::Displayed)));

    const std::vector<std::string> to = InUseIds(*vs73, "ChannelName");
    const std::string keptFrequency = FieldValue(*vs73, to[0], "rxfreq");
    const vd::RowsOutcome pasted =
        vd::ApplyRows(*vs73, ListId(*vs73, ""), copied, vd::RowPlacement::ReplaceRecords,
                      {to[1], to[0]}, vd::RowFaults::SkipFaults);
    EXPECT_TRUE(pasted.applied);
    EXPECT_EQ(pasted.recordIds, (std::vector<std::string>{to[0], to[1]}));
    std::set<std::pair<std::size_t, std::string>> skipped;
    for (const vd::RowProblem& problem : pasted.problems) {
        skipped.emplace(problem.row, problem.field);
    }
    // CH1 lies at 150 MHz, outside the VS73's band: skipped, listed, the old value kept
    EXPECT_EQ(skipped,
              (std::set<std::pair<std::size_t, std::string>>{{1, "rxfreq"}, {1, "txfreq"}}));
    EXPECT_EQ(FieldValue(*vs73, to[0], "rxfreq"), keptFrequency);
    EXPECT_EQ(FieldValue(*vs73, to[0], "tx_tone"), "885");
    EXPECT_EQ(FieldValue(*vs73, to[0], "highpower"), "2") << "Power: High";
    EXPECT_EQ(FieldValue(*vs73, to[1], "rxfreq"), "446000000");
    EXPECT_NE(std::find(pasted.ignoredColumns.begin(), pasted.ignoredColumns.end(),
                        "Squelch tail elimination"),
              pasted.ignoredColumns.end());

    const vd::RowsOutcome full = vd::ApplyRows(
        *vs73, ListId(*vs73, ""), copied, vd::RowPlacement::Append, {}, vd::RowFaults::SkipFaults);
    EXPECT_EQ(full.skippedRows, 2u) << "the list is full";
    EXPECT_EQ(InUseIds(*vs73, "ChannelName"), to);
}

// Zones through CSV text: a name with the delimiter and quotes travels quoted, the member
// list in one column, and the row lands after the selected record.
TEST(ListRows, RowsInsertedAfterARecordKeepTheirMembersThroughCsv) {
    auto gx5 = Fresh("GX5");
    const std::string zones = ListId(*gx5, "ZoneName");
    const auto channels = InUseIds(*gx5, "ChannelName");
    const std::vector<std::string> before =
        SizeList(dynamic_cast<vd::CommonCpsControl&>(*gx5), "ZoneName", 3);
    gx5->SetFieldValue(before[0], "Channel", {channels[3], channels[5]});
    ASSERT_TRUE(gx5->SetInputValue(before[0], "", "A, \"b\"", true));
    const std::string csv = vd::CsvText(vd::ExportRows(*gx5, zones, {before[0]}));
    EXPECT_NE(csv.find("\"A, \"\"b\"\"\","), std::string::npos) << csv;
    // a last line without its line end is a row all the same
    const vd::RowsOutcome added =
        vd::ApplyRows(*gx5, zones, vd::ParseCsvTable(csv.substr(0, csv.size() - 2)),
                      vd::RowPlacement::AfterRecords, {before[1]}, vd::RowFaults::AllOrNothing);
    ASSERT_TRUE(added.applied);
    ASSERT_EQ(added.recordIds.size(), 1u);
    EXPECT_EQ(InUseIds(*gx5, "ZoneName"),
              (std::vector<std::string>{before[0], before[1], added.recordIds[0], before[2]}));
    EXPECT_EQ(Members(*gx5, added.recordIds[0]), Members(*gx5, before[0]));
    EXPECT_EQ(gx5->GetElement(added.recordIds[0])->inputValue, "A, \"b\"");

    // rows beyond the selected records become new records after them while the list has room
    const vd::TextTable three = vd::ExportRows(*gx5, zones, {before[0], before[1], before[2]});
    const vd::RowsOutcome over = vd::ApplyRows(*gx5, zones, three, vd::RowPlacement::ReplaceRecords,
                                               {before[2]}, vd::RowFaults::AllOrNothing);
    ASSERT_TRUE(over.applied);
    ASSERT_EQ(over.recordIds.size(), 3u);
    EXPECT_EQ(over.recordIds[0], before[2]);
    EXPECT_EQ(InUseIds(*gx5, "ZoneName").size(), 6u);
}

// The exchange format of other tools maps onto the fields each model has, and onto nothing
// in a list without frequencies.
TEST(ForeignChannelCsv, ColumnsFollowTheFieldsOfTheModel) {
    const vd::TextTable foreign = vd::ParseCsvTable(
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "Mode\r\n1,Ch A,446.006250,,0.000000,Tone,88.5,88.5,023,NN,NFM\r\n");
    ASSERT_TRUE(vd::IsForeignChannelCsv(foreign));
    const std::pair<std::string, std::vector<std::string>> models[] = {
        {"GX5",
         {"ChannelName", "RxFrequency", "TxFrequency", "CTCSSRxValue", "CTCSSTxValue", "BandWidth",
          "ReceiveSquelchMode"}},
        {"LM704", {"ChannelName", "rxfreq", "txfreq", "rx_tone", "tx_tone"}},
    };
    for (const auto& [model, header] : models) {
        auto control = Fresh(model);
        const vd::ForeignChannels converted =
            vd::ConvertForeignChannels(*control, ListId(*control, ""), foreign);
        EXPECT_EQ(converted.table.header, header) << model;
        EXPECT_EQ(converted.table.rows.size(), 1u) << model;
        const bool dropsMode =
            std::find(converted.ignoredColumns.begin(), converted.ignoredColumns.end(), "Mode") !=
            converted.ignoredColumns.end();
        EXPECT_EQ(dropsMode, model == "LM704");
    }
    auto gx5 = Fresh("GX5");
    const vd::ForeignChannels zones =
        vd::ConvertForeignChannels(*gx5, ListId(*gx5, "ZoneName"), foreign);
    EXPECT_TRUE(zones.table.header.empty());
    EXPECT_EQ(zones.problems.size(), 1u);
}

TEST(ListRows, ReplacingAListResetsMissingColumnsButNotWhatTheModelLocks) {
    auto vs46 = Fresh("VS46");
    const std::vector<std::string> ids = InUseIds(*vs46, "ChannelName");
    SetField(*vs46, ids[1], "rx_tone", "885");
    SetField(*vs46, ids[1], "rxfreq", "446100000"); // locked: only a forced write gets there
    vd::TextTable names{{"Channel name"}, {}};
    for (const std::string& id : ids) {
        names.rows.push_back({vd::ListTable(*vs46, ListId(*vs46, "")).CellText(id, 0)});
    }
    const vd::RowsOutcome outcome =
        vd::ApplyRows(*vs46, ListId(*vs46, ""), names, vd::RowPlacement::ReplaceList, {},
                      vd::RowFaults::AllOrNothing);
    EXPECT_TRUE(outcome.applied && outcome.problems.empty());
    EXPECT_EQ(outcome.recordIds, ids);
    EXPECT_EQ(FieldValue(*vs46, ids[1], "rx_tone"), "0") << "the free record's value";
    EXPECT_EQ(FieldValue(*vs46, ids[1], "rxfreq"), "446100000") << "locked: kept";
}

TEST(ListOrder, SortAndMoveKeepReferencesAlsoThroughTheImage) {
    auto gx5 = Fresh("GX5");
    const std::string channels = ListId(*gx5, "");
    const vd::ListTable zones(*gx5, ListId(*gx5, "Zones"));
    const std::string zone = zones.RecordIds().front();
    const std::string members = zones.CellText(zone, 1);
    const std::vector<std::string> before = InUseIds(*gx5, "ChannelName");

    ASSERT_TRUE(vd::SortRecords(*gx5, channels, 1, false)); // receive frequency, descending
    std::vector<std::string> sorted = InUseIds(*gx5, "ChannelName");
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 3, sorted.begin())) << "VFOs stay";
    for (std::size_t i = 4; i < sorted.size(); ++i) {
        EXPECT_GE(std::stoll(FieldValue(*gx5, sorted[i - 1], "RxFrequency")),
                  std::stoll(FieldValue(*gx5, sorted[i], "RxFrequency")));
    }
    EXPECT_NE(sorted, before);
    EXPECT_EQ(vd::ListTable(*gx5, zones.ChapterId()).CellText(zone, 1), members);

    // a block moves together and never past a VFO
    EXPECT_FALSE(vd::MoveRecords(*gx5, channels, {sorted[3]}, -1));
    ASSERT_TRUE(vd::MoveRecords(*gx5, channels, {sorted[5], sorted[6]}, -1));
    std::swap(sorted[4], sorted[5]);
    std::swap(sorted[5], sorted[6]);
    EXPECT_EQ(InUseIds(*gx5, "ChannelName"), sorted);
    const std::size_t last = sorted.size() - 1; // down to the end, and no further
    ASSERT_TRUE(vd::MoveRecords(*gx5, channels, {sorted[last - 1]}, 1));
    std::swap(sorted[last - 1], sorted[last]);
    EXPECT_EQ(InUseIds(*gx5, "ChannelName"), sorted);
    EXPECT_FALSE(vd::MoveRecords(*gx5, channels, {sorted[last]}, 1));

    // a choice that stores a position among a list's records follows its record
    SetSetting(*gx5, "noaaChnl", "1");
    vd::ElementList choice;
    gx5->GetElementsByName("noaaChnl", choice);
    const std::string station = vd::DisplayValue(*gx5, *choice.front());
    ASSERT_TRUE(vd::SortRecords(*gx5, ListId(*gx5, "noaaName"), 0, false));
    EXPECT_NE(Setting(*gx5, "noaaChnl"), "1");
    choice.clear();
    gx5->GetElementsByName("noaaChnl", choice);
    EXPECT_EQ(vd::DisplayValue(*gx5, *choice.front()), station);

    // a record inserted after another, records deleted with their references
    const std::optional<std::string> inserted = vd::InsertRecord(*gx5, channels, sorted[3]);
    ASSERT_TRUE(inserted.has_value());
    EXPECT_EQ(InUseIds(*gx5, "ChannelName")[4], *inserted);
    const std::string member = Members(*gx5, zone).front();
    EXPECT_EQ(vd::DeleteRecords(*gx5, channels, {*inserted, member, sorted[0]}),
              (std::vector<std::string>{*inserted, member}))
        << "a VFO stays";
    const std::vector<std::string> left = Members(*gx5, zone);
    EXPECT_EQ(std::count(left.begin(), left.end(), member), 0);

    vd::ByteVector image;
    ASSERT_TRUE(gx5->GenerateImage(image, 3));
    auto back = Fresh("GX5");
    ASSERT_TRUE(back->ImportImage(image));
    const vd::TextTable expected = vd::ExportRows(*gx5, channels, {});
    EXPECT_EQ(vd::ExportRows(*back, ListId(*back, ""), {}).rows, expected.rows);
    EXPECT_EQ(vd::ListTable(*back, ListId(*back, "Zones")).CellText(zone, 1),
              vd::ListTable(*gx5, zones.ChapterId()).CellText(zone, 1));
}

} // namespace
} // namespace vdtest
