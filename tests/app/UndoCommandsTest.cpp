#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "CommitFixture.h"
#include "app/Commands.h"
#include "commit/History.h"
#include "platform/DurableFiles.h"
#include "platform/FileTime.h"

namespace morvalent::app::commit_testing {
namespace {

// The commit test's window with a state folder of its own.
struct UndoTest : CommitTest {
    UndoTest() { dialog.SetHistory(&history); }
    void Undo(bool ok = true) {
        ui.okCancelAnswers.push_back(ok);
        dialog.OnCommand(CommandId::UndoCommit);
    }

    testing::TempDir state;
    commit::History history{fs, state.Join(u"history")};
};

TEST_F(UndoTest, UndoPutsBackTheNewestCommitAndTheRowsFollow) {
    dir.WriteFile("d/x.txt", "X");
    dir.WriteFile("a.txt", "A");
    const std::string before = Disk();
    Add(u"d", u"e", true);
    Add(u"d/x.txt", u"y.txt");
    Add(u"a.txt", u"b.txt");
    Commit();
    ASSERT_EQ(Disk(), "b.txt=A\ne/\ne/y.txt=X\n");

    Undo(false);
    EXPECT_EQ(Disk(), "b.txt=A\ne/\ne/y.txt=X\n");
    Undo();
    EXPECT_EQ(LastMessage(), u"이름 변경을 되돌렸습니다.");
    EXPECT_EQ(Disk(), before);
    const filelist::FileList& list = dialog.List();
    EXPECT_EQ(list.Entry(0).path, dir.Join(u"d"));
    EXPECT_EQ(list.Entry(1).path, dir.Join(u"d/x.txt"));
    EXPECT_EQ(list.NewName(1), u"x.txt");
    EXPECT_EQ(list.Entry(2).path, dir.Join(u"a.txt"));

    Undo();
    EXPECT_EQ(LastMessage(), u"되돌릴 이름 변경이 없습니다.");
}

TEST_F(UndoTest, ItemsThatCannotGoBackAreReportedLikeTheCommitsFailures) {
    dir.WriteFile("a.txt", "A");
    Add(u"a.txt", u"b.txt");
    Commit();
    dir.WriteFile("a.txt", "new");
    ui.okCancelAnswers.push_back(true);
    const Outcome outcome = dialog.UndoLastCommit();
    EXPECT_EQ(LastMessage(), Fail(u"b.txt", u"a.txt", u"같은 이름이 이미 있습니다"));
    EXPECT_EQ(outcome.kind, Outcome::Kind::Committed);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].source, dir.Join(u"b.txt"));
    EXPECT_EQ(Disk(), "a.txt=new\nb.txt=A\n");
}

TEST_F(UndoTest, AtStartAnInterruptedCommitIsMentionedOnce) {
    dialog.NoticeInterruptedCommit();
    EXPECT_TRUE(ui.messages.empty());
    dir.WriteFile("a.txt", "A");
    Add(u"a.txt", u"b.txt");
    Commit();
    // The commit stopped before its end mark.
    const std::u16string journal = history.PathOf(history.Ids().back());
    std::string text = platform::ReadWholeFile(journal).value_or("");
    text.resize(text.rfind("end\t"));
    std::ofstream(std::filesystem::path(journal), std::ios::binary | std::ios::trunc) << text;
    dialog.NoticeInterruptedCommit();
    EXPECT_EQ(
        LastMessage(),
        u"지난 이름 변경이 중간에 멈췄습니다.\n파일 메뉴의 변경 기록에서 되돌릴 수 있습니다.");
}

// A damaged journal is undone only as far as it is whole, after asking, and the
// step fails (the terminal exits 1) even when every row it knew went back.
TEST_F(UndoTest, DamagedJournalAsksAndFails) {
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("c.txt", "C");
    Add(u"a.txt", u"b.txt");
    Add(u"c.txt", u"d.txt");
    Commit();
    const std::u16string journal = history.PathOf(history.Ids().back());
    std::string text = platform::ReadWholeFile(journal).value_or("");
    // One byte changed in the second row's line (the fourth line).
    text[text.find("\nrow\t1\t") + 3] = 'X';
    std::ofstream(std::filesystem::path(journal), std::ios::binary | std::ios::trunc) << text;

    ui.okCancelAnswers.push_back(true);
    const Outcome outcome = dialog.UndoLastCommit();
    EXPECT_EQ(ui.okCancelQuestions.back(),
              u"변경 기록이 손상되었습니다: 4번째 줄\n손상되지 않은 부분까지 되돌리시겠습니까?");
    EXPECT_EQ(LastMessage(), u"변경 기록이 손상되었습니다: 4번째 줄\n");
    EXPECT_EQ(outcome.kind, Outcome::Kind::Committed);
    EXPECT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(Disk(), "a.txt=A\nd.txt=C\n");
    EXPECT_TRUE(platform::ReadWholeFile(journal).value_or("").starts_with(text));
}

// The history's choice, while a later commit holds its items: the refusal names
// that one at once, with the time the history shows; nothing is asked or moved.
TEST_F(UndoTest, CommitWhoseItemsALaterOneRenamedIsNotUndoneFirst) {
    dir.WriteFile("a.txt", "A");
    Add(u"a.txt", u"b.txt");
    Commit();
    dialog.List().SetNewName(0, u"c.txt");
    Commit();
    const std::size_t questions = ui.okCancelQuestions.size();

    ui.historyAnswers.push_back(1);  // newest first: the first commit
    dialog.OnCommand(CommandId::ShowHistory);
    const auto later = history.Read(history.Ids().back());
    ASSERT_TRUE(later.has_value());
    EXPECT_EQ(LastMessage(), u"먼저 2번 변경을 되돌려야 합니다. (" +
                                 platform::FormatLocalFileTime(later->started) + u")");
    EXPECT_EQ(ui.okCancelQuestions.size(), questions);
    EXPECT_EQ(Disk(), "c.txt=A\n");
}

}  // namespace
}  // namespace morvalent::app::commit_testing
