#include "ui/dialogs/PortText.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/replace.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <vector>

namespace vd {

std::string PortSettingToDisplay(const std::string& setting) {
    const std::string text = boost::algorithm::trim_copy(setting);
    if (!text.empty() && boost::algorithm::all(text, boost::algorithm::is_digit())) {
        return "COM" + text;
    }
    return text;
}

std::string PortDisplayToSetting(const std::string& text) {
    return boost::algorithm::trim_left_copy_if(text, boost::algorithm::is_any_of("COM"));
}

std::string FileDialogFilter(const std::string& filter) {
    std::vector<std::string> parts;
    boost::algorithm::split(parts, filter, boost::algorithm::is_any_of("|"));
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        const std::string pattern = boost::algorithm::replace_all_copy(parts[i + 1], ";", " ");
        if (description.empty() && pattern.empty()) {
            break; // the "||" that ends the list
        }
        if (!result.empty()) {
            result += ";;";
        }
        // the dialogs read the patterns from the last bracket pair of the description
        const bool namesPattern = !description.empty() && description.back() == ')' &&
                                  description.find('(') != std::string::npos;
        result += namesPattern ? description : description + " (" + pattern + ")";
    }
    return result;
}

} // namespace vd
