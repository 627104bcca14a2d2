#include <gtest/gtest.h>

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/TempDir.h"

namespace morvalent::platform {
namespace {

using testing::TempDir;
using testing::U16;

// The names in the folder as the file system spells them, in name order (the
// order of a listing differs between file systems).
std::vector<std::u16string> NamesIn(FileSystem& fs, const std::u16string& folder) {
    std::vector<FolderItem> items;
    EXPECT_TRUE(fs.ListFolder(folder, items));
    std::vector<std::u16string> names;
    for (const FolderItem& item : items) names.push_back(item.name);
    std::sort(names.begin(), names.end());
    return names;
}

using ItemNames = std::vector<std::u16string>;

TEST(Win32FileSystem, Attributes) {
    TempDir dir;
    dir.WriteFile("file.txt", "abc");
    dir.MakeFolder("folder");
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->IsFolder(dir.Join(u"file.txt")), std::optional<bool>(false));
    EXPECT_EQ(fs->IsFolder(dir.Join(u"FILE.TXT")), std::optional<bool>(false));
    EXPECT_EQ(fs->IsFolder(dir.Join(u"folder")), std::optional<bool>(true));
    EXPECT_EQ(fs->IsFolder(dir.Join(u"missing")), std::nullopt);
    EXPECT_EQ(fs->IsFolder(u""), std::nullopt);
    EXPECT_EQ(fs->IsFolder(u"C:\\"), std::optional<bool>(true));
}

TEST(Win32FileSystem, SizeAndTimesOfFilesAndFolders) {
    TempDir dir;
    dir.WriteFile("five.bin", "12345");
    dir.MakeFolder("folder");
    auto fs = MakeNativeFileSystem();
    auto file = fs->ReadInfo(dir.Join(u"five.bin"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size, 5u);
    EXPECT_GT(file->lastWriteTime, FileTimeFromUnix(1600000000, 0));
    EXPECT_GT(file->creationTime, FileTimeFromUnix(1600000000, 0));
    auto folder = fs->ReadInfo(dir.Join(u"folder"));
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->size, 0u);
    EXPECT_FALSE(fs->ReadInfo(dir.Join(u"missing")));
}

TEST(Win32FileSystem, ListsFolderItems) {
    TempDir dir;
    dir.WriteFile("a.txt", "1");
    dir.WriteFile("\xED\x95\x9C\xEA\xB8\x80.txt", "22");  // 한글.txt
    dir.MakeFolder("sub");
    dir.WriteFile("sub/inner.txt");
    auto fs = MakeNativeFileSystem();
    std::vector<FolderItem> items;
    ASSERT_TRUE(fs->ListFolder(dir.Text(), items));
    std::sort(items.begin(), items.end(),
              [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, u"a.txt");
    EXPECT_FALSE(items[0].isFolder);
    EXPECT_EQ(items[0].info.size, 1u);
    EXPECT_EQ(items[1].name, u"sub");
    EXPECT_TRUE(items[1].isFolder);
    EXPECT_EQ(items[2].name, u"\uD55C\uAE00.txt");
    EXPECT_EQ(items[2].info.size, 2u);
    EXPECT_GT(items[2].info.lastWriteTime, FileTimeFromUnix(1600000000, 0));
    // A trailing separator lists the same folder.
    EXPECT_EQ(NamesIn(*fs, dir.Text() + u"\\"), (ItemNames{u"a.txt", u"sub", u"\uD55C\uAE00.txt"}));
    EXPECT_FALSE(fs->ListFolder(dir.Join(u"missing"), items));
    EXPECT_FALSE(fs->ListFolder(dir.Join(u"a.txt"), items));
}

TEST(Win32FileSystem, ListsADriveRootGivenAsDriveAlone) {
    // The folder part of C:\a.txt is "C:", which must list the root, not the
    // current folder of drive C.
    auto fs = MakeNativeFileSystem();
    std::vector<FolderItem> items;
    ASSERT_TRUE(fs->ListFolder(u"C:", items));
    const bool hasWindows = std::any_of(items.begin(), items.end(), [](const FolderItem& item) {
        return item.isFolder && EqualsAsciiNoCase(item.name, u"windows");
    });
    EXPECT_TRUE(hasWindows);
}

TEST(Win32FileSystem, MoveNeverReplaces) {
    TempDir dir;
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    dir.MakeFolder("one");
    dir.MakeFolder("two");
    auto fs = MakeNativeFileSystem();
    struct Row {
        const char* name;
        std::u16string source;
        std::u16string target;
        MoveResult expected;
    };
    const Row rows[] = {
        {"file onto file", u"a.txt", u"b.txt", MoveResult::TargetExists},
        {"file onto file in other case", u"a.txt", u"B.TXT", MoveResult::TargetExists},
        {"file onto folder", u"a.txt", u"one", MoveResult::TargetExists},
        {"folder onto folder", u"one", u"two", MoveResult::TargetExists},
        {"missing source", u"gone.txt", u"c.txt", MoveResult::SourceMissing},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fs->MoveNoReplace(dir.Join(row.source), dir.Join(row.target)).result,
                  row.expected)
            << row.name;
    }
    EXPECT_EQ(dir.ReadFile("a.txt"), "A");
    EXPECT_EQ(dir.ReadFile("b.txt"), "B");
    EXPECT_EQ(NamesIn(*fs, dir.Text()), (ItemNames{u"a.txt", u"b.txt", u"one", u"two"}));
}

TEST(Win32FileSystem, RenamesAndMoves) {
    TempDir dir;
    dir.WriteFile("a.txt", "A");
    dir.MakeFolder("sub");
    dir.MakeFolder("old");
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"a.txt"), dir.Join(u"sub/\uD55C.txt")).result,
              MoveResult::Moved);
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"old"), dir.Join(u"new")).result, MoveResult::Moved);
    EXPECT_EQ(NamesIn(*fs, dir.Text()), (ItemNames{u"new", u"sub"}));
    EXPECT_EQ(NamesIn(*fs, dir.Join(u"sub")), (ItemNames{u"\uD55C.txt"}));
}

TEST(Win32FileSystem, CaseOnlyRenameTakesTheNewSpelling) {
    TempDir dir;
    dir.WriteFile("readme.txt", "text");
    dir.MakeFolder("docs");
    dir.WriteFile("docs/inner.txt", "inner");
    auto fs = MakeNativeFileSystem();
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"readme.txt"), dir.Join(u"README.txt")).result,
              MoveResult::Moved);
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"docs"), dir.Join(u"Docs")).result, MoveResult::Moved);
    // Exactly the new spellings, and no temporary name left behind.
    EXPECT_EQ(NamesIn(*fs, dir.Text()), (ItemNames{u"Docs", u"README.txt"}));
    EXPECT_EQ(dir.ReadFile("README.txt"), "text");
    EXPECT_EQ(dir.ReadFile("Docs/inner.txt"), "inner");
}

TEST(Win32FileSystem, RefusesNamesWindowsCannotHold) {
    TempDir dir;
    dir.WriteFile("a.txt", "A");
    auto fs = MakeNativeFileSystem();
    const char16_t* targets[] = {
        u"b:c.txt",   u"what?.txt", u"star*.txt",     u"pipe|.txt", u"quote\".txt", u"less<.txt",
        u"tab\t.txt", u"dot.",      u"space ",        u"CON",       u"nul.txt",     u"com1",
        u"LPT9.log",  u"COM\u00B9", u"lpt\u00B3.txt", u"NUL .txt",  u"con  .log",   u"COM0",
    };
    for (const char16_t* target : targets) {
        EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"a.txt"), dir.Join(target)).result,
                  MoveResult::Failed)
            << testing::U8(target);
    }
    EXPECT_EQ(NamesIn(*fs, dir.Text()), (ItemNames{u"a.txt"}));
    EXPECT_EQ(dir.ReadFile("a.txt"), "A");
    // ItemNames that only resemble a device are fine.
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"a.txt"), dir.Join(u"console.txt")).result,
              MoveResult::Moved);
    EXPECT_EQ(fs->MoveNoReplace(dir.Join(u"console.txt"), dir.Join(u"COM\u00B9\u00B9.txt")).result,
              MoveResult::Moved);
}

}  // namespace
}  // namespace morvalent::platform
