#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using testing::U8;

// Names differ by every letter here: a path list may add A.TXT beside a listed a.txt.
TEST(PosixTransferCommands, PathListNameInOtherLetterCaseIsAnotherFile) {
    testing::TempDir dir;
    testing::ScriptedUi ui;
    filelist::PlainIconSource icons;
    auto fs = platform::MakeNativeFileSystem();
    MainDialog dialog{ui, ui, *fs, icons};
    dir.WriteFile("a.txt");
    dir.WriteFile("A.TXT");
    dialog.GatherBatch({dir.Join(u"a.txt")}, true);
    dir.WriteFile("list.txt", U8(dir.Join(u"A.TXT\n")) + U8(dir.Join(u"a.txt\n")));
    ui.fileAnswers.push_back({dir.Join(u"list.txt")});
    dialog.LoadPathList();
    ASSERT_EQ(dialog.List().Count(), 2u);
    EXPECT_EQ(dialog.List().Entry(1).path, dir.Join(u"A.TXT"));
}

}  // namespace
}  // namespace morvalent::app
