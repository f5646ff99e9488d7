#pragma once
#include "app/ModelRegistry.h"
#include "model/HamCpsControl.h"
#include "tests/template/TemplateQueries.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vdtest::tpl {

/// A test over one model's template file as the model's own control loads it: as XML, and
/// through the control, whose codec tables, value rules, capacities and references the file
/// must satisfy.
class TemplateTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        control_ = vd::ModelRegistry::CreateControl(GetParam());
        ASSERT_NE(control_, nullptr);
        ASSERT_TRUE(control_->ResetToTemplate()) << control_->GetTemplatePath();
        ASSERT_NE(control_->ValueStore(), nullptr);
    }

    /// The loaded template.
    vd::XmlStore& store() { return *control_->ValueStore(); }
    /// Its root element.
    pugi::xml_node root() { return store().ElementsNode().parent(); }
    vd::HamCpsControl& control() { return *control_; }
    /// Whether the program shows the chapter as a list of records.
    bool IsListChapter(const std::string& id) {
        return control_->GetNodeKind(id, "chapter") == 322;
    }

private:
    std::unique_ptr<vd::HamCpsControl> control_;
};

/// Every model of the registry, by name.
#define VD_TEMPLATE_MODELS(Suite)                                                                  \
    INSTANTIATE_TEST_SUITE_P(Models, Suite, ::testing::ValuesIn(vd::ModelRegistry::ModelNames()),  \
                             [](const auto& info) { return info.param; })

} // namespace vdtest::tpl
