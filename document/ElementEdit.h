#pragma once
#include "model/HamCpsControl.h"

#include <string>
#include <vector>

namespace vd {

/// Outcome of storing a value typed by a person or a script.
struct EditResult {
    bool stored = false;
    std::string error;                  ///< why the value was refused
    std::vector<ElementKey> dependents; ///< other elements the model changed in consequence
};

/// Checks a value against the element's kind (choices, check box) and the model's value rule
/// ("char" length and characters, "value" ranges); empty text when it is acceptable.
std::string CheckElementValue(HamCpsControl& control, const HamCpsElement& element,
                              const std::string& value);

/// Turns a reference value into the id it is stored as: a record's id stays, the name of an
/// in-use record of the target list (unique there) becomes its id; empty values and the
/// model's markers stay as they are. Returns why the value names no such record, else empty.
std::string ResolveReference(HamCpsControl& control, const HamCpsElement& element,
                             std::string& value);

/// Stores a value for an element through the control: refuses a locked element unless
/// force, refuses a value that breaks the element's rules, then lets the model adjust the
/// values that follow from it.
EditResult SetElementValue(HamCpsControl& control, const HamCpsElement& element,
                           const std::string& value, bool force);

} // namespace vd
