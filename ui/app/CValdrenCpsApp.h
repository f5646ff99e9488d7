#pragma once
#include "ui/app/LanguageTranslators.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace vd {

class CMainFrame;

/// Which program is built from the common sources.
enum class BuildVariant { Ordinary, Factory };

/// The application: start-up (log, settings, main window), the user-interface language and
/// exit. It never opens a document at start-up, whatever the command line names.
class CValdrenCpsApp : public QObject {
    Q_OBJECT
public:
    /// Prepares the application of one build variant; needs a QApplication.
    explicit CValdrenCpsApp(BuildVariant variant);
    ~CValdrenCpsApp() override;

    /// Starts up: settings, log, language, main window shown maximised. The arguments are
    /// read but open nothing. False when the program cannot start.
    bool InitInstance(const QStringList& arguments);
    /// Ends the program: closes the main window and releases the log.
    void ExitInstance();

    /// The main window, or null before start-up.
    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    /// Switches to a language code ("CHN", "ENG"); nothing happens when it is current.
    void SetLanguage(const QString& code);
    /// Loads the translations of the current language code and retranslates every window.
    /// When the code has no translations, English is shown and "ENG" is stored; otherwise
    /// the code is stored when storeCode is set.
    void LoadLanguageLibrary(bool storeCode = true);

private:
    BuildVariant variant_;
    LanguageTranslators translators_;
    std::unique_ptr<CMainFrame> mainFrame_;
    bool logStarted_ = false;
};

} // namespace vd
