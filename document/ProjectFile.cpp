#include "document/ProjectFile.h"

#include "app/ModelRegistry.h"
#include "model/Exceptions.h"
#include "model/xml/XmlText.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <filesystem>
#include <fmt/format.h>
#include <pugixml.hpp>

namespace vd {

std::unique_ptr<HamCpsControl> ProjectFile::New(const std::string& modelName, std::string* error) {
    std::unique_ptr<HamCpsControl> control = ModelRegistry::CreateControl(modelName);
    if (!control) {
        if (error) {
            *error = "unknown model: " + modelName;
        }
        return nullptr;
    }
    try {
        if (!control->ResetToTemplate()) {
            if (error) {
                *error = control->GetTemplatePath() + " load failed!";
            }
            return nullptr;
        }
    } catch (const ValdrenCpsException& e) {
        if (error) {
            *error = e.what();
        }
        return nullptr;
    }
    return control;
}

std::unique_ptr<HamCpsControl> ProjectFile::Open(const std::string& path, std::string* error) {
    auto fail = [error](const std::string& reason) {
        if (error) {
            *error = reason;
        }
        return nullptr;
    };
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(
        path.c_str(), pugi::parse_default | pugi::parse_comments | pugi::parse_declaration);
    if (!parsed) {
        return fail(fmt::format("not well-formed XML ({} at byte {})", parsed.description(),
                                parsed.offset));
    }
    if (boost::algorithm::to_lower_copy(std::filesystem::path(path).extension().string()) ==
        ".ysht") {
        return fail("a template, not a project");
    }
    if (std::string problem = XmlDocumentProblem(document); !problem.empty()) {
        return fail(problem);
    }
    pugi::xml_node root = document.document_element();
    pugi::xml_node chapters = root.child("chapters");
    if (std::string(chapters.attribute("type").value()) == "template") {
        return fail("a template, not a project");
    }
    // a file of the right root but without the model's content is not a project
    if (!chapters || !root.child("elements")) {
        return fail("no chapters and elements: not a project");
    }
    const std::string modelName = ModelRegistry::ModelNameForIdentifier(root.name());
    if (modelName.empty()) {
        return fail(fmt::format("the root element <{}> names no known model", root.name()));
    }
    std::unique_ptr<HamCpsControl> control = ModelRegistry::CreateControl(modelName);
    if (!control || !control->Load(path, "")) {
        return fail("the project could not be loaded");
    }
    return control;
}

bool ProjectFile::Save(HamCpsControl& control, const std::string& path) {
    return control.Save(path);
}

} // namespace vd
