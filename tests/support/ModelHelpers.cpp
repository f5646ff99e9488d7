#include "tests/support/ModelHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vdtest {

ProgressLog::ProgressLog(vd::HamCpsControl& control, std::size_t cancelAt) : cancelAt_(cancelAt) {
    connection_ = control.progress.connect([this](const std::string& text, int at, int total) {
        entries_.emplace_back(text, at, total);
        return cancelAt_ != 0 && entries_.size() == cancelAt_;
    });
}

int ProgressLog::count(const std::string& text) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [&](const Entry& e) { return std::get<0>(e) == text; }));
}

vd::ElementPtr FindField(vd::HamCpsControl& control, const std::string& recordId,
                         const std::string& name) {
    vd::ElementList fields;
    control.GetChildElements(recordId, fields);
    for (const vd::ElementPtr& field : fields) {
        if (field->name == name) {
            return field;
        }
    }
    ADD_FAILURE() << recordId << " has no field " << name;
    return nullptr;
}

std::string FieldId(vd::HamCpsControl& control, const std::string& recordId,
                    const std::string& name) {
    const vd::ElementPtr field = FindField(control, recordId, name);
    return field ? field->id : std::string();
}

std::string FieldValue(vd::HamCpsControl& control, const std::string& recordId,
                       const std::string& name) {
    const vd::ElementPtr field = FindField(control, recordId, name);
    return field ? field->inputValue : std::string("<missing>");
}

void SetField(vd::HamCpsControl& control, const std::string& recordId, const std::string& name,
              const std::string& value) {
    const std::string id = FieldId(control, recordId, name);
    ASSERT_FALSE(id.empty());
    ASSERT_TRUE(control.SetInputValue(recordId, id, value, true)) << name << "=" << value;
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
                                  std::size_t count) {
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

} // namespace vdtest
