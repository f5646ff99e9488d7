// The list table: what it shows in both languages, multi-row edits as one step, the list
// operations with the function tree following, and the clipboard between models.
#include "ViewTestSupport.h"

#include "app/LanguageCode.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/table/CListTableView.h"
#include "ui/table/SortListDlg.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vd;
using namespace Qt::StringLiterals;

namespace {

int ColumnOf(GridControl& grid, const QString& header) {
    for (int column = 0; column < grid.GetColumnCount(); ++column) {
        if (grid.GetHeaderText(column) == header) {
            return column;
        }
    }
    return -1;
}

/// Selects the rows first..last of a grid, as whole rows.
void SelectRows(GridControl& grid, int first, int last) {
    grid.clearSelection();
    for (int row = first; row <= last; ++row) {
        grid.selectionModel()->select(grid.ViewIndex(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

} // namespace

class TableTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vdtest::TestFrame> frame_;

    CListTableView& Table() { return frame_->View().Table(); }
    GridControl& Grid() { return Table().Grid(); }
    void SelectRows(int first, int last) { ::SelectRows(Grid(), first, last); }
    /// A new document of the model showing its channels.
    void OpenChannels(const std::string& model) {
        frame_ = std::make_unique<vdtest::TestFrame>(model);
        frame_->Select("c0109", "chapter");
    }

private slots:
    void initTestCase() { vdtest::SetUpTestEnvironment(); }
    void cleanup() {
        frame_.reset();
        SetCurrentLanguageCode("ENG");
    }

    void showsTheListInTheCurrentLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("nameHeader");
        QTest::addColumn<QString>("rxHeader");
        QTest::newRow("English") << u"ENG"_s << u"Channel name"_s << u"Receive frequency"_s;
        QTest::newRow("Chinese") << u"CHN"_s << u"信道名称"_s << u"接收频率"_s;
    }
    void showsTheListInTheCurrentLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, nameHeader);
        QFETCH(QString, rxHeader);
        SetCurrentLanguageCode(language.toStdString());
        OpenChannels("GX5");
        QVERIFY(frame_->View().IsTableShown()); // the channels' default view
        const std::vector<std::string> records = vdtest::InUseIds(frame_->Control(), "ChannelName");
        QCOMPARE(Table().RowRecordIds(), records);
        ElementList fields;
        frame_->Control().GetChildElements(records.front(), fields);
        QCOMPARE(Grid().GetColumnCount(), static_cast<int>(fields.size()) + 1);
        QCOMPARE(Grid().GetHeaderText(0), nameHeader);
        // every cell in the grid's display form: names, MHz, choices by their text
        const int rx = ColumnOf(Grid(), rxHeader);
        QVERIFY(rx > 0);
        const std::string stored = fields[static_cast<size_t>(rx - 1)]->inputValue;
        QCOMPARE(Grid().GetItemText(0, rx), FrequencyToDisplay(stored));
        // the filter hides rows on screen only
        Table().FilterBox().setText(Grid().GetItemText(1, 0));
        QCOMPARE(Grid().model()->rowCount(), 1);
        QCOMPARE(Grid().GetRowCount(), static_cast<int>(records.size()));
    }

    void multiRowEditIsOneStepAndRowsFollowTheTree() {
        OpenChannels("GX5");
        const int rows = Grid().GetRowCount();
        const int power = ColumnOf(Grid(), "Power");
        Grid().SetFocusCell(3, power); // the drop-down's entries come with the focus
        const GridCell cell = Grid().GetCell(3, power);
        QVERIFY(cell.kind == CellKind::Combo && cell.choices.size() > 1);
        const QString low = cell.choices.front().text;
        const QString unselected = Grid().GetItemText(1, power);
        QVERIFY(unselected != low);

        SelectRows(2, 5);
        frame_->steps = 0;
        QVERIFY(Grid().CommitEdit(3, power, low, 0));
        QCOMPARE(frame_->steps, 1);
        QCOMPARE(frame_->lastStep, QStringLiteral("Edit Power"));
        QCOMPARE(Grid().GetItemText(1, power), unselected);
        QCOMPARE(Grid().GetItemText(2, power), low);
        QCOMPARE(Grid().GetItemText(5, power), low);
        // a refused value changes no row, and says why
        const int rx = ColumnOf(Grid(), "Receive frequency");
        QVERIFY(!Grid().CommitEdit(3, rx, QStringLiteral("abc")));
        QCOMPARE(frame_->steps, 1);
        QCOMPARE(frame_->messages.texts.size(), 1);
        // insert after nothing selected: the new record ends the list and the tree
        Grid().clearSelection();
        QVERIFY(frame_->View().HandleCommand(ui::ID_NODE_NEW));
        QCOMPARE(Grid().GetRowCount(), rows + 1);
        const std::string created = Table().RowRecordIds().back();
        QVERIFY(frame_->Functions().Tree().RecordItem(created));
        QCOMPARE(frame_->GetDocument().SelectedId(), std::string("c0109")); // the table stays
        // delete two rows after one question
        SelectRows(rows - 1, rows);
        frame_->messages.answer = QMessageBox::Yes;
        QVERIFY(frame_->View().HandleCommand(ui::ID_NODE_DELETE));
        QCOMPARE(frame_->messages.texts.size(), 2);
        QCOMPARE(Grid().GetRowCount(), rows - 1);
        QVERIFY(!frame_->Functions().Tree().RecordItem(created));
        QCOMPARE(frame_->lastStep, QStringLiteral("Delete 2 Rows"));
        // one undo brings both rows back, in the table and in the tree
        QCOMPARE(frame_->GetDocument().Journal().Undo(), std::string("Delete 2 Rows"));
        frame_->SendFrameMessage(ui::WM_VALUES_REPLACED, 0);
        QCOMPARE(Grid().GetRowCount(), rows + 1);
        QVERIFY(frame_->Functions().Tree().RecordItem(created));
    }

    // appending to a full list and which values are skipped: ListRowsTest
    void copyAndPasteBetweenModelsReportWhatIsSkipped() {
        auto source = std::make_unique<vdtest::TestFrame>("GX5");
        source->Select("c0109", "chapter");
        GridControl& from = source->View().Table().Grid();
        const int rx = ColumnOf(from, "Receive frequency");
        QVERIFY(from.CommitEdit(3, rx, QStringLiteral("446.00625")));
        QVERIFY(from.CommitEdit(4, rx, QStringLiteral("150.5")));
        ::SelectRows(from, 3, 4);
        QVERIFY(source->View().HandleCommand(ui::ID_EDIT_COPY));
        const QString names[] = {from.GetItemText(3, 0), from.GetItemText(4, 0)};

        OpenChannels("VS46"); // UHF only, 16 channels
        QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
        const int to = ColumnOf(Grid(), "Receive frequency");
        SelectRows(0, 1);
        QVERIFY(frame_->View().IsCommandEnabled(ui::ID_EDIT_PASTE_OVER));
        QVERIFY(frame_->View().HandleCommand(ui::ID_EDIT_PASTE_OVER));
        QCOMPARE(frame_->steps, 1);
        QCOMPARE(frame_->lastStep, QStringLiteral("Paste 2 Rows"));
        QCOMPARE(Grid().GetItemText(1, 0), names[1]);
        QCOMPARE(Grid().GetItemText(0, to), QStringLiteral("446.006250"));
        // 150.5 MHz is outside the band: skipped and named
        QVERIFY(std::any_of(notices.begin(), notices.end(), [](const QList<QVariant>& notice) {
            return notice.front().toString().contains(u"row 2, rxfreq"_s);
        }));
        QVERIFY(frame_->Functions().Tree().RecordItem(Table().RowRecordIds()[0])->text(0) ==
                names[0]); // the tree follows the pasted names
    }

    // which rows fail and why: the document's CSV tests
    void moveKeepsABlockTogetherAndTheTreeFollows() {
        OpenChannels("GX5");
        std::vector<std::string> order = Table().RowRecordIds();
        SelectRows(4, 5);
        QVERIFY(frame_->View().IsCommandEnabled(ui::ID_MOVE_ROWS_UP));
        QVERIFY(frame_->View().HandleCommand(ui::ID_MOVE_ROWS_DOWN));
        std::rotate(order.begin() + 4, order.begin() + 6, order.begin() + 7);
        QCOMPARE(Table().RowRecordIds(), order);
        QCOMPARE(Table().SelectedRecordIds(),
                 std::vector<std::string>(order.begin() + 5, order.begin() + 7));
        QTreeWidgetItem* list = frame_->Functions().Tree().ChapterItem("c0109");
        for (int i = 0; i < list->childCount(); ++i) {
            QCOMPARE(CFunctionTree::SplitDatum(list->child(i)).first,
                     order[static_cast<size_t>(i)]);
        }
        QCOMPARE(frame_->lastStep, QStringLiteral("Move Rows Down"));
        SelectRows(static_cast<int>(order.size()) - 1, static_cast<int>(order.size()) - 1);
        QVERIFY(!frame_->View().IsCommandEnabled(ui::ID_MOVE_ROWS_DOWN));
    }

    void importIsAllOrNothing() {
        OpenChannels("GX5");
        const std::vector<std::string> before = Table().RowRecordIds();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("list.csv"));
        Table().SetFileChooser(
            [&](QWidget*, bool save, const QString&) { return save ? QString() : path; });
        const auto import = [&](const QByteArray& text) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
            file.close();
            frame_->messages.texts.clear();
            QVERIFY(frame_->View().HandleCommand(ui::ID_IMPORT_LIST));
        };
        frame_->messages.answer = QMessageBox::Yes; // replace the list
        import("Channel name,Receive frequency\nA,146.52\nB,abc\n");
        QCOMPARE(frame_->messages.texts.size(), 2); // the question, then the failures
        QCOMPARE(frame_->steps, 0);
        QCOMPARE(Table().RowRecordIds(), before);

        frame_->messages.answer = QMessageBox::No; // add after the records
        import("Channel name,Receive frequency\nA,146.52\nB,440.1\n");
        QCOMPARE(frame_->steps, 1);
        QCOMPARE(frame_->lastStep, QStringLiteral("Import List"));
        QCOMPARE(Grid().GetRowCount(), static_cast<int>(before.size()) + 2);
        QCOMPARE(Grid().GetItemText(Grid().GetRowCount() - 1, 1), QStringLiteral("440.100000"));
    }

    void sortListReordersTheRecordsByTheChosenColumn() {
        OpenChannels("GX5");
        const int rx = ColumnOf(Grid(), "Receive frequency");
        QVERIFY(Grid().CommitEdit(5, rx, QStringLiteral("519")));
        QTimer::singleShot(0, [rx] {
            auto* dialog = qobject_cast<SortListDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->SetChoice(rx, false);
            dialog->accept();
        });
        QVERIFY(frame_->View().HandleCommand(ui::ID_SORT_LIST));
        QCOMPARE(frame_->lastStep, QStringLiteral("Sort List"));
        // the order itself: ListRowsTest; the table shows it, the highest after the VFOs
        QCOMPARE(Grid().GetItemText(3, rx), QStringLiteral("519.000000"));
    }
    void viewChoiceIsRememberedPerList() {
        frame_ = std::make_unique<vdtest::TestFrame>("GX5");
        frame_->Select("c0104", "chapter"); // zones: the name grid until chosen otherwise
        QVERIFY(!frame_->View().IsTableShown());
        QVERIFY(frame_->View().HandleCommand(ui::ID_VIEW_TABLE));
        frame_ = std::make_unique<vdtest::TestFrame>("GX5");
        frame_->Select("c0104", "chapter");
        QVERIFY(frame_->View().IsTableShown());
        frame_->View().HandleCommand(ui::ID_VIEW_NAME_GRID);
        QVERIFY(!frame_->View().IsTableShown());
        frame_->Select("c0103", "chapter"); // settings: no list, no table
        QVERIFY(!frame_->View().IsCommandEnabled(ui::ID_VIEW_TABLE));
        QVERIFY(!frame_->View().IsTableShown());
    }
};

QTEST_MAIN(TableTest)
#include "TableTest.moc"
