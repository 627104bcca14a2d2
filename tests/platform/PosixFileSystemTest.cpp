#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;

TEST(PosixFileSystem, AttributesFollowLinks) {
    TempDir dir;
    dir.WriteFile("file.txt", "abc");
    dir.MakeFolder("folder");
    std::filesystem::create_directory_symlink(dir.Path() / "folder", dir.Path() / "link");
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->IsFolder(dir.Join(u"file.txt")), std::optional<bool>(false));
    EXPECT_EQ(fs->IsFolder(dir.Join(u"folder")), std::optional<bool>(true));
    EXPECT_EQ(fs->IsFolder(dir.Join(u"link")), std::optional<bool>(true));
    EXPECT_EQ(fs->IsFolder(dir.Join(u"missing")), std::nullopt);
    EXPECT_EQ(fs->IsFolder(u""), std::nullopt);
}

TEST(PosixFileSystem, SizeAndTimes) {
    TempDir dir;
    dir.WriteFile("five.bin", "12345");
    // A sparse 5 GiB file: the size must not be cut to 32 bits.
    const auto big = dir.Path() / "big.bin";
    { std::ofstream(big).put('x'); }
    std::filesystem::resize_file(big, 5ull << 30);
    auto fs = MakeNativeFileSystem();
    auto info = fs->ReadInfo(dir.Join(u"five.bin"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->size, 5u);
    EXPECT_GT(info->lastWriteTime, FileTimeFromUnix(1600000000, 0));
    auto bigInfo = fs->ReadInfo(dir.Join(u"big.bin"));
    ASSERT_TRUE(bigInfo);
    EXPECT_EQ(bigInfo->size, 5ull << 30);
    EXPECT_FALSE(fs->ReadInfo(dir.Join(u"missing")));
    // A folder's size is 0, whatever its entries list takes.
    dir.MakeFolder("folder");
    EXPECT_EQ(fs->ReadInfo(dir.Join(u"folder"))->size, 0u);
}

TEST(PosixFileSystem, ListsWithoutFollowingLinks) {
    TempDir dir;
    dir.WriteFile("a.txt", "1");
    dir.MakeFolder("sub");
    std::filesystem::create_directory_symlink(dir.Path(), dir.Path() / "loop");
    auto fs = MakeNativeFileSystem();
    std::vector<FolderItem> items;
    ASSERT_TRUE(fs->ListFolder(dir.Text(), items));
    std::sort(items.begin(), items.end(),
              [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, u"a.txt");
    EXPECT_FALSE(items[0].isFolder);
    EXPECT_EQ(items[1].name, u"loop");
    EXPECT_FALSE(items[1].isFolder);
    EXPECT_TRUE(items[1].linksToFolder);
    EXPECT_EQ(items[2].info.size, 0u);
    EXPECT_EQ(items[2].name, u"sub");
    EXPECT_TRUE(items[2].isFolder);
    EXPECT_FALSE(fs->ListFolder(dir.Join(u"missing"), items));
    // An empty folder text is not the root.
    EXPECT_FALSE(fs->ListFolder(u"", items));
}

TEST(PosixFileSystem, NameThatIsNotUtf8RoundTrips) {
    TempDir dir;
    const std::string raw = "\xC7\xD1\xB1\xDB.txt";  // CP949 bytes
    dir.WriteFile(raw, "x");
    auto fs = MakeNativeFileSystem();
    std::vector<FolderItem> items;
    ASSERT_TRUE(fs->ListFolder(dir.Text(), items));
    ASSERT_EQ(items.size(), 1u);
    const std::u16string path = dir.Join(items[0].name);
    EXPECT_EQ(fs->IsFolder(path), std::optional<bool>(false));
    EXPECT_EQ(*Utf16ToNative(items[0].name), raw);
    auto moved = fs->MoveNoReplace(path, dir.Join(u"renamed.txt"));
    EXPECT_EQ(moved.result, MoveResult::Moved);
    EXPECT_TRUE(dir.Exists("renamed.txt"));
    EXPECT_FALSE(dir.Exists(raw));
}

TEST(PosixFileSystem, MoveNeverReplaces) {
    TempDir dir;
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"a.txt"), dir.Join(u"b.txt")).result,
              MoveResult::TargetExists);
    EXPECT_EQ(dir.ReadFile("a.txt"), "A");
    EXPECT_EQ(dir.ReadFile("b.txt"), "B");
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"gone.txt"), dir.Join(u"c.txt")).result,
              MoveResult::SourceMissing);
}

TEST(PosixFileSystem, NameRulesByFileSystemType) {
    struct Case {
        const char* name;
        unsigned long magic;
        const char* mountType;
        NameRuleSet rules;
    };
    const Case cases[] = {
        {"ext4", 0xEF53, "ext4", NameRuleSet::System},
        {"tmpfs", 0x01021994, "tmpfs", NameRuleSet::System},
        {"vfat", 0x4d44, "vfat", NameRuleSet::Windows},
        {"the kernel's exfat", 0x2011BAB0, "exfat", NameRuleSet::Windows},
        {"the kernel's ntfs3", 0x7366746e, "ntfs3", NameRuleSet::Windows},
        {"ntfs-3g on a block device", 0x65735546, "fuseblk", NameRuleSet::Windows},
        {"exfat-fuse", 0x65735546, "fuse.exfat", NameRuleSet::Windows},
        {"sshfs", 0x65735546, "fuse.sshfs", NameRuleSet::System},
        {"FUSE not in the mount table", 0x65735546, "", NameRuleSet::System},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameRulesOfFileSystem(c.magic, c.mountType), c.rules) << c.name;
    }
    // This machine's temporary folder, looked up for real, and a folder not yet made in it.
    TempDir dir;
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->FolderNameRules(dir.Join(u"not/yet")), fs->FolderNameRules(dir.Text()));
}

}  // namespace
}  // namespace morvalent::platform
