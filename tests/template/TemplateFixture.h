#pragma once
#include "app/ModelRegistry.h"
#include "model/HamCpsControl.h"
#include "tests/template/TemplateFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace vdtest::tpl {

/// A test over one model's template file, read twice: as XML, and by the model's own control,
/// whose codec tables, value rules, capacities and references the file must satisfy.
class TemplateTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_FALSE(TemplateDir().empty()) << "VALDREN_CPS_TEMPLATE_DIR is not set";
        control_ = vd::ModelRegistry::CreateControl(GetParam());
        ASSERT_NE(control_, nullptr);
        ASSERT_TRUE(control_->ResetToTemplate()) << control_->GetTemplatePath();
        const std::string name =
            std::filesystem::path(control_->GetTemplatePath()).filename().string();
        file_ = LoadTemplate(name);
        ASSERT_TRUE(file_->loaded()) << name << ": " << file_->error();
    }

    const TemplateFile& file() const { return *file_; }
    vd::HamCpsControl& control() { return *control_; }
    /// Whether the program shows the chapter as a list of records.
    bool IsListChapter(const std::string& id) {
        return control_->GetNodeKind(id, "chapter") == 322;
    }

private:
    std::unique_ptr<vd::HamCpsControl> control_;
    std::shared_ptr<const TemplateFile> file_;
};

/// Every model of the registry, by name.
#define VD_TEMPLATE_MODELS(Suite)                                                                  \
    INSTANTIATE_TEST_SUITE_P(Models, Suite, ::testing::ValuesIn(vd::ModelRegistry::ModelNames()),  \
                             [](const auto& info) { return info.param; })

} // namespace vdtest::tpl
