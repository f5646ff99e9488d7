#include "model/RecordNumbering.h"

#include <fmt/format.h>

namespace vd {

namespace {

/// Splits off the trailing digits of text; false when there are none or they do not fit.
bool TrailingNumber(const std::string& text, unsigned long long& number, int& width) {
    size_t start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') {
        --start;
    }
    width = static_cast<int>(text.size() - start);
    if (width == 0 || width > 18) {
        return false;
    }
    number = std::stoull(text.substr(start));
    return true;
}

std::string WithoutTrailingDigits(std::string text) {
    while (!text.empty() && text.back() >= '0' && text.back() <= '9') {
        text.pop_back();
    }
    return text;
}

} // namespace

RecordNumberer RecordNumberer::FromMax(const std::vector<std::string>& entries) {
    RecordNumberer numberer;
    for (const std::string& entry : entries) {
        if (entry.empty()) {
            continue;
        }
        unsigned long long number = 0;
        int width = 0;
        if (TrailingNumber(entry, number, width)) {
            if (number > numberer.last_) {
                numberer.last_ = number;
                numberer.width_ = width;
                numberer.stem_ = entry.substr(0, entry.size() - static_cast<size_t>(width));
            }
        } else if (numberer.last_ == 0) {
            numberer.stem_ = entry;
        }
    }
    numberer.stem_ = WithoutTrailingDigits(numberer.stem_);
    return numberer;
}

RecordNumberer RecordNumberer::FromLast(const std::vector<std::string>& entries,
                                        const std::string& prefix) {
    if (entries.empty() || entries.back().empty()) {
        RecordNumberer numberer;
        numberer.stem_ = prefix;
        numberer.width_ = 4;
        return numberer;
    }
    return FromMax({entries.back()});
}

std::string RecordNumberer::Next() {
    ++last_;
    return fmt::format("{}{:0{}}", stem_, last_, width_);
}

std::string NextNumberFromMax(const std::vector<std::string>& entries) {
    return RecordNumberer::FromMax(entries).Next();
}

std::string NextNumberFromLast(const std::vector<std::string>& entries, const std::string& prefix) {
    return RecordNumberer::FromLast(entries, prefix).Next();
}

} // namespace vd
