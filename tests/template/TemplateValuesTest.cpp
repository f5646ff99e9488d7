// Values of the template files: every name the codecs and rules use, choice lists,
// the widths of the memory-image fields, references and frequencies.
#include "tests/template/TemplateFixture.h"

#include <charconv>
#include <cstdio>
#include <set>

namespace vdtest::tpl {
namespace {

std::string Attr(pugi::xml_node node, const char* name) {
    return node.attribute(name).value();
}

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

/// Every element a rule covers: the one setting, or that field of every record.
std::vector<pugi::xml_node> Occurrences(const TemplateFile& file, const NameRule& rule) {
    if (rule.record.empty()) {
        return file.ElementsNamed(rule.name);
    }
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node record : file.ElementsNamed(rule.record)) {
        for (pugi::xml_node field : ElementChildren(record)) {
            if (rule.name == field.attribute("name").value()) {
                out.push_back(field);
            }
        }
    }
    return out;
}

std::vector<ChoiceEntry> ChoicesOf(const TemplateFile& file, pugi::xml_node element,
                                   const char* attribute) {
    const auto resolved = file.ResolveChoices(Attr(element, attribute));
    if (!resolved) {
        ADD_FAILURE() << Where(element) << ": " << attribute << " names a missing global list";
        return {};
    }
    const auto entries = ParseChoices(*resolved);
    if (!entries || entries->empty()) {
        ADD_FAILURE() << Where(element) << ": " << attribute
                      << " is not a choice list: " << *resolved;
        return {};
    }
    return *entries;
}

using TemplateValues = TemplateTest;

TEST_P(TemplateValues, NamesTheCodecsUseExistOnceWithTheirEditor) {
    for (const NameRule& rule : rules().names) {
        SCOPED_TRACE(rule.name + (rule.record.empty() ? "" : " in " + rule.record));
        if (rule.record.empty()) {
            // The codec writes a setting only when exactly one element has the name.
            ASSERT_EQ(file().ElementsNamed(rule.name).size(), 1u);
            EXPECT_EQ(file().CountNamedAnywhere(rule.name), 1);
        } else {
            const auto records = file().ElementsNamed(rule.record);
            ASSERT_FALSE(records.empty());
            for (pugi::xml_node record : records) {
                const auto fields =
                    record.select_nodes(("element[@name='" + rule.name + "']").c_str());
                if (rule.member) {
                    EXPECT_GE(fields.size(), 1u) << Attr(record, "id");
                } else {
                    EXPECT_EQ(fields.size(), 1u) << Attr(record, "id");
                }
            }
        }
        for (pugi::xml_node element : Occurrences(file(), rule)) {
            EXPECT_EQ(element.attribute("controlType").as_int(), rule.controlType)
                << Where(element);
        }
    }
}

TEST_P(TemplateValues, SettingNamesAreUniqueInTheWholeFile) {
    for (pugi::xml_node element : file().TopElements()) {
        if (ElementChildren(element).empty()) {
            EXPECT_EQ(file().CountNamedAnywhere(Attr(element, "name")), 1) << Where(element);
        }
    }
}

TEST_P(TemplateValues, ChoiceListsParseAndHoldTheirValues) {
    for (pugi::xpath_node hit : file().document().select_nodes("//elements//element")) {
        const pugi::xml_node element = hit.node();
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
        const auto english = ChoicesOf(file(), element, "choiceValue");
        std::set<long> values;
        for (const ChoiceEntry& entry : english) {
            values.insert(entry.value);
        }
        if (element.attribute("choiceValueCHN")) {
            std::set<long> chinese;
            for (const ChoiceEntry& entry : ChoicesOf(file(), element, "choiceValueCHN")) {
                chinese.insert(entry.value);
            }
            EXPECT_EQ(chinese, values) << Where(element) << ": the languages offer other values";
        }
        const auto stored = StoredNumber(element);
        ASSERT_TRUE(stored) << Where(element) << " = " << value;
        EXPECT_TRUE(values.count(*stored)) << Where(element) << " = " << value << " is no choice";
    }
}

TEST_P(TemplateValues, ValuesFitTheirFieldsInTheMemoryImage) {
    for (const NameRule& rule : rules().names) {
        for (pugi::xml_node element : Occurrences(file(), rule)) {
            const std::string value = Attr(element, "inputValue");
            if (rule.bits > 0) {
                const auto stored = StoredNumber(element);
                ASSERT_TRUE(stored) << Where(element) << " = " << value;
                const long limit = 1L << rule.bits;
                EXPECT_TRUE(*stored >= 0 && *stored < limit) << Where(element) << " = " << value;
                if (element.attribute("controlType").as_int() == 3) {
                    for (const ChoiceEntry& entry : ChoicesOf(file(), element, "choiceValue")) {
                        EXPECT_TRUE(entry.value >= 0 && entry.value < limit)
                            << Where(element) << " offers " << entry.value;
                    }
                }
            }
            if (rule.maxLength > 0) {
                EXPECT_LE(static_cast<int>(value.size()), rule.maxLength) << Where(element);
            }
            if (!rule.charset.empty()) {
                EXPECT_EQ(value.find_first_not_of(rule.charset), std::string::npos)
                    << Where(element);
            }
        }
    }
    for (const ListRule& list : rules().lists) {
        if (list.nameLength == 0) {
            continue;
        }
        for (pugi::xml_node record : file().ElementsNamed(list.recordName)) {
            const std::string name = Attr(record, "inputValue");
            if (record.attribute("controlType").as_int() == 0) {
                // New records are named with this prefix and their number.
                const int digits = static_cast<int>(std::to_string(list.capacity).size());
                EXPECT_LE(static_cast<int>(name.size()) + digits, list.nameLength) << Where(record);
            } else {
                EXPECT_FALSE(name.empty()) << Where(record);
                EXPECT_LE(static_cast<int>(name.size()), list.nameLength) << Where(record);
            }
        }
    }
}

TEST_P(TemplateValues, ReferencesPointToRecordsInUse) {
    for (const NameRule& rule : rules().names) {
        if (rule.refTarget.empty()) {
            continue;
        }
        std::set<std::string> targets;
        for (pugi::xml_node record : file().RecordsInUse(rule.refTarget)) {
            // The view never offers the VFOs as the target of a channel reference.
            if (Attr(record, "inputValue").rfind("VFO-", 0) != 0) {
                targets.insert(Attr(record, "id"));
            }
        }
        for (pugi::xml_node element : Occurrences(file(), rule)) {
            const std::string value = Attr(element, "inputValue");
            const bool inFreeRecord = element.parent().attribute("controlType").as_int() == 0 &&
                                      element.parent().name() == std::string("element");
            if (inFreeRecord) {
                EXPECT_EQ(value, "") << Where(element) << ": new records would share it";
            } else if (value == "0x0FFF") {
                EXPECT_NE(rule.name.find("PwrupZoneIndex"), std::string::npos) << Where(element);
            } else if (!value.empty()) {
                EXPECT_TRUE(targets.count(value)) << Where(element) << " = " << value;
            }
        }
    }
}

TEST_P(TemplateValues, PowerUpChannelsAreMembersOfTheirZone) {
    if (rules().family == Family::LmVs) {
        GTEST_SKIP() << "no power-up settings";
    }
    for (int n = 1; n <= 3; ++n) {
        const std::string home = "home" + std::to_string(n);
        const auto zone = file().ElementsNamed(home + "PwrupZoneIndex");
        const auto channel = file().ElementsNamed(home + "PwrupChnl");
        ASSERT_EQ(zone.size(), 1u);
        ASSERT_EQ(channel.size(), 1u);
        const std::string zoneId = Attr(zone.front(), "inputValue");
        const std::string channelId = Attr(channel.front(), "inputValue");
        if (zoneId.empty() || zoneId == "0x0FFF" || channelId.empty()) {
            continue;
        }
        // The image stores the channel as its position among the zone's members.
        const pugi::xml_node zoneRecord = file().ElementById(zoneId);
        const auto member = zoneRecord.select_nodes(
            ("element[@name='Channel' and @inputValue='" + channelId + "']").c_str());
        EXPECT_EQ(member.size(), 1u) << home << ": " << channelId << " is not in " << zoneId;
    }
}

TEST_P(TemplateValues, FrequenciesLieWithinTheRadioLimits) {
    for (const auto& [name, ranges] : rules().frequencies) {
        const std::string query = "/*/elements//element[@name='" + name + "']";
        const auto hits = file().document().select_nodes(query.c_str());
        EXPECT_FALSE(hits.empty()) << name;
        for (pugi::xpath_node hit : hits) {
            const auto hz = StoredNumber(hit.node());
            ASSERT_TRUE(hz) << Where(hit.node());
            bool inside = false;
            for (const FrequencyRange& range : ranges) {
                inside = inside || (*hz >= range.low && *hz <= range.high);
            }
            EXPECT_TRUE(inside) << Where(hit.node()) << " = " << *hz;
        }
    }
}

TEST_P(TemplateValues, IdsTheRulesNameExist) {
    for (const auto& [id, name] : rules().requiredIds) {
        const pugi::xml_node element = file().ElementById(id);
        ASSERT_TRUE(element) << id;
        EXPECT_EQ(Attr(element, "name"), name) << id;
    }
}

TEST_P(TemplateValues, ToneListFollowsTheCodeScheme) {
    const auto english = file().GlobalValue("global_tones");
    const auto chinese = file().GlobalValue("global_tones_chn");
    ASSERT_TRUE(english && chinese);
    const auto entries = ParseChoices(*english);
    const auto entriesChn = ParseChoices(*chinese);
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
    EXPECT_NE(english->find("|670:67.0 Hz|"), std::string::npos);
    EXPECT_NE(english->find("|2541:254.1 Hz|"), std::string::npos);
    EXPECT_NE(english->find("|32787:D023N|"), std::string::npos); // 0x8000 + 023 octal
    EXPECT_NE(english->find("|49644:D754I"), std::string::npos);  // 0xC000 + 754 octal
}

INSTANTIATE_TEST_SUITE_P(Models, TemplateValues, ::testing::ValuesIn(AllModels()), ModelName);

} // namespace
} // namespace vdtest::tpl
