#include "model/HamCpsElement.h"

#include "model/HamCpsControl.h"

namespace vd {

bool HamCpsElement::SetValue(HamCpsControl& control, const std::string& value,
                             bool& refresh) const {
    refresh = false;
    const bool stored = control.SetInputValue(id, "", value, false);
    refresh = controlType == 7;
    return stored;
}

bool HamCpsElement::IsLocked(HamCpsControl& control) const {
    return control.IsElementReadOnly(id, name);
}

std::unique_ptr<HamCpsElement> HamCpsElement::Clone() const {
    return std::make_unique<HamCpsElement>(*this);
}

bool HamCpsChildElement::SetValue(HamCpsControl& control, const std::string& value,
                                  bool& refresh) const {
    refresh = false;
    return control.SetInputValue(parentID, id, value, false);
}

bool HamCpsChildElement::IsLocked(HamCpsControl& control) const {
    return control.IsElementReadOnly(parentID, name) || control.IsFieldDisabled(*this);
}

std::unique_ptr<HamCpsElement> HamCpsChildElement::Clone() const {
    return std::make_unique<HamCpsChildElement>(*this);
}

} // namespace vd
