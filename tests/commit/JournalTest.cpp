#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "JournalFixture.h"
#include "commit/Journal.h"

namespace morvalent::commit::journal_testing {
namespace {

struct RowSpec {
    std::u16string_view relative;
    std::u16string_view newName;
    bool isFolder = false;
    std::u16string_view folder = {};
};

struct RoundTrip {
    const char* name;
    std::vector<const char*> files;  // "path=bytes"
    std::vector<RowSpec> rows;
    const char* afterCommit;
    std::size_t undone;
};

const RoundTrip kRoundTrips[] = {
    {"files, one taking the name another left",
     {"a.txt=A", "b.txt=B"},
     {{u"a.txt", u"c.txt"}, {u"b.txt", u"a.txt"}},
     "a.txt=B\nc.txt=A\n",
     2},
    {"files renamed inside a folder renamed after them",
     {"d/x.txt=X", "d/y.txt=Y"},
     {{u"d/x.txt", u"x2.txt"}, {u"d/y.txt", u"y2.txt"}, {u"d", u"e", true}},
     "e/\ne/x2.txt=X\ne/y2.txt=Y\n",
     3},
    {"a folder renamed first, its file following it",
     {"d/x.txt=X"},
     {{u"d", u"e", true}, {u"d/x.txt", u"x2.txt", false, u"e"}},
     "e/\ne/x2.txt=X\n",
     2},
    {"a folder renamed first, its file's target following it",
     {"d/x.txt=X", "d/y.txt=Y"},
     {{u"d", u"e", true}, {u"d/x.txt", u"x2.txt"}, {u"d/y.txt", u"y.txt"}},
     "e/\ne/x2.txt=X\ne/y.txt=Y\n",
     2},
    {"moved into another folder",
     {"a.txt=A", "sub/b.txt=B"},
     {{u"a.txt", u"a.txt", false, u"sub"}},
     "sub/\nsub/a.txt=A\nsub/b.txt=B\n",
     1},
    {"a row the commit could not rename",
     {"a.txt=A", "b.txt=B", "c.txt=C"},
     {{u"a.txt", u"b.txt"}, {u"c.txt", u"d.txt"}},
     "a.txt=A\nb.txt=B\nd.txt=C\n",
     1},
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

class RoundTripTest : public JournalTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(RoundTripTest, UndoGivesBackTheTree) {
    const RoundTrip& c = GetParam();
    for (std::string_view file : c.files) {
        const auto equals = file.find('=');
        tree.WriteFile(file.substr(0, equals), file.substr(equals + 1));
    }
    const std::string before = Disk();
    for (const RowSpec& row : c.rows) Add(row.relative, row.newName, row.isFolder, row.folder);
    const std::uint64_t id = Commit();
    EXPECT_EQ(Disk(), c.afterCommit);

    const UndoOutcome undo = UndoCommit(history, id);
    EXPECT_EQ(undo.result, UndoResult::Done);
    EXPECT_EQ(undo.failureReport, u"");
    EXPECT_EQ(undo.undone, c.undone);
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(history.List().at(0).state, CommitState::Undone);
    // Nothing is left: a second undo moves nothing.
    EXPECT_EQ(UndoCommit(history, id).undone, 0u);
    EXPECT_EQ(Disk(), before);
}

INSTANTIATE_TEST_SUITE_P(Commits, RoundTripTest, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c != '\0'; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

// What happened to a.txt's item (renamed to a2.txt) between the commit and the undo.
struct Change {
    const char* name;
    void (*apply)(const testing::TempDir& tree);
    const char* afterUndo;
    const char16_t* reason;
};

const Change kChanges[] = {
    {"replaced by another file",
     [](const testing::TempDir& tree) {
         tree.WriteFile("new.txt", "N");
         std::filesystem::rename(tree.Path() / "new.txt", tree.Path() / "a2.txt");
     },
     "a2.txt=N\nb.txt=B\n", u"파일이나 폴더를 찾을 수 없습니다"},
    {"its old name taken", [](const testing::TempDir& tree) { tree.WriteFile("a.txt", "T"); },
     "a.txt=T\na2.txt=A\nb.txt=B\n", u"같은 이름이 이미 있습니다"},
    {"moved away",
     [](const testing::TempDir& tree) {
         std::filesystem::rename(tree.Path() / "a2.txt", tree.Path() / "z.txt");
     },
     "b.txt=B\nz.txt=A\n", u"파일이나 폴더를 찾을 수 없습니다"},
};

void PrintTo(const Change& c, std::ostream* os) { *os << c.name; }

class ChangeTest : public JournalTest, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangeTest, ChangedItemIsNotUndoneAndIsReported) {
    tree.WriteFile("a.txt", "A");
    tree.WriteFile("b.txt", "B");
    Add(u"a.txt", u"a2.txt");
    Add(u"b.txt", u"b2.txt");
    const std::uint64_t id = Commit();
    GetParam().apply(tree);

    const UndoOutcome undo = UndoCommit(history, id);
    EXPECT_EQ(undo.result, UndoResult::SomeFailed);
    EXPECT_EQ(undo.failureReport, Fail(u"a2.txt", u"a.txt", GetParam().reason));
    EXPECT_EQ(undo.undone, 1u);
    EXPECT_EQ(Disk(), GetParam().afterUndo);
    EXPECT_EQ(history.List().at(0).state, CommitState::PartlyUndone);
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangeTest, ::testing::ValuesIn(kChanges), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.name; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    }
    return name;
});

TEST_F(JournalTest, SecondUndoRetriesOnlyTheFailedRows) {
    tree.WriteFile("a.txt", "A");
    tree.WriteFile("b.txt", "B");
    Add(u"a.txt", u"a2.txt");
    Add(u"b.txt", u"b2.txt");
    const std::uint64_t id = Commit();
    tree.WriteFile("a.txt", "T");
    EXPECT_EQ(UndoCommit(history, id).undone, 1u);
    std::filesystem::remove(tree.Path() / "a.txt");

    const UndoOutcome again = UndoCommit(history, id);
    EXPECT_EQ(again.result, UndoResult::Done);
    ASSERT_EQ(again.moves.size(), 1u);
    EXPECT_EQ(again.moves[0].from, tree.Join(u"a2.txt"));
    EXPECT_EQ(again.moves[0].to, tree.Join(u"a.txt"));
    EXPECT_EQ(Disk(), "a.txt=A\nb.txt=B\n");
}

// A crash can stop the commit anywhere, the journal cut at any byte; the renames
// done are those it records, and perhaps the one after them.
TEST_F(JournalTest, JournalCutAnywhereUndoesExactlyWhatWasDone) {
    tree.WriteFile("d/x.txt", "X");
    tree.WriteFile("a.txt", "A");
    tree.WriteFile("g.txt", "G");
    tree.WriteFile("h.txt", "H");
    const std::string before = Disk();
    Add(u"d", u"e", true);
    Add(u"d/x.txt", u"x2.txt", false, u"e");
    Add(u"a.txt", u"b.txt");
    Add(u"g.txt", u"h.txt");  // refused: h.txt exists
    const std::uint64_t id = Commit();
    const std::string full = JournalBytes(id);
    ASSERT_EQ(UndoCommit(history, id).undone, 3u);
    ASSERT_EQ(Disk(), before);

    // The renames in order, each with the line written before it.
    struct Move {
        const char* from;
        const char* to;
        std::string writtenBefore;
    };
    std::vector<Move> moves = {
        {"d", "e", "plan\t4\t"},
        {"e/x.txt", "e/x2.txt",
         "from\t1\t" + testing::U8(tree.Join(u"e/x.txt")) + "\t" +
             testing::U8(tree.Join(u"e/x2.txt")) + "\t"},
        {"a.txt", "b.txt", "plan\t4\t"},
    };
    // Whole lines, their checks included.
    for (Move& move : moves) {
        const std::size_t at = full.find(move.writtenBefore);
        ASSERT_NE(at, std::string::npos);
        move.writtenBefore = full.substr(at, full.find('\n', at) + 1 - at);
    }
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        const std::string_view kept = std::string_view(full).substr(0, cut);
        std::size_t recorded = 0;
        for (std::size_t at = kept.find("\ndone\t"); at != std::string_view::npos;
             at = kept.find("\ndone\t", at + 1)) {
            if (kept.find('\n', at + 1) != std::string_view::npos) ++recorded;
        }
        for (std::size_t extra : {0, 1}) {
            std::size_t done = recorded + extra;
            if (done > moves.size() || (extra == 1 && kept.find(moves[done - 1].writtenBefore) ==
                                                          std::string_view::npos)) {
                continue;
            }
            SCOPED_TRACE("cut at " + std::to_string(cut) + ", renames " + std::to_string(done));
            for (std::size_t i = 0; i < done; ++i) {
                std::filesystem::rename(tree.Path() / moves[i].from, tree.Path() / moves[i].to);
            }
            WriteJournal(id, kept);
            const UndoOutcome undo = UndoCommit(history, id);
            EXPECT_EQ(undo.result, UndoResult::Done);
            EXPECT_EQ(undo.undone, done);
            ASSERT_EQ(Disk(), before);
            EXPECT_EQ(Summarise(id, ReadJournal(kept)).state,
                      cut == full.size() ? CommitState::SomeFailed : CommitState::Interrupted);
        }
    }
}

// A journal damaged on one line: what is before it is undone, what the disk shows
// is checked, and the rest is reported; the file itself is only added to.
struct Damage {
    std::size_t line;       // from 1
    const char* afterUndo;  // the same whether the line is cut short or a byte changed
    std::size_t failed;
};

const Damage kDamages[] = {
    {1, "b.txt=A\ne/\ne/x2.txt=X\n", 0},  // the header: nothing is known
    {2, "b.txt=A\ne/\ne/x2.txt=X\n", 0},  // the start: nothing is known
    {3, "b.txt=A\ne/\ne/x2.txt=X\n", 0},  // the folder's row
    {4, "b.txt=A\nd/\nd/x2.txt=X\n", 0},  // the file's row: the folder is known
    // From the file's row on, its journalled place is known, but not where the
    // folder's rename took it: that row fails, the others go back.
    {5, "b.txt=A\nd/\nd/x2.txt=X\n", 1},
    {6, "a.txt=A\nd/\nd/x2.txt=X\n", 1},  // the plan's end
    {7, "a.txt=A\nd/\nd/x2.txt=X\n", 1},  // the folder renamed
    {8, "a.txt=A\nd/\nd/x2.txt=X\n", 1},  // where the folder took the file
    {9, "a.txt=A\nd/\nd/x.txt=X\n", 0},   // the file renamed
    {10, "a.txt=A\nd/\nd/x.txt=X\n", 0},  // the last row renamed
    {11, "a.txt=A\nd/\nd/x.txt=X\n", 0},  // the end mark
};

TEST_F(JournalTest, DamagedJournalIsUndoneAsFarAsItIsWhole) {
    // A fresh commit for each damage: the undo judges items by their identities.
    const auto commit = [&] {
        std::filesystem::remove_all(tree.Path());
        std::filesystem::create_directory(tree.Path());
        tree.WriteFile("d/x.txt", "X");
        tree.WriteFile("a.txt", "A");
        list.Clear();
        Add(u"d", u"e", true);
        Add(u"d/x.txt", u"x2.txt", false, u"e");
        Add(u"a.txt", u"b.txt");
        return Commit();
    };
    for (const Damage& d : kDamages) {
        for (const bool flip : {false, true}) {
            SCOPED_TRACE("line " + std::to_string(d.line) + (flip ? " flipped" : " cut"));
            const std::uint64_t id = commit();
            std::string damaged = JournalBytes(id);
            std::size_t start = 0;
            for (std::size_t line = 1; line < d.line; ++line) start = damaged.find('\n', start) + 1;
            const std::size_t end = damaged.find('\n', start);
            ASSERT_NE(end, std::string::npos);
            const std::size_t middle = start + (end - start) / 2;
            if (flip) {
                damaged[middle] ^= 0x04;
            } else {
                damaged.erase(middle, end - middle);
            }
            WriteJournal(id, damaged);
            const UndoOutcome undo = UndoCommit(history, id);
            EXPECT_EQ(undo.result, UndoResult::SomeFailed);
            EXPECT_EQ(undo.damagedLine, std::optional<std::size_t>(d.line));
            EXPECT_EQ(undo.failed.size(), d.failed);
            EXPECT_EQ(Disk(), d.afterUndo);
            EXPECT_TRUE(JournalBytes(id).starts_with(damaged));
        }
    }
}

TEST_F(JournalTest, CommitKeepsTheNewest100Journals) {
    for (int id = 1; id <= 105; ++id) WriteJournal(std::uint64_t(id), "morvalent-journal\t1\n");
    tree.WriteFile("a.txt");
    Add(u"a.txt", u"b.txt");
    EXPECT_EQ(Commit(), 106u);
    const std::vector<std::uint64_t> ids = history.Ids();
    EXPECT_EQ(ids.size(), 100u);
    EXPECT_EQ(ids.front(), 7u);
    EXPECT_EQ(ids.back(), 106u);
}

}  // namespace
}  // namespace morvalent::commit::journal_testing
