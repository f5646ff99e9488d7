#pragma once

/// Command identifiers, window message numbers and timers shared by the windows of the
/// desktop program. The numbers are those the menus, toolbars and context menus carry.
namespace vd::ui {

// File menu and application commands.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_MRU_FILE1 = 57616; ///< first of the four recent files
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;

// View and Window menus.
inline constexpr int ID_WINDOW_NEXT = 57680;
inline constexpr int ID_WINDOW_PREVIOUS = 57681;
inline constexpr int ID_WINDOW_CLOSE_ALL = 57682;
inline constexpr int ID_WINDOW_MANAGER = 57683; ///< "&Windows..."
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_VIEW_OUTPUTWND = 59394;

// Edit menu (also context menu 120).
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;

// Device commands.
inline constexpr int ID_GENERATE_BIN_FILE = 32791;
inline constexpr int ID_READ_DEVICE = 32792;
inline constexpr int ID_EDIT_WRITE_DEVICE = 32793;
inline constexpr int ID_READ_BIN_FILE = 32795;
inline constexpr int ID_OPTION = 32804;
inline constexpr int ID_RESTORE_BACKUP = 32805;     ///< "Restore &Backup..."
inline constexpr int ID_COMPARE_WITH_RADIO = 32806; ///< "&Compare with Radio..."
inline constexpr int ID_FILE_COMPARE = 32807;       ///< File "Co&mpare..." (two documents)
/// Help → Connection Check...
inline constexpr int ID_CONNECTION_CHECK = 32870;

// List nodes (context menu 314) and navigation in the function tree.
inline constexpr int ID_NODE_NEW = 32773;
inline constexpr int ID_NODE_DELETE = 32774;
inline constexpr int ID_MOVE_FIRST_NODE = 32775;
inline constexpr int ID_NEXT_NODE = 32778;
inline constexpr int ID_LAST_NODE = 32780;
inline constexpr int ID_PREVIOUS_NODE = 32781;
inline constexpr int ID_MOVE_PREVIOUS_NODE = 32782;
inline constexpr int ID_MOVE_NEXT_NODE = 32783;
inline constexpr int ID_PROPERTIES = 32771; ///< "&Properties..." of context menu 188

// Shortlist pane.
inline constexpr int ID_SELECT_ONE = 32796;
inline constexpr int ID_UNSELECT_ONE = 32797;
inline constexpr int ID_UNSELECT_ALL = 32798;
inline constexpr int ID_SELECT_ALL = 32799;
inline constexpr int ID_ALL_CHANNEL = 32800;

// List tables: View → Table / Name Grid, the Edit and File commands of the table.
inline constexpr int ID_VIEW_TABLE = 32810;
inline constexpr int ID_VIEW_NAME_GRID = 32811;
inline constexpr int ID_EDIT_PASTE_OVER = 32812; ///< paste replacing the selected rows
inline constexpr int ID_SORT_LIST = 32813;       ///< "Sort &List..."
inline constexpr int ID_MOVE_ROWS_UP = 32814;
inline constexpr int ID_MOVE_ROWS_DOWN = 32815;
inline constexpr int ID_IMPORT_LIST = 32816; ///< File "&Import List..."
inline constexpr int ID_EXPORT_LIST = 32817; ///< File "&Export List..."

// Language menu.
inline constexpr int ID_LANGUAGE_CHINESE = 32801;
inline constexpr int ID_LANGUAGE_ENGLISH = 32802;

// Context menus.
inline constexpr int IDR_POPUP_EDIT = 120;       ///< Cut, Copy, Paste
inline constexpr int IDR_POPUP_PROPERTIES = 188; ///< "&Properties..."
inline constexpr int IDR_POPUP_LIST_NODE = 314;  ///< New, Delete

/// Posted to a child frame after an image was imported: rebuild the function tree.
inline constexpr int WM_REBUILD_TREE = 0x1403;
/// A member count changed: grid row in the high 16 bits of the parameter, column in the low.
inline constexpr int WM_MEMBER_COUNT_CHANGED = 0x1404;
/// The user-interface language changed: every subscribed window rebuilds its texts.
inline constexpr int WM_LANGUAGE_CHANGED = 0x1405;
/// An undo or redo replaced values behind the views: the tree is filled again keeping the
/// open chapters and the selection, and the view shows the selected node again.
inline constexpr int WM_VALUES_REPLACED = 0x1406;

/// The view's timer that starts Read Device one second after its window was shown.
inline constexpr int TIMER_READ_DEVICE = 4097;
inline constexpr int kReadDeviceDelayMs = 1000;

/// Packs a grid cell into the parameter of WM_MEMBER_COUNT_CHANGED.
constexpr unsigned PackCell(int row, int column) {
    return (static_cast<unsigned>(row) << 16) | (static_cast<unsigned>(column) & 0xFFFFu);
}
/// The grid row of a WM_MEMBER_COUNT_CHANGED parameter.
constexpr int CellRow(unsigned param) {
    return static_cast<int>(param >> 16);
}
/// The grid column of a WM_MEMBER_COUNT_CHANGED parameter.
constexpr int CellColumn(unsigned param) {
    return static_cast<int>(param & 0xFFFFu);
}

} // namespace vd::ui
