// What each family's template holds beyond the shared structure: the GX5 family's VFOs and
// fields that agree with the GX5G's locking rules, the LM704/VS channel tables.
#include "radios/gx5/Gx5FieldTables.h"
#include "radios/lmvs/LmVsControl.h"
#include "tests/template/TemplateFixture.h"

#include <map>
#include <set>

namespace vdtest::tpl {
namespace {

using ModelTemplate = TemplateTest;

TEST_P(ModelTemplate, ChannelListHoldsTheVfosOrSixteenNamedChannels) {
    const auto channels = RecordsInUse(store(), "ChannelName");
    const bool gx5 = GetParam().rfind("GX5", 0) == 0;
    EXPECT_TRUE(gx5 ? channels.size() >= 4 : channels.size() == 16) << channels.size();
    std::set<std::string> names;
    for (size_t i = 0; i < channels.size(); ++i) {
        const std::string name = Attr(channels[i], "inputValue");
        EXPECT_TRUE(names.insert(name).second) << "two channels named " << name;
        if (gx5 && i < 3) {
            // the GX5 family's first three channels are its VFOs, and no other is one
            EXPECT_EQ(name, std::string("VFO-") + char('A' + i));
        } else {
            EXPECT_NE(name.rfind("VFO-", 0), 0u) << name;
        }
    }
}

TEST_P(ModelTemplate, LockedFieldsHoldWhatTheRulesForce) {
    // the GX5G narrows, lowers and locks channels on the seven fixed transmit frequencies,
    // and silences the local alarm of silent emergency types: the template must agree
    for (pugi::xml_node record : store().ElementsByName("ChannelName")) {
        vd::ElementList fields;
        control().GetChildElements(Attr(record, "id"), fields);
        std::map<std::string, std::string> values;
        bool fixed = false;
        for (const vd::ElementPtr& field : fields) {
            values[field->name] = field->inputValue;
            fixed = fixed || (field->name == "BandWidth" && control().IsFieldDisabled(*field));
        }
        if (!values.count("attribute_pwr_lock")) {
            continue;
        }
        const std::string id = Attr(record, "id");
        EXPECT_EQ(values["attribute_pwr_lock"] == "1", fixed) << id;
        EXPECT_EQ(values["attribute_space_lock"] == "1", fixed) << id;
        if (fixed) {
            EXPECT_EQ(values["BandWidth"], "1") << id;
            EXPECT_EQ(values["ChannelPower"], "0") << id;
        }
    }
    for (pugi::xml_node record : store().ElementsByName("EmergencyName")) {
        const pugi::xml_node alarm = record.find_child_by_attribute("name", "localEmgAlarm");
        if (control().IsElementReadOnly(Attr(record, "id"), "localEmgAlarm")) {
            EXPECT_NE(Attr(alarm, "inputValue"), "1") << Attr(record, "id");
        }
    }
}

TEST_P(ModelTemplate, WhatTheModelLocksExists) {
    // a lock names an element by its id: a template whose ids drift would leave it unlocked
    if (auto* lmvs = dynamic_cast<vd::LmVsControl*>(&control())) {
        for (const std::string& key : lmvs->Model().rules.readOnlyKeys) {
            const size_t cut = key.find('_');
            EXPECT_EQ(Attr(store().ElementById(key.substr(0, cut)), "name"), key.substr(cut + 1));
        }
        return;
    }
    // the GX5 family locks the radio's identity and its VFOs
    for (const vd::gx5::FieldSpec& field : vd::gx5::DeviceInfoFields()) {
        for (pugi::xml_node element : store().ElementsByName(field.name)) {
            EXPECT_TRUE(control().IsElementReadOnly(Attr(element, "id"), field.name)) << field.name;
        }
    }
    const auto channels = RecordsInUse(store(), "ChannelName");
    for (size_t i = 0; i < 3 && i < channels.size(); ++i) {
        EXPECT_TRUE(control().IsElementReadOnly(Attr(channels[i], "id"), "ChannelName")) << i;
    }
}

VD_TEMPLATE_MODELS(ModelTemplate);

} // namespace
} // namespace vdtest::tpl
