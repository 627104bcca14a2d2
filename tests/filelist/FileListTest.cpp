#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/FileList.h"
#include "support/ListRecorder.h"
#include "support/TempDir.h"

namespace morvalent::filelist {
namespace {

using testing::NativePath;

FileEntry Entry(std::u16string path, bool isFolder = false, std::uint64_t size = 0) {
    FileEntry e;
    e.path = NativePath(path);
    e.isFolder = isFolder;
    e.size = size;
    e.lastWriteTime = 0;
    return e;
}

using Recorder = testing::ListRecorder;

struct Fixture : ::testing::Test {
    PlainIconSource source;
    IconCache icons{source};
    FileList list{icons};
};

using FileListTest = Fixture;

TEST_F(FileListTest, DerivesColumnsFromTheEntry) {
    list.InsertEntryRow(Entry(u"/photos/Vol.2", true));
    FileEntry big = Entry(u"/data/big.iso", false, 5ull << 30);
    big.creationTime = platform::kUnknownTime;
    list.InsertEntryRow(big);
    EXPECT_EQ(list.ColumnText(0, ColCurrentName), u"Vol.2");
    EXPECT_EQ(list.ColumnText(0, ColNewName), u"Vol.2");
    EXPECT_EQ(list.ColumnText(0, ColFolder), NativePath(u"/photos"));
    EXPECT_EQ(list.ColumnText(0, ColFullPath), NativePath(u"/photos/Vol.2"));
    EXPECT_EQ(list.At(0).icon, 1);
    EXPECT_EQ(list.ColumnText(1, ColSize), u"5368709120");
    EXPECT_EQ(list.ColumnText(1, ColModified), u"1601-01-01 00:00:00");
    EXPECT_EQ(list.ColumnText(1, ColCreated), u"");
    EXPECT_EQ(list.At(1).icon, 0);
}

// Gives every distinct extension its own icon, so a row with the wrong key shows.
class ExtensionIcons : public IconSource {
  public:
    std::int32_t IconIndexFor(std::u16string_view extension, bool) override {
        asked.emplace_back(extension);
        return std::int32_t(asked.size());
    }
    std::vector<std::u16string> asked;
};

// Work redone only for changed rows must hear of every change, or be told to redo all.
TEST_F(FileListTest, NamesTheRowsChangedSinceAMark) {
    for (int i = 0; i < 100; ++i) list.InsertEntryRow(Entry(u"/d/f"));
    auto mark = list.Changes();
    list.SetNewName(3, u"x");
    list.SetFolderText(7, u"/e");
    const auto changed = list.ChangedSince(mark);
    ASSERT_TRUE(changed);
    EXPECT_EQ(std::vector<std::uint32_t>(changed->begin(), changed->end()),
              (std::vector<std::uint32_t>{3, 7}));
    mark = list.Changes();
    list.SwapRows(1, 2);
    EXPECT_FALSE(list.ChangedSince(mark)) << "rows moved";
    mark = list.Changes();
    list.SetEntryPath(5, NativePath(u"/d/g"));
    EXPECT_FALSE(list.ChangedSince(mark)) << "an item repointed";
    mark = list.Changes();
    for (std::size_t row = 0; row < list.Count(); ++row) list.SetNewName(row, u"y");
    EXPECT_FALSE(list.ChangedSince(mark)) << "too many to list";
}

TEST(FileListIcons, KeyedByTheExtensionOfTheName) {
    ExtensionIcons source;
    IconCache icons{source};
    FileList list{icons};
    struct Case {
        const char16_t* path;
        std::int32_t icon;
    };
    const Case cases[] = {
        {u"/set.00/data_15", 1},  // no extension, though the folder has a dot
        {u"/set.00/data_16", 1}, {u"/plain/readme", 1}, {u"/a.b/c.txt", 2}, {u"/txt/d.txt", 2},
    };
    for (const Case& c : cases) {
        const std::size_t row = list.InsertEntryRow(Entry(c.path));
        EXPECT_EQ(list.At(row).icon, c.icon) << "row " << row;
    }
    EXPECT_EQ(source.asked, (std::vector<std::u16string>{u"", u".txt"}));
}

TEST_F(FileListTest, FolderTextOverrideAndRename) {
    list.InsertEntryRow(Entry(u"/a/old.txt"));
    list.SetNewName(0, u"new.md");
    list.SetFolderText(0, u"");
    EXPECT_EQ(list.FolderText(0), u"");
    list.SetEntryPath(0, NativePath(u"/new.md"));
    EXPECT_EQ(list.CurrentName(0), u"new.md");
    EXPECT_EQ(list.NewName(0), u"new.md");
    EXPECT_EQ(list.FolderText(0), u"");
    EXPECT_EQ(list.ColumnText(0, ColFullPath), NativePath(u"/new.md"));
}

TEST_F(FileListTest, BatchTellsOnceAtTheEnd) {
    Recorder recorder;
    list.SetObserver(&recorder);
    list.InsertEntryRow(Entry(u"/x"));
    {
        FileList::Batch batch(list);
        list.InsertEntryRow(Entry(u"/a"));
        list.InsertEntryRow(Entry(u"/b"));
        list.SetNewName(0, u"y");
        list.SetSelected(1, true);
    }
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"insert 0+1", "begin", "insert 1+2",
                                                      "change 0-0", "marks", "end"}));
    list.SetObserver(nullptr);
}

TEST_F(FileListTest, MarksTravelWithRows) {
    for (auto p : {u"/0", u"/1", u"/2", u"/3"}) list.InsertEntryRow(Entry(p));
    list.SetSelected(1, true);
    list.SetFocusedRow(1);
    list.SwapRows(1, 2);
    EXPECT_TRUE(list.IsSelected(2));
    EXPECT_FALSE(list.IsSelected(1));
    EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(2));
    list.Reorder({3, 2, 1, 0});
    EXPECT_EQ(list.Entry(0).path, NativePath(u"/3"));
    EXPECT_TRUE(list.IsSelected(1));
    EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(1));
    EXPECT_EQ(list.SelectedRows(), std::vector<std::size_t>{1});
}

TEST_F(FileListTest, RemovingKeepsCountsRight) {
    for (auto p : {u"/0", u"/1", u"/2"}) list.InsertEntryRow(Entry(p));
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    list.SetFocusedRow(2);
    list.RemoveRow(0);
    EXPECT_EQ(list.SelectedCount(), 1u);
    EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(1));
    EXPECT_EQ(list.FirstSelected(), std::optional<std::size_t>(1));
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.SelectedCount(), 0u);
    EXPECT_FALSE(list.FirstSelected());
}

TEST_F(FileListTest, RemoveSelectedRowsByRunsOrInOnePass) {
    struct Case {
        const char* name;
        std::size_t rows;
        std::vector<std::size_t> selected;
        std::size_t focus;
        std::vector<std::string> log;
        std::size_t remaining;
        std::optional<std::size_t> focusAfter;
    };
    std::vector<std::size_t> alternate;
    for (std::size_t i = 0; i < 40; i += 2) alternate.push_back(i);
    const Case cases[] = {
        {"two runs from the bottom",
         6,
         {1, 2, 4},
         5,
         {"remove? 4+1", "remove 4+1", "remove? 1+2", "remove 1+2"},
         3,
         2},
        {"focus on a removed row", 3, {0}, 0, {"remove? 0+1", "remove 0+1"}, 2, std::nullopt},
        {"many runs in one pass", 40, alternate, 39, {"reset?", "reset"}, 20, 19},
    };
    for (const Case& c : cases) {
        list.Clear();
        for (std::size_t i = 0; i < c.rows; ++i)
            list.InsertEntryRow(Entry(u"/" + std::u16string(1, char16_t(u'A' + i))));
        for (std::size_t row : c.selected) list.SetSelected(row, true);
        list.SetFocusedRow(c.focus);
        Recorder recorder;
        list.SetObserver(&recorder);
        EXPECT_EQ(list.RemoveSelectedRows(), c.selected.size()) << c.name;
        list.SetObserver(nullptr);
        EXPECT_EQ(recorder.log, c.log) << c.name;
        EXPECT_EQ(list.Count(), c.remaining) << c.name;
        EXPECT_EQ(list.SelectedCount(), 0u) << c.name;
        EXPECT_EQ(list.FocusedRow(), c.focusAfter) << c.name;
        for (std::size_t i = 0; i < list.Count(); ++i) EXPECT_FALSE(list.IsSelected(i)) << c.name;
    }
}

}  // namespace
}  // namespace morvalent::filelist
