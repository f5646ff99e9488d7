#pragma once
#include <string>

namespace vd {

/// The text the port box shows for a stored `Device`/`port` setting: a bare number N is
/// shown as "COMN", anything else (a device path) as it is.
std::string PortSettingToDisplay(const std::string& setting);

/// The setting stored for the text of the port box: the leading "C", "O" and "M" characters
/// are removed ("COM3" is stored as "3"); a device path is stored as it is.
std::string PortDisplayToSetting(const std::string& text);

/// Turns a file filter written as "description|pattern|...||" into the form of the file
/// dialogs, "description (pattern);;..."; a description that already names its pattern in
/// brackets is kept as it is.
std::string FileDialogFilter(const std::string& filter);

} // namespace vd
