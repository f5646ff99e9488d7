// How long the document window takes to build its function tree and to show the channel
// list (as the name grid and as the table), one channel and one zone with its shortlist, on a GX5
// project at full capacity (1027 channels, 64 zones of 16 members, 64 scan lists of 16), and how
// much memory the process holds with that project open.
#include "document/CValdrenCpsDoc.h"
#include "model/CommonCpsControl.h"
#include "ui/frames/CChildFrame.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/table/CListTableView.h"
#include "ui/table/ListViewChoice.h"
#include "ui/view/CValdrenCpsView.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr size_t kChannels = 1027;
constexpr size_t kZones = 64;
constexpr size_t kScanLists = 64;
constexpr size_t kMembers = 16;
constexpr size_t kVfos = 3;

/// One document window holding the full project.
struct FullProject {
    FullProject() : frame(nullptr) {
        frame.resize(1280, 800);
        if (!frame.GetDocument().NewDocument("GX5", "")) {
            throw std::runtime_error("the GX5 template cannot be loaded");
        }
        auto& control = dynamic_cast<vd::CommonCpsControl&>(*frame.GetDocument().Control());
        control.ResizeRecordList("ChannelName", kChannels, channelIds);
        for (size_t i = kVfos; i < channelIds.size(); ++i) {
            control.SetInputValue(channelIds[i], "", "CH" + std::to_string(i - kVfos + 1), true);
        }
        Fill(control, "ZoneName", kZones, zoneIds);
        Fill(control, "ScanName", kScanLists, scanIds);
        frame.InitialUpdate();
    }

    /// Resizes a member list to count records of 16 channels each, VFOs left out.
    void Fill(vd::CommonCpsControl& control, const char* name, size_t count,
              std::vector<std::string>& ids) {
        control.ResizeRecordList(name, count, ids);
        const size_t memories = channelIds.size() - kVfos;
        for (size_t r = 0; r < ids.size(); ++r) {
            std::vector<std::string> members;
            for (size_t m = 0; m < kMembers; ++m) {
                members.push_back(channelIds[kVfos + (r * kMembers + m) % memories]);
            }
            control.SetFieldValue(ids[r], "Channel", members);
        }
    }

    vd::CValdrenCpsDoc& Document() { return frame.GetDocument(); }

    vd::CChildFrame frame;
    std::vector<std::string> channelIds;
    std::vector<std::string> zoneIds;
    std::vector<std::string> scanIds;
};

FullProject* project = nullptr;

void BM_BuildFunctionTree(benchmark::State& state) {
    for (auto _ : state) {
        project->frame.FunctionPane()->FillTree(); // also shows the first leaf
    }
}
BENCHMARK(BM_BuildFunctionTree)->Unit(benchmark::kMillisecond);

void BM_ShowChannelList(benchmark::State& state) {
    vd::ChooseTable("Channel", false);
    for (auto _ : state) {
        project->Document().SetSelection("c0109", "chapter");
    }
}
BENCHMARK(BM_ShowChannelList)->Unit(benchmark::kMillisecond);

void BM_ShowChannelTable(benchmark::State& state) {
    vd::ChooseTable("Channel", true);
    for (auto _ : state) {
        project->Document().SetSelection("c0109", "chapter");
    }
    auto* view = dynamic_cast<vd::CValdrenCpsView*>(project->frame.DocumentView());
    if (!view || !view->IsTableShown() || view->Table().RowRecordIds().size() != kChannels) {
        state.SkipWithError("the channel table was not shown with every channel");
    }
    vd::ChooseTable("Channel", false);
}
BENCHMARK(BM_ShowChannelTable)->Unit(benchmark::kMillisecond);

void BM_ShowOneChannel(benchmark::State& state) {
    for (auto _ : state) {
        project->Document().SetSelection(project->channelIds[500], "element");
    }
}
BENCHMARK(BM_ShowOneChannel)->Unit(benchmark::kMillisecond);

void BM_ShowZoneWithShortlist(benchmark::State& state) {
    for (auto _ : state) {
        project->Document().SetSelection(project->zoneIds[10], "element");
    }
    if (!project->frame.ShortlistPane()->IsEditing()) {
        state.SkipWithError("the zone's shortlist was not set up");
    }
}
BENCHMARK(BM_ShowZoneWithShortlist)->Unit(benchmark::kMillisecond);

/// The process's resident memory in kB (VmRSS of /proc/self/status), or -1.
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kilobytes = -1;
            status >> kilobytes;
            return kilobytes;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("VALDREN_CPS_TEMPLATE_DIR", VALDREN_BENCH_TEMPLATE_DIR, 0);
    QTemporaryDir folder;
    setenv("VALDREN_CPS_INI", (folder.path() + "/cps.ini").toLocal8Bit().constData(), 0);
    QApplication application(argc, argv);
    // the view chosen per list goes to the benchmark's own settings
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());

    benchmark::Initialize(&argc, argv);
    FullProject full;
    project = &full;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // with the project open and every kind of node shown once
    full.Document().SetSelection("c0109", "chapter");
    full.Document().SetSelection(full.zoneIds[10], "element");
    const long kilobytes = ResidentKilobytes();
    std::printf("Resident memory with the full GX5 project open: %.1f MB (target under 150 MB)\n",
                static_cast<double>(kilobytes) / 1024.0);
    std::printf("Targets: each operation above under 300 ms, the channel table under 200 ms\n");
    project = nullptr;
    return 0;
}
