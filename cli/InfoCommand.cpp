#include "cli/CliSupport.h"

#include <fmt/format.h>
#include <iostream>
#include <memory>

namespace vd::cli {

namespace {

/// Prints one line for every list chapter below parentId: record name, in use, capacity.
void PrintLists(HamCpsControl& control, const std::string& parentId) {
    std::vector<HamCpsChapter> chapters;
    control.GetChapters(parentId, chapters);
    for (const HamCpsChapter& chapter : chapters) {
        ElementList records;
        if (control.GetNodeKind(chapter.id, "chapter") == 322 &&
            control.FindFreeRecord(chapter.id, records)) {
            const std::string recordName = records.front()->name;
            ElementList elements;
            control.GetElements(chapter.id, elements);
            int inUse = 0;
            for (const ElementPtr& element : elements) {
                inUse += element->controlType != 0 ? 1 : 0;
            }
            const int capacity = control.GetCapacity(recordName);
            std::cout << fmt::format("  {:<16} {:>5} / {:<5} {}\n", recordName, inUse,
                                     capacity < 0 ? std::string("-") : std::to_string(capacity),
                                     chapter.text);
        }
        PrintLists(control, chapter.id);
    }
}

} // namespace

void AddInfoCommand(CLI::App& app) {
    auto path = std::make_shared<std::string>();
    CLI::App* command =
        app.add_subcommand("info", "Show a project's model and the fill of its lists.");
    command->add_option("FILE", *path, "Project file (.vdcps)")->required();
    command->footer("Example:\n  vdcps info my-radio.vdcps");
    command->callback([path] {
        std::unique_ptr<HamCpsControl> control = OpenProjectOrThrow(*path);
        std::cout << "model: " << control->GetModelName() << '\n';
        std::cout << "lists: record name, in use / capacity\n";
        PrintLists(*control, "");
    });
}

} // namespace vd::cli
