#include "cli/CliSupport.h"
#include "cli/Selector.h"
#include "document/FieldDescription.h"

#include <fmt/format.h>
#include <iostream>
#include <map>
#include <memory>

namespace vd::cli {

namespace {

struct FieldsOptions {
    std::string path;
    std::string record;
};

} // namespace

void AddFieldsCommand(CLI::App& app) {
    auto options = std::make_shared<FieldsOptions>();
    CLI::App* command = app.add_subcommand(
        "fields", "List a record's fields: the name get/set use, text, value, what it takes.");
    command->add_option("FILE", options->path, "Project file (.vdcps)")->required();
    command->add_option("RECORD", options->record, "Record id, unique name or the name it shows")
        ->required();
    command->footer("One line a field, separated by tabs: NAME (with [index] where a name "
                    "repeats), display text, value, what it accepts.\n\nExample:\n  vdcps fields "
                    "my-radio.vdcps VFO-A");
    command->callback([options] {
        std::unique_ptr<HamCpsControl> control = OpenProjectOrThrow(options->path);
        const ElementPtr record = ResolveRecord(*control, options->record);
        ElementList fields;
        control->GetChildElements(record->id, fields);
        if (fields.empty()) {
            fields.push_back(record); // a setting: the element itself
        }
        std::map<std::string, int> seen;
        for (const ElementPtr& field : fields) {
            const int index = seen[field->name]++;
            std::string name = field->name;
            if (index > 0 || std::count_if(fields.begin(), fields.end(), [&](const ElementPtr& f) {
                                 return f->name == field->name;
                             }) > 1) {
                name += fmt::format("[{}]", index);
            }
            std::cout << fmt::format("{}\t{}\t{}\t{}\n", name, field->text, field->inputValue,
                                     DescribeAccepted(*control, *field));
        }
    });
}

} // namespace vd::cli
