#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace vd {

class HamCpsControl;

/// Snapshot of one top-level template element (a setting or a list record) as read from
/// the document; changing a value always goes through the control.
class HamCpsElement {
public:
    virtual ~HamCpsElement() = default;

    /// Stores a new value through the control; refresh tells whether the function tree must
    /// rename this element's item (a record whose value is its name).
    virtual bool SetValue(HamCpsControl& control, const std::string& value, bool& refresh) const;
    /// Whether the model forbids editing this element.
    virtual bool IsLocked(HamCpsControl& control) const;
    /// A copy that keeps the dynamic type.
    virtual std::unique_ptr<HamCpsElement> Clone() const;
    /// Whether this is a field of a record rather than a top-level element.
    virtual bool IsChild() const { return false; }

    std::string id;
    std::string name;
    std::string text;
    std::string parentID;
    int32_t image = 0;
    int32_t controlType = 0;
    std::string choiceValue;
    std::string defaultValue;
    std::string inputValue;
    std::string tiptext;
    bool showSelf = true;
};

/// Snapshot of one field of a record; its parentID is the id of the containing record.
class HamCpsChildElement : public HamCpsElement {
public:
    bool SetValue(HamCpsControl& control, const std::string& value, bool& refresh) const override;
    bool IsLocked(HamCpsControl& control) const override;
    std::unique_ptr<HamCpsElement> Clone() const override;
    bool IsChild() const override { return true; }
};

} // namespace vd
