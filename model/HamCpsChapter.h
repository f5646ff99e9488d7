#pragma once
#include <cstdint>
#include <string>

namespace vd {

/// One node of the function tree as the template describes it (a plain value record).
struct HamCpsChapter {
    std::string id;
    std::string name;
    std::string parentID;
    std::string text;
    bool showElement = false;
    bool showSelf = true;
    bool expanded = false;
    int32_t image = 0;
    int32_t selectImage = 0;
    int32_t expandImage = 0;
};

} // namespace vd
