#include "cli/CliSupport.h"
#include "document/BackupStore.h"
#include "document/ImageFile.h"
#include "document/ProjectDiff.h"
#include "model/Exceptions.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace vd::cli {

namespace {

struct DiffOptions {
    std::string before;
    std::string after;
    std::string model;
};

bool IsImageFile(const std::string& path) {
    return std::filesystem::path(path).extension() == ".bin";
}

/// One side of the comparison: a project, or an image decoded with the model it is known by.
std::unique_ptr<HamCpsControl> OpenSide(const std::string& path, const std::string& model) {
    if (!IsImageFile(path)) {
        return OpenProjectOrThrow(path);
    }
    if (model.empty()) {
        throw CliError(kUsageError, path + ": the image's model is not known; give --model");
    }
    ByteVector image;
    try {
        image = ReadImageFile(path);
    } catch (const ValdrenCpsException& e) {
        throw CliError(kDataError, e.what());
    }
    std::unique_ptr<HamCpsControl> control = DecodeImage(model, image);
    if (!control) {
        throw CliError(kDataError, path + ": not an image of the " + model);
    }
    return control;
}

/// The model an image side is read as: --model, else its file name, else the other side's.
std::string ImageModel(const std::string& given, const std::string& path, HamCpsControl* other) {
    if (!given.empty()) {
        return given;
    }
    const std::string named = BackupStore::ModelOfFileName(path);
    if (!named.empty()) {
        return named;
    }
    return other ? other->GetModelName() : std::string();
}

} // namespace

void AddDiffCommand(CLI::App& app) {
    auto options = std::make_shared<DiffOptions>();
    CLI::App* command = app.add_subcommand(
        "diff", "Show what differs between two projects or images, value by value.");
    command->add_option("A", options->before, "Project (.vdcps) or raw image (.bin)")
        ->required()
        ->check(CLI::ExistingFile);
    command->add_option("B", options->after, "Project (.vdcps) or raw image (.bin)")
        ->required()
        ->check(CLI::ExistingFile);
    command->add_option("--model", options->model,
                        "Model of the raw images (default: from the file name or the other side)");
    command->footer(
        "One line per difference, SELECTOR: OLD -> NEW with the selectors of 'vdcps get' and the "
        "values as the desktop program shows them; + RECORD and - RECORD for a record in use on "
        "one side only. Exit status 0 when equal, 1 when different, 2 or more on errors.\n\n"
        "Example:\n  vdcps diff backups/GX5-20240131-154501.bin my-radio.vdcps");
    command->callback([options] {
        std::unique_ptr<HamCpsControl> before;
        std::unique_ptr<HamCpsControl> after;
        // a project names its model, so it is opened first to tell an image's
        if (IsImageFile(options->before) && !IsImageFile(options->after)) {
            after = OpenSide(options->after, "");
            before =
                OpenSide(options->before, ImageModel(options->model, options->before, after.get()));
        } else {
            before =
                OpenSide(options->before, ImageModel(options->model, options->before, nullptr));
            after =
                OpenSide(options->after, ImageModel(options->model, options->after, before.get()));
        }
        if (before->GetModelName() != after->GetModelName()) {
            throw CliError(kDataError, "A is a " + before->GetModelName() + " configuration, B a " +
                                           after->GetModelName() + " one: they cannot be compared");
        }
        const std::vector<Difference> differences = CompareConfigurations(*before, *after);
        for (const Difference& difference : differences) {
            std::cout << FormatDifference(difference) << '\n';
        }
        std::cout.flush();
        if (!differences.empty()) {
            throw CliError(kDifferent, "");
        }
    });
}

} // namespace vd::cli
