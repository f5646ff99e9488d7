// The function tree and the shortlist pane of a document window.
#include "ViewTestSupport.h"

#include "app/StringTable.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/panes/ShortlistState.h"
#include "ui/view/CValdrenCpsView.h"

#include <QtTest>

using namespace vd;

class PanesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vdtest::TestFrame> frame_;

    void Open(const std::string& model) { frame_ = std::make_unique<vdtest::TestFrame>(model); }
    CFunctionTree& Tree() { return frame_->Functions().Tree(); }
    CShortlistPane& Shortlist() { return frame_->Shortlist(); }
    std::vector<std::string> Members(const std::string& recordId) {
        return vdtest::Members(frame_->Control(), recordId);
    }

private slots:
    void cleanup() { frame_.reset(); }

    void treeFollowsTheTemplateChapters() {
        Open(vdtest::kFixtureModel);
        QVERIFY(Tree().topLevelItem(0)->isExpanded());
        // hidden chapter: neither it nor the chapter below it with its own flag set
        QVERIFY(!Tree().ChapterItem("c0105"));
        QVERIFY(!Tree().ChapterItem("c010501"));
        // a list of free slots only: no children and no expand mark
        QCOMPARE(Tree().ChapterItem("c0104")->childIndicatorPolicy(),
                 QTreeWidgetItem::DontShowIndicatorWhenChildless);
        // records shown by their current value, free records left out
        QTreeWidgetItem* channels = Tree().ChapterItem("c0109");
        QCOMPARE(channels->childCount(), 3);
        QCOMPARE(channels->child(1)->text(0), QStringLiteral("CH1"));
        QCOMPARE(CFunctionTree::SplitDatum(channels->child(1)).first, std::string("e01090003"));
        // the first leaf was selected and reached the document and the view
        QCOMPARE(frame_->GetDocument().SelectedId(), std::string("c0101"));
        QCOMPARE(frame_->View().Grid().GetItemText(0, 1), QStringLiteral("Beep"));
    }

    void treeIsRebuiltOnALanguageChangeKeepingSelectionAndClosedChapters() {
        Open(vdtest::kFixtureModel);
        Tree().setCurrentItem(Tree().RecordItem("e01090004"));
        QCOMPARE(frame_->GetDocument().SelectedId(), std::string("e01090004"));
        Tree().ChapterItem("c0110")->setExpanded(false);
        const QString scans = Tree().ChapterItem("c0110")->text(0);
        frame_->SendFrameMessage(ui::WM_LANGUAGE_CHANGED, 0);
        QCOMPARE(frame_->GetDocument().SelectedId(), std::string("e01090004"));
        QVERIFY(Tree().currentItem() && Tree().currentItem() == Tree().RecordItem("e01090004"));
        QCOMPARE(Tree().ChapterItem("c0110")->text(0), scans);
        QVERIFY(!Tree().ChapterItem("c0110")->isExpanded());
    }

    void shortlistOfARecordShowsCandidatesAndMembers() {
        Open(vdtest::kFixtureModel);
        frame_->Select("e01100002", "element");
        QVERIFY(Shortlist().IsEditing());
        // VFO-A is no memory channel; CH1 and CH2 are members already
        QCOMPARE(Shortlist().CandidateGrid().GetRowCount(), 0);
        QCOMPARE(Shortlist().MemberGrid().GetRowCount(), 2);
        QCOMPARE(Shortlist().MemberGrid().GetItemText(0, 0), QStringLiteral("CH1"));
        QCOMPARE(Shortlist().MemberGrid().GetItemText(0, 1), QStringLiteral("1")); // its number
        // the view's count of members is edited here only, and follows the frame's message
        const CellId count = vdtest::FindValueCell(frame_->View().Grid(), "Channel");
        QVERIFY(!frame_->View().Grid().GetCell(count.row, count.column).editable);

        Shortlist().MemberGrid().SetFocusCell(1, 0);
        Shortlist().UnselectOne();
        QCOMPARE(Members("e01100002"), std::vector<std::string>({"e01090003"}));
        QCOMPARE(Shortlist().CandidateGrid().GetItemText(0, 0), QStringLiteral("CH2"));
        frame_->DeliverPosted();
        QCOMPARE(frame_->Shown("Channel"), QStringLiteral("1"));

        Shortlist().UnselectAll();
        QCOMPARE(Members("e01100002"), std::vector<std::string>({""}));
        QVERIFY(frame_->modified);

        Shortlist().SelectAll();
        QCOMPARE(Members("e01100002"), std::vector<std::string>({"e01090003", "e01090004"}));
        frame_->DeliverPosted();
        QCOMPARE(frame_->Shown("Channel"), QStringLiteral("2"));
        // All Channel is for a power-up zone only
        Shortlist().AllChannel();
        QCOMPARE(frame_->messages.texts,
                 QStringList({QString::fromStdString(LoadString(IDS_POWER_ON_ZONE_ONLY))}));
        QCOMPARE(Members("e01100002"), std::vector<std::string>({"e01090003", "e01090004"}));

        // a member moves within the bounds (the order rules: ShortlistState below)
        Shortlist().MemberGrid().clearSelection();
        Shortlist().MemberGrid().SetFocusCell(1, 0);
        Shortlist().MoveMember(-1);
        Shortlist().MoveMember(-1); // already first
        QCOMPARE(Members("e01100002"), std::vector<std::string>({"e01090004", "e01090003"}));
        QCOMPARE(Shortlist().MemberGrid().GetItemText(0, 0), QStringLiteral("CH2"));
        // a node without a member list leaves nothing to edit
        frame_->Select("c0101", "chapter");
        QVERIFY(!Shortlist().IsEditing());
    }

    void selectAllStopsAtTheMaximumWithTheMessage() {
        Open(vdtest::kGx5TestModel);
        // Zone1 holds CH1..CH13 of the sixteen channels: room for three more
        const std::vector<std::string> channels =
            vdtest::InUseIds(frame_->Control(), "ChannelName");
        const std::vector<std::string> thirteen(channels.begin() + 3, channels.begin() + 16);
        QVERIFY(frame_->Control().SetFieldValue("e01040002", "Channel", thirteen));
        // one more channel than there is room for
        QVERIFY(frame_->Control().SetInputValue("e01090002", "", "CH0", true));
        frame_->Select("e01040002", "element");
        QCOMPARE(Shortlist().MemberGrid().GetRowCount(), 13);
        QCOMPARE(Shortlist().CandidateGrid().GetRowCount(), 4);
        Shortlist().SelectAll();
        QCOMPARE(Members("e01040002").size(), size_t(16));
        QCOMPARE(frame_->messages.texts,
                 QStringList({QString::fromStdString(LoadString(IDS_MAXIMUM_EXCEEDED))
                                  .replace(QLatin1String("%s"), "Channel")}));
        QCOMPARE(Shortlist().CandidateGrid().GetRowCount(), 1);
        QCOMPARE(Shortlist().CandidateGrid().GetItemText(0, 0), QStringLiteral("CH16"));
        // a double-click into a full list obeys the same maximum
        Shortlist().CandidateGrid().doubleClicked(Shortlist().CandidateGrid().model()->index(0, 0));
        QCOMPARE(frame_->messages.texts.size(), 2);
        QCOMPARE(Members("e01040002").size(), size_t(16));
    }

    void allChannelOnAPowerUpZoneReference() {
        Open(vdtest::kGx5TestModel);
        frame_->Test()->readOnlyKeys.insert("e01070004_home1PwrupZoneIndex");
        frame_->Select("c0107", "chapter");
        CGrid2& grid = frame_->View().Grid();
        const CellId zone = vdtest::FindValueCell(grid, "home1PwrupZoneIndex");
        grid.SetFocusCell(zone.row, zone.column);
        QVERIFY(Shortlist().IsEditing());
        QCOMPARE(Shortlist().MemberGrid().GetItemText(0, 0), QStringLiteral("Zone1"));
        // a membership the model refuses is put back
        Shortlist().AllChannel();
        QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01070004"), std::string("e01040002"));
        QCOMPARE(Shortlist().MemberGrid().GetItemText(0, 0), QStringLiteral("Zone1"));
        QVERIFY(frame_->posted.empty());
        QVERIFY(!frame_->modified);

        frame_->Test()->readOnlyKeys.clear();
        frame_->messages.texts.clear();
        Shortlist().AllChannel();
        QVERIFY(frame_->messages.texts.isEmpty());
        QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01070004"), std::string("0x0FFF"));
        QCOMPARE(Shortlist().MemberGrid().GetItemText(0, 0), QStringLiteral("AllChannel"));
        frame_->DeliverPosted();
        QCOMPARE(grid.GetItemText(zone.row, zone.column), QStringLiteral("AllChannel"));

        // moving to a cell that is no zone reference leaves nothing to edit
        const CellId channel = vdtest::FindValueCell(grid, "home1PwrupChnl");
        grid.SetFocusCell(channel.row, channel.column);
        QVERIFY(!Shortlist().IsEditing());
    }

    void shortlistStateKeepsListOrder() {
        ShortlistState state;
        state.Reset({{"a", "A"}, {"b", "B"}, {"c", "C"}, {"d", "D"}}, {{"c", "C"}}, 3);
        QCOMPARE(state.Candidates().size(), size_t(3));
        const SelectResult result = state.Select({2, 0, 1});
        QCOMPARE(result.moved, 2);
        QVERIFY(result.stoppedAtMaximum);
        QCOMPARE(state.MemberIds(), std::vector<std::string>({"c", "a", "b"}));
        QCOMPARE(state.Unselect({0, 2, 7}), 2);
        QCOMPARE(state.MemberIds(), std::vector<std::string>({"a"}));
        QCOMPARE(state.Candidates().front().id, std::string("b"));
    }
};

QTEST_MAIN(PanesTest)
#include "PanesTest.moc"
