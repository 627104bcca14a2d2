#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/MainDialog.h"
#include "platform/FileSystem.h"
#include "support/ForwardingFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/TreeListing.h"

// What the commit tests of every system share.
namespace morvalent::app::commit_testing {

// The native file system and its runs of moves, counting moves; on request it
// throws for one source, or refuses to move others as the system would.
class CountingFileSystem : public testing::ForwardingFileSystem {
  public:
    int moves = 0;
    std::u16string throwFor;
    std::map<std::u16string, platform::MoveOutcome> refuse;

  protected:
    platform::MoveOutcome Move(std::u16string_view source, std::u16string_view target,
                               const InnerMove& inner) override;
};

// Icons that tell extensions apart: .png is 7, other files 0, folders 1.
class ExtensionIcons : public filelist::IconSource {
  public:
    std::int32_t IconIndexFor(std::u16string_view extension, bool isFolder) override;
};

using testing::Listing;

struct CommitTest : ::testing::Test {
    // A row for an item under the temporary folder (relative written with '/'),
    // with its new name.
    std::size_t Add(std::u16string_view relative, std::u16string newName, bool isFolder = false);
    void Commit();
    // The failure line for a rename below the temporary folder, with its reason.
    std::u16string Fail(std::u16string_view from, std::u16string_view to,
                        std::u16string_view reason) const;
    // The last message, after the count line a commit with failures starts with
    // ("2개 중 1개를 바꿨습니다.", checked where the count is the point).
    std::u16string LastMessage() const;
    std::string Disk() const { return Listing(dir.Path()); }

    testing::TempDir dir;
    testing::ScriptedUi ui;
    CountingFileSystem fs;
    ExtensionIcons iconSource;
    MainDialog dialog{ui, ui, fs, iconSource};
};

}  // namespace morvalent::app::commit_testing
