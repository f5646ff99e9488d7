#include "tests/radios/gx5/Gx5TestSupport.h"

#include "app/Log.h"
#include "radios/gx5/Gx5gv001Control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vdtest::gx5 {

Gx5Environment::Gx5Environment(const std::string& iniText)
    : sink_(std::make_shared<spdlog::sinks::ringbuffer_sink_mt>(4096)) {
    ::setenv("VALDREN_CPS_INI", dir_.write("cps.ini", iniText).c_str(), 1);
    spdlog::drop(vd::kLoggerName);
    auto logger = std::make_shared<spdlog::logger>(vd::kLoggerName, sink_);
    logger->set_level(spdlog::level::trace);
    spdlog::register_logger(logger);
}

Gx5Environment::~Gx5Environment() {
    spdlog::drop(vd::kLoggerName);
    ::unsetenv("VALDREN_CPS_INI");
}

int Gx5Environment::Warnings() const {
    const auto messages = sink_->last_raw();
    return static_cast<int>(std::count_if(messages.begin(), messages.end(), [](const auto& m) {
        return m.level == spdlog::level::warn;
    }));
}

std::unique_ptr<vd::Gx5v001Control> MakeControl(const std::string& model) {
    std::unique_ptr<vd::Gx5v001Control> control;
    if (model == "GX5G") {
        control = std::make_unique<vd::Gx5gv001Control>(model);
    } else {
        control = std::make_unique<vd::Gx5v001Control>(model);
    }
    EXPECT_TRUE(control->ResetToTemplate()) << control->GetTemplatePath();
    return control;
}

ProgressLog::ProgressLog(vd::HamCpsControl& control, int cancelAt) : cancelAt_(cancelAt) {
    connection_ =
        control.progress.connect([this](const std::string& text, int position, int total) {
            steps.emplace_back(text, position, total);
            return cancelAt_ > 0 && static_cast<int>(steps.size()) >= cancelAt_;
        });
}

int ProgressLog::Count(const std::string& text) const {
    return static_cast<int>(std::count_if(
        steps.begin(), steps.end(), [&](const auto& step) { return std::get<0>(step) == text; }));
}

namespace {

vd::ElementPtr FindField(vd::HamCpsControl& control, const std::string& recordId,
                         const std::string& name) {
    vd::ElementList fields;
    control.GetChildElements(recordId, fields);
    for (const vd::ElementPtr& field : fields) {
        if (field->name == name) {
            return field;
        }
    }
    return nullptr;
}

} // namespace

std::string FieldId(vd::HamCpsControl& control, const std::string& recordId,
                    const std::string& name) {
    vd::ElementPtr field = FindField(control, recordId, name);
    return field ? field->id : std::string();
}

std::string FieldValue(vd::HamCpsControl& control, const std::string& recordId,
                       const std::string& name) {
    vd::ElementPtr field = FindField(control, recordId, name);
    return field ? field->inputValue : std::string("<missing>");
}

void SetField(vd::HamCpsControl& control, const std::string& recordId, const std::string& name,
              const std::string& value) {
    const std::string id = FieldId(control, recordId, name);
    ASSERT_FALSE(id.empty()) << recordId << " has no field " << name;
    ASSERT_TRUE(control.SetInputValue(recordId, id, value, true));
}

void SetSetting(vd::HamCpsControl& control, const std::string& name, const std::string& value) {
    vd::ElementList found;
    control.GetElementsByName(name, found);
    ASSERT_EQ(found.size(), 1u) << name;
    ASSERT_TRUE(control.SetInputValue(found.front()->id, "", value, true));
}

std::string Setting(vd::HamCpsControl& control, const std::string& name) {
    vd::ElementList found;
    control.GetElementsByName(name, found);
    return found.empty() ? std::string("<missing>") : found.front()->inputValue;
}

std::vector<std::string> InUseIds(vd::HamCpsControl& control, const std::string& recordName) {
    vd::ElementList records;
    control.GetElementsByName(recordName, records);
    std::vector<std::string> ids;
    for (const vd::ElementPtr& record : records) {
        if (record->controlType != 0) {
            ids.push_back(record->id);
        }
    }
    return ids;
}

std::vector<std::string> SizeList(vd::CommonCpsControl& control, const std::string& recordName,
                                  size_t count) {
    std::vector<std::string> ids;
    EXPECT_TRUE(control.ResizeRecordList(recordName, count, ids)) << recordName;
    return ids;
}

std::vector<std::string> Members(vd::HamCpsControl& control, const std::string& recordId) {
    vd::ElementList fields;
    control.GetChildElements(recordId, fields);
    std::vector<std::string> members;
    for (const vd::ElementPtr& field : fields) {
        if (field->name == "Channel") {
            members.push_back(field->inputValue);
        }
    }
    return members;
}

unsigned U16At(const vd::ByteVector& image, size_t offset) {
    return image.at(offset) | (unsigned{image.at(offset + 1)} << 8);
}

} // namespace vdtest::gx5
