#include <gtest/gtest.h>

#include <string>

#include "filelist/FileList.h"
#include "transfer/ExportText.h"

namespace morvalent::transfer {
namespace {

struct ExportTextTest : ::testing::Test {
    void AddRow(std::u16string path) {
        filelist::FileEntry entry;
        entry.path = std::move(path);
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
    EXPECT_EQ(BuildExportText(list, true), u"/d/a.txt\r\n/d/b.txt\r\n");
    list.SetEntryPath(1, u"/d/renamed.txt");
    EXPECT_EQ(BuildExportText(list, true), u"/d/a.txt\r\n/d/renamed.txt\r\n");
}

TEST_F(ExportTextTest, EmptyListGivesEmptyText) {
    EXPECT_EQ(BuildExportText(list, false), u"");
    EXPECT_EQ(BuildExportText(list, true), u"");
}

TEST(EncodeTextFile, MarkThenLittleEndianUnits) {
    struct Row {
        const char* name;
        std::u16string text;
        std::string bytes;
    };
    const Row rows[] = {
        {"empty", u"", std::string("\xFF\xFE", 2)},
        {"three names", u"a.txt\r\nb.txt\r\nc.txt\r\n",
         std::string("\xFF\xFE"
                     "a\0.\0t\0x\0t\0\r\0\n\0"
                     "b\0.\0t\0x\0t\0\r\0\n\0"
                     "c\0.\0t\0x\0t\0\r\0\n\0",
                     44)},
        {"korean", u"한글\r\n", std::string("\xFF\xFE\x5C\xD5\x00\xAE\r\0\n\0", 10)},
        {"beyond the basic plane", u"\U0001F600", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EncodeTextFile(row.text), row.bytes) << row.name;
    }
}

}  // namespace
}  // namespace morvalent::transfer
