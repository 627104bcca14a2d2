#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "JournalFixture.h"
#include "commit/JournalledPass.h"
#include "commit/TargetCheck.h"
#include "filelist/GatheredFolders.h"
#include "filelist/Gathering.h"
#include "platform/ForwardingFileSystem.h"
#include "platform/Path.h"

namespace morvalent::commit::journal_testing {
namespace {

// The disk as it is, with folder stamps the test moves on when it changes a folder
// (a change within the clock's step would otherwise keep the stamp).
class StampedFileSystem : public platform::ForwardingFileSystem {
  public:
    using ForwardingFileSystem::ForwardingFileSystem;
    std::optional<platform::FolderStamp> ReadFolderStamp(std::u16string_view) override {
        return platform::FolderStamp{.volume = 1, .file = 1, .changed = changes, .settled = true};
    }
    platform::FileTime changes = 0;
};

struct NoQuestion : filelist::FolderQuestion {
    bool AddFolderItself(const std::u16string&) override { return false; }
};

struct GatheredIdentityTest : JournalTest {
    // Gathers the tree's contents through the real walk, each file renamed to
    // "new-" + its name; `number` stands in for a.txt's walked file number when given.
    void Gather(std::uint64_t number = 0) {
        NoQuestion question;
        filelist::FolderChoice choice{filelist::FolderAnswer::Contents};
        filelist::Gatherer gatherer(list, stamped, question, choice);
        gatherer.SetListed(
            [&](std::u16string_view folder, const std::optional<platform::FolderStamp>& stamp,
                const std::vector<platform::FolderItem>&) { gathered.Walked(folder, stamp); });
        filelist::PendingEntries pending;
        gatherer.AddPath(pending, platform::NormalisePath(tree.Join(u"")), true);
        for (filelist::FileEntry& entry : pending) {
            if (number != 0 && entry.path == tree.Join(u"a.txt")) entry.fileNumber = number;
        }
        gatherer.AppendPendingRows(pending);
        for (std::size_t row = 0; row < list.Count(); ++row) {
            list.SetNewName(row, u"new-" + list.CurrentName(row));
        }
    }
    std::uint64_t CommitGathered() {
        TargetCheck check = CheckTargets(list);
        JournalledPass pass(list, stamped, std::move(check.targets), &history, &gathered);
        EXPECT_TRUE(pass.Begin());
        for (std::size_t row = 0; row < list.Count(); ++row) pass.RenameRow(row);
        pass.Finish();
        return pass.JournalId().value_or(0);
    }

    StampedFileSystem stamped{*fs};
    filelist::GatheredFolders gathered;
};

TEST_F(GatheredIdentityTest, UnchangedFolderJournalsTheWalkedNumberWithoutAskingTheDisk) {
    tree.WriteFile("a.txt", "A");
    Gather(0x4242);
    const std::uint64_t id = CommitGathered();
    EXPECT_NE(JournalBytes(id).find(":0:4242:"), std::string::npos);
    // Renamed, the row's walked number no longer vouches for what its new place holds.
    EXPECT_EQ(list.Entry(0).fileNumber, 0u);
}

// The item at a.txt is replaced after the walk: the journal must name the item the
// commit renamed, so that the undo finds and gives back that one.
TEST_F(GatheredIdentityTest, ItemReplacedSinceTheWalkIsJournalledAsItIsNow) {
    tree.WriteFile("a.txt", "A");
    tree.WriteFile("b.txt", "B");
    Gather();
    tree.WriteFile("n.txt", "N");
    std::filesystem::rename(tree.Path() / "n.txt", tree.Path() / "a.txt");
    ++stamped.changes;
    const std::uint64_t id = CommitGathered();
    EXPECT_EQ(Disk(), "new-a.txt=N\nnew-b.txt=B\n");

    const UndoOutcome undo = UndoCommit(history, id);
    EXPECT_EQ(undo.failureReport, u"");
    EXPECT_EQ(undo.undone, 2u);
    EXPECT_EQ(Disk(), "a.txt=N\nb.txt=B\n");
}

}  // namespace
}  // namespace morvalent::commit::journal_testing
