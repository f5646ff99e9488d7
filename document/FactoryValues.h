#pragma once
#include "model/HamCpsControl.h"

#include <string>
#include <utility>
#include <vector>

namespace vd {

/// While it lives, the elements the model marks read-only (set at the factory: serial number,
/// band limits, sales territory) hold the values of the radio's own image, so that a write
/// built meanwhile keeps them; the document's values come back when it goes.
class RadioFactoryValues {
public:
    /// Takes the values from `radioImage` (decoded with a fresh control of the same model);
    /// an image that cannot be decoded changes nothing.
    RadioFactoryValues(HamCpsControl& control, const ByteVector& radioImage);
    ~RadioFactoryValues();
    RadioFactoryValues(const RadioFactoryValues&) = delete;
    RadioFactoryValues& operator=(const RadioFactoryValues&) = delete;

    /// How many elements took the radio's value.
    std::size_t Count() const { return saved_.size(); }

private:
    HamCpsControl& control_;
    std::vector<std::pair<std::string, std::string>> saved_; ///< id, document's value
};

/// Every top-level element of a control, chapter by chapter in tree order.
ElementList AllElements(HamCpsControl& control);

} // namespace vd
