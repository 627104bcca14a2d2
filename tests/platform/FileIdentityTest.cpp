#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

TEST(FileIdentity, FollowsTheItemAcrossRenamesOnly) {
    TempDir dir;
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    dir.MakeFolder("d");
    auto fs = MakeNativeFileSystem();
    const auto file = fs->ReadIdentity(dir.Join(u"a.txt"));
    const auto folder = fs->ReadIdentity(dir.Join(u"d"));
    ASSERT_TRUE(file.has_value());
    ASSERT_TRUE(folder.has_value());
    ASSERT_EQ(fs->MoveNoReplace(dir.Join(u"a.txt"), dir.Join(u"c.txt")).result, MoveResult::Moved);
    ASSERT_EQ(fs->MoveNoReplace(dir.Join(u"d"), dir.Join(u"e")).result, MoveResult::Moved);
    EXPECT_EQ(fs->ReadIdentity(dir.Join(u"c.txt")), file);
    EXPECT_EQ(fs->ReadIdentity(dir.Join(u"e")), folder);
    EXPECT_NE(fs->ReadIdentity(dir.Join(u"b.txt")), file);
    EXPECT_NE(folder, file);
    EXPECT_EQ(fs->ReadIdentity(dir.Join(u"a.txt")), std::nullopt);
    EXPECT_EQ(fs->ReadIdentity(u""), std::nullopt);
}

TEST(FileIdentity, ManyAtOnceAsEachAlone) {
    TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("d/b.txt");
    dir.WriteFile("d/c.txt");
    dir.WriteFile("e.txt");
    auto fs = MakeNativeFileSystem();
    const std::vector<std::u16string> paths = {dir.Join(u"a.txt"),
                                               dir.Join(u"d/b.txt"),
                                               dir.Join(u"d/missing"),
                                               dir.Join(u"d/c.txt"),
                                               dir.Join(u"e.txt"),
                                               dir.Join(u"gone/x"),
                                               u""};
    std::vector<std::optional<FileIdentity>> alone;
    for (const auto& path : paths) alone.push_back(fs->ReadIdentity(path));
    EXPECT_EQ(fs->ReadIdentities({paths.begin(), paths.end()}), alone);
    EXPECT_EQ(alone[2], std::nullopt);
    EXPECT_NE(alone[3], std::nullopt);
}

}  // namespace
}  // namespace morvalent::platform
