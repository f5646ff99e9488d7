#include "document/ProjectFile.h"

#include "app/ModelRegistry.h"
#include "model/Exceptions.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <filesystem>
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

std::unique_ptr<HamCpsControl> ProjectFile::Open(const std::string& path) {
    pugi::xml_document document;
    if (!document.load_file(path.c_str(),
                            pugi::parse_default | pugi::parse_comments | pugi::parse_declaration)) {
        return nullptr;
    }
    if (boost::algorithm::to_lower_copy(std::filesystem::path(path).extension().string()) ==
        ".ysht") {
        return nullptr;
    }
    pugi::xml_node root = document.document_element();
    pugi::xml_node chapters = root.child("chapters");
    if (std::string(chapters.attribute("type").value()) == "template") {
        return nullptr;
    }
    // a file of the right root but without the model's content is not a project
    if (!chapters || !root.child("elements")) {
        return nullptr;
    }
    const std::string modelName = ModelRegistry::ModelNameForIdentifier(root.name());
    if (modelName.empty()) {
        return nullptr;
    }
    std::unique_ptr<HamCpsControl> control = ModelRegistry::CreateControl(modelName);
    if (!control || !control->Load(path, "")) {
        return nullptr;
    }
    return control;
}

bool ProjectFile::Save(HamCpsControl& control, const std::string& path) {
    return control.Save(path);
}

} // namespace vd
