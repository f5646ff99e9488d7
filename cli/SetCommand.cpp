#include "cli/CliSupport.h"
#include "cli/ProblemOutput.h"
#include "cli/Selector.h"
#include "document/BandChange.h"
#include "document/DisplayInput.h"
#include "document/ElementEdit.h"

#include <iostream>
#include <memory>

namespace vd::cli {

namespace {

struct SetOptions {
    std::string path;
    std::vector<std::string> assignments;
    bool force = false;
};

} // namespace

void AddSetCommand(CLI::App& app) {
    auto options = std::make_shared<SetOptions>();
    CLI::App* command =
        app.add_subcommand("set", "Change values of a project and save it (all or nothing).");
    command->add_option("FILE", options->path, "Project file (.vdcps)")->required();
    command
        ->add_option("ASSIGNMENT", options->assignments,
                     "SELECTOR=VALUE (see 'vdcps get --help' for selectors)")
        ->required();
    command->add_flag("--force", options->force, "Also change elements the radio keeps read-only");
    command->footer("Values are given as the radio keeps them (frequencies in Hz, choices by "
                    "their number, check boxes as 1 or empty) or as the desktop program shows "
                    "them: a frequency with a decimal point is in MHz, a choice may be given by "
                    "its text, a reference by the record's name or None, a check box as On or "
                    "Off.\n\nExample:\n  vdcps set my-radio.vdcps radioName=Base "
                    "VFO-A/RxFrequency=446.00625 CH1/ChannelPower=High");
    command->callback([options] {
        std::unique_ptr<HamCpsControl> control = OpenProjectOrThrow(options->path);
        const std::vector<Problem> before = CheckProject(*control);
        for (const std::string& assignment : options->assignments) {
            const size_t equals = assignment.find('=');
            if (equals == std::string::npos) {
                throw CliError(kUsageError, "'" + assignment + "' is not SELECTOR=VALUE");
            }
            ElementPtr element = ResolveSelector(*control, assignment.substr(0, equals));
            const StoredInput input =
                StoredFromDisplay(*control, *element, assignment.substr(equals + 1));
            if (!input.stored) {
                throw CliError(kDataError, input.error + "; nothing was saved");
            }
            const std::string& value = *input.stored;
            const std::optional<BandChange> band = PlanBandChange(*control, *element, value);
            EditResult result = SetElementValue(*control, *element, value, options->force);
            if (!result.stored) {
                throw CliError(kDataError, result.error + "; nothing was saved");
            }
            for (const MovedFrequency& move :
                 band ? MovedAfterChange(*control, *band) : std::vector<MovedFrequency>()) {
                std::cout << "moved " << DescribeMove(move) << "\n";
            }
        }
        SaveProjectOrThrow(*control, options->path);
        // what the change broke elsewhere (a power-up channel left outside its zone, ...)
        PrintProblemLines(std::cerr, NewProblems(before, CheckProject(*control)));
    });
}

} // namespace vd::cli
