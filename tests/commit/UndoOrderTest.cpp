#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "JournalFixture.h"
#include "commit/UndoOrder.h"

namespace morvalent::commit::journal_testing {
namespace {

struct Rename {
    std::u16string_view relative;
    std::u16string_view newName;
    bool isFolder = false;
    std::u16string_view folder = {};
};

struct OrderCase {
    const char* name;
    Rename first;
    Rename second;
    bool secondGoesFirst;
    // Moved outside the program between the commits (relative paths), or nothing.
    const char* movedFrom = nullptr;
    const char* movedTo = nullptr;
};

void PrintTo(const OrderCase& c, std::ostream* out) { *out << c.name; }

const OrderCase kOrderCases[] = {
    {"file renamed inside the folder renamed before",
     {u"d", u"e", true},
     {u"e/x.txt", u"y.txt"},
     true},
    {"folder renamed above the file renamed before",
     {u"d/x.txt", u"y.txt"},
     {u"d", u"e", true},
     true},
    {"same item renamed again", {u"a.txt", u"b.txt"}, {u"b.txt", u"z.txt"}, true},
    {"name taken back", {u"a.txt", u"b.txt"}, {u"c.txt", u"a.txt"}, true},
    {"moved into the folder renamed before",
     {u"d", u"e", true},
     {u"a.txt", u"a.txt", false, u"e"},
     true},
    {"same item, moved by hand in between",
     {u"a.txt", u"b.txt"},
     {u"m.txt", u"n.txt"},
     true,
     "b.txt",
     "m.txt"},
    {"another item", {u"a.txt", u"b.txt"}, {u"c.txt", u"z.txt"}, false},
    {"a name that only begins like the folder", {u"d", u"e", true}, {u"e.txt", u"f.txt"}, false},
};

struct UndoOrderTest : JournalTest, ::testing::WithParamInterface<OrderCase> {
    std::uint64_t CommitOne(const Rename& rename) {
        list.Clear();
        Add(rename.relative, rename.newName, rename.isFolder, rename.folder);
        return Commit();
    }
};

// Both commits through the real pass and undo: undoing the first while the second
// still holds its items is refused, naming the second, and moves nothing; in the
// order given, both go back and the tree is as it was.
TEST_P(UndoOrderTest, LaterCommitOnTheSameItemsIsUndoneFirst) {
    const OrderCase& c = GetParam();
    for (const char* file : {"a.txt", "c.txt", "e.txt", "d/x.txt"}) tree.WriteFile(file, file);
    const std::string before = Disk();
    const std::uint64_t first = CommitOne(c.first);
    if (c.movedFrom != nullptr) {
        std::filesystem::rename(tree.Path() / c.movedFrom, tree.Path() / c.movedTo);
    }
    const std::uint64_t second = CommitOne(c.second);
    const std::string afterBoth = Disk();

    const UndoOutcome refused = UndoCommit(history, first);
    if (!c.secondGoesFirst) {
        EXPECT_EQ(refused.result, UndoResult::Done);
        EXPECT_EQ(UndoCommit(history, second).result, UndoResult::Done);
        EXPECT_EQ(Disk(), before);
        return;
    }
    EXPECT_EQ(refused.result, UndoResult::LaterCommitFirst);
    EXPECT_EQ(refused.undoFirst, second);
    EXPECT_EQ(Disk(), afterBoth);
    EXPECT_EQ(UndoCommit(history, second).result, UndoResult::Done);
    EXPECT_EQ(CommitToUndoFirst(history, first, *history.Read(first)), std::nullopt);
    if (c.movedFrom != nullptr) return;  // the hand's move is not the program's to undo
    EXPECT_EQ(UndoCommit(history, first).result, UndoResult::Done);
    EXPECT_EQ(Disk(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, UndoOrderTest, ::testing::ValuesIn(kOrderCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c != '\0'; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

}  // namespace
}  // namespace morvalent::commit::journal_testing
