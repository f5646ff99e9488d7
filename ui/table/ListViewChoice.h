#pragma once
#include <string>

namespace vd {

/// Whether a list chapter is shown as a table (else as the name grid), as the person last
/// chose it for chapters of that name; the channels are a table until chosen otherwise.
bool IsTableChosen(const std::string& chapterName);

/// Remembers in the settings how chapters of that name are shown.
void ChooseTable(const std::string& chapterName, bool table);

} // namespace vd
