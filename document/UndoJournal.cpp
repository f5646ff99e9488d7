#include "document/UndoJournal.h"

#include "model/xml/XmlStore.h"

#include <cstring>
#include <pugixml.hpp>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace vd {

namespace {

using KeyedNodes = std::vector<std::pair<std::string, pugi::xml_node>>;

/// The top-level elements in document order, each under a key that names it across steps:
/// its id, or its id and occurrence when a damaged project repeats an id.
KeyedNodes KeyedElements(pugi::xml_node parent) {
    KeyedNodes keyed;
    std::unordered_map<std::string, int> seen;
    for (pugi::xml_node node : parent.children("element")) {
        std::string key = node.attribute("id").value();
        if (const int occurrence = seen[key]++; occurrence > 0) {
            key += '\x1f' + std::to_string(occurrence);
        }
        keyed.emplace_back(std::move(key), node);
    }
    return keyed;
}

bool SameText(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

/// Whether two nodes have the same tag, text and attributes (in order), children aside.
bool SameNode(pugi::xml_node a, pugi::xml_node b) {
    if (a.type() != b.type() || !SameText(a.name(), b.name()) || !SameText(a.value(), b.value())) {
        return false;
    }
    pugi::xml_attribute left = a.first_attribute();
    pugi::xml_attribute right = b.first_attribute();
    for (; left && right; left = left.next_attribute(), right = right.next_attribute()) {
        if (!SameText(left.name(), right.name()) || !SameText(left.value(), right.value())) {
            return false;
        }
    }
    return !left && !right;
}

/// Whether two subtrees hold the same tags, attributes and text.
bool SameTree(pugi::xml_node a, pugi::xml_node b) {
    if (!SameNode(a, b)) {
        return false;
    }
    pugi::xml_node leftChild = a.first_child();
    pugi::xml_node rightChild = b.first_child();
    for (; leftChild && rightChild;
         leftChild = leftChild.next_sibling(), rightChild = rightChild.next_sibling()) {
        if (!SameTree(leftChild, rightChild)) {
            return false;
        }
    }
    return !leftChild && !rightChild;
}

/// The children of a node, comments and text included.
std::vector<pugi::xml_node> Children(pugi::xml_node node) {
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child : node.children()) {
        children.push_back(child);
    }
    return children;
}

/// Collects pugixml's output in a string.
class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

/// An element as compact XML text: a step keeps its elements this way, at a fraction of
/// the memory a copied tree takes.
std::string Serialize(pugi::xml_node node) {
    StringWriter writer;
    node.print(writer, "", pugi::format_raw);
    return std::move(writer.text);
}

/// Inserts the element saved as text directly after `after`, or before the first element
/// when after is null.
pugi::xml_node InsertSerialized(pugi::xml_node parent, pugi::xml_node after,
                                const std::string& text) {
    pugi::xml_document parsed;
    parsed.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_comments);
    if (after) {
        return parent.insert_copy_after(parsed.first_child(), after);
    }
    const pugi::xml_node first = parent.child("element");
    return first ? parent.insert_copy_before(parsed.first_child(), first)
                 : parent.append_copy(parsed.first_child());
}

/// Inserts the node saved as text directly before `before`.
void InsertSerializedBefore(pugi::xml_node parent, pugi::xml_node before, const std::string& text) {
    pugi::xml_document parsed;
    parsed.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_comments);
    parent.insert_copy_before(parsed.first_child(), before);
}

} // namespace

/// One element, or one field of an element, that a step changed: its text before and
/// after ("" when the element was not there). A field is kept alone when the element kept
/// its own attributes and its number of fields, which is what an edit of a record does; so
/// a paste of 1000 rows keeps 1000 fields, not 1000 whole records.
struct ElementChange {
    std::string key;
    int child = -1; ///< the field's position among the element's children; -1: the element
    std::string before;
    std::string after;
};

namespace {

/// The changes that turn the element `before` into `after`: its fields that differ, or the
/// whole element when more than fields changed.
void AddChanges(const std::string& key, pugi::xml_node before, pugi::xml_node after,
                std::vector<ElementChange>& changes) {
    const std::vector<pugi::xml_node> old = Children(before);
    const std::vector<pugi::xml_node> now = Children(after);
    if (!SameNode(before, after) || old.size() != now.size()) {
        changes.push_back({key, -1, Serialize(before), Serialize(after)});
        return;
    }
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (!SameTree(old[i], now[i])) {
            changes.push_back({key, static_cast<int>(i), Serialize(old[i]), Serialize(now[i])});
        }
    }
}

} // namespace

struct UndoJournal::Step {
    std::string name;
    std::vector<ElementChange> changes;
    /// The element order before and after; both empty when no record moved, came or went.
    std::vector<std::string> orderBefore;
    std::vector<std::string> orderAfter;
};

/// A copy of the elements as the last step left them, to compare the document against.
struct UndoJournal::Shadow {
    pugi::xml_document copy;
    std::unordered_map<std::string, pugi::xml_node> byKey;
    std::vector<std::string> order;

    void Take(pugi::xml_node elements) {
        copy.reset();
        byKey.clear();
        order.clear();
        for (const auto& [key, node] : KeyedElements(elements)) {
            byKey.emplace(key, copy.append_copy(node));
            order.push_back(key);
        }
    }

    void Replace(const std::string& key, pugi::xml_node live) {
        pugi::xml_node old = byKey.at(key);
        byKey[key] = copy.insert_copy_before(live, old);
        copy.remove_child(old);
    }
};

UndoJournal::UndoJournal(std::size_t keep) : keep_(keep == 0 ? 1 : keep) {}

UndoJournal::~UndoJournal() = default;

void UndoJournal::Reset(XmlStore* store, bool atSavedState) {
    store_ = store != nullptr && store->IsLoaded() ? store : nullptr;
    steps_.clear();
    applied_ = 0;
    savedAt_ = atSavedState ? 0 : -1;
    shadow_.reset();
    if (store_ != nullptr) {
        shadow_ = std::make_unique<Shadow>();
        shadow_->Take(store_->ElementsNode());
    }
}

bool UndoJournal::Record(const std::string& stepName) {
    if (store_ == nullptr) {
        return false;
    }
    const KeyedNodes live = KeyedElements(store_->ElementsNode());
    Step step;
    step.name = stepName;
    std::vector<std::string> liveOrder;
    liveOrder.reserve(live.size());
    std::unordered_set<std::string> liveKeys;
    for (const auto& [key, node] : live) {
        liveOrder.push_back(key);
        liveKeys.insert(key);
        const auto shadowed = shadow_->byKey.find(key);
        if (shadowed == shadow_->byKey.end()) {
            step.changes.push_back({key, -1, {}, Serialize(node)});
        } else if (!SameTree(shadowed->second, node)) {
            AddChanges(key, shadowed->second, node, step.changes);
        }
    }
    for (const std::string& key : shadow_->order) {
        if (liveKeys.count(key) == 0) {
            step.changes.push_back({key, -1, Serialize(shadow_->byKey.at(key)), {}});
        }
    }
    const bool reordered = liveOrder != shadow_->order;
    if (step.changes.empty() && !reordered) {
        return false;
    }
    if (reordered) {
        step.orderBefore = shadow_->order;
        step.orderAfter = std::move(liveOrder);
        shadow_->Take(store_->ElementsNode());
    } else {
        for (const auto& [key, node] : live) {
            if (const auto shadowed = shadow_->byKey.find(key);
                shadowed != shadow_->byKey.end() && !SameTree(shadowed->second, node)) {
                shadow_->Replace(key, node);
            }
        }
    }

    // a new step ends every redo, and with it a saved state that only a redo reached
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(applied_), steps_.end());
    if (savedAt_ > static_cast<long long>(applied_)) {
        savedAt_ = -1;
    }
    steps_.push_back(std::move(step));
    ++applied_;
    while (steps_.size() > keep_) {
        steps_.pop_front();
        --applied_;
        savedAt_ = savedAt_ > 0 ? savedAt_ - 1 : -1;
    }
    return true;
}

bool UndoJournal::CanRedo() const {
    return applied_ < steps_.size();
}

std::size_t UndoJournal::StepCount() const {
    return steps_.size();
}

std::string UndoJournal::UndoName() const {
    return CanUndo() ? steps_[applied_ - 1].name : "";
}

std::string UndoJournal::RedoName() const {
    return CanRedo() ? steps_[applied_].name : "";
}

std::string UndoJournal::Undo() {
    if (!CanUndo() || store_ == nullptr) {
        throw NoUndoStep("there is no step to undo");
    }
    const Step& step = steps_[applied_ - 1];
    Apply(step, false);
    --applied_;
    return step.name;
}

std::string UndoJournal::Redo() {
    if (!CanRedo() || store_ == nullptr) {
        throw NoUndoStep("there is no step to redo");
    }
    const Step& step = steps_[applied_];
    Apply(step, true);
    ++applied_;
    return step.name;
}

void UndoJournal::MarkSaved() {
    savedAt_ = static_cast<long long>(applied_);
}

bool UndoJournal::IsAtSavedState() const {
    return savedAt_ == static_cast<long long>(applied_);
}

void UndoJournal::Apply(const Step& step, bool forward) {
    pugi::xml_node elements = store_->ElementsNode();
    std::unordered_map<std::string, pugi::xml_node> live;
    for (const auto& [key, node] : KeyedElements(elements)) {
        live.emplace(key, node);
    }
    std::unordered_map<std::string, const std::string*> wanted; // whole elements
    for (const ElementChange& change : step.changes) {
        if (change.child < 0) {
            wanted.emplace(change.key, forward ? &change.after : &change.before);
        }
    }

    const std::vector<std::string>& order = forward ? step.orderAfter : step.orderBefore;
    if (order.empty()) {
        // the same elements in the same order: replace the changed ones where they stand
        for (const auto& [key, text] : wanted) {
            const pugi::xml_node node = live.at(key);
            InsertSerialized(elements, node, *text);
            elements.remove_child(node);
        }
    } else {
        // drop what the target state lacks, then walk the target order and move only what is
        // out of place, so that the comments between the sections stay where they are
        const std::unordered_set<std::string> kept(order.begin(), order.end());
        for (auto it = live.begin(); it != live.end();) {
            if (kept.count(it->first) == 0) {
                elements.remove_child(it->second);
                it = live.erase(it);
            } else {
                ++it;
            }
        }
        pugi::xml_node previous;
        for (const std::string& key : order) {
            const auto changed = wanted.find(key);
            const auto old = live.find(key);
            pugi::xml_node node;
            if (changed != wanted.end()) {
                node = InsertSerialized(elements, previous, *changed->second);
                if (old != live.end()) {
                    elements.remove_child(old->second);
                }
            } else {
                node = old->second;
                if (node.previous_sibling("element") != previous) {
                    node = previous ? elements.insert_move_after(node, previous)
                                    : elements.insert_move_before(node, elements.child("element"));
                }
            }
            if (old != live.end()) {
                live.erase(old);
            }
            previous = node;
        }
    }
    // then the fields, in elements that stayed where they were
    std::unordered_map<std::string, pugi::xml_node> placed;
    for (const auto& [key, node] : KeyedElements(elements)) {
        placed.emplace(key, node);
    }
    for (const ElementChange& change : step.changes) {
        if (change.child >= 0) {
            pugi::xml_node element = placed.at(change.key);
            const pugi::xml_node field = Children(element)[static_cast<std::size_t>(change.child)];
            InsertSerializedBefore(element, field, forward ? change.after : change.before);
            element.remove_child(field);
        }
    }
    store_->InvalidateIndex();
    shadow_->Take(elements);
}

} // namespace vd
