#pragma once
#include "tests/template/TemplateFile.h"
#include "tests/template/TemplateRules.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace vdtest::tpl {

/// Names a model in test output instead of dumping the rule tables.
inline void PrintTo(const ModelRules& rules, std::ostream* out) {
    *out << rules.model;
}

/// Test name suffix: the model name.
inline std::string ModelName(const ::testing::TestParamInfo<ModelRules>& info) {
    return info.param.model;
}

/// A test over one model's template file, loaded once per test program.
class TemplateTest : public ::testing::TestWithParam<ModelRules> {
protected:
    void SetUp() override {
        ASSERT_FALSE(TemplateDir().empty()) << "VALDREN_CPS_TEMPLATE_DIR is not set";
        file_ = LoadTemplate(GetParam().file);
        ASSERT_TRUE(file_->loaded())
            << TemplateDir() << "/" << GetParam().file << ": " << file_->error();
    }

    const TemplateFile& file() const { return *file_; }
    const ModelRules& rules() const { return GetParam(); }

private:
    std::shared_ptr<const TemplateFile> file_;
};

} // namespace vdtest::tpl
