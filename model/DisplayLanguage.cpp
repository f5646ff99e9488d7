#include "model/DisplayLanguage.h"

namespace vd {

namespace {

std::string& Suffix() {
    static std::string suffix = "ENG";
    return suffix;
}

} // namespace

const std::string& DisplayLanguageSuffix() {
    return Suffix();
}

void SetDisplayLanguageSuffix(const std::string& suffix) {
    Suffix() = suffix;
}

} // namespace vd
