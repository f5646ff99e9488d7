// The chooser, Option, input and progress dialogs, the message box routine and the port and
// filter texts behind them.
#include "app/LanguageCode.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/dialogs/CInputStringDlg.h"
#include "ui/dialogs/COptionDlg.h"
#include "ui/dialogs/CProcTip2Dlg.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/dialogs/PortText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace vd;
using namespace Qt::StringLiterals;
using vdtest::ModalAnswers;
using vdtest::UiTestEnvironment;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { env_ = std::make_unique<UiTestEnvironment>(); }
    void cleanup() {
        const QStringList unexpected = env_->unexpected();
        env_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }

    // the title and the boxes shown per mode: new, read, write
    void chooserModes() {
        const std::tuple<bool, bool, QString> modes[] = {
            {false, true, u"New project: choose the radio model"_s},
            {true, true, u"Read option"_s},
            {true, false, u"Write option"_s}};
        for (int mode = 0; mode < 3; ++mode) {
            const auto& [port, model, title] = modes[mode];
            CChooseRegCpsDlg dialog(mode, QString());
            QCOMPARE(dialog.PortBox()->isVisibleTo(&dialog), port);
            QCOMPARE(dialog.ModelBox()->isVisibleTo(&dialog), model);
            QCOMPARE(dialog.windowTitle(), title);
        }
    }

    // the preset model found by name in any case or by prefix, else the stored index
    void chooserPreset() {
        const std::tuple<QString, std::string, QString> rows[] = {
            {u""_s, "[Device]\nmodel=3\n", u"VS31"_s},
            {u"gx5g"_s, "", u"GX5G"_s},
            {u"vs7"_s, "[Device]\nmodel=2\n", u"VS73"_s},
            {u"XYZ"_s, "[Device]\nmodel=2\n", u"LM704"_s}};
        for (const auto& [preset, ini, selected] : rows) {
            env_->writeIni(ini);
            CChooseRegCpsDlg dialog(1, preset);
            QCOMPARE(dialog.ModelBox()->currentText(), selected);
        }
    }

    void chooserOkStoresModelIndexAndPort() {
        CChooseRegCpsDlg dialog(1, QString());
        dialog.ModelBox()->setCurrentIndex(4);
        dialog.PortBox()->setEditText(QStringLiteral("/dev/pts/77"));
        dialog.accept();
        QCOMPARE(dialog.ModelName(), QStringLiteral("VS46"));
        QCOMPARE(dialog.PortSetting(), QStringLiteral("/dev/pts/77"));
        const std::string ini = env_->ini();
        QVERIFY2(ini.find("model=4") != std::string::npos, ini.c_str());
        QVERIFY2(ini.find("port=/dev/pts/77") != std::string::npos, ini.c_str());
        // Write proceeds with the hidden preset model and shows the stored port
        CChooseRegCpsDlg write(2, QStringLiteral("VS58"));
        write.accept();
        QCOMPARE(write.ModelName(), QStringLiteral("VS58"));
        QCOMPARE(write.PortSetting(), QStringLiteral("/dev/pts/77"));
    }

    // the stored port shown with COM letters, stored without them on OK and left alone on Cancel
    void optionShowsTheStoredPortAndStoresItWithoutComLetters() {
        const std::tuple<std::string, QString, QString, std::string> rows[] = {
            {"", u"COM1"_s, u"COM7"_s, "port=7\n"},
            {"[Device]\nport=/dev/pts/3\n", u"/dev/pts/3"_s, u"/dev/pts/3"_s, "port=/dev/pts/3\n"},
            {"", u"COM1"_s, u"COMx"_s, "port=x\n"}}; // other letters stay
        for (const auto& [ini, shown, typed, stored] : rows) {
            env_->writeIni(ini);
            COptionDlg dialog;
            QCOMPARE(dialog.PortBox()->currentText(), shown);
            dialog.PortBox()->setEditText(typed);
            dialog.accept();
            QVERIFY2(env_->ini().find(stored) != std::string::npos, env_->ini().c_str());
        }
        // Cancel leaves the settings alone
        env_->writeIni("[Device]\nport=9\n");
        COptionDlg dialog;
        dialog.PortBox()->setEditText(QStringLiteral("COM3"));
        dialog.reject();
        QCOMPARE(env_->ini(), std::string("[Device]\nport=9\n"));
    }

    void optionTellsWhenThePortCannotBeStored() {
        // cps.ini below a plain file cannot be written
        env_->folder().write("file", "");
        qputenv("VALDREN_CPS_INI",
                QByteArray::fromStdString(env_->folder().file("file").string() + "/cps.ini"));
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::Ok);
        COptionDlg dialog;
        dialog.PortBox()->setEditText(QStringLiteral("COM2"));
        dialog.accept();
        QVERIFY(answers.waitDone());
        QVERIFY(answers.messages().front().text.startsWith("The setting could not be saved"));
        QCOMPARE(dialog.PortSetting(), QStringLiteral("2")); // the choice still applies
    }

    void inputDialogMasksTheTextUntilShown() {
        CInputStringDlg dialog(QStringLiteral("Please input"), QStringLiteral("the password"),
                               QStringLiteral("abc"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("the password"));
        QCOMPARE(dialog.Edit()->echoMode(), QLineEdit::Password);
        dialog.ShowBox()->setChecked(true);
        QCOMPARE(dialog.Edit()->echoMode(), QLineEdit::Normal);
        dialog.Edit()->setText(QStringLiteral("1234"));
        dialog.accept();
        QCOMPARE(dialog.Text(), QStringLiteral("1234"));
    }

    void progressDialogShowsOnFirstStepAndReportsCancel() {
        QWidget owner;
        CProcTip2Dlg dialog(&owner);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.Step(QStringLiteral("Host read all data 0%"), false));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Text(), QStringLiteral("Host read all data 0%"));
        // a press of Cancel is seen while the step handles events
        QTimer::singleShot(0, dialog.CancelButton(), &QPushButton::click);
        QVERIFY(dialog.Step(QStringLiteral("Host read all data 4%"), true));
        QVERIFY(!dialog.isVisible());
        // the next step starts without the request
        QVERIFY(!dialog.Step(QStringLiteral("Host read all data 8%"), true));
        // a step that handles no events sees the press only at the next one that does
        QTimer::singleShot(0, dialog.CancelButton(), &QPushButton::click);
        QVERIFY(!dialog.Step(QStringLiteral("Host read all data 9%"), false));
        QVERIFY(dialog.Step(QStringLiteral("Host read all data 10%"), true));
    }

    void messageBoxCaptionsAndIcons() {
        ModalAnswers answers;
        for (int i = 0; i < 3; ++i) {
            answers.expectMessage(QMessageBox::Ok);
        }
        answers.expectMessage(QMessageBox::No);
        answers.expectMessage(QMessageBox::Yes);
        CpsMessageBox(nullptr, QStringLiteral("no icon given"));
        CpsMessageBox(nullptr, QStringLiteral("information"), MessageStyle::Information);
        CpsMessageBox(nullptr, QStringLiteral("error"), MessageStyle::Error);
        QVERIFY(!CpsAskYesNo(nullptr, QStringLiteral("Write?")));
        SetCurrentLanguageCode("CHN");
        QVERIFY(CpsAskYesNo(nullptr, QStringLiteral("?")));
        QVERIFY2(answers.failures().isEmpty(), qPrintable(answers.failures().join('\n')));
        const auto& seen = answers.messages();
        QCOMPARE(seen[0].caption, QStringLiteral("Valdren CPS"));
        QCOMPARE(seen[0].buttons, QStringList{"OK"});
        const int icons[] = {QMessageBox::Warning, QMessageBox::Information, QMessageBox::Critical,
                             QMessageBox::Question};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(seen[i].icon, icons[i]);
        }
        QCOMPARE(seen[3].buttons, QStringList({"YES", "NO"}));
        QCOMPARE(seen[4].buttons, QStringList({u"是"_s, u"否"_s}));
    }

    // numbers, device paths and COM letters both ways: the Option dialog tests above
    void portAndFilterTexts() {
        QCOMPARE(PortSettingToDisplay(" 11 "), std::string("COM11"));
        QCOMPARE(FileDialogFilter("bin file(*.bin)|*.bin||"), std::string("bin file(*.bin)"));
        QCOMPARE(FileDialogFilter("A|*.b;*.p|B|*.b||"), std::string("A (*.b *.p);;B (*.b)"));
        QCOMPARE(FileDialogFilter(""), std::string());
    }

private:
    std::unique_ptr<UiTestEnvironment> env_;
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
