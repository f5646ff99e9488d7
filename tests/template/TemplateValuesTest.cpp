// Values of the template files: every field the codecs store exists and fits its place in
// the image, choice lists, the models' value rules, references and the tone list.
#include "model/xml/ChoiceExpansion.h"
#include "radios/gx5/Gx5FieldTables.h"
#include "radios/lmvs/LmVsControl.h"
#include "tests/template/TemplateFixture.h"

#include <charconv>
#include <cstdio>
#include <set>

namespace vdtest::tpl {
namespace {

std::string Where(pugi::xml_node element) {
    return Attr(element.parent(), "id") + "/" + Attr(element, "id") + " " + Attr(element, "name");
}

/// The number a codec reads from a value: a check box's empty value is 0.
std::optional<long> StoredNumber(pugi::xml_node element) {
    const std::string text = Attr(element, "inputValue");
    if (text.empty() && element.attribute("controlType").as_int() == 2) {
        return 0;
    }
    long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
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

/// Every element of a field: the one setting, or that field of every record.
std::vector<pugi::xml_node> Occurrences(const vd::XmlStore& store, const CodecField& field) {
    if (field.record.empty()) {
        return store.ElementsByName(field.name);
    }
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node record : store.ElementsByName(field.record)) {
        for (pugi::xml_node element : ElementChildren(record)) {
            if (field.name == element.attribute("name").value()) {
                out.push_back(element);
            }
        }
    }
    return out;
}

/// The choices of an element's choice list as the program expands it ("global_" lists and
/// "elements_X_elements" macros included); a test failure when it is no choice list.
std::vector<ChoiceEntry> ChoicesOf(vd::HamCpsControl& control, pugi::xml_node element,
                                   const char* attribute) {
    const std::string expanded =
        vd::ExpandChoiceValue(Attr(element, attribute), *control.ValueStore());
    const auto entries = ParseChoices(expanded);
    if (!entries || entries->empty()) {
        ADD_FAILURE() << Where(element) << ": " << attribute << " is not a choice list: \""
                      << expanded << '"';
        return {};
    }
    return *entries;
}

using TemplateValues = TemplateTest;

TEST_P(TemplateValues, CodecFieldsExistOnceAndFitTheImage) {
    for (const CodecField& field : CodecFields(control())) {
        SCOPED_TRACE(field.name + (field.record.empty() ? "" : " in " + field.record));
        if (field.record.empty()) {
            // The codec writes a setting only when exactly one element has the name.
            EXPECT_EQ(CountNamedAnywhere(store(), field.name), 1);
        } else {
            for (pugi::xml_node record : store().ElementsByName(field.record)) {
                EXPECT_EQ(
                    record.select_nodes(("element[@name='" + field.name + "']").c_str()).size(), 1u)
                    << Attr(record, "id");
            }
        }
        for (pugi::xml_node element : Occurrences(store(), field)) {
            const std::string value = Attr(element, "inputValue");
            // a number is edited with a check box, a choice or under a value rule, unless locked
            const int editor = element.attribute("controlType").as_int();
            std::string kind, chars;
            std::vector<long long> lower, upper;
            const std::string owner =
                field.record.empty() ? Attr(element, "id") : Attr(element.parent(), "id");
            EXPECT_TRUE(field.maxBytes > 0
                            ? editor == 1 || editor == 4
                            : editor == 2 || editor == 3 ||
                                  control().ValidateValue(field.name, kind, lower, upper, chars) ||
                                  control().IsElementReadOnly(owner, field.name))
                << Where(element) << " has editor " << editor;
            if (field.maxBytes > 0) {
                EXPECT_LE(static_cast<int>(value.size()), field.maxBytes) << Where(element);
                continue;
            }
            const auto stored = StoredNumber(element);
            ASSERT_TRUE(stored) << Where(element) << " = " << value;
            EXPECT_TRUE(*stored >= 0 && *stored <= field.maxNumber)
                << Where(element) << " = " << value;
            if (element.attribute("controlType").as_int() == 3) {
                for (const ChoiceEntry& entry : ChoicesOf(control(), element, "choiceValue")) {
                    EXPECT_TRUE(entry.value >= 0 && entry.value <= field.maxNumber)
                        << Where(element) << " offers " << entry.value;
                }
            }
        }
    }
}

TEST_P(TemplateValues, SettingNamesAreUniqueInTheWholeFile) {
    for (pugi::xml_node element : ElementChildren(store().ElementsNode())) {
        if (ElementChildren(element).empty()) {
            EXPECT_EQ(CountNamedAnywhere(store(), Attr(element, "name")), 1) << Where(element);
        }
    }
}

TEST_P(TemplateValues, ValuesPassTheModelsOwnRules) {
    // what the grid would refuse or change in an edit must not ship in the template
    int checked = 0;
    for (pugi::xml_node element : AllElements(store())) {
        std::string kind;
        std::string allowed;
        std::vector<long long> lower;
        std::vector<long long> upper;
        if (!control().ValidateValue(Attr(element, "name"), kind, lower, upper, allowed)) {
            continue;
        }
        ++checked;
        const std::string value = Attr(element, "inputValue");
        if (kind == "char") {
            // a new record is named after the free one with its number behind
            const int digits =
                element.attribute("controlType").as_int() == 0
                    ? static_cast<int>(
                          std::to_string(control().GetCapacity(Attr(element, "name"))).size())
                    : 0;
            EXPECT_LE(static_cast<long long>(value.size()) + digits, upper.at(0)) << Where(element);
            if (!allowed.empty()) {
                EXPECT_EQ(value.find_first_not_of(allowed), std::string::npos) << Where(element);
            }
            continue;
        }
        const auto number = StoredNumber(element);
        ASSERT_TRUE(number) << Where(element) << " = " << value;
        bool inside = false;
        for (size_t i = 0; i < lower.size() && i < upper.size(); ++i) {
            inside = inside || (*number >= lower[i] && *number <= upper[i]);
        }
        EXPECT_TRUE(inside) << Where(element) << " = " << value;
    }
    EXPECT_GT(checked, 0);
}

TEST_P(TemplateValues, ChoiceListsParseAndHoldTheirValues) {
    for (pugi::xml_node element : AllElements(store())) {
        const int controlType = element.attribute("controlType").as_int();
        const std::string value = Attr(element, "inputValue");
        if (controlType == 2) {
            EXPECT_TRUE(value.empty() || value == "1") << Where(element) << " = " << value;
        }
        if (controlType == 0) {
            EXPECT_EQ(Attr(element, "defaultValue"), "7") << Where(element);
        } else {
            EXPECT_EQ(Attr(element, "defaultValue"), value) << Where(element);
        }
        if (controlType != 3) {
            EXPECT_EQ(Attr(element, "choiceValue"), "") << Where(element);
            continue;
        }
        const auto english = ChoicesOf(control(), element, "choiceValue");
        std::set<long> values;
        for (const ChoiceEntry& entry : english) {
            values.insert(entry.value);
        }
        if (element.attribute("choiceValueCHN")) {
            std::set<long> chinese;
            for (const ChoiceEntry& entry : ChoicesOf(control(), element, "choiceValueCHN")) {
                chinese.insert(entry.value);
            }
            EXPECT_EQ(chinese, values) << Where(element) << ": the languages offer other values";
        }
        const auto stored = StoredNumber(element);
        ASSERT_TRUE(stored) << Where(element) << " = " << value;
        EXPECT_TRUE(values.count(*stored)) << Where(element) << " = " << value << " is no choice";
    }
}

TEST_P(TemplateValues, ReferencesPointToRecordsInUse) {
    for (pugi::xml_node element : AllElements(store())) {
        const std::string name = Attr(element, "name");
        if (!control().IsReferenceName(name) || control().GetReferenceTarget(name).empty()) {
            continue;
        }
        std::set<std::string> targets;
        for (pugi::xml_node record : RecordsInUse(store(), control().GetReferenceTarget(name))) {
            // The view never offers the VFOs as the target of a channel reference.
            if (Attr(record, "inputValue").rfind("VFO-", 0) != 0) {
                targets.insert(Attr(record, "id"));
            }
        }
        const std::string value = Attr(element, "inputValue");
        const bool inFreeRecord = element.parent().attribute("controlType").as_int() == 0 &&
                                  element.parent().name() == std::string("element");
        if (inFreeRecord) {
            EXPECT_EQ(value, "") << Where(element) << ": new records would share it";
        } else if (value == "0x0FFF") {
            EXPECT_NE(name.find("PwrupZoneIndex"), std::string::npos) << Where(element);
        } else if (!value.empty()) {
            EXPECT_TRUE(targets.count(value)) << Where(element) << " = " << value;
        }
    }
}

TEST_P(TemplateValues, ToneListFollowsTheCodeScheme) {
    const auto entries = ParseChoices(control().GetGlobalValue("global_tones"));
    const auto entriesChn = ParseChoices(control().GetGlobalValue("global_tones_chn"));
    ASSERT_TRUE(entries && entriesChn);
    ASSERT_EQ(entries->size(), 1u + 50u + 2u * 104u);
    ASSERT_EQ(entriesChn->size(), entries->size());

    int ctcss = 0, dcsNormal = 0, dcsInverted = 0;
    for (size_t i = 0; i < entries->size(); ++i) {
        const ChoiceEntry& entry = (*entries)[i];
        EXPECT_EQ((*entriesChn)[i].value, entry.value);
        // The GX5 codec always writes bit 12 of a tone code as 0.
        EXPECT_TRUE(entry.value >= 0 && entry.value <= 0xFFFF && (entry.value & 0x1000) == 0)
            << entry.value;
        char expected[32];
        if (entry.value == 0) {
            EXPECT_EQ(entry.text, "Off");
            continue;
        }
        if (entry.value < 0x8000) {
            ++ctcss;
            std::snprintf(expected, sizeof expected, "%ld.%ld Hz", entry.value / 10,
                          entry.value % 10);
        } else if (entry.value < 0xC000) {
            ++dcsNormal;
            std::snprintf(expected, sizeof expected, "D%03loN", entry.value - 0x8000);
        } else {
            ++dcsInverted;
            std::snprintf(expected, sizeof expected, "D%03loI", entry.value - 0xC000);
        }
        EXPECT_EQ(entry.text, expected) << entry.value;
        EXPECT_EQ((*entriesChn)[i].text, expected) << entry.value;
    }
    EXPECT_EQ(ctcss, 50);
    EXPECT_EQ(dcsNormal, 104);
    EXPECT_EQ(dcsInverted, 104);
}

VD_TEMPLATE_MODELS(TemplateValues);

} // namespace
} // namespace vdtest::tpl
