#include "cli/Selector.h"

#include "cli/CliSupport.h"
#include "document/ElementSelector.h"

namespace vd::cli {

ElementPtr ResolveSelector(HamCpsControl& control, const std::string& selector) {
    try {
        return vd::ResolveSelector(control, selector);
    } catch (const SelectorError& e) {
        throw CliError(kUsageError, e.what());
    }
}

ElementPtr ResolveRecord(HamCpsControl& control, const std::string& key) {
    try {
        return vd::ResolveRecord(control, key);
    } catch (const SelectorError& e) {
        throw CliError(kUsageError, e.what());
    }
}

} // namespace vd::cli
