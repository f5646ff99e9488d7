#include "model/CommonCpsControl.h"

#include "model/DisplayLanguage.h"
#include "model/Exceptions.h"
#include "model/xml/ChoiceExpansion.h"
#include "model/xml/NodeReader.h"
#include "model/xml/WindowLayoutReader.h"
#include "model/xml/XmlText.h"

#include <chrono>
#include <thread>

namespace vd {

namespace {

void SetAttribute(pugi::xml_node node, const char* name, const std::string& value) {
    SetXmlAttribute(node, name, value);
}

} // namespace

CommonCpsControl::CommonCpsControl(std::string modelName, std::string rootName,
                                   CapacityTable capacities, std::string templatePath)
    : capacities_(std::move(capacities)), rootName_(std::move(rootName)),
      modelName_(std::move(modelName)), templatePath_(std::move(templatePath)) {}

CommonCpsControl::~CommonCpsControl() = default;

std::string CommonCpsControl::GetModelName() const {
    return modelName_;
}

bool CommonCpsControl::ResetToTemplate() {
    const std::string path = GetTemplatePath();
    XmlStore probe;
    if (!probe.LoadFile(path)) {
        throw ValdrenCpsException(path + " load failed!", FailureKind::Data);
    }
    if (probe.RootName() != rootName_) {
        throw ValdrenCpsException(path + " load failed! Format is error", FailureKind::Data);
    }
    return Load(path, "");
}

bool CommonCpsControl::Load(const std::string& path, const std::string& rootName) {
    if (!rootName.empty()) {
        rootName_ = rootName;
    }
    return store_.LoadFile(path);
}

bool CommonCpsControl::Save(const std::string& path) {
    pugi::xml_node chapters = store_.ChaptersNode();
    if (!chapters) {
        return false;
    }
    SetAttribute(chapters, "type", "save");
    return store_.SaveAtomically(path);
}

std::string CommonCpsControl::GetRootName() const {
    return store_.RootName();
}

std::string CommonCpsControl::GetTemplatePath() const {
    return templatePath_;
}

void CommonCpsControl::GetChapters(const std::string& parentId, std::vector<HamCpsChapter>& out) {
    for (pugi::xml_node node : store_.ChaptersByParent(parentId)) {
        out.push_back(ReadChapter(node, DisplayLanguageSuffix()));
    }
}

void CommonCpsControl::GetChapter(const std::string& id, HamCpsChapter& out) {
    if (pugi::xml_node node = store_.ChapterById(id)) {
        out = ReadChapter(node, DisplayLanguageSuffix());
    }
}

void CommonCpsControl::FillElement(pugi::xml_node node, HamCpsElement& element) {
    ReadElementAttributes(node, DisplayLanguageSuffix(), element);
    element.choiceValue = ExpandChoiceValue(element.choiceValue, store_);
}

ElementPtr CommonCpsControl::MakeElement(pugi::xml_node node) {
    auto element = std::make_shared<HamCpsElement>();
    FillElement(node, *element);
    return element;
}

ElementPtr CommonCpsControl::MakeChild(pugi::xml_node node, const std::string& recordId) {
    auto child = std::make_shared<HamCpsChildElement>();
    FillElement(node, *child);
    child->parentID = recordId;
    return child;
}

void CommonCpsControl::GetElements(const std::string& parentId, ElementList& out) {
    for (pugi::xml_node node : store_.ElementsByParent(parentId)) {
        out.push_back(MakeElement(node));
    }
}

void CommonCpsControl::GetElementsByName(const std::string& name, ElementList& out) {
    for (pugi::xml_node node : store_.ElementsByName(name)) {
        out.push_back(MakeElement(node));
    }
}

std::unique_ptr<HamCpsElement> CommonCpsControl::GetElement(const std::string& id) {
    pugi::xml_node node = store_.ElementById(id);
    if (!node) {
        return nullptr;
    }
    auto element = std::make_unique<HamCpsElement>();
    FillElement(node, *element);
    return element;
}

void CommonCpsControl::GetChildElements(const std::string& id, ElementList& out) {
    pugi::xml_node record = store_.ElementById(id);
    for (pugi::xml_node field : record.children("element")) {
        out.push_back(MakeChild(field, id));
    }
}

void CommonCpsControl::GetWindowLayout(const std::string& parentId, std::vector<std::string>& out) {
    pugi::xml_node window = store_.WindowNode(parentId);
    if (!window) {
        return;
    }
    for (std::string& line : ReadWindowLayout(window, DisplayLanguageSuffix())) {
        out.push_back(std::move(line));
    }
}

std::string CommonCpsControl::GetGlobalValue(const std::string& name) {
    return store_.GlobalValueNode(name).attribute("value").value();
}

void CommonCpsControl::SetValueByName(const std::string& name, const std::string& value) {
    std::vector<pugi::xml_node> found = store_.ElementsByName(name);
    if (!found.empty()) {
        SetAttribute(found.front(), "inputValue", value);
        return;
    }
    pugi::xml_node created = store_.AppendNewElement();
    if (created) {
        SetAttribute(created, "name", name);
        SetAttribute(created, "inputValue", value);
    }
}

bool CommonCpsControl::SetInputValue(const std::string& id, const std::string& childId,
                                     const std::string& value, bool force) {
    pugi::xml_node node = store_.ElementById(id);
    if (!node) {
        return false;
    }
    if (childId.empty()) {
        if (!force) {
            // only id and name matter to the lock rule; skip the choice expansion
            HamCpsElement element;
            ReadElementAttributes(node, DisplayLanguageSuffix(), element);
            if (element.IsLocked(*this)) {
                return false;
            }
        }
        SetAttribute(node, "inputValue", value);
        return true;
    }
    for (pugi::xml_node field : node.children("element")) {
        if (childId != field.attribute("id").value()) {
            continue;
        }
        if (!force) {
            HamCpsChildElement child;
            ReadElementAttributes(field, DisplayLanguageSuffix(), child);
            child.parentID = id;
            if (child.IsLocked(*this)) {
                return false;
            }
        }
        SetAttribute(field, "inputValue", value);
        return true;
    }
    return false;
}

void CommonCpsControl::StoreCheckBoxesAsEdited() {
    // only a cleared box changes form; any other number the radio held stays, so that it
    // is written back as it was
    auto normalise = [](pugi::xml_node node) {
        if (AttributeInt(node, "controlType") == 2 &&
            std::string_view(node.attribute("inputValue").value()) == "0") {
            SetAttribute(node, "inputValue", "");
        }
    };
    for (pugi::xml_node element : store_.ElementsNode().children("element")) {
        normalise(element);
        for (pugi::xml_node field : element.children("element")) {
            normalise(field);
        }
    }
}

bool CommonCpsControl::ApplyTuningFile(ByteVector&, const std::string&) {
    return false;
}

bool CommonCpsControl::host_reboot(ISerialPort&) {
    return false;
}

bool CommonCpsControl::OnValueChanged(const HamCpsElement&, const std::string&,
                                      std::vector<ElementKey>&) {
    return false;
}

bool CommonCpsControl::IsFieldDisabled(const HamCpsElement&) {
    return false;
}

void CommonCpsControl::Sleep(unsigned ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace vd
