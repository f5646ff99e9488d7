#pragma once
#include "model/HamCpsControl.h"

#include <stdexcept>
#include <string>

namespace vd {

/// A selector that names no element, or more than one.
class SelectorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Finds the element a command-line selector names:
/// - an element id ("e01030004");
/// - the name of a top-level element that only one element has ("radioName");
/// - RECORD/FIELD for a field of a list record, RECORD being the record's id or its unique
///   display value ("VFO-A/RxFrequency"), FIELD a field name with an optional index among
///   the fields of that name ("Channel[2]", counted from 0).
/// Throws SelectorError with the reason when the selector names nothing or more than one thing.
ElementPtr ResolveSelector(HamCpsControl& control, const std::string& selector);

/// A top-level element by its id, its unique name or the name a list record shows; throws
/// SelectorError when there is none or more than one.
ElementPtr ResolveRecord(HamCpsControl& control, const std::string& key);

} // namespace vd
