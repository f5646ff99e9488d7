#include "app/LanguageCode.h"

#include "app/CpsIni.h"
#include "model/DisplayLanguage.h"

namespace vd {

namespace {

std::string& Code() {
    static std::string code;
    return code;
}

} // namespace

std::string CurrentLanguageCode() {
    if (Code().empty()) {
        SetCurrentLanguageCode(CpsIni::GetString("Option", "language", "ENG"));
    }
    return Code();
}

void SetCurrentLanguageCode(const std::string& code) {
    Code() = code;
    SetDisplayLanguageSuffix(code);
}

} // namespace vd
