// The problems pane of a document window: it follows the changes of the document, a
// double-click shows the element in the tree and the grid, and Write Device asks before a
// project with errors is written.
#include "document/CValdrenCpsDoc.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CProblemsPane.h"
#include "ui/grid/CGrid2.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/view/CValdrenCpsView.h"

#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

using namespace vd;

class ProblemsPaneTest : public QObject {
    Q_OBJECT
private slots:
    void followsChangesJumpsToTheCellAndGuardsTheWrite() {
        vdtest::UiTestEnvironment environment;
        CChildFrame frame(nullptr);
        QVERIFY(frame.GetDocument().NewDocument("GX5", ""));
        HamCpsControl& control = *frame.GetDocument().Control();
        frame.InitialUpdate();
        frame.resize(1200, 800);
        frame.show();
        CProblemsPane& pane = *frame.ProblemsPane();
        QTRY_VERIFY_WITH_TIMEOUT(!pane.IsCheckPending(), vdtest::kWindowWaitMs);
        QCOMPARE(pane.List()->topLevelItemCount(), 0);

        // a change is checked once the changes of the moment are over
        QVERIFY(control.SetInputValue("e01090005", "e01099001", "99999999999", true));
        frame.SetModified(QStringLiteral("Edit"));
        frame.SetModified(QStringLiteral("Edit"));
        QVERIFY(pane.IsCheckPending());
        QTRY_COMPARE_WITH_TIMEOUT(pane.List()->topLevelItemCount(), 1, vdtest::kWindowWaitMs);
        QTreeWidgetItem* item = pane.List()->topLevelItem(0);
        QCOMPARE(item->text(1), QStringLiteral("CH1/RxFrequency"));
        QCOMPARE(frame.statusBar()->findChild<QLabel*>()->text(),
                 QStringLiteral("1 errors, 0 warnings"));

        QTreeWidget* list = pane.List();
        list->scrollToItem(item);
        const QRect rect = list->visualItemRect(item);
        CFunctionTree& tree = frame.FunctionPane()->Tree();
        QSignalSpy spy(&pane, &CProblemsPane::problemActivated);
        // a double-click as the window system sends it: press, release, press, double-click
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(tree.currentItem(), tree.RecordItem("e01090005"));
        CGrid2& grid = static_cast<CValdrenCpsView*>(frame.DocumentView())->Grid();
        const auto focus = grid.GetFocusCell();
        const ElementPtr cell = grid.GetItemElement(focus.row, focus.column);
        QVERIFY(cell);
        QCOMPARE(cell->parentID, std::string("e01090005"));
        QCOMPARE(cell->name, std::string("RxFrequency"));

        // Write Device: the person is asked first, and No writes nothing
        vdtest::ModalAnswers answers;
        answers.expectMessage(QMessageBox::No);
        frame.RunWriteDevice();
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(answers.messages().front().text,
                 QStringLiteral("The project has 1 errors. Write anyway?"));
    }
};

QTEST_MAIN(ProblemsPaneTest)
#include "ProblemsPaneTest.moc"
