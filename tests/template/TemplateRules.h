#pragma once
#include <string>
#include <utility>
#include <vector>

namespace vdtest::tpl {

/// The two protocol families and the GX5G, which adds fixed channels to the GX5.
enum class Family { Gx5, Gx5g, LmVs };

/// A name the codecs, the rules or the view use, and what its element must look like.
struct NameRule {
    std::string name;
    std::string record;    ///< record name of the list holding the field; "" for a setting
    int controlType = 1;   ///< the editor the value needs
    int bits = 0;          ///< width of the field in the memory image; 0 for texts/references
    int maxLength = 0;     ///< longest text the radio keeps; 0 when not a text
    std::string charset;   ///< characters the text may hold; empty for any
    std::string refTarget; ///< record name a reference points into; empty when no reference
    bool member = false;   ///< a repeated member field ("Channel" of a zone or scan list)
};

/// A list of records: its chapter, record name and the number of records it may hold.
struct ListRule {
    std::string chapter;
    std::string recordName;
    int capacity = 0;
    int maxMembers = 0; ///< member slots of one record (zones, scan lists); 0 when none
    int nameLength = 0; ///< longest record name the radio keeps; 0 when it keeps none
};

/// An inclusive frequency range in hertz.
struct FrequencyRange {
    long low = 0;
    long high = 0;
};

/// Everything the checks know about one model's template, written from the radio's
/// memory layout and rules rather than from the template generator.
struct ModelRules {
    std::string model;
    std::string file;
    std::string root;
    Family family = Family::Gx5;
    std::vector<std::string> chapters;
    std::vector<std::string> windows;
    std::vector<ListRule> lists;
    std::vector<NameRule> names;
    std::vector<std::pair<std::string, std::string>> requiredIds; ///< id, element name
    std::vector<std::pair<std::string, std::vector<FrequencyRange>>> frequencies;
};

/// The rules of the seven models, in registry order.
const std::vector<ModelRules>& AllModels();

/// The rules of one model by name; throws when there is none.
const ModelRules& RulesFor(const std::string& model);

/// The ids of the list chapters the program treats as lists.
const std::vector<std::string>& ListChapterIds();

} // namespace vdtest::tpl
