#include "JournalFixture.h"

#include <fstream>

#include "commit/JournalledPass.h"
#include "commit/TargetCheck.h"
#include "platform/DurableFiles.h"
#include "platform/StateFolder.h"

namespace morvalent::commit::journal_testing {

void JournalTest::Add(std::u16string_view relative, std::u16string_view newName, bool isFolder,
                      std::u16string_view folder) {
    filelist::FileEntry entry;
    entry.path = tree.Join(relative);
    entry.isFolder = isFolder;
    const std::size_t row = list.InsertEntryRow(entry);
    list.SetNewName(row, std::u16string(newName));
    if (!folder.empty()) list.SetFolderText(row, tree.Join(folder));
}

std::uint64_t JournalTest::Commit() {
    TargetCheck check = CheckTargets(list);
    EXPECT_EQ(check.problem, TargetProblem::None);
    JournalledPass pass(list, *fs, std::move(check.targets), &history);
    EXPECT_TRUE(pass.Begin());
    for (std::size_t row = 0; row < list.Count(); ++row) pass.RenameRow(row);
    pass.Finish();
    EXPECT_TRUE(pass.JournalId().has_value());
    return pass.JournalId().value_or(0);
}

std::string JournalTest::JournalBytes(std::uint64_t id) const {
    return platform::ReadWholeFile(history.PathOf(id)).value_or("");
}

void JournalTest::WriteJournal(std::uint64_t id, std::string_view bytes) const {
    (void)platform::MakeFolders(history.Folder());
    std::ofstream out(std::filesystem::path(history.PathOf(id)),
                      std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::u16string JournalTest::Fail(std::u16string_view from, std::u16string_view to,
                                 std::u16string_view reason) const {
    return tree.Join(from) + u" -> " + tree.Join(to) + u" 변경 실패. (" + std::u16string(reason) +
           u")\n";
}

}  // namespace morvalent::commit::journal_testing
