// The shipped model templates against what the program does with them: ids and names the
// program and the codecs look elements up by, every field the codec stores present once and
// fitting its place in the image, the windows showing each shown setting, records that agree
// with the model's locks, and the tone list naming the codes the codec writes.
// Values against the value rules, references and list capacities are checked by the project
// check of every new project (tests/document); the files' layout is the generator's, and
// template_files_match_their_generator keeps the shipped files its output.
#include "app/ModelRegistry.h"
#include "model/HamCpsControl.h"
#include "model/xml/ChoiceExpansion.h"
#include "radios/gx5/Gx5FieldTables.h"
#include "radios/lmvs/LmVsControl.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

namespace vdtest {
namespace {

std::string Attr(pugi::xml_node node, const char* name) {
    return node.attribute(name).value();
}

std::string Where(pugi::xml_node element) {
    return Attr(element.parent(), "id") + "/" + Attr(element, "id") + " " + Attr(element, "name");
}

/// One entry of a choice list: the number the radio stores and the text shown for it.
struct Choice {
    long value = -1;
    std::string text;
};

/// The entries of a choice list "value:text|value:text"; a test failure for an entry that is
/// no number, colon and text.
std::vector<Choice> ParseChoices(const std::string& list) {
    std::vector<Choice> out;
    std::istringstream in(list);
    for (std::string entry; std::getline(in, entry, '|');) {
        const size_t colon = entry.find(':');
        Choice choice;
        const char* end = entry.data() + std::min(colon, entry.size());
        const auto parsed = std::from_chars(entry.data(), end, choice.value);
        EXPECT_TRUE(colon != std::string::npos && parsed.ec == std::errc() && parsed.ptr == end)
            << "no choice: \"" << entry << '"';
        choice.text = entry.substr(colon + 1);
        out.push_back(std::move(choice));
    }
    return out;
}

/// A value the codec stores: the element's name, its record ("" for a setting) and the
/// largest number (numeric fields) or the most bytes (text fields) the image keeps of it.
struct CodecField {
    std::string name;
    std::string record;
    long long maxNumber = 0;
    int maxBytes = 0;
};

/// The fields the model's codec reads and writes, from the codec's own tables.
std::vector<CodecField> CodecFields(vd::HamCpsControl& control) {
    std::vector<CodecField> out;
    const auto bits = [](int width) { return (1LL << width) - 1; };
    if (auto* lmvs = dynamic_cast<vd::LmVsControl*>(&control)) {
        const vd::LmVsImageLayout& image = lmvs->Model().image;
        for (const vd::ChannelField& field : image.channelFields) {
            const long long max = field.kind == vd::ChannelFieldKind::Frequency ? 999999990
                                  : field.kind == vd::ChannelFieldKind::Tone    ? 0xFFFF
                                                                                : bits(field.width);
            out.push_back({field.name, "ChannelName", max, 0});
        }
        for (const vd::SettingField& field : image.settings) {
            out.push_back({field.name, "", bits(field.width), 0});
        }
        for (const vd::KeyByte& key : image.keyBytes) {
            out.push_back({key.name, "", 15, 0});
        }
        return out;
    }
    using vd::gx5::FieldKind;
    const std::pair<vd::gx5::FieldTable, const char*> tables[] = {
        {vd::gx5::DeviceInfoFields(), ""},
        {vd::gx5::SettingsFields(), ""},
        {vd::gx5::DtmfSettingsFields(), ""},
        {vd::gx5::ChannelFields(), "ChannelName"},
        {vd::gx5::ScanListFields(), "ScanName"},
        {vd::gx5::EmergencyFields(), "EmergencyName"},
        {vd::gx5::FmFields(), "fmName"},
        {vd::gx5::NoaaFields(), "noaaName"},
        {vd::gx5::DtmfSystemFields(), "dtmfSystem"}};
    for (const auto& [table, record] : tables) {
        for (const vd::gx5::FieldSpec& field : table) {
            const bool text = field.kind == FieldKind::Text;
            const long long max = field.kind == FieldKind::Bits  ? bits(field.width)
                                  : field.kind == FieldKind::U32 ? 0xFFFFFFFFLL
                                                                 : 0xFFFF;
            out.push_back({field.name, record, text ? 0 : max, text ? field.width : 0});
        }
    }
    return out;
}

/// A model's template as its own control loads it.
class Template : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        control_ = vd::ModelRegistry::CreateControl(GetParam());
        ASSERT_TRUE(control_ && control_->ResetToTemplate() && control_->ValueStore());
    }

    vd::HamCpsControl& control() { return *control_; }
    vd::XmlStore& store() { return *control_->ValueStore(); }
    /// The elements with that name, in settings and records alike.
    size_t CountNamed(const std::string& name) {
        return store()
            .ElementsNode()
            .select_nodes((".//element[@name='" + name + "']").c_str())
            .size();
    }

private:
    std::unique_ptr<vd::HamCpsControl> control_;
};

TEST_P(Template, IdsAndSettingNamesAreUniqueAndEveryNodeHasBothLanguages) {
    // elements are found by id, settings by name: a repeat sends a value to the wrong element
    const std::regex idPattern("e[0-9]{8}");
    std::set<std::string> ids;
    for (pugi::xml_node chapter : store().ChaptersNode().children("chapter")) {
        const std::string id = Attr(chapter, "id");
        EXPECT_TRUE(ids.insert(id).second) << "duplicate chapter " << id;
        const bool list = control().GetNodeKind(id, "chapter") == 322;
        EXPECT_EQ(Attr(chapter, "showElement"), list ? "1" : "0") << id;
        EXPECT_TRUE(id == "c01" ? Attr(chapter, "parentID").empty()
                                : bool(store().ChapterById(Attr(chapter, "parentID"))))
            << id << " hangs from nowhere";
        EXPECT_NE(Attr(chapter, "textENG"), "") << id;
        EXPECT_NE(Attr(chapter, "textCHN"), "") << id;
    }
    for (pugi::xml_node element : store().ElementsNode().children("element")) {
        const std::string id = Attr(element, "id");
        EXPECT_TRUE(std::regex_match(id, idPattern) && ids.insert(id).second) << id;
        EXPECT_TRUE(store().ChapterById(Attr(element, "parentID"))) << id;
        if (!element.child("element")) {
            EXPECT_EQ(CountNamed(Attr(element, "name")), 1u) << Where(element);
        } else {
            EXPECT_EQ(control().GetNodeKind(Attr(element, "parentID"), "chapter"), 322)
                << "record " << id << " outside a list";
        }
        std::set<std::string> fieldIds;
        for (pugi::xml_node field : element.children("element")) {
            EXPECT_TRUE(std::regex_match(Attr(field, "id"), idPattern) &&
                        fieldIds.insert(Attr(field, "id")).second)
                << Where(field);
        }
    }
    for (pugi::xpath_node hit : store().ElementsNode().select_nodes(".//element")) {
        for (const char* name : {"name", "textENG", "textCHN"}) {
            EXPECT_STRNE(hit.node().attribute(name).value(), "") << Where(hit.node()) << name;
        }
    }
}

TEST_P(Template, CodecFieldsExistOnceAndFitTheImage) {
    for (const CodecField& field : CodecFields(control())) {
        SCOPED_TRACE(field.name + (field.record.empty() ? "" : " in " + field.record));
        std::vector<pugi::xml_node> occurrences;
        if (field.record.empty()) {
            // the codec stores a setting only when exactly one element has the name
            EXPECT_EQ(CountNamed(field.name), 1u);
            occurrences = store().ElementsByName(field.name);
        }
        for (pugi::xml_node record : field.record.empty() ? std::vector<pugi::xml_node>{}
                                                          : store().ElementsByName(field.record)) {
            const auto named = record.select_nodes(("element[@name='" + field.name + "']").c_str());
            EXPECT_EQ(named.size(), 1u) << Attr(record, "id");
            occurrences.push_back(named.first().node());
        }
        for (pugi::xml_node element : occurrences) {
            const std::string value = Attr(element, "inputValue");
            const int editor = element.attribute("controlType").as_int();
            if (field.maxBytes > 0) {
                EXPECT_TRUE(editor == 1 || editor == 4) << Where(element) << " editor " << editor;
                EXPECT_LE(static_cast<int>(value.size()), field.maxBytes) << Where(element);
                continue;
            }
            // a number is edited with a check box, a choice or under a value rule, unless locked
            std::string kind, chars;
            std::vector<long long> lower, upper;
            const std::string owner = Attr(field.record.empty() ? element : element.parent(), "id");
            EXPECT_TRUE(editor == 2 || editor == 3 ||
                        control().ValidateValue(field.name, kind, lower, upper, chars) ||
                        control().IsElementReadOnly(owner, field.name))
                << Where(element) << " editor " << editor;
            long long stored = 0; // a check box's empty value is 0
            if (!(value.empty() && editor == 2)) {
                const auto parsed =
                    std::from_chars(value.data(), value.data() + value.size(), stored);
                EXPECT_TRUE(parsed.ec == std::errc() && parsed.ptr == value.data() + value.size())
                    << Where(element) << " = " << value;
            }
            EXPECT_TRUE(stored >= 0 && stored <= field.maxNumber)
                << Where(element) << " = " << value;
            if (editor != 3) {
                continue;
            }
            for (const Choice& choice :
                 ParseChoices(vd::ExpandChoiceValue(Attr(element, "choiceValue"), store()))) {
                EXPECT_TRUE(choice.value >= 0 && choice.value <= field.maxNumber)
                    << Where(element) << " offers " << choice.value;
            }
        }
    }
}

TEST_P(Template, WindowsPlaceEveryShownSettingOnce) {
    EXPECT_TRUE(store().ElementsNode().parent().child("Window"));
    for (pugi::xml_node window : store().ElementsNode().parent().children("Window")) {
        const std::string chapter = Attr(window, "parentID");
        SCOPED_TRACE(chapter);
        std::map<std::string, int> placed;
        for (pugi::xpath_node item : window.select_nodes("*/element")) {
            const std::string name = Attr(item.node(), "name");
            ++placed[name];
            const auto named = store().ElementsByName(name);
            ASSERT_EQ(named.size(), 1u) << name << " must name one element";
            EXPECT_EQ(Attr(named.front(), "parentID"), chapter) << name;
        }
        for (pugi::xml_node element : store().ElementsByParent(chapter)) {
            const int shown = element.attribute("showSelf").as_int(1) != 0 ? 1 : 0;
            EXPECT_EQ(placed[Attr(element, "name")], shown) << Where(element);
        }
    }
}

TEST_P(Template, RecordsAgreeWithTheModelsLocksAndVfos) {
    if (auto* lmvs = dynamic_cast<vd::LmVsControl*>(&control())) {
        // a lock names an element by its id: a template whose ids drift leaves it unlocked
        for (const std::string& key : lmvs->Model().rules.readOnlyKeys) {
            const size_t cut = key.find('_');
            EXPECT_EQ(Attr(store().ElementById(key.substr(0, cut)), "name"), key.substr(cut + 1));
        }
    }
    size_t inUse = 0;
    const bool gx5 = GetParam().rfind("GX5", 0) == 0;
    for (pugi::xml_node record : store().ElementsByName("ChannelName")) {
        const std::string id = Attr(record, "id");
        if (record.attribute("controlType").as_int() != 0) {
            // the GX5 family's first three channels are its VFOs, and no other is one
            const std::string name = Attr(record, "inputValue");
            EXPECT_EQ(name.rfind("VFO-", 0) == 0 ? name : "",
                      gx5 && inUse < 3 ? std::string("VFO-") + char('A' + inUse) : "")
                << id;
            ++inUse;
        }
        // the GX5G narrows, lowers and locks channels on its fixed transmit frequencies
        vd::ElementList fields;
        control().GetChildElements(id, fields);
        std::map<std::string, std::string> values;
        bool fixed = false;
        for (const vd::ElementPtr& field : fields) {
            values[field->name] = field->inputValue;
            fixed = fixed || (field->name == "BandWidth" && control().IsFieldDisabled(*field));
        }
        if (values.count("attribute_pwr_lock")) {
            EXPECT_EQ(values["attribute_pwr_lock"] == "1", fixed) << id;
            EXPECT_EQ(values["attribute_space_lock"] == "1", fixed) << id;
            EXPECT_TRUE(!fixed || (values["BandWidth"] == "1" && values["ChannelPower"] == "0"))
                << id;
        }
    }
    EXPECT_GE(inUse, gx5 ? 3u : 1u);
    // silent emergency types keep their local alarm off
    for (pugi::xml_node record : store().ElementsByName("EmergencyName")) {
        if (control().IsElementReadOnly(Attr(record, "id"), "localEmgAlarm")) {
            const pugi::xml_node alarm = record.find_child_by_attribute("name", "localEmgAlarm");
            EXPECT_NE(Attr(alarm, "inputValue"), "1") << Attr(record, "id");
        }
    }
    for (pugi::xml_node free : store().ElementsNode().children("element")) {
        const std::string name = Attr(free, "name");
        std::string kind, chars;
        std::vector<long long> lower, upper;
        if (Attr(free, "controlType") != "0") {
            continue;
        }
        if (control().ValidateValue(name, kind, lower, upper, chars) && kind == "char") {
            // a new record is named after the free one with its number behind: both must fit
            const size_t digits = std::to_string(control().GetCapacity(name)).size();
            EXPECT_LE(Attr(free, "inputValue").size() + digits, static_cast<size_t>(upper.at(0)))
                << Where(free);
        }
        // a reference in the free record would be shared by every new record
        for (pugi::xml_node field : free.children("element")) {
            const std::string fieldName = Attr(field, "name");
            if (control().IsReferenceName(fieldName) &&
                !control().GetReferenceTarget(fieldName).empty()) {
                EXPECT_EQ(Attr(field, "inputValue"), "") << Where(field);
            }
        }
    }
}

TEST_P(Template, ToneListNamesTheCodesTheCodecWrites) {
    const auto english = ParseChoices(control().GetGlobalValue("global_tones"));
    const auto chinese = ParseChoices(control().GetGlobalValue("global_tones_chn"));
    ASSERT_EQ(english.size(), 1u + 50u + 2u * 104u);
    ASSERT_EQ(chinese.size(), english.size());
    std::map<int, int> perKind; // 0 off, 1 CTCSS, 2 DCS normal, 3 DCS inverted
    for (size_t i = 0; i < english.size(); ++i) {
        const long code = english[i].value;
        // the GX5 codec always writes bit 12 of a tone code as 0
        EXPECT_TRUE(code >= 0 && code <= 0xFFFF && (code & 0x1000) == 0) << code;
        const int kind = code == 0 ? 0 : code < 0x8000 ? 1 : code < 0xC000 ? 2 : 3;
        ++perKind[kind];
        char expected[32] = "Off";
        if (kind == 1) {
            std::snprintf(expected, sizeof expected, "%ld.%ld Hz", code / 10, code % 10);
        } else if (kind > 1) {
            std::snprintf(expected, sizeof expected, kind == 2 ? "D%03loN" : "D%03loI",
                          code - (kind == 2 ? 0x8000 : 0xC000));
        }
        EXPECT_EQ(english[i].text, expected) << code;
        EXPECT_EQ(chinese[i].value, code);
        if (kind != 0) { // "Off" has a Chinese text of its own
            EXPECT_EQ(chinese[i].text, expected) << code;
        }
    }
    EXPECT_EQ(perKind, (std::map<int, int>{{0, 1}, {1, 50}, {2, 104}, {3, 104}}));
}

INSTANTIATE_TEST_SUITE_P(Models, Template, ::testing::ValuesIn(vd::ModelRegistry::ModelNames()),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace vdtest
