// The model registry, cps.ini access and the language code.
#include "app/AppPaths.h"
#include "app/CpsIni.h"
#include "app/FastLink.h"
#include "app/LanguageCode.h"
#include "app/ModelRegistry.h"
#include "model/DisplayLanguage.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace vdtest {
namespace {

TEST(ModelRegistry, FindsModelsByIdentifierInAnyLetterCase) {
    EXPECT_EQ(vd::ModelRegistry::ModelNameForIdentifier("GX5v001"), "GX5");
    EXPECT_EQ(vd::ModelRegistry::ModelNameForIdentifier("gx5_V001"), "GX5");
    EXPECT_EQ(vd::ModelRegistry::ModelNameForIdentifier("GX5GV001"), "GX5G");
    EXPECT_EQ(vd::ModelRegistry::ModelNameForIdentifier("vs73_v001"), "VS73");
    EXPECT_EQ(vd::ModelRegistry::ModelNameForIdentifier("vs99_v001"), "");
    EXPECT_EQ(vd::ModelRegistry::CreateControl("gx5"), nullptr) << "names are case-sensitive";
}

class CpsIniTest : public ::testing::Test {
protected:
    void SetUp() override { vd::AppPaths::SetIniPath(dir_.file("cps.ini").string()); }
    void TearDown() override { vd::AppPaths::SetIniPath(""); }
    TempDir dir_;
};

TEST_F(CpsIniTest, ReadsAreCaseInsensitiveAndFresh) {
    dir_.write(
        "cps.ini",
        "; settings\n[device]\nPORT=7\nport=8\nretry_count = 5x\nempty=\n[GX5]\ntimeout=abc\n");
    EXPECT_EQ(vd::CpsIni::GetInt("Device", "port", 11), 7) << "a repeated key keeps the first";
    EXPECT_EQ(vd::CpsIni::GetInt("Device", "retry_count", 3), 5) << "the leading number counts";
    EXPECT_EQ(vd::CpsIni::GetInt("Device", "empty", 3), 3);
    EXPECT_EQ(vd::CpsIni::GetInt("gx5", "timeout", 1000), 0) << "text without digits reads 0";
    dir_.write("cps.ini", "[Device]\nport=9\n");
    EXPECT_EQ(vd::CpsIni::GetInt("Device", "port", 11), 9) << "nothing is cached";
}

TEST_F(CpsIniTest, WritesKeepTheRestOfTheFile) {
    dir_.write("cps.ini",
               "\xEF\xBB\xBF[Device]\n; chosen by hand\nport=3\nmodel=2\n[VS31]\ntimeout=500\n");
    ASSERT_TRUE(vd::CpsIni::WriteString("device", "Port", "12"));
    EXPECT_EQ(vd::CpsIni::GetInt("Device", "port", 11), 12);
    EXPECT_EQ(vd::CpsIni::GetInt("Device", "model", 0), 2);
    EXPECT_EQ(vd::CpsIni::GetInt("VS31", "timeout", 1000), 500);
    const std::string written = readFile(dir_.file("cps.ini"));
    EXPECT_NE(written.find("; chosen by hand"), std::string::npos);
    EXPECT_NE(written.find("=12\n"), std::string::npos) << "key=value, without spaces";
    EXPECT_EQ(vd::CpsIni::GetString("Option", "language", "ENG"), "ENG") << "a missing key";
    ASSERT_TRUE(vd::CpsIni::WriteInt("Option", "language", 1));
    EXPECT_EQ(vd::CpsIni::GetString("Option", "language", ""), "1");
}

TEST_F(CpsIniTest, TheLanguageChosenSwitchesTheTemplatesTexts) {
    dir_.write("cps.ini", "[Option]\nlanguage=CHN\n");
    vd::SetCurrentLanguageCode("");
    EXPECT_EQ(vd::CurrentLanguageCode(), "CHN") << "read from cps.ini when none is set";
    EXPECT_EQ(vd::DisplayLanguageSuffix(), "CHN");
    vd::SetCurrentLanguageCode("ENG");
    EXPECT_EQ(vd::DisplayLanguageSuffix(), "ENG");
}

TEST_F(CpsIniTest, TheFastLinkIsChosenInCpsIni) {
    EXPECT_FALSE(vd::fast_link_enabled()) << "off unless asked for";
    dir_.write("cps.ini", "[Device]\nfast_link=1\n");
    EXPECT_TRUE(vd::fast_link_enabled());
}

// The installed layout (the test programs have no templates beside them): the templates in
// ../share beside bin/, the settings and the data in the XDG folders; the environment overrides.
TEST(AppPaths, InstalledLayoutAndTheEnvironment) {
    std::map<std::string, std::string> saved;
    for (const char* name :
         {"VALDREN_CPS_TEMPLATE_DIR", "HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"}) {
        const char* value = std::getenv(name);
        saved[name] = value ? value : "";
        unsetenv(name);
    }
    const std::string module = vd::AppPaths::ModuleDir();
    ASSERT_TRUE(module.ends_with("/bin/")) << module;
    EXPECT_EQ(vd::AppPaths::TemplateDir(),
              module.substr(0, module.size() - 4) + "share/valdren-cps/template/");
    setenv("VALDREN_CPS_TEMPLATE_DIR", "/x/templates", 1);
    EXPECT_EQ(vd::AppPaths::TemplateDir(), "/x/templates/");
    setenv("HOME", "/x/home", 1);
    EXPECT_EQ(vd::AppPaths::IniPath(), "/x/home/.config/valdren-cps/cps.ini");
    setenv("XDG_CONFIG_HOME", "/x/config", 1);
    setenv("XDG_STATE_HOME", "/x/state", 1);
    EXPECT_EQ(vd::AppPaths::IniPath(), "/x/config/valdren-cps/cps.ini");
    EXPECT_EQ(vd::AppPaths::DataDir(), "/x/state/valdren-cps/");
    setenv("VALDREN_CPS_INI", "/x/conf/cps.ini", 1);
    EXPECT_EQ(vd::AppPaths::IniPath(), "/x/conf/cps.ini");
    EXPECT_EQ(vd::AppPaths::DataDir(), "/x/conf/") << "a cps.ini named brings its data along";
    unsetenv("VALDREN_CPS_INI");
    for (const auto& [name, value] : saved) {
        value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
    }
}

} // namespace
} // namespace vdtest
