#include "document/ProjectCheck.h"

#include "document/ProblemTexts.h"
#include "document/ValueJudge.h"
#include "model/CommonCpsControl.h"
#include "model/TextNumber.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace vd {

namespace {

/// A top-level element met in the tree, with the fields of a list record.
struct Node {
    ElementPtr element;
    std::string chapterId;
    std::string chapterPath;
    ElementList fields;
};

/// Where a problem is, in the forms the front ends need.
struct Where {
    std::string id;
    std::string fieldId;
    std::string selector;
    std::string path;
};

bool LooksLikeId(const std::string& text) {
    return text.size() >= 2 && text[0] == 'e' &&
           text.find_first_not_of("0123456789", 1) == std::string::npos;
}

std::string Label(const HamCpsElement& element) {
    return element.text.empty() ? element.name : element.text;
}

/// One run of the check over one project.
class ProjectChecker {
public:
    explicit ProjectChecker(HamCpsControl& control)
        : control_(control), common_(dynamic_cast<CommonCpsControl*>(&control)),
          rules_(common_ ? common_->GetProjectRules() : noRules_), judge_(control) {}

    std::vector<Problem> Run() {
        std::set<std::string> below;
        Collect("", control_.GetModelName(), below);
        for (const Node& setting : settings_) {
            const HamCpsElement& element = *setting.element;
            CheckValue(element, {element.id, "", SettingSelector(element), setting.chapterPath});
        }
        for (const Node& record : records_) {
            CheckRecord(record);
        }
        CheckCapacities();
        CheckChannelsInZones();
        return std::move(problems_);
    }

private:
    void Collect(const std::string& parentId, const std::string& path,
                 std::set<std::string>& below) {
        std::vector<HamCpsChapter> chapters;
        control_.GetChapters(parentId, chapters);
        for (const HamCpsChapter& chapter : chapters) {
            if (!below.insert(chapter.id).second) {
                continue; // a chapter listed below itself would never end
            }
            const std::string chapterPath = path + " / " + chapter.text;
            chapterText_.emplace(chapter.id, chapter.text);
            ElementList elements;
            control_.GetElements(chapter.id, elements);
            for (ElementPtr& element : elements) {
                ++nameCount_[element->name];
                if (element->controlType == 0) {
                    continue; // the free record of a list: a pattern, not data
                }
                ++displayCount_[element->inputValue];
                Node node{std::move(element), chapter.id, chapterPath, {}};
                if (node.element->controlType == 7) {
                    control_.GetChildElements(node.element->id, node.fields);
                    inUse_[node.element->name].insert(node.element->id);
                    listOrder_[node.element->name].push_back(records_.size());
                    display_[node.element->id] = node.element->inputValue;
                    records_.push_back(std::move(node));
                } else {
                    settingByName_.emplace(node.element->name, settings_.size());
                    settings_.push_back(std::move(node));
                }
            }
            Collect(chapter.id, chapterPath, below);
            below.erase(chapter.id);
        }
    }

    std::string SettingSelector(const HamCpsElement& setting) const {
        return nameCount_.at(setting.name) == 1 ? setting.name : setting.id;
    }

    /// A record as `vdcps get` finds it: its name when that names it alone, else its id.
    std::string RecordKey(const HamCpsElement& record) const {
        const std::string& name = record.inputValue;
        if (name.empty() || name.find_first_of("/[") != std::string::npos || LooksLikeId(name) ||
            displayCount_.at(name) != 1 || nameCount_.count(name) != 0) {
            return record.id;
        }
        return name;
    }

    void Add(Severity severity, ProblemKind kind, const Where& where, ProblemText text) {
        problems_.push_back(Problem{severity, kind, where.id, where.fieldId, where.selector,
                                    where.path, std::move(text.english), std::move(text.chinese)});
    }

    bool IsRequired(const std::string& name) const {
        const auto& required = rules_.requiredReferences;
        return std::find(required.begin(), required.end(), name) != required.end();
    }

    bool IsInUse(const std::string& recordName, const std::string& id) const {
        auto list = inUse_.find(recordName);
        return list != inUse_.end() && list->second.count(id) != 0;
    }

    /// A reference field; false for a value that is no record id but a mark the model knows
    /// (all channels, the end of a member list).
    bool CheckReference(const HamCpsElement& element, const Where& where) {
        const std::string& value = element.inputValue;
        if (value.empty()) {
            if (IsRequired(element.name)) {
                Add(Severity::Error, ProblemKind::EmptyRequired, where,
                    problem_text::EmptyRequired(Label(element)));
            }
            return true;
        }
        if (common_ && !common_->IsValueAllowed(value, element.name)) {
            return false;
        }
        const std::string target = control_.GetReferenceTarget(element.name);
        if (!target.empty() && !IsInUse(target, value)) {
            Add(Severity::Error, ProblemKind::MissingReference, where,
                problem_text::MissingReference(Label(element), value));
        }
        return true;
    }

    /// A free text the radio stores: cut to its width, characters it cannot show replaced.
    void CheckStoredText(const std::string& what, const std::string& value, long long width,
                         const Where& where) {
        std::string stored = common_ ? common_->ToRadioText(value) : value;
        const bool cut = width >= 0 && stored.size() > static_cast<size_t>(width);
        if (cut) {
            stored.resize(static_cast<size_t>(width));
        }
        if (stored != value && !cut) {
            Add(Severity::Warning, ProblemKind::TextUnshown, where,
                problem_text::TextUnshown(what, value, stored));
        } else if (cut) {
            Add(Severity::Warning, ProblemKind::TextCut, where,
                problem_text::TextCut(what, value, width, stored));
        }
    }

    void CheckValue(const HamCpsElement& element, const Where& where) {
        if (element.controlType == 1 && control_.IsReferenceName(element.name)) {
            CheckReference(element, where);
            return;
        }
        const ValueVerdict verdict = judge_.Judge(element, element.inputValue);
        const std::optional<ValueRule>& rule = judge_.RuleOf(element.name);
        if (rule && rule->kind == "char" && rule->allowedChars.empty()) {
            // a name or other free text: the radio cuts what is too long
            if (verdict.fault != ValueFault::None && verdict.fault != ValueFault::TooLong) {
                Add(Severity::Error, ProblemKind::RefusedValue, where,
                    problem_text::RefusedValue(Label(element), element.inputValue, verdict));
            }
            CheckStoredText(Label(element), element.inputValue,
                            rule->upper.empty() ? -1 : rule->upper.front(), where);
            return;
        }
        if (verdict.fault != ValueFault::None) {
            Add(Severity::Error, ProblemKind::RefusedValue, where,
                problem_text::RefusedValue(Label(element), element.inputValue, verdict));
        }
    }

    void CheckRecord(const Node& node) {
        const HamCpsElement& record = *node.element;
        const std::string key = RecordKey(record);
        const Where at{record.id, "", key, node.chapterPath + " / " + record.inputValue};
        const std::string what = chapterText_[node.chapterId];
        if (record.inputValue.empty()) {
            Add(Severity::Warning, ProblemKind::EmptyName, at, problem_text::EmptyName(what));
        } else {
            auto [first, added] = firstByName_[record.name].emplace(record.inputValue, record.id);
            if (!added) {
                Add(Severity::Warning, ProblemKind::DuplicateName, at,
                    problem_text::DuplicateName(what, record.inputValue, first->second));
            }
            CheckValue(record, at);
        }

        std::unordered_map<std::string, int> seen;
        std::vector<std::string>& members = members_[record.id];
        bool hasMembers = false;
        bool membersEnded = false;
        const HamCpsElement* receive = nullptr;
        const HamCpsElement* transmit = nullptr;
        for (const ElementPtr& field : node.fields) {
            const int index = seen[field->name]++;
            const Where where{record.id, field->id,
                              key + "/" + field->name +
                                  (index > 0 ? "[" + std::to_string(index) + "]" : std::string()),
                              at.path};
            if (rules_.memberCapacity > 0 && field->name == rules_.memberField) {
                hasMembers = true;
                if (membersEnded || field->inputValue.empty()) {
                    continue;
                }
                if (!CheckReference(*field, where)) {
                    membersEnded = true; // the radio's members end at the mark
                    continue;
                }
                members.push_back(field->inputValue);
                continue;
            }
            if (field->name == rules_.receiveField) {
                receive = field.get();
            } else if (field->name == rules_.transmitField) {
                transmit = field.get();
            }
            CheckValue(*field, where);
        }
        if (hasMembers && members.size() > rules_.memberCapacity) {
            Add(Severity::Error, ProblemKind::TooManyMembers, at,
                problem_text::TooManyMembers(what, members.size(), rules_.memberCapacity));
        } else if (hasMembers && members.empty()) {
            Add(Severity::Warning, ProblemKind::NoMembers, at, problem_text::NoMembers(what));
        }
        if (receive && transmit) {
            CheckReceiveOnly(*receive, *transmit,
                             {record.id, receive->id, key + "/" + receive->name, at.path});
        }
    }

    void CheckReceiveOnly(const HamCpsElement& receive, const HamCpsElement& transmit,
                          const Where& where) {
        if (!IsWholeNumberText(receive.inputValue) || transmit.inputValue.empty() ||
            ParseDecimal(transmit.inputValue) == 0) {
            return; // no transmit frequency: the channel does not transmit
        }
        const long long frequency = ParseDecimal(receive.inputValue);
        for (const auto& [lower, upper] : rules_.receiveOnly) {
            if (frequency >= lower && frequency <= upper) {
                Add(Severity::Warning, ProblemKind::ReceiveOnlyTx, where,
                    problem_text::ReceiveOnlyTx(receive.inputValue, transmit.inputValue));
                return;
            }
        }
    }

    void CheckCapacities() {
        for (const auto& [recordName, positions] : listOrder_) {
            const int capacity = control_.GetCapacity(recordName);
            if (capacity < 0 || positions.size() <= static_cast<size_t>(capacity)) {
                continue;
            }
            // the first record the radio has no room for
            const Node& surplus = records_[positions[static_cast<size_t>(capacity)]];
            Add(Severity::Error, ProblemKind::OverCapacity,
                {surplus.element->id, "", RecordKey(*surplus.element), surplus.chapterPath},
                problem_text::OverCapacity(chapterText_[surplus.chapterId], positions.size(),
                                           capacity));
        }
    }

    void CheckChannelsInZones() {
        for (const auto& [channelName, zoneName] : rules_.channelInZone) {
            auto channel = settingByName_.find(channelName);
            auto zone = settingByName_.find(zoneName);
            if (channel == settingByName_.end() || zone == settingByName_.end()) {
                continue;
            }
            const HamCpsElement& channelSetting = *settings_[channel->second].element;
            const std::string& zoneId = settings_[zone->second].element->inputValue;
            const std::string& channelId = channelSetting.inputValue;
            auto members = members_.find(zoneId);
            // an empty or missing zone or channel is reported by its own rule; a zone that is
            // not a record (all channels) holds every channel
            if (channelId.empty() || members == members_.end() || display_.count(channelId) == 0) {
                continue;
            }
            const std::vector<std::string>& ids = members->second;
            if (std::find(ids.begin(), ids.end(), channelId) == ids.end()) {
                const Node& node = settings_[channel->second];
                Add(Severity::Error, ProblemKind::ChannelOutsideZone,
                    {channelSetting.id, "", SettingSelector(channelSetting), node.chapterPath},
                    problem_text::ChannelOutsideZone(Label(channelSetting), display_[channelId],
                                                     display_[zoneId]));
            }
        }
    }

    HamCpsControl& control_;
    CommonCpsControl* common_;
    const ProjectRules noRules_;
    const ProjectRules& rules_;
    ValueJudge judge_;

    std::vector<Node> settings_;
    std::vector<Node> records_;
    std::unordered_map<std::string, std::string> chapterText_;
    std::unordered_map<std::string, int> nameCount_;
    std::unordered_map<std::string, int> displayCount_;
    std::unordered_map<std::string, std::string> display_;
    std::unordered_map<std::string, size_t> settingByName_;
    std::unordered_map<std::string, std::unordered_set<std::string>> inUse_;
    std::map<std::string, std::vector<size_t>> listOrder_;
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> firstByName_;
    std::unordered_map<std::string, std::vector<std::string>> members_;
    std::vector<Problem> problems_;
};

} // namespace

const std::string& Problem::Message(const std::string& languageCode) const {
    return languageCode == "CHN" ? chinese : english;
}

const char* Problem::SeverityWord() const {
    return severity == Severity::Error ? "error" : "warning";
}

std::vector<Problem> CheckProject(HamCpsControl& control) {
    return ProjectChecker(control).Run();
}

size_t CountProblems(const std::vector<Problem>& problems, Severity severity) {
    return static_cast<size_t>(
        std::count_if(problems.begin(), problems.end(),
                      [severity](const Problem& problem) { return problem.severity == severity; }));
}

std::vector<Problem> NewProblems(const std::vector<Problem>& before,
                                 const std::vector<Problem>& after) {
    auto key = [](const Problem& problem) {
        return std::tie(problem.kind, problem.id, problem.fieldId, problem.english);
    };
    std::set<
        std::tuple<const ProblemKind&, const std::string&, const std::string&, const std::string&>>
        known;
    for (const Problem& problem : before) {
        known.insert(key(problem));
    }
    std::vector<Problem> added;
    for (const Problem& problem : after) {
        if (known.count(key(problem)) == 0) {
            added.push_back(problem);
        }
    }
    return added;
}

} // namespace vd
