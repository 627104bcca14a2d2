#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "commit/RenamePass.h"
#include "commit/TargetCheck.h"
#include "support/ForwardingFileSystem.h"
#include "support/TempDir.h"

namespace morvalent::commit {
namespace {

using platform::MoveOutcome;
using platform::MoveResult;
using testing::NativePath;

// Moves whatever it is asked to, except where told otherwise; records the calls.
// Moves are recorded and answered here, never made: the paths are made up.
class FakeFileSystem : public testing::WindowsVolumeFileSystem {
  public:
    std::vector<std::u16string> moves;
    std::set<std::u16string> refuse;
    std::set<std::u16string> throwFor;

  protected:
    MoveOutcome Move(std::u16string_view source, std::u16string_view target,
                     const InnerMove&) override {
        moves.push_back(std::u16string(source) + u" => " + std::u16string(target));
        if (throwFor.count(std::u16string(source)) != 0) throw std::runtime_error("disk on fire");
        if (refuse.count(std::u16string(source)) != 0) return {MoveResult::TargetExists, 17};
        return {MoveResult::Moved, 0};
    }
};

struct Fixture : ::testing::Test {
    void Add(std::u16string path, std::u16string newName, bool isFolder = false) {
        filelist::FileEntry entry;
        entry.path = NativePath(path);
        entry.isFolder = isFolder;
        const std::size_t row = list.InsertEntryRow(entry);
        list.SetNewName(row, std::move(newName));
    }
    std::vector<std::u16string> RunAll() {
        TargetCheck check = CheckTargets(list);
        EXPECT_EQ(check.problem, TargetProblem::None);
        RenamePass pass(list, fs, std::move(check.targets));
        std::vector<std::u16string> reports;
        for (std::size_t i = 0; i < list.Count(); ++i) {
            RowOutcome outcome = pass.RenameRow(i);
            if (!outcome.errorReport.empty()) reports.push_back(outcome.errorReport);
        }
        reports.push_back(pass.FailureReport());
        return reports;
    }
    std::vector<std::u16string> Paths() const {
        std::vector<std::u16string> paths;
        for (std::size_t i = 0; i < list.Count(); ++i) paths.push_back(list.Entry(i).path);
        return paths;
    }

    filelist::PlainIconSource source;
    filelist::IconCache icons{source};
    filelist::FileList list{icons};
    FakeFileSystem fs;
};

using RenamePassTest = Fixture;

TEST_F(RenamePassTest, RowsBeneathARenamedFolderFollowIt) {
    Add(u"/t/a", u"b", true);
    Add(u"/t/a/x.txt", u"x.txt");
    Add(u"/t/a/sub/y.txt", u"y.txt");
    Add(u"/t/ab/z.txt", u"z.txt");  // shares the first letters only
    Add(u"/t/a/other.txt", u"other.txt");
    list.SetFolderText(4, NativePath(u"/t/a/sub"));
    Add(u"/t/a/stray.txt", u"stray.txt");
    list.SetFolderText(5, NativePath(u"/t/ab"));
    TargetCheck check = CheckTargets(list);
    RenamePass pass(list, fs, std::move(check.targets));
    EXPECT_EQ(pass.RenameRow(0).result, RowResult::Renamed);
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{
                           NativePath(u"/t/b"), NativePath(u"/t/b/x.txt"),
                           NativePath(u"/t/b/sub/y.txt"), NativePath(u"/t/ab/z.txt"),
                           NativePath(u"/t/b/other.txt"), NativePath(u"/t/b/stray.txt")}));
    EXPECT_EQ(list.FolderText(1), NativePath(u"/t/b"));
    EXPECT_EQ(list.NewName(1), u"x.txt");
    EXPECT_EQ(list.FolderText(4), NativePath(u"/t/b/sub"));
    EXPECT_EQ(list.FolderText(5), NativePath(u"/t/ab"));
}

TEST_F(RenamePassTest, TargetsBeneathARenamedFolderFollowIt) {
    Add(u"/t/d", u"e", true);
    Add(u"/t/d/f.txt", u"g.txt");
    Add(u"/t/d/h.txt", u"h.txt");
    RunAll();
    EXPECT_EQ(fs.moves, (std::vector<std::u16string>{NativePath(u"/t/d => /t/e"),
                                                     NativePath(u"/t/e/f.txt => /t/e/g.txt")}));
}

TEST_F(RenamePassTest, NestedFoldersAndEarlierRowsFollowEachRename) {
    Add(u"/t/a/c/f.txt", u"g.txt");
    Add(u"/t/a", u"b", true);
    Add(u"/t/a/c", u"d", true);
    RunAll();
    EXPECT_EQ(fs.moves, (std::vector<std::u16string>{NativePath(u"/t/a/c/f.txt => /t/a/c/g.txt"),
                                                     NativePath(u"/t/a => /t/b"),
                                                     NativePath(u"/t/b/c => /t/b/d")}));
    EXPECT_EQ(Paths(), (std::vector<std::u16string>{NativePath(u"/t/b/d/g.txt"),
                                                    NativePath(u"/t/b"), NativePath(u"/t/b/d")}));
}

TEST_F(RenamePassTest, NamesAVolumeMadeForWindowsRefusesAreNotTried) {
    fs.windowsVolume = u"win";
    Add(u"/win/a.txt", u"a:b.txt");
    Add(u"/win/sub/b.txt", u"con.txt");
    Add(u"/win/c.txt", u"c2.txt");
    Add(u"/t/d.txt", u"d:e.txt");
    const auto reports = RunAll();
    EXPECT_EQ(fs.moves, (std::vector<std::u16string>{NativePath(u"/win/c.txt => /win/c2.txt"),
                                                     NativePath(u"/t/d.txt => /t/d:e.txt")}));
    EXPECT_EQ(reports.back(), NativePath(u"/win/a.txt") + u" -> " + NativePath(u"/win/a:b.txt") +
                                  u" 변경 실패. (이름을 그대로 쓸 수 없습니다)\n" +
                                  NativePath(u"/win/sub/b.txt") + u" -> " +
                                  NativePath(u"/win/sub/con.txt") +
                                  u" 변경 실패. (이름을 그대로 쓸 수 없습니다)\n");
}

TEST_F(RenamePassTest, FailuresAndErrorsAreCollectedInRowOrder) {
    Add(u"/t/1.txt", u"one.txt");
    Add(u"/t/2.txt", u"two.txt");
    Add(u"/t/3.txt", u"three.txt");
    Add(u"/t/4.txt", u"4.txt");
    fs.refuse.insert(NativePath(u"/t/1.txt"));
    fs.throwFor.insert(NativePath(u"/t/2.txt"));
    const auto reports = RunAll();
    EXPECT_EQ(reports,
              (std::vector<std::u16string>{
                  u"disk on fire",
                  NativePath(u"/t/1.txt -> /t/one.txt 변경 실패. (같은 이름이 이미 있습니다)\n"
                             u"/t/2.txt를 /t/two.txt로 바꾸는데 실패.\n")}));
    EXPECT_EQ(Paths(),
              (std::vector<std::u16string>{NativePath(u"/t/1.txt"), NativePath(u"/t/2.txt"),
                                           NativePath(u"/t/three.txt"), NativePath(u"/t/4.txt")}));
    EXPECT_EQ(list.NewName(0), u"one.txt");
}

TEST_F(RenamePassTest, OnlyAnExactMatchIsSkipped) {
    Add(u"/t/readme.txt", u"README.txt");
    Add(u"/t/same.txt", u"same.txt");
    EXPECT_EQ(RunAll(), std::vector<std::u16string>{u""});
    EXPECT_EQ(fs.moves, std::vector<std::u16string>{NativePath(u"/t/readme.txt => /t/README.txt")});
    EXPECT_EQ(list.CurrentName(0), u"README.txt");
}

TEST_F(RenamePassTest, TargetThatCannotNameAnythingFails) {
    Add(u"/t/a.txt", std::u16string(u"a") + char16_t(0xD800) + u".txt");
    const auto reports = RunAll();
    EXPECT_TRUE(fs.moves.empty());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(
        reports[0],
        NativePath(u"/t/a.txt -> /t/a\xD800.txt 변경 실패. (이름을 그대로 쓸 수 없습니다)\n"));
    EXPECT_EQ(list.Entry(0).path, NativePath(u"/t/a.txt"));
}

}  // namespace
}  // namespace morvalent::commit
