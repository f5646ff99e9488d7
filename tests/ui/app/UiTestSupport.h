#pragma once
#include "model/HamCpsControl.h"
#include "tests/support/TempDir.h"
#include "ui/app/CValdrenCpsApp.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace vd {
class CMainFrame;
class CChildFrame;
} // namespace vd

namespace vdtest {

/// Bound of every wait for a window in these tests; only a broken program waits this long.
inline constexpr int kWindowWaitMs = 30000;
/// A radio transfer on a loaded machine takes a while; only a hung one takes this long.
inline constexpr int kTransferWaitMs = 120000;
/// How long a message box no test answers stands before it is answered and reported.
inline constexpr int kUnexpectedMessageMs = 10000;

class UnexpectedMessages;

/// A test's own cps.ini and Qt settings in a temporary folder, in English. A message box left
/// unanswered is answered with its escape button and recorded, to fail the test, not hang it.
class UiTestEnvironment {
public:
    UiTestEnvironment();
    ~UiTestEnvironment();
    UiTestEnvironment(const UiTestEnvironment&) = delete;
    UiTestEnvironment& operator=(const UiTestEnvironment&) = delete;

    /// The folder.
    const TempDir& folder() const { return folder_; }
    /// Writes the whole cps.ini.
    void writeIni(const std::string& text) const;
    /// The cps.ini as it is now.
    std::string ini() const;
    /// The texts of the message boxes nobody answered and of the modal windows left (closed).
    QStringList unexpected() const;

private:
    TempDir folder_;
    std::unique_ptr<UnexpectedMessages> guard_;
};

/// Starts the program as a person does (replacing `app`) and returns its main window.
vd::CMainFrame& StartApp(std::unique_ptr<vd::CValdrenCpsApp>& app,
                         vd::BuildVariant variant = vd::BuildVariant::Ordinary,
                         const QStringList& arguments = {"ValdrenCps"});

/// A new document of that model through File New, with the chooser answered.
vd::CChildFrame* NewDocument(vd::CMainFrame& main, const QString& model = "GX5");

/// A GX5 image of a radio with that name.
vd::ByteVector Gx5Image(const std::string& radioName);
/// The radio name in a GX5 image; empty when it does not decode.
std::string RadioName(const std::string& gx5Image);

/// Ends a test of the program and fails it when a window came that the test did not answer.
#define VD_UI_CLEANUP(env, app)                                                                    \
    do {                                                                                           \
        QStringList unexpected_ = (env)->unexpected();                                             \
        (app).reset();                                                                             \
        unexpected_ << (env)->unexpected();                                                        \
        (env).reset();                                                                             \
        QVERIFY2(unexpected_.isEmpty(), qPrintable(unexpected_.join(QLatin1Char('\n'))));          \
    } while (false)

/// What a message box showed when it was answered.
struct SeenMessage {
    QString text;
    QString caption;
    int icon = 0; ///< QMessageBox::Icon
    QStringList buttons;
};

/// Answers the modal dialogs an operation opens, in the order expected, looking when a window
/// shows and every 10 ms; a missing or unexpected one is a failure, closed after the bound.
class ModalAnswers : public QObject {
    Q_OBJECT
public:
    using Match = std::function<bool(QWidget*)>;
    using Action = std::function<void(QWidget*)>;

    ModalAnswers();
    ~ModalAnswers() override;

    /// Expects a modal window for which match holds and runs action on it.
    void expect(const QString& what, Match match, Action action);
    /// Expects a modal dialog of type T and runs action on it.
    template <typename T> void expectDialog(const QString& what, std::function<void(T*)> action) {
        expect(
            what, [](QWidget* widget) { return qobject_cast<T*>(widget) != nullptr; },
            [action](QWidget* widget) { action(qobject_cast<T*>(widget)); });
    }
    /// Expects a message box, records what it showed and presses button.
    void expectMessage(int button);
    /// Expects the model and port chooser, picks the model and the port where given, accepts.
    void expectChooser(const QString& model, const std::string& port = {});
    /// Expects a file dialog, notes its mode, and answers with path or cancels when it is empty.
    void expectFile(const QString& what, const QString& path, int* mode = nullptr);

    /// Waits (handling events) until every expected dialog was answered or the bound passed.
    bool waitDone(int timeoutMs = kWindowWaitMs);
    /// The message boxes answered so far.
    const std::vector<SeenMessage>& messages() const { return messages_; }
    /// What went wrong (a dialog that did not come), empty when nothing did.
    QStringList failures() const { return failures_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Step {
        QString what;
        Match match;
        Action action;
    };
    void check();

    std::deque<Step> steps_;
    std::vector<SeenMessage> messages_;
    QStringList failures_;
    QTimer poll_;
    QDeadlineTimer deadline_;
    QPointer<QWidget> answered_;
    QPointer<QWidget> unexpected_;
    QDeadlineTimer unexpectedDeadline_;
};

/// Closes every modal window that is left (after a failed test), bounded; their descriptions.
QStringList closeModalWindows();

} // namespace vdtest
