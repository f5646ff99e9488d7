#pragma once
#include <QMainWindow>
#include <map>

class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace vd {

class CChildFrame;

/// The main window: menus, the standard toolbar, the status bar and the tabbed area of
/// document windows. It runs the file and device commands; the ordinary and the factory
/// build differ only in the title and the two bin file commands of the Device menu.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window with its menus; factory adds Read Bin File and Generate Bin File.
    explicit CMainFrame(bool factory, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// The document area.
    QMdiArea* DocumentArea() const { return mdi_; }
    /// The document window in front, or null.
    CChildFrame* CurrentFrame() const;
    /// Every document window, in the order of the area.
    QList<CChildFrame*> Frames() const;
    /// The menu or toolbar action of a command number, or null.
    QAction* Action(int command) const;
    /// The title of the window: "ValdrenCPS" or "ValdrenCPS_factory".
    QString FrameTitle() const;

    /// File New: a new document of the chosen model; null when cancelled.
    CChildFrame* NewDocumentWindow(int chooserMode);
    /// Opens a project file; a file already open is reopened on Yes and brought to the front
    /// on No. Returns the window showing it, or null.
    CChildFrame* OpenDocumentFile(const QString& path);
    /// Runs a command by its number, as its menu item does.
    void RunCommand(int command);
    /// Sets every text in the current language and passes the change to the document windows.
    void RefreshLanguage();

signals:
    /// The person chose a language from the Language menu ("CHN" or "ENG").
    void LanguageRequested(const QString& code);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // menus and toolbar (MainFrameMenus.cpp)
    /// Adds a command's action (a new one that runs RunCommand, or the given one) to menu.
    QAction* AddCommand(QMenu* menu, int command, QAction* action = nullptr);
    void CreateMenus();
    void CreateToolBar();
    void Retranslate();
    void UpdateCommandStates();
    /// Undo and Redo: enabled when the document in front has such a step, named after it.
    void UpdateHistoryCommands(CChildFrame* frame);
    void UpdateRecentFiles();
    void UpdateWindowMenu();
    void UpdateStyleMenu();
    void ApplyStyle(const QString& style);

    // commands (CMainFrame.cpp)
    void AddFrame(CChildFrame* frame);
    void OnFileOpen();
    void OnReadDevice();
    void OnReadBinFile();
    /// Device → Program Several Radios…: the current project to several radios at once.
    void OnProgramFleet();
    void OnEditCommand(int command);
    void OnWindowsDialog();
    /// File Compare: the document in front against another open document of its model.
    void OnCompareDocuments();
    void UpdateTitle();

    bool factory_;
    QMdiArea* mdi_;
    QToolBar* toolBar_ = nullptr;
    QLabel* ready_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    QList<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    QAction* outputAction_ = nullptr;
    QAction* statusBarAction_ = nullptr;
    QAction* windowsDialogAction_ = nullptr;
    QActionGroup* styleGroup_ = nullptr;
    QActionGroup* windowGroup_ = nullptr;
};

} // namespace vd
