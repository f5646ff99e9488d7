#include "ui/app/CValdrenCpsApp.h"

#include "app/AppLog.h"
#include "app/AppPaths.h"
#include "app/CpsIni.h"
#include "app/LanguageCode.h"
#include "app/Log.h"
#include "ui/frames/AppIcon.h"
#include "ui/frames/CMainFrame.h"

#include <QApplication>

namespace vd {

CValdrenCpsApp::CValdrenCpsApp(BuildVariant variant) : variant_(variant) {}

CValdrenCpsApp::~CValdrenCpsApp() {
    ExitInstance();
}

bool CValdrenCpsApp::InitInstance(const QStringList& arguments) {
    // window and toolbar state and the recent files live in the settings of "Valdren"
    QCoreApplication::setOrganizationName(QStringLiteral("Valdren"));
    QCoreApplication::setApplicationName(QStringLiteral("ValdrenCps"));
    QGuiApplication::setDesktopFileName(QStringLiteral("valdren-cps"));
    QApplication::setWindowIcon(AppIcon());

    logStarted_ = InitAppLog(AppPaths::DataDir());
    if (arguments.size() > 1) {
        // a file named on the command line is not opened: the person opens what they want
        VD_LOG_INFO("命令行参数被忽略:{}", arguments.mid(1).join(QLatin1Char(' ')).toStdString());
    }

    mainFrame_ = std::make_unique<CMainFrame>(variant_ == BuildVariant::Factory);
    connect(mainFrame_.get(), &CMainFrame::LanguageRequested, this, &CValdrenCpsApp::SetLanguage);
    // The language is loaded before the window is shown rather than with the first document,
    // so the menus appear in the chosen language from the start; a language that loads is
    // already the stored one.
    LoadLanguageLibrary(false);
    mainFrame_->showMaximized();
    return true;
}

void CValdrenCpsApp::ExitInstance() {
    mainFrame_.reset();
    translators_.Unload();
    if (logStarted_) {
        ShutdownAppLog();
        logStarted_ = false;
    }
}

void CValdrenCpsApp::SetLanguage(const QString& code) {
    if (code.toStdString() == CurrentLanguageCode()) {
        return;
    }
    SetCurrentLanguageCode(code.toStdString());
    LoadLanguageLibrary();
}

void CValdrenCpsApp::LoadLanguageLibrary(bool storeCode) {
    const std::string code = CurrentLanguageCode();
    // an unknown code keeps its place as the current code, but English is shown and stored
    const bool loaded = translators_.Load(code);
    if (!loaded) {
        CpsIni::WriteString("Option", "language", "ENG");
    } else if (storeCode) {
        CpsIni::WriteString("Option", "language", code);
    }
    if (mainFrame_) {
        mainFrame_->RefreshLanguage();
    }
}

} // namespace vd
