// A commit and its undo stopped dead (SIGKILL) at every call they make to the file
// system, in a child process: nothing of the stopped process's memory survives,
// as after a real kill. The undo that follows must give back the tree exactly.

#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <functional>

#include "JournalFixture.h"
#include "commit/JournalledPass.h"
#include "commit/TargetCheck.h"
#include "platform/posix/MoveNoReplace.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixMoveRun.h"
#include "support/ForwardingFileSystem.h"

namespace morvalent::commit::journal_testing {
namespace {

enum class Fault { Kill, FailMove, FailStep };

// The calls of this process counted from 1 (the file system's and, on the fallback
// ways, each step of a move), and what befalls the `stopAt`th.
struct Calls {
    std::size_t count = 0;
    std::size_t stopAt = 0;
    Fault fault = Fault::Kill;
    // True when this call is to fail.
    bool Next() {
        if (++count != stopAt) return false;
        if (fault == Fault::Kill) raise(SIGKILL);
        return fault == Fault::FailStep;
    }
};
Calls gCalls;

// Stops the process at its `stopAt`th call, or fails that move.
class FaultingFileSystem : public testing::ForwardingFileSystem {
  public:
    FaultingFileSystem(std::size_t stopAt, Fault fault) { gCalls = {0, stopAt, fault}; }
    FaultingFileSystem(std::size_t stopAt, Fault fault, platform::FileSystem& inner)
        : ForwardingFileSystem(inner) {
        gCalls = {0, stopAt, fault};
    }

  protected:
    void Calling() override { (void)gCalls.Next(); }
    platform::MoveOutcome Move(std::u16string_view, std::u16string_view,
                               const InnerMove& inner) override {
        if (gCalls.count == gCalls.stopAt && gCalls.fault == Fault::FailMove) {
            return {platform::MoveResult::Failed, EIO};
        }
        return inner();
    }
};

// A file system without RENAME_NOREPLACE (as many FUSE drivers), and without hard
// links when `gRefuseLinks`: moves take the link way or the placeholder way. Each
// step is a counted call.
bool gRefuseLinks = false;

template <typename Call>
int Step(Call call) {
    if (gCalls.Next()) {
        errno = EIO;
        return -1;
    }
    return call();
}

const platform::MoveCalls kFallbackCalls{
    [](int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
        return Step([&] {
            if ((flags & RENAME_NOREPLACE) == 0)
                return ::renameat2(fromDir, from, toDir, to, flags);
            errno = EINVAL;
            return -1;
        });
    },
    [](int fromDir, const char* from, int toDir, const char* to) {
        return Step([&] { return ::renameat(fromDir, from, toDir, to); });
    },
    [](int fromDir, const char* from, int toDir, const char* to, int flags) {
        return Step([&] {
            // Naming an unnamed copy stays possible: only second names are refused.
            if (!gRefuseLinks || flags != 0) return ::linkat(fromDir, from, toDir, to, flags);
            errno = EPERM;
            return -1;
        });
    },
    [](int dir, const char* path, int flags) {
        return Step([&] { return ::unlinkat(dir, path, flags); });
    },
    [](const char* path, struct stat* st) { return Step([&] { return ::lstat(path, st); }); },
};

class FallbackFileSystem : public platform::PosixFileSystem {
  public:
    std::unique_ptr<platform::MoveRun> BeginMoves() override {
        return std::make_unique<platform::posix::PosixMoveRun>(kFallbackCalls);
    }
};

// Runs `work` in a child; true when the child was killed, false when it finished.
bool KilledInChild(const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

struct FaultTest : JournalTest {
    void SetUp() override {
        tree.MakeFolder("other");
        // A second file system for the moves across volumes.
        otherVolume = mount("none", (tree.Path() / "other").c_str(), "tmpfs", 0, "size=4m") == 0;
        tree.WriteFile("d/x.txt", "X");
        tree.WriteFile("d/y.txt", "Y");
        tree.WriteFile("a.txt", "A");
        tree.WriteFile("b.txt", "B");
        before = Disk();
        AddRows();
    }
    // The rows as listed before a commit: a folder renamed, a file beneath it
    // following it, a file moved to the other volume, a file renamed.
    void AddRows() {
        list.Clear();
        Add(u"d", u"e", true);
        Add(u"d/x.txt", u"x2.txt", false, u"e");
        Add(u"a.txt", u"a.txt", false, u"other");
        Add(u"b.txt", u"c.txt");
    }
    void TearDown() override {
        if (otherVolume) umount2((tree.Path() / "other").c_str(), MNT_DETACH);
    }

    void CommitThrough(platform::FileSystem& faulty) {
        History through(faulty, history.Folder());
        TargetCheck check = CheckTargets(list);
        JournalledPass pass(list, faulty, std::move(check.targets), &through);
        if (!pass.Begin()) return;
        for (std::size_t row = 0; row < list.Count(); ++row) pass.RenameRow(row);
        pass.Finish();
    }

    bool otherVolume = false;
    std::string before;
};

// The ways a file system without RENAME_NOREPLACE leaves something between steps.
struct FallbackWay {
    const char* name;
    bool refuseLinks;
};
constexpr FallbackWay kFallbackWays[] = {
    {"link, then unlink", false},
    {"placeholder, then rename over it", true},
};
constexpr Fault kStepFaults[] = {Fault::Kill, Fault::FailStep};

TEST_F(FaultTest, CommitOnTheFallbackWaysStoppedAtEveryStepIsUndoneExactly) {
    if (!otherVolume) GTEST_SKIP() << "no tmpfs could be mounted for moves across volumes";
    FallbackFileSystem fallback;
    for (const FallbackWay& way : kFallbackWays) {
        for (const Fault fault : kStepFaults) {
            gRefuseLinks = way.refuseLinks;
            bool finished = false;
            for (std::size_t stopAt = 1; !finished; ++stopAt) {
                SCOPED_TRACE(std::string(way.name) +
                             (fault == Fault::Kill ? ", killed" : ", failed") + " at call " +
                             std::to_string(stopAt));
                FaultingFileSystem faulty(stopAt, fault, fallback);
                if (fault == Fault::Kill) {
                    finished = !KilledInChild([&] { CommitThrough(faulty); });
                } else {
                    CommitThrough(faulty);
                    finished = gCalls.count < stopAt;
                }
                if (const auto id = history.NewestUndoable()) {
                    const UndoOutcome undo = UndoCommit(history, *id);
                    EXPECT_EQ(undo.result, UndoResult::Done) << testing::U8(undo.failureReport);
                }
                ASSERT_EQ(Disk(), before);
                AddRows();
            }
        }
    }
    gRefuseLinks = false;
}

TEST_F(FaultTest, UndoOnTheFallbackWaysKilledAtEveryStepFinishesOnTheNextUndo) {
    if (!otherVolume) GTEST_SKIP() << "no tmpfs could be mounted for moves across volumes";
    FallbackFileSystem fallback;
    for (const FallbackWay& way : kFallbackWays) {
        gRefuseLinks = way.refuseLinks;
        bool finished = false;
        for (std::size_t stopAt = 1; !finished; ++stopAt) {
            SCOPED_TRACE(std::string(way.name) + ", undo killed at call " + std::to_string(stopAt));
            CommitThrough(*fs);
            const auto id = history.NewestUndoable();
            ASSERT_TRUE(id);
            FaultingFileSystem faulty(stopAt, Fault::Kill, fallback);
            finished = !KilledInChild([&] {
                History through(faulty, history.Folder());
                (void)UndoCommit(through, *id);
            });
            const UndoOutcome again = UndoCommit(history, *id);
            EXPECT_EQ(again.result, UndoResult::Done) << testing::U8(again.failureReport);
            ASSERT_EQ(Disk(), before);
            AddRows();
        }
    }
    gRefuseLinks = false;
}

TEST_F(FaultTest, CommitKilledAtEveryCallIsUndoneExactly) {
    if (!otherVolume) GTEST_SKIP() << "no tmpfs could be mounted for moves across volumes";
    bool finished = false;
    for (std::size_t stopAt = 1; !finished; ++stopAt) {
        SCOPED_TRACE("killed at call " + std::to_string(stopAt));
        FaultingFileSystem faulty(stopAt, Fault::Kill);
        finished = !KilledInChild([&] { CommitThrough(faulty); });
        if (finished) {
            EXPECT_EQ(Disk(), "c.txt=B\ne/\ne/x2.txt=X\ne/y.txt=Y\nother/\nother/a.txt=A\n");
        }
        const auto id = history.NewestUndoable();
        if (id) {
            const UndoOutcome undo = UndoCommit(history, *id);
            EXPECT_EQ(undo.result, UndoResult::Done) << testing::U8(undo.failureReport);
        }
        ASSERT_EQ(Disk(), before);
        EXPECT_EQ(history.NewestUndoable(), std::nullopt);
    }
}

TEST_F(FaultTest, UndoKilledAtEveryCallFinishesOnTheNextUndo) {
    if (!otherVolume) GTEST_SKIP() << "no tmpfs could be mounted for moves across volumes";
    bool finished = false;
    for (std::size_t stopAt = 1; !finished; ++stopAt) {
        SCOPED_TRACE("undo killed at call " + std::to_string(stopAt));
        CommitThrough(*fs);
        const auto id = history.NewestUndoable();
        ASSERT_TRUE(id);
        FaultingFileSystem faulty(stopAt, Fault::Kill);
        finished = !KilledInChild([&] {
            History through(faulty, history.Folder());
            (void)UndoCommit(through, *id);
        });
        const UndoOutcome again = UndoCommit(history, *id);
        EXPECT_EQ(again.result, UndoResult::Done) << testing::U8(again.failureReport);
        ASSERT_EQ(Disk(), before);
        EXPECT_EQ(history.NewestUndoable(), std::nullopt);
        EXPECT_EQ(Summarise(*id, *history.Read(*id)).state, CommitState::Undone);
        AddRows();
    }
}

TEST_F(FaultTest, CommitWithAFailedMoveAtEveryCallIsUndoneExactly) {
    if (!otherVolume) GTEST_SKIP() << "no tmpfs could be mounted for moves across volumes";
    for (std::size_t stopAt = 1; stopAt <= 12; ++stopAt) {
        SCOPED_TRACE("failed at call " + std::to_string(stopAt));
        FaultingFileSystem faulty(stopAt, Fault::FailMove);
        CommitThrough(faulty);
        if (const auto id = history.NewestUndoable()) {
            EXPECT_EQ(UndoCommit(history, *id).result, UndoResult::Done);
        }
        ASSERT_EQ(Disk(), before);
        AddRows();
    }
}

}  // namespace
}  // namespace morvalent::commit::journal_testing
