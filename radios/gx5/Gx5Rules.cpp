// The GX5's value rules.
#include "radios/NotAvailable.h"
#include "radios/gx5/Gx5v001Control.h"

namespace vd {

bool Gx5v001Control::IsElementReadOnly(const std::string&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "IsElementReadOnly");
}

bool Gx5v001Control::ValidateValue(const std::string&, std::string&, std::vector<long long>&,
                                   std::vector<long long>&, std::string&) {
    ThrowNotAvailable(GetModelName(), "ValidateValue");
}

std::string Gx5v001Control::GetReferenceTarget(const std::string&) {
    ThrowNotAvailable(GetModelName(), "GetReferenceTarget");
}

std::string Gx5v001Control::FormatMemberList(const std::vector<std::string>&) {
    ThrowNotAvailable(GetModelName(), "FormatMemberList");
}

std::string Gx5v001Control::DefaultRecordName(const std::string&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "DefaultRecordName");
}

bool Gx5v001Control::IsValueAllowed(const std::string&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "IsValueAllowed");
}

} // namespace vd
