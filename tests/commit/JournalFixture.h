#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "commit/History.h"
#include "commit/Undo.h"
#include "filelist/FileList.h"
#include "support/TempDir.h"
#include "support/TreeListing.h"

namespace morvalent::commit::journal_testing {

// A tree of real files to rename and a state folder of its own for the journals.
struct JournalTest : ::testing::Test {
    // A row for an item of the tree (relative written with '/'), with its new name
    // and, when given, its folder text (relative too).
    void Add(std::u16string_view relative, std::u16string_view newName, bool isFolder = false,
             std::u16string_view folder = {});
    // Commits the rows through the journalled pass; the journal's id.
    std::uint64_t Commit();
    std::string Disk() const { return testing::Listing(tree.Path()); }
    std::string JournalBytes(std::uint64_t id) const;
    void WriteJournal(std::uint64_t id, std::string_view bytes) const;
    // The failure line of an undo, for items of the tree.
    std::u16string Fail(std::u16string_view from, std::u16string_view to,
                        std::u16string_view reason) const;

    testing::TempDir tree;
    testing::TempDir state;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    History history{*fs, state.Join(u"history")};
    filelist::PlainIconSource iconSource;
    filelist::IconCache icons{iconSource};
    filelist::FileList list{icons};
};

}  // namespace morvalent::commit::journal_testing
