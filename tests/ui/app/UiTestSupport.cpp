#include "tests/ui/app/UiTestSupport.h"

#include "app/LanguageCode.h"
#include "document/ProjectDiff.h"
#include "document/ProjectFile.h"
#include "tests/support/ModelHelpers.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/UiConstants.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

namespace vdtest {

/// Answers a message box that stands unanswered too long with its escape button.
class UnexpectedMessages : public QObject {
public:
    UnexpectedMessages() {
        poll_.setInterval(50);
        connect(&poll_, &QTimer::timeout, this, &UnexpectedMessages::check);
        poll_.start();
    }
    QStringList texts;

private:
    void check() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            standing_ = nullptr;
            return;
        }
        if (box != standing_) {
            standing_ = box;
            since_.start();
            return;
        }
        if (since_.elapsed() < kUnexpectedMessageMs) {
            return;
        }
        texts << QStringLiteral("unexpected message box: ") + box->text();
        standing_ = nullptr;
        if (QAbstractButton* button = box->escapeButton()) {
            button->click();
        } else {
            box->reject();
        }
    }

    QTimer poll_;
    QPointer<QMessageBox> standing_;
    QElapsedTimer since_;
};

UiTestEnvironment::UiTestEnvironment() : guard_(std::make_unique<UnexpectedMessages>()) {
    qputenv("VALDREN_CPS_INI", QByteArray::fromStdString(folder_.file("cps.ini").string()));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(folder_.file("settings").string()));
    vd::SetCurrentLanguageCode("ENG");
}

UiTestEnvironment::~UiTestEnvironment() {
    qunsetenv("VALDREN_CPS_INI");
    vd::SetCurrentLanguageCode("ENG");
}

void UiTestEnvironment::writeIni(const std::string& text) const {
    folder_.write("cps.ini", text);
}

std::string UiTestEnvironment::ini() const {
    return readFile(folder_.file("cps.ini"));
}

QStringList UiTestEnvironment::unexpected() const {
    QStringList all = guard_->texts;
    guard_->texts.clear();
    for (const QString& window : closeModalWindows()) {
        all << QStringLiteral("left standing: ") + window;
    }
    return all;
}

vd::CMainFrame& StartApp(std::unique_ptr<vd::CValdrenCpsApp>& app, vd::BuildVariant variant,
                         const QStringList& arguments) {
    app.reset();
    app = std::make_unique<vd::CValdrenCpsApp>(variant);
    if (!app->InitInstance(arguments)) {
        qFatal("the application did not start");
    }
    return *app->MainFrame();
}

vd::CChildFrame* NewDocument(vd::CMainFrame& main, const QString& model) {
    ModalAnswers answers;
    answers.expectChooser(model);
    main.RunCommand(vd::ui::ID_FILE_NEW);
    answers.waitDone();
    return main.CurrentFrame();
}

vd::ByteVector Gx5Image(const std::string& radioName) {
    std::unique_ptr<vd::HamCpsControl> control = vd::ProjectFile::New("GX5");
    vd::ByteVector image;
    control->SetValueByName("radioName", radioName);
    if (!control->GenerateImage(image, 1)) {
        qFatal("no GX5 image");
    }
    return image;
}

std::string RadioName(const std::string& gx5Image) {
    auto decoded = vd::DecodeImage("GX5", vd::ByteVector(gx5Image.begin(), gx5Image.end()));
    return decoded ? Setting(*decoded, "radioName") : std::string();
}

namespace {

/// The text of a message box, else the window's title, for failure reports.
QString DescribeWindow(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        return box->text();
    }
    return window->windowTitle();
}

} // namespace

ModalAnswers::ModalAnswers() {
    // polled for as long as the object lives, so that an unexpected window is closed too
    poll_.setInterval(10);
    connect(&poll_, &QTimer::timeout, this, &ModalAnswers::check);
    qApp->installEventFilter(this);
    deadline_.setRemainingTime(kWindowWaitMs);
    poll_.start();
}

ModalAnswers::~ModalAnswers() {
    qApp->removeEventFilter(this);
}

void ModalAnswers::expect(const QString& what, Match match, Action action) {
    if (steps_.empty()) {
        deadline_.setRemainingTime(kWindowWaitMs);
    }
    steps_.push_back({what, std::move(match), std::move(action)});
}

void ModalAnswers::expectMessage(int button) {
    expect(
        QStringLiteral("message box"),
        [](QWidget* widget) { return qobject_cast<QMessageBox*>(widget) != nullptr; },
        [this, button](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            SeenMessage seen{box->text(), box->windowTitle(), box->icon(), {}};
            for (QAbstractButton* each : box->buttons()) {
                seen.buttons << each->text();
            }
            messages_.push_back(seen);
            QAbstractButton* press = box->button(static_cast<QMessageBox::StandardButton>(button));
            if (press) {
                press->click();
            } else {
                failures_ << QStringLiteral("message box without the expected button: ") +
                                 box->text();
                box->reject();
            }
        });
}

void ModalAnswers::expectChooser(const QString& model, const std::string& port) {
    expectDialog<vd::CChooseRegCpsDlg>("chooser", [=](vd::CChooseRegCpsDlg* dialog) {
        if (!model.isEmpty()) {
            dialog->ModelBox()->setCurrentText(model);
        }
        if (!port.empty()) {
            dialog->PortBox()->setEditText(QString::fromStdString(port));
        }
        dialog->accept();
    });
}

void ModalAnswers::expectFile(const QString& what, const QString& path, int* mode) {
    expectDialog<QFileDialog>(what, [=](QFileDialog* dialog) {
        if (mode) {
            *mode = dialog->acceptMode();
        }
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own is protected
    });
}

bool ModalAnswers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        // answer once the window has finished showing and runs its own event loop
        QTimer::singleShot(0, this, &ModalAnswers::check);
    }
    return QObject::eventFilter(watched, event);
}

void ModalAnswers::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (steps_.empty()) {
        // a window nobody expected would wait for an answer forever
        if (!modal || modal == answered_ || !modal->isVisible()) {
            return;
        }
        if (modal != unexpected_) {
            unexpected_ = modal;
            unexpectedDeadline_.setRemainingTime(kWindowWaitMs);
        } else if (unexpectedDeadline_.hasExpired()) {
            failures_ << QStringLiteral("unexpected %1: %2")
                             .arg(QString::fromLatin1(modal->metaObject()->className()),
                                  DescribeWindow(modal));
            closeModalWindows();
        }
        return;
    }
    // the window answered last may still stand while it closes
    if (modal && modal != answered_ && modal->isVisible() && steps_.front().match(modal)) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        deadline_.setRemainingTime(kWindowWaitMs);
        answered_ = modal;
        step.action(modal); // may open the next dialog and wait in it: checks go on meanwhile
        return;
    }
    if (deadline_.hasExpired()) {
        failures_ << QStringLiteral("no %1 came; %2 stood instead")
                         .arg(steps_.front().what,
                              modal ? QString::fromLatin1(modal->metaObject()->className()) +
                                          QLatin1Char(' ') + DescribeWindow(modal)
                                    : QStringLiteral("nothing"));
        steps_.clear();
        closeModalWindows();
    }
}

bool ModalAnswers::waitDone(int timeoutMs) {
    QDeadlineTimer bound(timeoutMs);
    while (!steps_.empty() && !bound.hasExpired()) {
        QTest::qWait(10);
    }
    return steps_.empty() && failures_.isEmpty();
}

QStringList closeModalWindows() {
    QStringList closed;
    QDeadlineTimer bound(kWindowWaitMs);
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (bound.hasExpired()) {
            return closed;
        }
        closed << DescribeWindow(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        QCoreApplication::processEvents();
    }
    return closed;
}

} // namespace vdtest
