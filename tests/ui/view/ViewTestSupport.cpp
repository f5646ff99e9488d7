#include "ViewTestSupport.h"
#include "tests/support/TempDir.h"

#include "app/AppPaths.h"
#include "app/ModelRegistry.h"
#include "model/Exceptions.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/view/CValdrenCpsView.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTimer>

namespace vdtest {

namespace {

std::unique_ptr<vd::HamCpsControl> MakeGx5TestControl(const std::string& modelName) {
    return std::make_unique<TestControl>(modelName, "GX5v001",
                                         vd::AppPaths::TemplatePath("gx5_v001.ysht"),
                                         std::map<std::string, int>{{"ChannelName", 1027},
                                                                    {"ScanName", 64},
                                                                    {"ZoneName", 64},
                                                                    {"EmergencyName", 8},
                                                                    {"fmName", 32},
                                                                    {"noaaName", 12},
                                                                    {"dtmfSystem", 4}});
}

std::unique_ptr<vd::HamCpsControl> MakeFixtureControl(const std::string& modelName) {
    return std::make_unique<TestControl>(
        modelName, "VIEWFIX", std::string(VIEW_TEST_DATA) + "/view_fixture.ysht",
        std::map<std::string, int>{{"ChannelName", 4}, {"ScanName", 2}, {"ZoneName", 2}});
}

} // namespace

void SetUpTestEnvironment() {
    static const TempDir folder;
    static const bool registered = [] {
        qputenv("VALDREN_CPS_INI", QByteArray::fromStdString(folder.file("cps.ini").string()));
        // the view chosen per list goes to the test's own settings
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(folder.path().string()));
        vd::ModelRegistry::RegisterModel(kGx5TestModel, MakeGx5TestControl);
        vd::ModelRegistry::RegisterModel(kFixtureModel, MakeFixtureControl);
        return true;
    }();
    (void)registered;
}

vd::MessageBoxFn MessageLog::Recorder() {
    return [this](QWidget*, const QString& text, vd::MessageStyle,
                  QMessageBox::StandardButtons buttons) {
        texts.push_back(text);
        return buttons.testFlag(answer) ? answer : QMessageBox::Ok;
    };
}

TestFrame::TestFrame(const std::string& modelName) : document_(ui_) {
    SetUpTestEnvironment();
    ui_.chooserAccepts = false;
    ui_.confirm = false;
    if (!document_.NewDocument(modelName, "")) {
        throw std::runtime_error("the test document of " + modelName + " cannot be made");
    }
    functionPane_ = new vd::CFunctionPane(*this);
    shortlist_ = new vd::CShortlistPane(*this);
    view_ = new vd::CValdrenCpsView(*this);
    view_->SetMessageBox(messages.Recorder());
    shortlist_->SetMessageBox(messages.Recorder());
    document_.onSelectionChanged = [this] {
        if (view_) {
            view_->ShowSelectedNode();
        }
    };
    functionPane_->FillTree();
}

TestFrame::~TestFrame() {
    document_.onSelectionChanged = nullptr;
    delete view_.data();
    delete shortlist_.data();
    delete functionPane_.data();
}

vd::IDocumentView* TestFrame::DocumentView() {
    return view_.data();
}

void TestFrame::Subscribe(int message, QObject* window) {
    subscribers_[message].emplace_back(window);
}

void TestFrame::PostFrameMessage(int message, quint32 param) {
    posted.emplace_back(message, param);
    QTimer::singleShot(0, view_.data(),
                       [this, message, param] { SendFrameMessage(message, param); });
}

void TestFrame::SendFrameMessage(int message, quint32 param) {
    if (message == vd::ui::WM_REBUILD_TREE) {
        functionPane_->FillTree();
        return;
    }
    for (const QPointer<QObject>& window : subscribers_[message]) {
        if (auto* sink = dynamic_cast<vd::IFrameMessageSink*>(window.data())) {
            sink->OnFrameMessage(message, param);
        }
    }
}

void TestFrame::NavigateTree(int command) {
    functionPane_->Navigate(command);
}

void TestFrame::Select(const std::string& id, const std::string& kind) {
    vd::CFunctionTree& tree = functionPane_->Tree();
    QTreeWidgetItem* item = kind == "element" ? tree.RecordItem(id) : tree.ChapterItem(id);
    if (item && tree.currentItem() != item) {
        tree.setCurrentItem(item); // the tree passes the selection on, as for a click
    } else {
        document_.SetSelection(id, kind);
    }
}

void TestFrame::DeliverPosted() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool TestFrame::Type(const std::string& name, const QString& text, int chosen) {
    vd::CGrid2& grid = view_->Grid();
    const vd::CellId cell = FindValueCell(grid, name);
    grid.SetFocusCell(cell.row, cell.column);
    return grid.CommitEdit(cell.row, cell.column, text, chosen);
}

QString TestFrame::Shown(const std::string& name) {
    const vd::CellId cell = FindValueCell(view_->Grid(), name);
    return view_->Grid().GetItemText(cell.row, cell.column);
}

vd::CellId FindValueCell(const vd::GridControl& grid, const std::string& name) {
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        for (int column = 0; column < grid.GetColumnCount(); ++column) {
            const vd::ElementPtr element = grid.GetItemElement(row, column);
            if (element && element->name == name) {
                return {row, column};
            }
        }
    }
    return {};
}

std::string StoredValue(vd::HamCpsControl& control, const std::string& id) {
    std::unique_ptr<vd::HamCpsElement> element = control.GetElement(id);
    return element ? element->inputValue : std::string("<missing>");
}

} // namespace vdtest
