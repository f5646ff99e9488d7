#include "document/ProjectDiff.h"

#include "document/DisplayValue.h"
#include "document/ProjectFile.h"

#include <fmt/format.h>

#include <map>
#include <set>

namespace vd {

namespace {

/// One side's elements with the tree path of each.
struct Side {
    HamCpsControl& control;
    std::map<std::string, ElementPtr> byId;
    std::map<std::string, std::string> pathOf;
    std::vector<std::string> order;         ///< ids in tree order
    std::map<std::string, int> recordNames; ///< in-use record name -> count
};

void Collect(Side& side) {
    std::vector<std::pair<std::string, std::string>> pending{{"", ""}}; // chapter id, path
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const auto [chapterId, path] = pending[i];
        std::vector<HamCpsChapter> chapters;
        side.control.GetChapters(chapterId, chapters);
        for (const HamCpsChapter& chapter : chapters) {
            pending.emplace_back(chapter.id,
                                 path.empty() ? chapter.text : path + "/" + chapter.text);
        }
        if (chapterId.empty()) {
            continue;
        }
        ElementList elements;
        side.control.GetElements(chapterId, elements);
        for (const ElementPtr& element : elements) {
            if (!side.byId.emplace(element->id, element).second) {
                continue;
            }
            side.order.push_back(element->id);
            side.pathOf[element->id] = path;
        }
    }
}

bool IsRecord(HamCpsControl& control, const HamCpsElement& element) {
    ElementList fields;
    control.GetChildElements(element.id, fields);
    return !fields.empty();
}

bool InUse(const ElementPtr& element) {
    return element && element->controlType != 0;
}

// The selector `vdcps get` takes for a record: its name when that names it alone, else its id.
std::string RecordKey(const Side& a, const Side& b, const HamCpsElement& record) {
    const auto count = [&record](const Side& side) {
        const auto found = side.recordNames.find(record.inputValue);
        return found == side.recordNames.end() ? 0 : found->second;
    };
    const bool plain =
        !record.inputValue.empty() && record.inputValue.find('/') == std::string::npos;
    return plain && count(a) <= 1 && count(b) <= 1 ? record.inputValue : record.id;
}

std::string SettingKey(Side& side, const HamCpsElement& element) {
    ElementList named;
    side.control.GetElementsByName(element.name, named);
    return named.size() == 1 ? element.name : element.id;
}

// Fields of a record grouped by name, in order: member lists hold several of one name.
std::map<std::string, ElementList> FieldsByName(HamCpsControl& control, const std::string& id,
                                                std::vector<std::string>& names) {
    ElementList fields;
    control.GetChildElements(id, fields);
    std::map<std::string, ElementList> grouped;
    for (const ElementPtr& field : fields) {
        if (grouped[field->name].empty()) {
            names.push_back(field->name);
        }
        grouped[field->name].push_back(field);
    }
    return grouped;
}

std::string Shown(Side& side, const ElementPtr& element, const std::string& name) {
    if (element) {
        return DisplayValue(side.control, *element);
    }
    return side.control.IsReferenceName(name) ? kDisplayNone : "";
}

bool Differs(Side& a, const ElementPtr& x, Side& b, const ElementPtr& y, const std::string& name,
             std::string& shownA, std::string& shownB) {
    shownA = Shown(a, x, name);
    shownB = Shown(b, y, name);
    if (x && y && x->inputValue == y->inputValue && a.control.IsReferenceName(name)) {
        return false; // the same record on both sides, whatever it is called now
    }
    // names in an image are padded to their field: trailing blanks are not a difference
    const auto trimmed = [](std::string text) {
        return text.erase(text.find_last_not_of(' ') + 1);
    };
    return trimmed(shownA) != trimmed(shownB);
}

void CompareRecord(Side& a, Side& b, const HamCpsElement& ra, const HamCpsElement& rb,
                   const std::string& key, const std::string& path, std::vector<Difference>& out) {
    if (ra.inputValue != rb.inputValue) {
        out.push_back(
            {Difference::Kind::Changed, ra.id, path, ra.id, ra.inputValue, rb.inputValue});
    }
    std::vector<std::string> names;
    const auto fieldsA = FieldsByName(a.control, ra.id, names);
    const auto fieldsB = FieldsByName(b.control, rb.id, names);
    std::set<std::string> done;
    for (const std::string& name : names) {
        if (!done.insert(name).second) {
            continue;
        }
        const auto listA = fieldsA.count(name) ? fieldsA.at(name) : ElementList();
        const auto listB = fieldsB.count(name) ? fieldsB.at(name) : ElementList();
        const std::size_t count = std::max(listA.size(), listB.size());
        for (std::size_t i = 0; i < count; ++i) {
            const ElementPtr x = i < listA.size() ? listA[i] : nullptr;
            const ElementPtr y = i < listB.size() ? listB[i] : nullptr;
            std::string shownA;
            std::string shownB;
            if (!Differs(a, x, b, y, name, shownA, shownB)) {
                continue;
            }
            const std::string field = count > 1 ? fmt::format("{}[{}]", name, i) : name;
            out.push_back({Difference::Kind::Changed, key + "/" + field, path + "/" + rb.inputValue,
                           rb.id, shownA, shownB});
        }
    }
}

} // namespace

std::vector<Difference> CompareConfigurations(HamCpsControl& before, HamCpsControl& after) {
    Side a{before, {}, {}, {}, {}};
    Side b{after, {}, {}, {}, {}};
    Collect(a);
    Collect(b);
    for (Side* side : {&a, &b}) {
        for (const auto& [id, element] : side->byId) {
            if (InUse(element) && IsRecord(side->control, *element)) {
                ++side->recordNames[element->inputValue];
            }
        }
    }
    std::vector<Difference> out;
    std::vector<std::string> order = b.order;
    for (const std::string& id : a.order) {
        if (!b.byId.count(id)) {
            order.push_back(id);
        }
    }
    for (const std::string& id : order) {
        const ElementPtr x = a.byId.count(id) ? a.byId.at(id) : nullptr;
        const ElementPtr y = b.byId.count(id) ? b.byId.at(id) : nullptr;
        const bool record = (x && IsRecord(before, *x)) || (y && IsRecord(after, *y));
        const std::string& path = y ? b.pathOf[id] : a.pathOf[id];
        if (record) {
            if (InUse(x) && InUse(y)) {
                CompareRecord(a, b, *x, *y, RecordKey(a, b, *y), path, out);
            } else if (InUse(x)) {
                out.push_back(
                    {Difference::Kind::Removed, RecordKey(a, b, *x), path, id, x->inputValue, ""});
            } else if (InUse(y)) {
                out.push_back(
                    {Difference::Kind::Added, RecordKey(a, b, *y), path, id, "", y->inputValue});
            }
            continue;
        }
        std::string shownA;
        std::string shownB;
        const std::string name = y ? y->name : x->name;
        if (Differs(a, x, b, y, name, shownA, shownB)) {
            out.push_back({Difference::Kind::Changed, SettingKey(y ? b : a, y ? *y : *x), path,
                           y ? y->parentID : x->parentID, shownA, shownB});
        }
    }
    return out;
}

std::unique_ptr<HamCpsControl> DecodeImage(const std::string& model, const ByteVector& image) {
    std::unique_ptr<HamCpsControl> control = ProjectFile::New(model);
    if (!control || !control->ImportImage(image)) {
        return nullptr;
    }
    return control;
}

std::string FormatDifference(const Difference& difference) {
    switch (difference.kind) {
    case Difference::Kind::Added:
        return "+ " + difference.newValue;
    case Difference::Kind::Removed:
        return "- " + difference.oldValue;
    case Difference::Kind::Changed:
        break;
    }
    return fmt::format("{}: {} -> {}", difference.selector, difference.oldValue,
                       difference.newValue);
}

} // namespace vd
