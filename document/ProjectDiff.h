#pragma once
#include "model/HamCpsControl.h"

#include <memory>
#include <string>
#include <vector>

namespace vd {

/// One difference between two configurations of a model.
struct Difference {
    enum class Kind { Changed, Added, Removed };
    Kind kind = Kind::Changed;
    std::string selector; ///< as `vdcps get` takes it ("CH1/RxFrequency", "radioName")
    std::string path;     ///< the function tree's path ("Channel/CH1"), for the desktop program
    std::string nodeId;   ///< the function tree node showing it: a record, or a setting's chapter
    std::string oldValue; ///< as the desktop program shows it; the record's name when added/removed
    std::string newValue;
};

/// Compares two configurations of one model value by value: settings and record fields whose
/// shown values differ, records in use on one side only. References are compared by the
/// record they name, so renaming a channel is one difference, not one per zone holding it.
std::vector<Difference> CompareConfigurations(HamCpsControl& before, HamCpsControl& after);

/// A configuration of a model decoded from a memory image, or null when the model is unknown
/// or the image cannot be decoded.
std::unique_ptr<HamCpsControl> DecodeImage(const std::string& model, const ByteVector& image);

/// A difference as one line: "SELECTOR: OLD -> NEW", "+ RECORD" or "- RECORD".
std::string FormatDifference(const Difference& difference);

} // namespace vd
