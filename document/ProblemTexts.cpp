#include "document/ProblemTexts.h"

#include <fmt/format.h>

namespace vd::problem_text {

ProblemText RefusedValue(const std::string& what, const std::string& value,
                         const ValueVerdict& verdict) {
    switch (verdict.fault) {
    case ValueFault::NotCheckBox:
        return {fmt::format("{}: \"{}\" is not a check box value (1, 0 or empty)", what, value),
                fmt::format("{}：“{}”不是复选框的值（1、0 或空）", what, value)};
    case ValueFault::NotAChoice:
        return {fmt::format("{}: \"{}\" is none of the choices {}", what, value, verdict.allowed),
                fmt::format("{}：“{}”不在可选值 {} 之中", what, value, verdict.allowed)};
    case ValueFault::NotANumber:
        return {fmt::format("{}: \"{}\" is not a whole number in {}", what, value, verdict.allowed),
                fmt::format("{}：“{}”不是 {} 范围内的整数", what, value, verdict.allowed)};
    case ValueFault::OutOfRange:
        return {fmt::format("{}: {} lies outside {}", what, value, verdict.allowed),
                fmt::format("{}：{} 超出范围 {}", what, value, verdict.allowed)};
    case ValueFault::TooLong:
        return {fmt::format("{}: \"{}\" is longer than {} characters", what, value, verdict.limit),
                fmt::format("{}：“{}”超过 {} 个字符", what, value, verdict.limit)};
    case ValueFault::TooShort:
        return {fmt::format("{}: \"{}\" is shorter than {} characters", what, value, verdict.limit),
                fmt::format("{}：“{}”少于 {} 个字符", what, value, verdict.limit)};
    case ValueFault::CharacterNotSet:
        return {
            fmt::format("{}: \"{}\" holds characters other than {}", what, value, verdict.allowed),
            fmt::format("{}：“{}”含有 {} 以外的字符", what, value, verdict.allowed)};
    case ValueFault::None:
        break;
    }
    return {what, what};
}

ProblemText MissingReference(const std::string& what, const std::string& value) {
    return {fmt::format("{}: refers to {}, which is not a record in use", what, value),
            fmt::format("{}：引用的 {} 不是正在使用的记录", what, value)};
}

ProblemText OverCapacity(const std::string& list, size_t count, int capacity) {
    return {fmt::format("{}: {} records, the radio holds {}", list, count, capacity),
            fmt::format("{}：共 {} 条记录，对讲机最多容纳 {} 条", list, count, capacity)};
}

ProblemText TooManyMembers(const std::string& what, size_t count, size_t capacity) {
    return {fmt::format("{}: {} members, the radio stores {}", what, count, capacity),
            fmt::format("{}：共 {} 个成员，对讲机最多存储 {} 个", what, count, capacity)};
}

ProblemText ChannelOutsideZone(const std::string& what, const std::string& channel,
                               const std::string& zone) {
    return {fmt::format("{}: channel {} is not a member of zone {}", what, channel, zone),
            fmt::format("{}：信道 {} 不是区域 {} 的成员", what, channel, zone)};
}

ProblemText EmptyRequired(const std::string& what) {
    return {fmt::format("{}: empty, but the radio has no \"none\" for it", what),
            fmt::format("{}：为空，但对讲机没有“无”这一取值", what)};
}

ProblemText DuplicateName(const std::string& what, const std::string& name,
                          const std::string& firstId) {
    return {fmt::format("{}: the name \"{}\" is already used by {}", what, name, firstId),
            fmt::format("{}：名称“{}”已被 {} 使用", what, name, firstId)};
}

ProblemText EmptyName(const std::string& what) {
    return {fmt::format("{}: the record has no name", what), fmt::format("{}：记录没有名称", what)};
}

ProblemText TextCut(const std::string& what, const std::string& value, long long width,
                    const std::string& stored) {
    return {fmt::format("{}: \"{}\" is longer than the {} characters the radio stores; it "
                        "becomes \"{}\"",
                        what, value, width, stored),
            fmt::format("{}：“{}”超过对讲机可存储的 {} 个字符，将变为“{}”", what, value, width,
                        stored)};
}

ProblemText TextUnshown(const std::string& what, const std::string& value,
                        const std::string& stored) {
    return {fmt::format("{}: \"{}\" holds characters the radio cannot show; it becomes \"{}\"",
                        what, value, stored),
            fmt::format("{}：“{}”含有对讲机无法显示的字符，将变为“{}”", what, value, stored)};
}

ProblemText NoMembers(const std::string& what) {
    return {fmt::format("{}: no members", what), fmt::format("{}：没有成员", what)};
}

ProblemText ReceiveOnlyTx(const std::string& receive, const std::string& transmit) {
    return {fmt::format("receives on {} Hz, where the radio only receives, but may transmit on "
                        "{} Hz",
                        receive, transmit),
            fmt::format("接收频率 {} Hz 只能接收，但允许在 {} Hz 发射", receive, transmit)};
}

} // namespace vd::problem_text
