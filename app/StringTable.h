#pragma once
#include <string>

namespace vd {

/// Numbers of the user-visible texts that the program shows through its string table.
enum StringId : int {
    IDS_OLE_INIT_FAILED = 101,
    IDS_MAXIMUM_EXCEEDED = 102,  ///< "Maximum number of %s exceeded!"
    IDS_CANNOT_CREATE = 103,     ///< "Cannot create Emergen from template"
    IDS_DELETE_QUESTION = 104,   ///< "Do you want to delete the specified : %s?"
    IDS_CANNOT_DELETE = 105,     ///< "Cannot delete the specified Emergency: %s"
    IDS_REFERENCE_DELETED = 106, ///< "The originally selected %s has been deleted"
    IDS_COLUMN_NAME = 108,
    IDS_COLUMN_CONTROL = 109,
    IDS_SHORTLIST = 110,
    IDS_MEMBER_LIST = 111,
    IDS_PORT_LABEL = 112,
    IDS_OK_BUTTON = 113,
    IDS_CANCEL_BUTTON = 114,
    IDS_OPTION_TITLE = 115,
    IDS_POWER_ON_ZONE_ONLY = 116,
    IDS_WRITE_QUESTION = 117, ///< "Do you want to write it?"
    IDS_PLEASE_INPUT = 120,
    IDS_TOOLBAR_STANDARD = 126,
    IDS_TOOLBAR_CUSTOMIZE = 127,
    IDS_READ_PASSWORD = 128,
    IDS_WRITE_PASSWORD = 132,
    IDS_WINDOWS_MENU = 135,
    IDS_INPUT_WITHIN = 137, ///< "Please input within"
    IDS_HOST_READ_ALL_DATA = 138,
    IDS_REOPEN_QUESTION = 139,
    IDS_HOST_WRITE_ALL_DATA = 140,
    IDS_DEVICE_NOT_FOUND = 141, ///< "Can't find the device!"
    IDS_NEW_OPTION = 142,
    IDS_READ_OPTION = 144,
    IDS_WRITE_OPTION = 145,
    IDS_FUNCTION_VIEW = 170,
    IDS_OUTPUT_VIEW = 172,
    IDS_SHORTLIST_VIEW = 174,
    IDS_EXPLORER = 305,
    IDS_EDIT = 306,
    IDS_OK = 307,
    IDS_YES = 308,
    IDS_NO = 309,
    IDS_DATA_NOT_FULLY_WRITTEN = 331,
    IDS_DATA_NOT_FULLY_READ = 332,
    IDS_DATA_WRITE_COMPLETED = 333,
    IDS_DATA_READ_COMPLETED = 334,
    // progress texts of the image codecs (no number of their own)
    IDS_FILL_ZONE_INFO = 400,
    IDS_FILL_CHANNEL_INFO,
    IDS_FILL_SCAN_INFO,
    IDS_FILL_EMERGENCY_INFO,
    IDS_FILL_FM_INFO,
    IDS_FILL_NOAA_INFO,
    IDS_FILL_DTMF_INFO,
    IDS_IMPORT_CHANNEL,
    IDS_IMPORT_CHANNEL_ERROR,
    IDS_LOADING,
};

/// The text of a string number in the current language (English when the language has none).
std::string LoadString(StringId id);

/// The text of a string number in a given language code ("ENG", "CHN").
std::string LoadString(StringId id, const std::string& languageCode);

} // namespace vd
