// Device → Program Several Radios… against simulated radios: one row per port with its own
// result while the window stays usable, the CSV of the run, and a refused values row.
#include "ui/dialogs/FleetDlg.h"
#include "document/ProjectFile.h"
#include "tests/support/RadioSim.h"
#include "tests/ui/app/UiTestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace vdtest {

class FleetDlgTest : public QObject {
    Q_OBJECT
private slots:
    void WritesEachRadioOnItsOwnAndRefusesBadValues() {
        UiTestEnvironment env;
        const TempDir& dir = env.folder();
        env.writeIni("[Device]\nretry_count=2\nhandshake_retry_count=2\nretry_time_interval=10\n"
                     "[GX5]\ntimeout=400\nread_time_interval=5\nwrite_time_interval=5\n");
        const std::string project = dir.file("plan.vdcps").string();
        QVERIFY(vd::ProjectFile::Save(*vd::ProjectFile::New("GX5"), project));
        RadioSimProcess good({"--model", "GX5"});
        RadioSimProcess silent({"--model", "GX5", "--silent"});

        vd::FleetDlg dialog(QString::fromStdString(project));
        dialog.show();
        for (const std::string& port : {good.devicePath(), silent.devicePath()}) {
            auto* item = new QListWidgetItem(QString::fromStdString(port), dialog.ports());
            item->setData(Qt::UserRole, QString::fromStdString(port));
            item->setCheckState(Qt::Checked);
        }
        const auto values = [&](const std::string& name) {
            return QString::fromStdString(
                dir.write("values.csv", "port,radioName\n" + good.devicePath() + "," + name + "\n")
                    .string());
        };

        dialog.valuesFile()->setText(values("ThisNameIsFarTooLong"));
        QVERIFY(!dialog.Start());
        QVERIFY2(dialog.StatusText().contains("radioName=ThisNameIsFarTooLong is refused"),
                 qPrintable(dialog.StatusText()));
        QVERIFY(good.transcript().find("session") == std::string::npos);

        dialog.valuesFile()->setText(values("Alpha"));
        QVERIFY(dialog.Start());
        QVERIFY(dialog.cancelButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Running(), kRadioWait.count());
        QCOMPARE(dialog.ResultText(0), QString("written and verified"));
        QVERIFY(dialog.ResultText(1).startsWith("failed: Host failed! No answer on"));
        const std::string csv = dialog.ReportCsv();
        QVERIFY2(csv.find(",Alpha\r\n" + silent.devicePath() +
                          ",\"failed: Host failed! No answer on ") != std::string::npos,
                 csv.c_str());
        const QStringList unexpected = env.unexpected();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }
};

} // namespace vdtest

QTEST_MAIN(vdtest::FleetDlgTest)
#include "FleetDlgTest.moc"
