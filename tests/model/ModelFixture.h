#pragma once
#include "tests/support/FixtureControl.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace vdtest {

/// The control of the model tests over a fixture document.
inline std::unique_ptr<FixtureControl> MakeFixtureControl(const std::string& path,
                                                          const std::string& rootName = "TST") {
    return std::make_unique<FixtureControl>(
        "TEST", rootName, path, std::map<std::string, int>{{"ChannelName", 4}, {"ZoneName", 2}});
}

/// A small document with settings, a channel list, a zone list with members, a global choice
/// list, comments in awkward places and a window layout (tests/data/model_fixture.ysht).
inline std::string FixturePath() {
    return std::string(std::getenv("VALDREN_TEST_DATA")) + "/model_fixture.ysht";
}

} // namespace vdtest
