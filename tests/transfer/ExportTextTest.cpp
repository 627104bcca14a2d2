#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "filelist/FileList.h"
#include "support/TempDir.h"
#include "transfer/ExportText.h"

namespace morvalent::transfer {
namespace {

using testing::NativePath;

struct ExportTextTest : ::testing::Test {
    void AddRow(std::u16string path) {
        filelist::FileEntry entry;
        entry.path = NativePath(path);
        list.InsertEntryRow(std::move(entry));
    }
    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
};

TEST_F(ExportTextTest, NewNamesInRowOrderEachWithALineEnd) {
    AddRow(u"/d/a.txt");
    AddRow(u"/d/b.txt");
    AddRow(u"/d/c.txt");
    EXPECT_EQ(BuildExportText(list, false), u"a.txt\r\nb.txt\r\nc.txt\r\n");
    list.SetNewName(1, u"");
    list.SetNewName(2, u"한글 이름.txt");
    EXPECT_EQ(BuildExportText(list, false), u"a.txt\r\n\r\n한글 이름.txt\r\n");
}

TEST_F(ExportTextTest, PathsComeFromTheEntries) {
    AddRow(u"/d/a.txt");
    AddRow(u"/d/b.txt");
    list.SetNewName(0, u"new.txt");
    list.SetFolderText(0, u"/elsewhere");
    EXPECT_EQ(BuildExportText(list, true), NativePath(u"/d/a.txt\r\n/d/b.txt\r\n"));
    list.SetEntryPath(1, NativePath(u"/d/renamed.txt"));
    EXPECT_EQ(BuildExportText(list, true), NativePath(u"/d/a.txt\r\n/d/renamed.txt\r\n"));
}

TEST_F(ExportTextTest, FirstRowThatWouldNotLoadBack) {
    const struct {
        const char* name;
        std::u16string newName;
        std::optional<std::size_t> row;
    } cases[] = {
        {"plain", u"b.txt", std::nullopt},
        {"space inside", u"b c.txt", std::nullopt},
        {"line feed", u"b\nc.txt", 1},
        {"carriage return", u"b\r.txt", 1},
        {"leading space", u" b.txt", 1},
        {"trailing ideographic space", u"b.txt\u3000", 1},
        {"empty", u"", 1},
    };
    AddRow(u"/d/a.txt");
    AddRow(u"/d/b.txt");
    AddRow(u"/d/c.txt ");
    list.SetNewName(2, u"c.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list.SetNewName(1, c.newName);
        EXPECT_EQ(FirstRowNotLoadingBack(list, false), c.row);
    }
    EXPECT_EQ(FirstRowNotLoadingBack(list, true), std::optional<std::size_t>(2));
}

TEST_F(ExportTextTest, EmptyListGivesEmptyText) {
    EXPECT_EQ(BuildExportText(list, false), u"");
    EXPECT_EQ(BuildExportText(list, true), u"");
}

}  // namespace
}  // namespace morvalent::transfer
