#include <gtest/gtest.h>

#include "GatheringFixture.h"
#include "platform/Collation.h"

namespace morvalent::filelist::gathering_testing {
namespace {

using testing::NativePath;

TEST_F(GatheringTest, FolderContentsInPathOrderAfterExistingRows) {
    dir.WriteFile("z-first.txt");
    dir.WriteFile("tree/b/2.txt");
    dir.WriteFile("tree/B.txt");
    dir.WriteFile("tree/a.txt");
    dir.WriteFile("tree/b/1.txt");
    dir.WriteFile("tree/.hidden");
    CountingQuestion contents(false);
    Batch({dir.Join(u"z-first.txt")}, contents);
    Batch({dir.Join(u"tree")}, contents);
    EXPECT_EQ(Paths(),
              (std::vector<std::u16string>{
                  dir.Join(u"z-first.txt"), dir.Join(u"tree/.hidden"), dir.Join(u"tree/a.txt"),
                  // Case is ignored, and '.' sorts before the separator in the collation.
                  dir.Join(u"tree/B.txt"), dir.Join(u"tree/b/1.txt"), dir.Join(u"tree/b/2.txt")}));
    EXPECT_EQ(contents.asked, std::vector<std::u16string>{dir.Join(u"tree")});
    EXPECT_EQ(choice.answer, FolderAnswer::Contents);
}

TEST_F(GatheringTest, FolderItselfBecomesOneRow) {
    dir.WriteFile("Vol.2/inside.txt");
    CountingQuestion itself(true);
    Batch({dir.Join(u"Vol.2")}, itself);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_TRUE(list.Entry(0).isFolder);
    EXPECT_EQ(list.CurrentName(0), u"Vol.2");
    EXPECT_EQ(list.At(0).icon, 1);
}

TEST_F(GatheringTest, QuestionAskedOncePerBatchAndAnswerKept) {
    dir.WriteFile("one/a.txt");
    dir.WriteFile("two/b.txt");
    CountingQuestion contents(false);
    Batch({dir.Join(u"one"), dir.Join(u"two")}, contents);
    EXPECT_EQ(contents.asked.size(), 1u);
    EXPECT_EQ(list.Count(), 2u);
    // The answer holds for a later batch that does not reset it.
    dir.WriteFile("three/c.txt");
    CountingQuestion never(true);
    Batch({dir.Join(u"three")}, never);
    EXPECT_TRUE(never.asked.empty());
    EXPECT_EQ(list.Count(), 3u);
}

TEST_F(GatheringTest, DuplicateRuleComparesTopLevelPathsWithListedRows) {
    dir.WriteFile("f/a.txt");
    dir.WriteFile("Same.txt");
    CountingQuestion contents(false);
    Batch({dir.Join(u"Same.txt"), dir.Join(u"f")}, contents);
    EXPECT_EQ(list.Count(), 2u);
    // The same path again adds nothing.
    Batch({dir.Join(u"Same.txt")}, contents);
    EXPECT_EQ(list.Count(), 2u);
    // A folder listed by its contents is not itself a row: its files come again.
    Batch({dir.Join(u"f")}, contents);
    EXPECT_EQ(list.Count(), 3u);
    // Two equal candidates in one batch are both compared with the rows before it.
    dir.WriteFile("new.txt");
    Batch({dir.Join(u"new.txt"), dir.Join(u"new.txt")}, contents);
    ASSERT_EQ(list.Count(), 5u);
    EXPECT_EQ(list.Entry(3).path, dir.Join(u"new.txt"));
    EXPECT_EQ(list.Entry(4).path, dir.Join(u"new.txt"));
}

TEST_F(GatheringTest, MissingCandidatesAreSkippedSilently) {
    CountingQuestion question(false);
    Batch({dir.Join(u"missing.txt"), u""}, question);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_TRUE(question.asked.empty());
}

TEST(SortPendingEntries, EqualPathsPutTheLaterOneFirst) {
    platform::SetCollationLocale("");
    PendingEntries pending(4);
    pending[0].path = NativePath(u"/b");
    pending[1].path = NativePath(u"/A");
    pending[2].path = NativePath(u"/a");
    pending[3].path = NativePath(u"/a");
    pending[0].size = 0;
    pending[1].size = 1;
    pending[2].size = 2;
    pending[3].size = 3;
    SortPendingEntries(pending);
    std::vector<std::uint64_t> order;
    for (auto& e : pending) order.push_back(e.size);
    EXPECT_EQ(order, (std::vector<std::uint64_t>{3, 2, 1, 0}));
}

TEST(JoinPath, DoesNotDoubleTheSeparator) {
    EXPECT_EQ(JoinPath(NativePath(u"/a"), u"b"), NativePath(u"/a/b"));
    EXPECT_EQ(JoinPath(NativePath(u"/"), u"b"), NativePath(u"/b"));
    EXPECT_EQ(JoinPath(u"", u"b"), u"b");
}

}  // namespace
}  // namespace morvalent::filelist::gathering_testing
