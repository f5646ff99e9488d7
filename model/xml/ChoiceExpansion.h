#pragma once
#include <string>

namespace vd {

class XmlStore;

/// Expands a choice value: a text starting with "global_" becomes that global value; a
/// text holding "elements_NAME_elements" has that part replaced by the list of the in-use
/// records named NAME ("0:first|1:second"). Any other text is returned as it is.
std::string ExpandChoiceValue(const std::string& choiceValue, const XmlStore& store);

} // namespace vd
