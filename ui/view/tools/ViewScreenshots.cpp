// Takes the pictures of docs/screenshots: the main window with a GX5 project showing the
// channel list as the name grid and as the table, one channel, a zone with the shortlist pane, the
// general settings with their window layout, the progress dialog during Read Device from a
// simulated radio, the question before a VS73 band change and the message of a read from an absent
// port. Run it through scripts/screenshots, which starts the radio and an X server.
#include "document/ProjectFile.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/table/CListTableView.h"
#include "ui/table/ListViewChoice.h"
#include "ui/view/CValdrenCpsView.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

/// Lets the windows settle and paint for a while.
void Settle(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

/// Saves the whole screen (dialogs included) as out/name.png.
bool Shoot(const QString& out, const QString& name) {
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString path = QDir(out).filePath(name + QStringLiteral(".png"));
    const bool saved = !picture.isNull() && picture.save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

/// Selects a node in the window's function tree as a click would.
bool SelectNode(vd::CChildFrame& frame, const std::string& id, bool record) {
    vd::CFunctionTree& tree = frame.FunctionPane()->Tree();
    QTreeWidgetItem* item = record ? tree.RecordItem(id) : tree.ChapterItem(id);
    if (!item) {
        std::fprintf(stderr, "no tree item for %s\n", id.c_str());
        return false;
    }
    tree.setCurrentItem(item);
    tree.scrollToItem(item);
    return true;
}

/// A GX5 project to show: the template's channels with a few names of their own and a zone
/// of ten of them.
QString WriteProject(const QString& folder) {
    std::unique_ptr<vd::HamCpsControl> control = vd::ProjectFile::New("GX5");
    if (!control) {
        return {};
    }
    const char* names[] = {"Base", "Mobile", "Repeater", "Simplex", "Marine 16", "Hiking"};
    for (int i = 0; i < 6; ++i) {
        control->SetInputValue("e0109000" + std::to_string(5 + i), "", names[i], true);
    }
    // a zone with room left, so that the shortlist pane has candidates to offer
    std::vector<std::string> members;
    for (int i = 5; i <= 14; ++i) {
        members.push_back((i < 10 ? "e0109000" : "e010900") + std::to_string(i));
    }
    control->SetFieldValue("e01040002", "Channel", members);
    const QString path = QDir(folder).filePath(QStringLiteral("demo.vdcps"));
    return control->Save(path.toStdString()) ? path : QString();
}

/// Runs action, which shows a message box and waits for it; pictures the box as out/name.png
/// once it has painted, then answers it.
bool ShootMessage(const QString& out, const QString& name, QMessageBox::StandardButton answer,
                  const std::function<void()>& action) {
    bool shot = false;
    int ticks = 0;
    QTimer watcher;
    watcher.setInterval(100);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box || !box->isVisible() || ++ticks < 5) {
                continue;
            }
            shot = Shoot(out, name);
            box->done(box->button(answer) ? answer : QMessageBox::Ok);
        }
    });
    watcher.start();
    action();
    watcher.stop();
    if (!shot) {
        std::fprintf(stderr, "no message box for %s\n", qPrintable(name));
    }
    return shot;
}

/// The grid cell that edits the element of that name, or (-1, -1).
vd::CellId FindCell(vd::GridControl& grid, const std::string& name) {
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        for (int column = 0; column < grid.GetColumnCount(); ++column) {
            const vd::GridCell& cell = grid.GetCell(row, column);
            if (cell.element && cell.element->name == name) {
                return {row, column};
            }
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    qputenv("VALDREN_CPS_INI", QDir(folder.path()).filePath("cps.ini").toUtf8());
    QApplication application(argc, argv);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());

    QCommandLineParser parser;
    parser.setApplicationDescription("Pictures of the Valdren CPS main window");
    parser.addHelpOption();
    parser.addOption({"out", "Folder of the pictures.", "folder", "docs/screenshots"});
    parser.addOption({"language", "ENG or CHN.", "code", "ENG"});
    parser.addOption({"port", "Device path of a simulated GX5 for the read picture.", "path"});
    parser.process(application);
    const QString out = parser.value("out");
    const QString language = parser.value("language");
    const QString prefix =
        language == QLatin1String("CHN") ? QStringLiteral("zh-") : QStringLiteral("en-");
    QDir().mkpath(out);

    QFile ini(QDir(folder.path()).filePath("cps.ini"));
    if (!ini.open(QIODevice::WriteOnly)) {
        return 1;
    }
    ini.write(QStringLiteral("[Option]\nlanguage=%1\n[Device]\nport=%2\nmodel=0\n")
                  .arg(language, parser.value("port"))
                  .toUtf8());
    ini.close();

    vd::CValdrenCpsApp app(vd::BuildVariant::Ordinary);
    if (!app.InitInstance({})) {
        return 1;
    }
    vd::CMainFrame* main = app.MainFrame();
    // a bare X server has no window manager to maximise the window
    main->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    const QString project = WriteProject(folder.path());
    vd::CChildFrame* frame = project.isEmpty() ? nullptr : main->OpenDocumentFile(project);
    if (!frame) {
        std::fprintf(stderr, "the demo project cannot be opened\n");
        return 1;
    }
    Settle(1500);

    vd::ChooseTable("Channel", false);
    bool ok = SelectNode(*frame, "c0109", false);
    Settle(600);
    ok = Shoot(out, prefix + "channel-list") && ok;
    // the same list as a table, three channels selected for a change of them all
    vd::ChooseTable("Channel", true);
    frame->DocumentView()->ShowSelectedNode();
    if (auto* view = frame->findChild<vd::CValdrenCpsView*>(); view && view->IsTableShown()) {
        const std::vector<std::string>& rows = view->Table().RowRecordIds();
        view->Table().SelectRecords({rows.begin() + 4, rows.begin() + 7});
    } else {
        ok = false;
    }
    Settle(600);
    ok = Shoot(out, prefix + "channel-table") && ok;
    ok = SelectNode(*frame, "e01090005", true) && ok;
    Settle(600);
    ok = Shoot(out, prefix + "channel") && ok;
    ok = SelectNode(*frame, "e01040002", true) && ok;
    Settle(300);
    frame->ShortlistPane()->CandidateGrid().selectRow(0);
    Settle(300);
    ok = Shoot(out, prefix + "zone-shortlist") && ok;
    ok = SelectNode(*frame, "c0103", false) && ok;
    Settle(600);
    ok = Shoot(out, prefix + "general-settings") && ok;

    if (!parser.value("port").isEmpty()) {
        // the read blocks this thread, but its progress dialog lets timers run: the picture
        // is taken once the dialog has shown progress for a while, and the result message
        // is answered so that the read can end
        bool shot = false;
        QDeadlineTimer seen = QDeadlineTimer::Forever;
        QTimer watcher;
        watcher.setInterval(100);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->isVisible()) {
                    continue;
                }
                if (auto* box = qobject_cast<QMessageBox*>(window)) {
                    box->done(QMessageBox::Ok);
                } else if (!shot && window->inherits("vd::CProcTip2Dlg")) {
                    if (seen.isForever()) {
                        seen.setRemainingTime(1500);
                    } else if (seen.hasExpired()) {
                        shot = true;
                        ok = Shoot(out, prefix + "read-progress") && ok;
                    }
                }
            }
        });
        watcher.start();
        frame->RunReadDevice();
        watcher.stop();
        if (!shot) {
            std::fprintf(stderr, "the read ended before its progress could be pictured\n");
            ok = false;
        }
    }
    // a VS73 project: the question before a band change moves the channels, then a read from
    // a port that is not there
    {
        std::unique_ptr<vd::HamCpsControl> vs73 = vd::ProjectFile::New("VS73");
        const QString path = QDir(folder.path()).filePath(QStringLiteral("vs73.vdcps"));
        vd::CChildFrame* radio =
            vs73 && vs73->Save(path.toStdString()) ? main->OpenDocumentFile(path) : nullptr;
        if (!radio) {
            std::fprintf(stderr, "the VS73 project cannot be opened\n");
            return 1;
        }
        Settle(800);
        ok = SelectNode(*radio, "c0103", false) && ok;
        Settle(600);
        auto* view = radio->findChild<vd::CValdrenCpsView*>();
        const vd::CellId band = view ? FindCell(view->Grid(), "freq_range") : vd::CellId{};
        ok = band.IsValid() && ok;
        if (band.IsValid()) {
            view->Grid().SetFocusCell(band.row, band.column);
            ok = ShootMessage(
                     out, prefix + "band-question", QMessageBox::No,
                     [&] {
                         view->Grid().CommitEdit(
                             band.row, band.column,
                             view->Grid().GetCell(band.row, band.column).choices.at(0).text, 0);
                     }) &&
                 ok;
        }
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write(QStringLiteral("[Option]\nlanguage=%1\n[Device]\nport=/dev/ttyUSB7\n")
                          .arg(language)
                          .toUtf8());
            ini.close();
        }
        ok = ShootMessage(out, prefix + "connection-error", QMessageBox::Ok,
                          [&] { radio->RunReadDevice(); }) &&
             ok;
    }
    app.ExitInstance();
    return ok ? 0 : 1;
}
