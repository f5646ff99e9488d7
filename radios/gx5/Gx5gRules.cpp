// The GX5G's value rules: the GX5's plus the fixed channels.
#include "radios/NotAvailable.h"
#include "radios/gx5/Gx5gv001Control.h"

namespace vd {

bool Gx5gv001Control::IsElementReadOnly(const std::string&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "IsElementReadOnly");
}

bool Gx5gv001Control::ValidateValue(const std::string&, std::string&, std::vector<long long>&,
                                    std::vector<long long>&, std::string&) {
    ThrowNotAvailable(GetModelName(), "ValidateValue");
}

bool Gx5gv001Control::IsFieldDisabled(const HamCpsElement&) {
    ThrowNotAvailable(GetModelName(), "IsFieldDisabled");
}

bool Gx5gv001Control::OnValueChanged(const HamCpsElement&, const std::string&,
                                     std::vector<ElementKey>&) {
    ThrowNotAvailable(GetModelName(), "OnValueChanged");
}

} // namespace vd
