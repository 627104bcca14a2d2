#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"

namespace morvalent::testing {

// The window's logic over the native file system, answered by a scripted user
// (or one derived from it), for the tests of commands that need no files.
template <typename Ui = ScriptedUi>
class DialogFixture : public ::testing::Test {
  protected:
    using Names = std::vector<std::u16string>;

    // A row for the path as given (no file needs to be there).
    void AddRow(std::u16string path, bool isFolder = false) {
        filelist::FileEntry entry;
        entry.path = std::move(path);
        entry.isFolder = isFolder;
        dialog.List().InsertEntryRow(entry);
    }
    Names NewNames() const { return testing::NewNames(dialog.List()); }
    Names FolderTexts() const {
        Names folders;
        for (std::size_t i = 0; i < dialog.List().Count(); ++i) {
            folders.push_back(dialog.List().FolderText(i));
        }
        return folders;
    }

    Ui ui;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog dialog{ui, ui, *fs, icons};
};

}  // namespace morvalent::testing
