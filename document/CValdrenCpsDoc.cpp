#include "document/CValdrenCpsDoc.h"

#include "app/CpsIni.h"
#include "document/ProjectFile.h"

#include <ctime>
#include <filesystem>

namespace vd {

namespace {

/// The local time as "_%Y%m%d_%H%M%S"; empty when it cannot be formatted.
std::string TitleTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return {};
    }
    char text[128] = {};
    return std::strftime(text, sizeof text, "_%Y%m%d_%H%M%S", &local) ? std::string(text)
                                                                      : std::string();
}

} // namespace

CValdrenCpsDoc::CValdrenCpsDoc(IUserInterface& ui) : ui_(ui) {}

CValdrenCpsDoc::~CValdrenCpsDoc() = default;

bool CValdrenCpsDoc::OnNewDocument(int chooserMode) {
    DeviceChoice choice;
    if (!ui_.ChooseDevice(chooserMode, "", choice)) {
        lastResult_ = OperationResult::Cancelled;
        return false;
    }
    return NewDocument(choice.model, choice.port);
}

bool CValdrenCpsDoc::NewDocument(const std::string& modelName, const std::string& port) {
    std::unique_ptr<HamCpsControl> control = ProjectFile::New(modelName);
    if (!control) {
        lastResult_ = OperationResult::DataError;
        return false;
    }
    control_ = std::move(control);
    journal_.Reset(control_->ValueStore());
    chosenPort_ = port;
    pathName_.clear();
    title_ = control_->GetModelName() + TitleTimeStamp();
    lastResult_ = OperationResult::Success;
    return true;
}

bool CValdrenCpsDoc::OnOpenDocument(const std::string& path) {
    std::unique_ptr<HamCpsControl> control = ProjectFile::Open(path);
    if (!control) {
        lastResult_ = OperationResult::DataError;
        return false;
    }
    control_ = std::move(control);
    journal_.Reset(control_->ValueStore());
    pathName_ = path;
    title_ = std::filesystem::path(path).filename().string();
    lastResult_ = OperationResult::Success;
    return true;
}

bool CValdrenCpsDoc::OnSaveDocument(const std::string& path) {
    if (!control_ || !ProjectFile::Save(*control_, path)) {
        lastResult_ = OperationResult::DataError;
        return false;
    }
    pathName_ = path;
    title_ = std::filesystem::path(path).filename().string();
    journal_.MarkSaved();
    lastResult_ = OperationResult::Success;
    return true;
}

void CValdrenCpsDoc::OnCloseDocument() {
    journal_.Reset(nullptr);
    control_.reset();
    acceptedPassword_.clear();
    selectedId_.clear();
    selectedKind_.clear();
}

void CValdrenCpsDoc::SetSelection(const std::string& id, const std::string& kind) {
    selectedId_ = id;
    selectedKind_ = kind;
    if (onSelectionChanged) {
        onSelectionChanged();
    }
}

std::string CValdrenCpsDoc::PortSetting() const {
    return chosenPort_.empty() ? CpsIni::GetString("Device", "port", "11") : chosenPort_;
}

void CValdrenCpsDoc::OnOption() {
    if (ui_.ShowPortOptions()) {
        chosenPort_.clear(); // the port just stored applies from now on
    }
}

} // namespace vd
