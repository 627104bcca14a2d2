#include <gtest/gtest.h>

#include "ConflictTable.h"
#include "commit/ConflictMarks.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace morvalent::commit::conflict_testing {
namespace {

using enum Conflict;
using testing::NativePath;

TEST(FindConflicts, ReasonsAsTheCommitWouldMeetThem) {
    const std::u16string zero(u"a\0b.txt", 7);
    const std::u16string bZero(u"b\0", 2);
    const std::u16string xZero(u"x\0", 2);
    const std::u16string loneSurrogate = std::u16string(u"a") + char16_t(0xD800) + u".txt";
    ExpectConflicts({
        {"free target and an unchanged row",
         {"a.txt", "c.txt"},
         {{u"a.txt", u"b.txt"}, {u"c.txt", u"c.txt"}},
         {None, None}},
        {"letter case alone changes", {"readme.txt"}, {{u"readme.txt", u"README.txt"}}, {None}},
        {"empty name", {"a.txt"}, {{u"a.txt", u""}}, {EmptyName}},
        {"same target but for A-Z case, every row of it",
         {"a.txt", "b.txt", "c.txt"},
         {{u"a.txt", u"X.txt"}, {u"b.txt", u"c2.txt"}, {u"c.txt", u"x.TXT"}},
         {Duplicate, None, Duplicate}},
        {"an item that stays is at the target",
         {"a.txt", "b.txt"},
         {{u"a.txt", u"b.txt"}},
         {Exists}},
        {"a folder is at the target", {"a.txt", "b/"}, {{u"a.txt", u"b"}}, {Exists}},
        {"target freed by an earlier row", {"a", "b"}, {{u"b", u"c"}, {u"a", u"b"}}, {None, None}},
        {"chain in the order the commit refuses",
         {"a", "b"},
         {{u"a", u"b"}, {u"b", u"c"}},
         {Exists, None}},
        {"two rows swap their names", {"a", "b"}, {{u"a", u"b"}, {u"b", u"a"}}, {Exists, Exists}},
        {"a row that fails frees nothing",
         {"a", "b"},
         {{u"b", bZero}, {u"a", u"b"}},
         {Invalid, Exists}},
        {"a renamed folder frees its name",
         {"d/f.txt", "e.txt"},
         {{u"d", u"d2", u"", true}, {u"e.txt", u"d"}},
         {None, None}},
        {"into a subfolder",
         {"a.txt", "b.txt", "sub/a.txt"},
         {{u"a.txt", NativePath(u"sub/a.txt")}, {u"b.txt", NativePath(u"sub/b.txt")}},
         {Exists, None}},
        {"one target spelled through a subfolder and through a folder text",
         {"a.txt", "b.txt", "sub/"},
         {{u"a.txt", u"x", u"sub"}, {u"b.txt", NativePath(u"sub/x")}},
         {Duplicate, Duplicate}},
        {"no such folder, or a file where the folder should be",
         {"a", "b", "f"},
         {{u"a", NativePath(u"missing/a")}, {u"b", NativePath(u"f/b")}},
         {NoFolder, NoFolder}},
        {"a folder made by an earlier row holds what its old place held",
         {"d/x", "a", "b"},
         {{u"d", u"e", u"", true}, {u"a", NativePath(u"e/x")}, {u"b", NativePath(u"e/y")}},
         {None, Exists, None}},
        {"a folder made above the target's folder",
         {"d/s/x", "a", "b"},
         {{u"d", u"e", u"", true}, {u"a", NativePath(u"e/s/x")}, {u"b", NativePath(u"e/t/x")}},
         {None, Exists, NoFolder}},
        {"a folder made only by a later row",
         {"d/x", "a"},
         {{u"a", NativePath(u"e/y")}, {u"d", u"e", u"", true}},
         {NoFolder, None}},
        {"a folder into itself", {"d/x"}, {{u"d", NativePath(u"d/e"), u"", true}}, {Invalid}},
        {"zero unit, lone surrogate, parent name, nothing after the separator",
         {"a", "b", "c", "d"},
         {{u"a", zero}, {u"b", loneSurrogate}, {u"c", u".."}, {u"d", NativePath(u"sub/")}},
         {Invalid, Invalid, Invalid, Invalid}},
        {"longer than any file system takes",
         {"a", "b"},
         {{u"a", std::u16string(256, u'n')}, {u"b", std::u16string(256, u'n') + NativePath(u"/x")}},
         {TooLong, TooLong}},
        {"empty before duplicate before invalid before exists",
         {"a", "b", "c", "d"},
         {{u"a", u""}, {u"b", xZero}, {u"c", xZero}, {u"d", u"c"}},
         {EmptyName, Duplicate, Duplicate, Exists}},
    });
}

TEST(FindConflicts, FoldersAreReadOnceUntilForgotten) {
    testing::TempDir dir;
    dir.WriteFile("a.txt");
    filelist::PlainIconSource source;
    filelist::IconCache icons(source);
    filelist::FileList list(icons);
    list.InsertEntryRow({dir.Join(u"a.txt")});
    list.SetNewName(0, u"b.txt");
    auto fs = platform::MakeNativeFileSystem();
    FolderNames disk(*fs);
    EXPECT_EQ(FindConflicts(list, disk), std::vector<Conflict>{None});
    dir.WriteFile("b.txt");
    EXPECT_EQ(FindConflicts(list, disk), std::vector<Conflict>{None});
    disk.Forget();
    EXPECT_EQ(FindConflicts(list, disk), std::vector<Conflict>{Exists});
}

TEST(ConflictMarks, NextMarkedRowGoesAroundTheEnd) {
    testing::TempDir dir;
    filelist::PlainIconSource source;
    filelist::IconCache icons(source);
    filelist::FileList list(icons);
    const char16_t* names[] = {u"a", u"", u"c", u"", u"e"};
    for (const char16_t* name : names) {
        const std::size_t row = list.InsertEntryRow({dir.Join(u"x")});
        list.SetNewName(row, name);
    }
    auto fs = platform::MakeNativeFileSystem();
    FolderNames disk(*fs);
    ConflictMarks marks;
    EXPECT_EQ(marks.NextAfter(std::nullopt), std::nullopt);
    EXPECT_TRUE(marks.Update(list, disk));
    EXPECT_FALSE(marks.Update(list, disk));
    EXPECT_EQ(marks.MarkedCount(), 2u);
    const std::pair<std::optional<std::size_t>, std::size_t> steps[] = {
        {std::nullopt, 1}, {0, 1}, {1, 3}, {3, 1}, {4, 1}};
    for (const auto& [from, next] : steps) EXPECT_EQ(marks.NextAfter(from), next);
}

}  // namespace
}  // namespace morvalent::commit::conflict_testing
