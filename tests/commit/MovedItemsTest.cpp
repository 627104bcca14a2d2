#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commit/MovedItems.h"
#include "support/TempDir.h"

namespace morvalent::commit {
namespace {

using testing::NativePath;

TEST(MovedItems, RowsFollowTheirItemsAndFolders) {
    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
    for (const char16_t* path : {u"/t/e", u"/t/e/x2.txt", u"/t/b.txt", u"/t/other.txt"}) {
        filelist::FileEntry entry;
        entry.path = NativePath(path);
        entry.isFolder = std::u16string_view(path) == u"/t/e";
        list.SetNewName(list.InsertEntryRow(entry), u"edited");
    }
    list.SetFolderText(1, NativePath(u"/t/e/sub"));
    // An undo puts the file back first, then its folder.
    FollowMovedItems(list, {{NativePath(u"/t/e/x2.txt"), NativePath(u"/t/e/x.txt")},
                            {NativePath(u"/t/e"), NativePath(u"/t/d")},
                            {NativePath(u"/t/b.txt"), NativePath(u"/t/a.txt")}});
    struct Expected {
        const char16_t* path;
        const char16_t* newName;
        const char16_t* folder;
    };
    const Expected expected[] = {
        {u"/t/d", u"d", u"/t"},
        {u"/t/d/x.txt", u"x.txt", u"/t/d"},
        {u"/t/a.txt", u"a.txt", u"/t"},
        {u"/t/other.txt", u"edited", u"/t"},
    };
    for (std::size_t row = 0; row < list.Count(); ++row) {
        EXPECT_EQ(list.Entry(row).path, NativePath(expected[row].path)) << row;
        EXPECT_EQ(list.NewName(row), expected[row].newName) << row;
        EXPECT_EQ(list.FolderText(row), NativePath(expected[row].folder)) << row;
    }
}

}  // namespace
}  // namespace morvalent::commit
