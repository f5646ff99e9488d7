// The main window's menus, toolbar and the states of their items.
#include "app/LanguageCode.h"
#include "app/StringTable.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/RecentFiles.h"
#include "ui/frames/UiConstants.h"
#include "ui/view/CValdrenCpsView.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>

namespace vd {

using namespace ui;

namespace {

constexpr const char* kContext = "vd::CMainFrame";

/// The text, the status bar tip and the shortcut of a command.
struct CommandInfo {
    int command;
    const char* text;
    const char* tip;
    QKeySequence::StandardKey key;
};

const CommandInfo kCommands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("vd::CMainFrame", "&New"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Create a new document"), QKeySequence::New},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Open..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Open an existing document"), QKeySequence::Open},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Save"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Save the active document"), QKeySequence::Save},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("vd::CMainFrame", "Save &As..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Save the active document with a new name"),
     QKeySequence::SaveAs},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("vd::CMainFrame", "E&xit"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Quit the application; prompts to save documents"),
     QKeySequence::Quit},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Undo"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Undo the last change"), QKeySequence::Undo},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Redo"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Redo the change that was undone"), QKeySequence::Redo},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("vd::CMainFrame", "Cu&t"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Cut the selection and put it on the Clipboard"),
     QKeySequence::Cut},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Copy"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Copy the selection and put it on the Clipboard"),
     QKeySequence::Copy},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Paste"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Insert Clipboard contents"), QKeySequence::Paste},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Toolbar"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show or hide the toolbar"), QKeySequence::UnknownKey},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Status Bar"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show or hide the status bar"), QKeySequence::UnknownKey},
    {ID_VIEW_OUTPUTWND, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Output"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show or hide the output pane"), QKeySequence::UnknownKey},
    {ID_READ_DEVICE, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Read Device"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Read the configuration from the radio"),
     QKeySequence::UnknownKey},
    {ID_EDIT_WRITE_DEVICE, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Write Device"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Write the active document to the radio"),
     QKeySequence::UnknownKey},
    {ID_RESTORE_BACKUP, QT_TRANSLATE_NOOP("vd::CMainFrame", "Restore &Backup..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Write a backup of the radio back to it"),
     QKeySequence::UnknownKey},
    {ID_COMPARE_WITH_RADIO, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Compare with Radio..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show what differs between the radio and the document"),
     QKeySequence::UnknownKey},
    {ID_FILE_COMPARE, QT_TRANSLATE_NOOP("vd::CMainFrame", "Co&mpare..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show what differs between two open documents"),
     QKeySequence::UnknownKey},
    {ID_OPTION, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Option..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Choose the serial port"), QKeySequence::UnknownKey},
    {ID_READ_BIN_FILE, QT_TRANSLATE_NOOP("vd::CMainFrame", "R&ead Bin File"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Read a memory image file into a new document"),
     QKeySequence::UnknownKey},
    {ID_GENERATE_BIN_FILE, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Generate Bin File"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Save the memory image of the active document"),
     QKeySequence::UnknownKey},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Close"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Close the active document"), QKeySequence::Close},
    {ID_WINDOW_CLOSE_ALL, QT_TRANSLATE_NOOP("vd::CMainFrame", "Close A&ll"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Close every document"), QKeySequence::UnknownKey},
    {ID_WINDOW_NEXT, QT_TRANSLATE_NOOP("vd::CMainFrame", "Ne&xt"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show the next document"), QKeySequence::NextChild},
    {ID_WINDOW_PREVIOUS, QT_TRANSLATE_NOOP("vd::CMainFrame", "Pre&vious"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show the previous document"),
     QKeySequence::PreviousChild},
    {ID_CONNECTION_CHECK, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Connection Check..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame",
                       "Check the port, permissions and services, and detect the radio"),
     QKeySequence::UnknownKey},
    {ID_IMPORT_LIST, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Import List..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Take the rows of a CSV file into the list shown"),
     QKeySequence::UnknownKey},
    {ID_EXPORT_LIST, QT_TRANSLATE_NOOP("vd::CMainFrame", "E&xport List..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Write the list shown to a CSV file"),
     QKeySequence::UnknownKey},
    {ID_EDIT_PASTE_OVER, QT_TRANSLATE_NOOP("vd::CMainFrame", "Paste &Over"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Replace the selected rows by the Clipboard's rows"),
     QKeySequence::UnknownKey},
    {ID_MOVE_ROWS_UP, QT_TRANSLATE_NOOP("vd::CMainFrame", "Move Rows &Up"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Move the selected records up by one"),
     QKeySequence::UnknownKey},
    {ID_MOVE_ROWS_DOWN, QT_TRANSLATE_NOOP("vd::CMainFrame", "Move Rows &Down"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Move the selected records down by one"),
     QKeySequence::UnknownKey},
    {ID_SORT_LIST, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Sort List..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Reorder the records of the list shown by a column"),
     QKeySequence::UnknownKey},
    {ID_VIEW_TABLE, QT_TRANSLATE_NOOP("vd::CMainFrame", "T&able"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show the list as a table of every field"),
     QKeySequence::UnknownKey},
    {ID_VIEW_NAME_GRID, QT_TRANSLATE_NOOP("vd::CMainFrame", "&Name Grid"),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Show the list as a grid of record names"),
     QKeySequence::UnknownKey},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("vd::CMainFrame", "&About Valdren CPS..."),
     QT_TRANSLATE_NOOP("vd::CMainFrame", "Display program information and version"),
     QKeySequence::UnknownKey},
};

const char* const kMenuTitles[][2] = {
    {"file", QT_TRANSLATE_NOOP("vd::CMainFrame", "&File")},
    {"edit", QT_TRANSLATE_NOOP("vd::CMainFrame", "&Edit")},
    {"view", QT_TRANSLATE_NOOP("vd::CMainFrame", "&View")},
    {"style", QT_TRANSLATE_NOOP("vd::CMainFrame", "&Application Look")},
    {"device", QT_TRANSLATE_NOOP("vd::CMainFrame", "&Device")},
    {"window", QT_TRANSLATE_NOOP("vd::CMainFrame", "&Window")},
    {"language", QT_TRANSLATE_NOOP("vd::CMainFrame", "&Language")},
    {"help", QT_TRANSLATE_NOOP("vd::CMainFrame", "&Help")},
};

QString Translate(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

/// Commands of the list shown, available as its view says.
constexpr int kListCommands[] = {ID_IMPORT_LIST,  ID_EXPORT_LIST,    ID_EDIT_PASTE_OVER,
                                 ID_MOVE_ROWS_UP, ID_MOVE_ROWS_DOWN, ID_SORT_LIST,
                                 ID_VIEW_TABLE,   ID_VIEW_NAME_GRID};

/// Commands that act on the document in front.
bool NeedsDocument(int command) {
    switch (command) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_EDIT_WRITE_DEVICE:
    case ID_RESTORE_BACKUP:
    case ID_COMPARE_WITH_RADIO:
    case ID_FILE_COMPARE:
    case ID_OPTION:
    case ID_GENERATE_BIN_FILE:
    case ID_FILE_CLOSE:
    case ID_WINDOW_CLOSE_ALL:
    case ID_WINDOW_NEXT:
    case ID_WINDOW_PREVIOUS:
    case ID_WINDOW_MANAGER:
    case ID_VIEW_OUTPUTWND:
        return true;
    default:
        return false;
    }
}

} // namespace

QAction* CMainFrame::AddCommand(QMenu* menu, int command, QAction* action) {
    const bool runsCommand = action == nullptr;
    if (runsCommand) {
        action = new QAction(this);
    }
    action->setData(command);
    for (const CommandInfo& info : kCommands) {
        if (info.command == command && info.key != QKeySequence::UnknownKey) {
            action->setShortcuts(info.key);
        }
    }
    if (runsCommand) {
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    }
    actions_[command] = action;
    if (menu) {
        menu->addAction(action);
    }
    return action;
}

void CMainFrame::CreateMenus() {
    for (const auto& [key, title] : kMenuTitles) {
        menus_[QString::fromLatin1(key)] = new QMenu(this);
    }
    QMenuBar* bar = menuBar();

    QMenu* file = menus_["file"];
    bar->addMenu(file);
    AddCommand(file, ID_FILE_NEW);
    AddCommand(file, ID_FILE_OPEN);
    AddCommand(file, ID_FILE_SAVE);
    AddCommand(file, ID_FILE_SAVE_AS);
    AddCommand(file, ID_FILE_COMPARE);
    file->addSeparator();
    AddCommand(file, ID_IMPORT_LIST);
    AddCommand(file, ID_EXPORT_LIST);
    recentSeparator_ = file->addSeparator();
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        auto* action = new QAction(this);
        connect(action, &QAction::triggered, this,
                [this, action] { OpenDocumentFile(action->data().toString()); });
        recentActions_ << action;
        file->addAction(action);
    }
    file->addSeparator();
    AddCommand(file, ID_APP_EXIT);

    QMenu* edit = menus_["edit"];
    bar->addMenu(edit);
    AddCommand(edit, ID_EDIT_UNDO);
    // Ctrl+Shift+Z and Ctrl+Y both redo, whatever the desktop's own convention
    AddCommand(edit, ID_EDIT_REDO)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    AddCommand(edit, ID_EDIT_CUT);
    AddCommand(edit, ID_EDIT_COPY);
    AddCommand(edit, ID_EDIT_PASTE);
    AddCommand(edit, ID_EDIT_PASTE_OVER)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    edit->addSeparator();
    AddCommand(edit, ID_MOVE_ROWS_UP)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    AddCommand(edit, ID_MOVE_ROWS_DOWN)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    AddCommand(edit, ID_SORT_LIST);

    QMenu* view = menus_["view"];
    bar->addMenu(view);
    AddCommand(view, ID_VIEW_TOOLBAR, toolBar_->toggleViewAction());
    statusBarAction_ = AddCommand(view, ID_VIEW_STATUS_BAR, new QAction(this));
    outputAction_ = AddCommand(view, ID_VIEW_OUTPUTWND, new QAction(this));
    for (QAction* toggle : {statusBarAction_, outputAction_}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(statusBarAction_, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    connect(outputAction_, &QAction::triggered, this, [this](bool on) {
        if (CChildFrame* frame = CurrentFrame()) {
            frame->OutputDock()->setVisible(on);
        }
    });
    view->addSeparator();
    auto* listViews = new QActionGroup(this);
    for (int command : {ID_VIEW_TABLE, ID_VIEW_NAME_GRID}) {
        QAction* action = AddCommand(view, command);
        action->setCheckable(true);
        listViews->addAction(action);
    }
    view->addSeparator();
    QMenu* style = menus_["style"];
    view->addMenu(style);
    styleGroup_ = new QActionGroup(this);
    for (const QString& key : QStyleFactory::keys()) {
        QAction* action = style->addAction(key);
        action->setData(key);
        action->setCheckable(true);
        styleGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, key] { ApplyStyle(key); });
    }
    const QString look = QSettings().value(QStringLiteral("ApplicationLook")).toString();
    if (QStyleFactory::keys().contains(look, Qt::CaseInsensitive)) {
        QApplication::setStyle(look);
    }
    connect(view, &QMenu::aboutToShow, this, [this] {
        UpdateStyleMenu();
        UpdateCommandStates();
    });

    QMenu* device = menus_["device"];
    bar->addMenu(device);
    AddCommand(device, ID_READ_DEVICE);
    AddCommand(device, ID_EDIT_WRITE_DEVICE);
    AddCommand(device, ID_RESTORE_BACKUP);
    AddCommand(device, ID_COMPARE_WITH_RADIO);
    AddCommand(device, ID_OPTION);
    device->addAction(tr("Program &Several Radios..."), this, &CMainFrame::OnProgramFleet);
    if (factory_) {
        device->addSeparator();
        AddCommand(device, ID_READ_BIN_FILE);
        AddCommand(device, ID_GENERATE_BIN_FILE);
    }

    QMenu* window = menus_["window"];
    bar->addMenu(window);
    AddCommand(window, ID_FILE_CLOSE);
    AddCommand(window, ID_WINDOW_CLOSE_ALL);
    window->addSeparator();
    AddCommand(window, ID_WINDOW_NEXT);
    AddCommand(window, ID_WINDOW_PREVIOUS);
    window->addSeparator();
    windowGroup_ = new QActionGroup(this);
    windowsDialogAction_ = AddCommand(window, ID_WINDOW_MANAGER);
    connect(window, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowMenu);

    QMenu* language = menus_["language"];
    bar->addMenu(language);
    // each language is named in itself, so a person who cannot read the current one finds it
    auto* languages = new QActionGroup(this);
    for (int command : {ID_LANGUAGE_CHINESE, ID_LANGUAGE_ENGLISH}) {
        QAction* action = AddCommand(language, command);
        action->setCheckable(true);
        languages->addAction(action);
    }
    actions_[ID_LANGUAGE_CHINESE]->setText(QStringLiteral("中文 (&Chinese)"));
    actions_[ID_LANGUAGE_ENGLISH]->setText(QStringLiteral("&English (英文)"));

    QMenu* help = menus_["help"];
    bar->addMenu(help);
    AddCommand(help, ID_CONNECTION_CHECK);
    AddCommand(help, ID_APP_ABOUT);

    for (QMenu* menu : {file, edit, device, window, language, help}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
    UpdateRecentFiles();
}

void CMainFrame::CreateToolBar() {
    QStyle* look = style();
    Action(ID_FILE_OPEN)->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    Action(ID_FILE_SAVE)->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    Action(ID_READ_DEVICE)->setIcon(look->standardIcon(QStyle::SP_ArrowDown));
    Action(ID_EDIT_WRITE_DEVICE)->setIcon(look->standardIcon(QStyle::SP_ArrowUp));
    Action(ID_APP_ABOUT)->setIcon(look->standardIcon(QStyle::SP_MessageBoxInformation));
    toolBar_->addAction(Action(ID_FILE_OPEN));
    toolBar_->addAction(Action(ID_FILE_SAVE));
    toolBar_->addSeparator();
    toolBar_->addAction(Action(ID_READ_DEVICE));
    toolBar_->addAction(Action(ID_EDIT_WRITE_DEVICE));
    toolBar_->addSeparator();
    toolBar_->addAction(Action(ID_APP_ABOUT));
}

void CMainFrame::Retranslate() {
    for (const auto& [key, title] : kMenuTitles) {
        menus_[QString::fromLatin1(key)]->setTitle(Translate(title));
    }
    for (const CommandInfo& info : kCommands) {
        if (QAction* action = Action(info.command)) {
            action->setText(Translate(info.text));
            action->setStatusTip(Translate(info.tip));
            action->setToolTip(QString(Translate(info.text)).remove(QLatin1Char('&')));
        }
    }
    windowsDialogAction_->setText(QString::fromStdString(LoadString(IDS_WINDOWS_MENU)));
    toolBar_->setWindowTitle(QString::fromStdString(LoadString(IDS_TOOLBAR_STANDARD)));
    ready_->setText(tr("Ready"));
    UpdateCommandStates();
    UpdateTitle();
}

void CMainFrame::UpdateCommandStates() {
    CChildFrame* frame = CurrentFrame();
    for (const auto& [command, action] : actions_) {
        if (NeedsDocument(command)) {
            action->setEnabled(frame != nullptr && !frame->IsBusy());
        }
    }
    for (int command : kListCommands) {
        actions_[command]->setEnabled(frame != nullptr && !frame->IsBusy() &&
                                      frame->IsCommandEnabled(command));
    }
    if (frame) {
        outputAction_->setChecked(!frame->OutputDock()->isHidden());
        const auto* view = dynamic_cast<const CValdrenCpsView*>(frame->DocumentView());
        const bool table = view != nullptr && view->IsTableShown();
        actions_[ID_VIEW_TABLE]->setChecked(table);
        actions_[ID_VIEW_NAME_GRID]->setChecked(!table &&
                                                frame->IsCommandEnabled(ID_VIEW_NAME_GRID));
    }
    UpdateHistoryCommands(frame);
    const std::string code = CurrentLanguageCode();
    actions_[ID_LANGUAGE_CHINESE]->setChecked(code == "CHN");
    actions_[ID_LANGUAGE_ENGLISH]->setChecked(code != "CHN");
}

void CMainFrame::UpdateHistoryCommands(CChildFrame* frame) {
    const UndoJournal* journal =
        frame && !frame->IsBusy() ? &frame->GetDocument().Journal() : nullptr;
    const struct {
        int command;
        bool enabled;
        std::string step;
    } states[] = {
        {ID_EDIT_UNDO, journal && journal->CanUndo(), journal ? journal->UndoName() : ""},
        {ID_EDIT_REDO, journal && journal->CanRedo(), journal ? journal->RedoName() : ""},
    };
    for (const auto& state : states) {
        QAction* action = Action(state.command);
        for (const CommandInfo& info : kCommands) {
            if (info.command == state.command) {
                // "Undo Edit Power": the step's name follows the command's text
                const QString text = Translate(info.text);
                action->setText(state.enabled
                                    ? text + QLatin1Char(' ') + QString::fromStdString(state.step)
                                    : text);
            }
        }
        action->setEnabled(state.enabled);
    }
}

void CMainFrame::UpdateRecentFiles() {
    const QStringList files = RecentFiles::Load();
    for (int i = 0; i < recentActions_.size(); ++i) {
        QAction* action = recentActions_[i];
        action->setVisible(i < files.size());
        if (i < files.size()) {
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
            action->setData(files[i]);
        }
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

void CMainFrame::UpdateWindowMenu() {
    QMenu* window = menus_["window"];
    for (QAction* action : windowGroup_->actions()) {
        windowGroup_->removeAction(action);
        window->removeAction(action);
        action->deleteLater();
    }
    CChildFrame* current = CurrentFrame();
    int number = 1;
    for (CChildFrame* frame : Frames()) {
        auto* action =
            new QAction(QStringLiteral("&%1 %2").arg(number++).arg(frame->Title()), this);
        action->setCheckable(true);
        action->setChecked(frame == current);
        windowGroup_->addAction(action);
        window->insertAction(windowsDialogAction_, action);
        connect(action, &QAction::triggered, this, [this, frame] {
            mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frame->parentWidget()));
        });
    }
    UpdateCommandStates();
}

void CMainFrame::UpdateStyleMenu() {
    const QString current = QApplication::style()->name();
    for (QAction* action : styleGroup_->actions()) {
        action->setChecked(action->data().toString().compare(current, Qt::CaseInsensitive) == 0);
    }
}

void CMainFrame::ApplyStyle(const QString& style) {
    QApplication::setStyle(style);
    QSettings().setValue(QStringLiteral("ApplicationLook"), style);
}

} // namespace vd
