#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "filelist/FileList.h"
#include "organise/RowMoves.h"
#include "support/ListRecorder.h"
#include "support/TempDir.h"

namespace morvalent::organise {
namespace {

using testing::NativePath;

enum class Direction { Up, Down };

struct MoveCase {
    const char* name;
    Direction direction;
    std::size_t count;
    std::vector<std::size_t> selected;
    std::u16string expected;  // one letter per row; row i starts as letter 'a' + i
    std::vector<std::size_t> selectedAfter;
    std::optional<std::size_t> shown;  // the row to scroll into view
};

struct RowMovesTest : ::testing::Test {
    void Fill(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            filelist::FileEntry e;
            e.path = NativePath(u"/d/") + std::u16string(1, char16_t(u'a' + i));
            e.size = i;
            list.InsertEntryRow(e);
        }
    }
    std::u16string Letters() const {
        std::u16string letters;
        for (std::size_t i = 0; i < list.Count(); ++i) letters += list.CurrentName(i);
        return letters;
    }

    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
};

TEST_F(RowMovesTest, MovesSelectedRowsOnePlace) {
    const std::vector<MoveCase> cases = {
        {"rows 2 and 3 up", Direction::Up, 5, {2, 3}, u"acdbe", {1, 2}, 2},
        {"rows 2 and 5 down", Direction::Down, 7, {2, 5}, u"abdcegf", {3, 6}, 3},
        {"rows 1 and 3 up", Direction::Up, 5, {1, 3}, u"badce", {0, 2}, 2},
        {"block at the top moves down", Direction::Down, 4, {0, 1}, u"cabd", {1, 2}, 1},
        {"last row up", Direction::Up, 3, {2}, u"acb", {1}, 1},
        {"first row down", Direction::Down, 3, {0}, u"bac", {1}, 1},
        {"row 0 selected: up moves nothing",
         Direction::Up,
         5,
         {0, 3},
         u"abcde",
         {0, 3},
         std::nullopt},
        {"last row selected: down moves nothing",
         Direction::Down,
         5,
         {1, 4},
         u"abcde",
         {1, 4},
         std::nullopt},
        {"no selection up", Direction::Up, 3, {}, u"abc", {}, std::nullopt},
        {"no selection down", Direction::Down, 3, {}, u"abc", {}, std::nullopt},
        {"empty list up", Direction::Up, 0, {}, u"", {}, std::nullopt},
        {"empty list down", Direction::Down, 0, {}, u"", {}, std::nullopt},
        {"single row", Direction::Down, 1, {0}, u"a", {0}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list.Clear();
        Fill(c.count);
        for (std::size_t row : c.selected) list.SetSelected(row, true);
        const auto shown =
            c.direction == Direction::Up ? MoveSelectionUp(list) : MoveSelectionDown(list);
        EXPECT_EQ(Letters(), c.expected);
        EXPECT_EQ(list.SelectedRows(), c.selectedAfter);
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(RowMovesTest, EverythingOfARowTravels) {
    Fill(4);
    filelist::FileEntry folder;
    folder.path = NativePath(u"/d/sub.dir");
    folder.isFolder = true;
    list.InsertEntryRow(folder);  // row 4
    list.SetNewName(1, u"B.txt");
    list.SetFolderText(1, u"/elsewhere");
    list.SetNewName(4, u"renamed");
    list.SetSelected(1, true);
    list.SetSelected(4, true);
    list.SetFocusedRow(4);

    MoveSelectionUp(list);
    EXPECT_EQ(list.Entry(0).path, NativePath(u"/d/b"));
    EXPECT_EQ(list.Entry(0).size, 1u);
    EXPECT_EQ(list.NewName(0), u"B.txt");
    EXPECT_EQ(list.FolderText(0), u"/elsewhere");
    EXPECT_EQ(list.Entry(3).path, NativePath(u"/d/sub.dir"));
    EXPECT_EQ(list.NewName(3), u"renamed");
    EXPECT_EQ(list.At(3).icon, 1);
    EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(3));
    // The rows passed over keep their own texts.
    EXPECT_EQ(list.NewName(1), u"a");
    EXPECT_EQ(list.FolderText(1), NativePath(u"/d"));
    EXPECT_EQ(list.NewName(4), u"d");

    EXPECT_EQ(MoveSelectionDown(list), std::optional<std::size_t>(1));
    EXPECT_EQ(list.Entry(1).path, NativePath(u"/d/b"));
    EXPECT_EQ(list.NewName(1), u"B.txt");
    EXPECT_EQ(list.FolderText(1), u"/elsewhere");
    EXPECT_EQ(list.Entry(4).path, NativePath(u"/d/sub.dir"));
    EXPECT_EQ(list.NewName(4), u"renamed");
    EXPECT_EQ(list.FocusedRow(), std::optional<std::size_t>(4));
    EXPECT_EQ(list.SelectedRows(), (std::vector<std::size_t>{1, 4}));
}

TEST_F(RowMovesTest, OneRepaintPerMove) {
    testing::ListRecorder counter;
    Fill(6);
    for (std::size_t row : {1, 2, 4}) list.SetSelected(row, true);
    list.SetObserver(&counter);
    MoveSelectionUp(list);
    list.SetObserver(nullptr);
    EXPECT_EQ(counter.Count("begin"), 1);
    EXPECT_EQ(counter.Count("reorder"), 1);
}

}  // namespace
}  // namespace morvalent::organise
