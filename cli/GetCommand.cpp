#include "cli/CliSupport.h"
#include "cli/Selector.h"
#include "document/DisplayValue.h"

#include <iostream>
#include <memory>

namespace vd::cli {

namespace {

struct GetOptions {
    std::string path;
    std::vector<std::string> selectors;
    bool display = false;
};

} // namespace

void AddGetCommand(CLI::App& app) {
    auto options = std::make_shared<GetOptions>();
    CLI::App* command = app.add_subcommand("get", "Print values of a project, one a line.");
    command->add_option("FILE", options->path, "Project file (.vdcps)")->required();
    command
        ->add_option("SELECTOR", options->selectors,
                     "Element id, unique element name, or RECORD/FIELD[index]")
        ->required();
    command->add_flag("--display", options->display,
                      "Print values as the desktop program shows them (MHz, choice texts, "
                      "record names)");
    command->footer("Selectors name an element id (e01030004), the name of a setting that only "
                    "one element has (radioName), or a record's field as RECORD/FIELD where "
                    "RECORD is the record's id or the name it shows (VFO-A/RxFrequency, "
                    "e01040002/Channel[1]).\n\nExample:\n  vdcps get --display my-radio.vdcps "
                    "radioName VFO-A/RxFrequency");
    command->callback([options] {
        std::unique_ptr<HamCpsControl> control = OpenProjectOrThrow(options->path);
        for (const std::string& selector : options->selectors) {
            const ElementPtr element = ResolveSelector(*control, selector);
            std::cout << (options->display ? DisplayValue(*control, *element) : element->inputValue)
                      << '\n';
        }
    });
}

} // namespace vd::cli
