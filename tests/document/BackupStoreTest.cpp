// The radio images saved before each write: fresh names, the newest kept per model.
#include "document/BackupStore.h"
#include "app/AppPaths.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace fs = std::filesystem;

TEST(BackupStore, KeepsTheNewestOfEachModelUnderFreshNames) {
    TempDir dir;
    vd::AppPaths::SetIniPath(dir.write("cps.ini", "[Option]\nbackup_keep=2\n").string());
    const std::string folder = dir.file("backups").string();
    const std::string other = vd::BackupStore::Save(folder, "LM704", vd::ByteVector(1008, 9));
    std::vector<std::string> saved;
    for (uint8_t fill = 1; fill <= 3; ++fill) {
        saved.push_back(vd::BackupStore::Save(folder, "GX5", vd::ByteVector(60000, fill)));
    }
    vd::AppPaths::SetIniPath("");
    const auto kept = vd::BackupStore::List(folder, "GX5");
    ASSERT_EQ(kept.size(), 2u) << "the oldest GX5 backup made room";
    EXPECT_EQ(kept[0].path, saved[2]);
    EXPECT_EQ(kept[1].path, saved[1]);
    EXPECT_EQ(kept[0].size, 60000u);
    EXPECT_EQ(kept[0].model, "GX5");
    EXPECT_EQ(kept[0].stamp.size(), 19u) << kept[0].stamp; // "YYYY-mm-dd HH:MM:SS"
    EXPECT_EQ(kept[0].stamp[4], '-');
    EXPECT_EQ(readFile(saved[2]), std::string(60000, '\3'));
    EXPECT_TRUE(fs::exists(other)) << "another model's backups are not counted";

    const std::pair<const char*, const char*> names[] = {{"/x/GX5G-20240131-154501.bin", "GX5G"},
                                                         {"GX5-20240131-154501-3.bin", "GX5"},
                                                         {"VS73-20240131-154501.bin", "VS73"},
                                                         {"notes.bin", ""},
                                                         {"GX5-2024.bin", ""},
                                                         {"GX5-20240131-154501.vdcps", ""}};
    for (const auto& [name, model] : names) {
        EXPECT_EQ(vd::BackupStore::ModelOfFileName(name), model) << name;
    }
}

} // namespace
} // namespace vdtest
