#include "link/SerialException.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The detail of a busy port goes after the system's text; unknown codes still have a text.
TEST(CSerialException, DetailFollowsTheSystemText) {
    EXPECT_EQ(vd::CSerialException(EBUSY, "/dev/ttyUSB0", "in use by minicom (pid 7)").what(),
              "/dev/ttyUSB0: " + vd::system_error_text(EBUSY) + " (in use by minicom (pid 7))");
    EXPECT_FALSE(vd::system_error_text(99999).empty());
}

TEST(CSerialException, PermissionDeniedNamesTheGroupAndTheFix) {
    vdtest::TempDir dir;
    const auto file = dir.write("ttyUSB0", "");
    ASSERT_EQ(::chmod(file.c_str(), 0), 0);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    const struct group* owner = ::getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);
    const std::string group = owner->gr_name;

    for (int code : {EACCES, EPERM}) {
        const std::string message = vd::CSerialException(code, file.string()).GetErrorMessage();
        EXPECT_NE(message.find(vd::system_error_text(code)), std::string::npos) << message;
        EXPECT_NE(message.find("group \"" + group + "\""), std::string::npos) << message;
        EXPECT_NE(message.find("sudo usermod -aG " + group + " $USER, then log in again"),
                  std::string::npos)
            << message;
    }
    // Without a device to look at, the usual owner of serial ports is named.
    EXPECT_NE(vd::CSerialException(EACCES).GetErrorMessage().find("usermod -aG dialout"),
              std::string::npos);
}

} // namespace
