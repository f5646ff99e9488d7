#pragma once
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace vd {

/// Turns a chapter's `Window` node into grid layout lines
/// "rows|cols|height|width|row|col|tag|text|0xBK|0xVALUE|img".
///
/// Each element child of the window is one row band; the leaves inside it stand left to
/// right, each taking `width` columns (default 2: label and editing cell) and `height` rows
/// (default 1). A leaf that is itself a child of the window forms a band of its own.
std::vector<std::string> ReadWindowLayout(pugi::xml_node window, const std::string& languageSuffix);

} // namespace vd
