#include "document/FactoryValues.h"

#include "document/ProjectFile.h"

namespace vd {

ElementList AllElements(HamCpsControl& control) {
    ElementList all;
    std::vector<HamCpsChapter> chapters;
    control.GetChapters("", chapters);
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        const std::string id = chapters[i].id; // the vector grows below
        control.GetChapters(id, chapters);
        control.GetElements(id, all);
    }
    return all;
}

RadioFactoryValues::RadioFactoryValues(HamCpsControl& control, const ByteVector& radioImage)
    : control_(control) {
    std::unique_ptr<HamCpsControl> radio = ProjectFile::New(control.GetModelName());
    if (!radio || !radio->ImportImage(radioImage)) {
        return;
    }
    for (const ElementPtr& element : AllElements(control)) {
        if (!control.IsElementReadOnly(element->id, element->name)) {
            continue;
        }
        const std::unique_ptr<HamCpsElement> held = radio->GetElement(element->id);
        if (!held || held->inputValue == element->inputValue) {
            continue;
        }
        if (control.SetInputValue(element->id, "", held->inputValue, true)) {
            saved_.emplace_back(element->id, element->inputValue);
        }
    }
}

RadioFactoryValues::~RadioFactoryValues() {
    for (const auto& [id, value] : saved_) {
        control_.SetInputValue(id, "", value, true);
    }
}

} // namespace vd
