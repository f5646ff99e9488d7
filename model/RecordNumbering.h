#pragma once
#include <string>
#include <vector>

namespace vd {

/// Continues a numbering such as "e01090001".."e01090004" or "CH1".."CH10": a stem, the
/// highest number seen and the number of digits it was written with.
class RecordNumberer {
public:
    /// Learns the numbering from entries: the one with the highest trailing number wins.
    static RecordNumberer FromMax(const std::vector<std::string>& entries);
    /// Learns the numbering from the last entry only.
    static RecordNumberer FromLast(const std::vector<std::string>& entries,
                                   const std::string& prefix);

    /// The next text of the numbering; each call moves one number on.
    std::string Next();

private:
    std::string stem_;
    unsigned long long last_ = 0;
    int width_ = 0;
};

/// The next name after the highest number among entries ("CH1","CH2","CH10" -> "CH11").
std::string NextNumberFromMax(const std::vector<std::string>& entries);

/// The next name after the last entry; prefix + "0001" when the last entry is empty or
/// there is none.
std::string NextNumberFromLast(const std::vector<std::string>& entries, const std::string& prefix);

} // namespace vd
