#pragma once
#include "document/ValueJudge.h"

#include <cstddef>
#include <string>

namespace vd {

/// A problem's message in both languages.
struct ProblemText {
    std::string english;
    std::string chinese;
};

/// The messages of the whole-project check. `what` names the element as the person sees it.
namespace problem_text {

ProblemText RefusedValue(const std::string& what, const std::string& value,
                         const ValueVerdict& verdict);
ProblemText MissingReference(const std::string& what, const std::string& value);
ProblemText OverCapacity(const std::string& list, size_t count, int capacity);
ProblemText TooManyMembers(const std::string& what, size_t count, size_t capacity);
ProblemText ChannelOutsideZone(const std::string& what, const std::string& channel,
                               const std::string& zone);
ProblemText EmptyRequired(const std::string& what);
ProblemText DuplicateName(const std::string& what, const std::string& name,
                          const std::string& firstId);
ProblemText EmptyName(const std::string& what);
ProblemText TextCut(const std::string& what, const std::string& value, long long width,
                    const std::string& stored);
ProblemText TextUnshown(const std::string& what, const std::string& value,
                        const std::string& stored);
ProblemText NoMembers(const std::string& what);
ProblemText ReceiveOnlyTx(const std::string& receive, const std::string& transmit);

} // namespace problem_text

} // namespace vd
