// Compiled into every test program: points the program at this build's templates, simulator
// and test data before main runs, unless the environment already names others.
#include <cstdlib>

namespace {

const bool environmentSet = [] {
    setenv("VALDREN_CPS_TEMPLATE_DIR", VALDREN_TEST_TEMPLATE_DIR, 0);
    setenv("VALDREN_RADIOSIM", VALDREN_TEST_RADIOSIM, 0);
    setenv("VALDREN_BIN_DIR", VALDREN_TEST_BIN_DIR, 0);
    setenv("VALDREN_TEST_DATA", VALDREN_TEST_DATA_DIR, 0);
    return true;
}();

} // namespace
