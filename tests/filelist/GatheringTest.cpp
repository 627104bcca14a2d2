#include <gtest/gtest.h>

#include <filesystem>

#include "filelist/Gathering.h"
#include "platform/Collation.h"
#include "platform/Text.h"
#include "support/TempDir.h"

namespace morvalent::filelist {
namespace {

using testing::TempDir;
using testing::U16;

class CountingQuestion : public FolderQuestion {
public:
    explicit CountingQuestion(bool answer) : answer_(answer) {}
    bool AddFolderItself(const std::u16string& folder) override {
        asked.push_back(folder);
        return answer_;
    }
    std::vector<std::u16string> asked;

private:
    bool answer_;
};

struct GatheringTest : ::testing::Test {
    void SetUp() override { platform::SetCollationLocale(""); }
    std::vector<std::u16string> Paths() const {
        std::vector<std::u16string> out;
        for (std::size_t i = 0; i < list.Count(); ++i) out.push_back(list.Entry(i).path);
        return out;
    }
    // Runs one batch of candidates with the given answer to the folder question.
    void Batch(const std::vector<std::u16string>& candidates, CountingQuestion& question) {
        PendingEntries pending;
        Gatherer gatherer(list, *fs, question, choice);
        for (const auto& c : candidates) gatherer.AddCandidate(pending, c);
        gatherer.AppendPendingRows(pending);
    }

    TempDir dir;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    PlainIconSource icons;
    IconCache cache{icons};
    FileList list{cache};
    FolderChoice choice;
};

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
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{
                           dir.Join(u"z-first.txt"), dir.Join(u"tree/.hidden"), dir.Join(u"tree/a.txt"),
                           // Case is ignored, and '.' sorts before '/' in the collation.
                           dir.Join(u"tree/B.txt"), dir.Join(u"tree/b/1.txt"), dir.Join(u"tree/b/2.txt")}));
    EXPECT_EQ(contents.asked, std::vector<std::u16string>{dir.Join(u"tree")});
    EXPECT_EQ(choice.value, 0);
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
    dir.WriteFile("same.txt");
    CountingQuestion contents(false);
    Batch({dir.Join(u"Same.txt"), dir.Join(u"f")}, contents);
    EXPECT_EQ(list.Count(), 2u);
    // The same path again adds nothing; a name differing in case is another file here.
    Batch({dir.Join(u"Same.txt"), dir.Join(u"same.txt")}, contents);
    EXPECT_EQ(list.Count(), 3u);
    // A folder listed by its contents is not itself a row: its files come again.
    Batch({dir.Join(u"f")}, contents);
    EXPECT_EQ(list.Count(), 4u);
    // Two equal candidates in one batch are both compared with the rows before it.
    dir.WriteFile("new.txt");
    Batch({dir.Join(u"new.txt"), dir.Join(u"new.txt")}, contents);
    EXPECT_EQ(list.Count(), 6u);
    EXPECT_EQ(list.Entry(4).path, dir.Join(u"new.txt"));
    EXPECT_EQ(list.Entry(5).path, dir.Join(u"new.txt"));
}

TEST_F(GatheringTest, MissingCandidatesAreSkippedSilently) {
    CountingQuestion question(false);
    Batch({dir.Join(u"missing.txt"), u""}, question);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_TRUE(question.asked.empty());
}

TEST_F(GatheringTest, LinkLoopIsGatheredNotFollowed) {
    dir.WriteFile("loop/a.txt");
    std::filesystem::create_directory_symlink(dir.Path() / "loop", dir.Path() / "loop" / "back");
    CountingQuestion contents(false);
    Batch({dir.Join(u"loop")}, contents);
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{dir.Join(u"loop/a.txt"), dir.Join(u"loop/back")}));
    // A top-level link to a folder is a folder.
    std::filesystem::create_directory_symlink(dir.Path() / "loop", dir.Path() / "top");
    Batch({dir.Join(u"top")}, contents);
    EXPECT_EQ(list.Count(), 4u);
}

TEST_F(GatheringTest, NameThatIsNotUtf8IsGathered) {
    dir.WriteFile("raw/\xC7\xD1.txt");
    CountingQuestion contents(false);
    Batch({dir.Join(u"raw")}, contents);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(*platform::Utf16ToNative(list.CurrentName(0)), "\xC7\xD1.txt");
}

TEST(SortPendingEntries, EqualPathsPutTheLaterOneFirst) {
    platform::SetCollationLocale("");
    PendingEntries pending(4);
    pending[0].path = u"/b";
    pending[1].path = u"/A";
    pending[2].path = u"/a";
    pending[3].path = u"/a";
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
    EXPECT_EQ(JoinPath(u"/a", u"b"), u"/a/b");
    EXPECT_EQ(JoinPath(u"/", u"b"), u"/b");
    EXPECT_EQ(JoinPath(u"", u"b"), u"/b");
}

}  // namespace
}  // namespace morvalent::filelist
