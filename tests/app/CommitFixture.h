#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "app/MainDialog.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/TreeListing.h"

// What the commit tests of every system share.
namespace morvalent::app::commit_testing {

// The native file system, counting moves, and throwing for one source on request.
class CountingFileSystem : public platform::FileSystem {
  public:
    std::optional<bool> IsFolder(std::u16string_view path) override;
    std::optional<platform::FileInfo> ReadInfo(std::u16string_view path) override;
    bool ListFolder(std::u16string_view folder, std::vector<platform::FolderItem>& items) override;
    platform::MoveOutcome MoveNoReplace(std::u16string_view source,
                                        std::u16string_view target) override;
    std::optional<platform::FileIdentity> ReadIdentity(std::u16string_view path) override {
        return native->ReadIdentity(path);
    }

    std::unique_ptr<platform::FileSystem> native = platform::MakeNativeFileSystem();
    int moves = 0;
    std::u16string throwFor;
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
    // The failure line for a rename below the temporary folder.
    std::u16string Fail(std::u16string_view from, std::u16string_view to) const;
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
