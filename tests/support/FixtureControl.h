#pragma once
#include "model/CommonCpsControl.h"
#include "model/Exceptions.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vdtest {

/// A value rule a test gives a fixture control: kind "value" with numeric ranges, or kind
/// "char" with the longest length as upper[0] and the allowed characters.
struct FixtureRule {
    std::string kind;
    std::vector<long long> lower;
    std::vector<long long> upper;
    std::string allowedChars{};
};

/// A common control over a hand-written document, whose value rules, read-only keys
/// ("id_name") and capacities the test chooses and may change at any time. The radio
/// operations are out of its reach and say so.
class FixtureControl : public vd::CommonCpsControl {
public:
    FixtureControl(const std::string& modelName, const std::string& rootName,
                   const std::string& templatePath, std::map<std::string, int> capacities)
        : CommonCpsControl(modelName, rootName, {}, templatePath),
          capacities(std::move(capacities)) {}

    /// What an image decoder does after reading, for the tests of the common control.
    using vd::CommonCpsControl::StoreCheckBoxesAsEdited;

    std::map<std::string, FixtureRule> rules;
    std::set<std::string> readOnlyKeys;
    std::map<std::string, int> capacities;

    bool GenerateImage(vd::ByteVector&, int) override { return Refuse(); }
    bool NeedsNoBaseImage() override { return true; }
    bool ImportImage(const vd::ByteVector&) override { return Refuse(); }
    bool ReadBaseImage(vd::ISerialPort&, vd::ByteVector&, std::string) override { return Refuse(); }
    void OpenPort(vd::ISerialPort&, const std::string&) override { Refuse(); }
    bool host_handshake(vd::ISerialPort&, int, const uint8_t*, int) override { return Refuse(); }
    int ReadAll(vd::ISerialPort&, vd::ByteVector&, std::string) override { return Refuse(); }
    int WriteAll(vd::ISerialPort&, const vd::ByteVector&, std::string) override { return Refuse(); }
    bool IsElementReadOnly(const std::string& id, const std::string& name) override {
        return readOnlyKeys.count(id + "_" + name) != 0;
    }
    bool ValidateValue(const std::string& name, std::string& kind, std::vector<long long>& lower,
                       std::vector<long long>& upper, std::string& allowedChars) override {
        const auto found = rules.find(name);
        if (found == rules.end()) {
            return false;
        }
        kind = found->second.kind;
        lower = found->second.lower;
        upper = found->second.upper;
        allowedChars = found->second.allowedChars;
        return true;
    }
    int GetCapacity(const std::string& name) override {
        for (const std::string& key : {name, name + "Name"}) {
            if (const auto found = capacities.find(key); found != capacities.end()) {
                return found->second;
            }
        }
        return -1;
    }

private:
    static bool Refuse() { throw vd::ValdrenCpsException("not available in a fixture control"); }
};

} // namespace vdtest
