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

// Windows names ignore case: A.TXT in a path list is the listed a.txt, and B.TXT
// is listed as the disk spells it.
TEST(Win32TransferCommands, PathListNameInOtherLetterCaseIsTheListedFile) {
    testing::TempDir dir;
    testing::ScriptedUi ui;
    filelist::PlainIconSource icons;
    auto fs = platform::MakeNativeFileSystem();
    MainDialog dialog{ui, ui, *fs, icons};
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    dialog.GatherBatch({dir.Join(u"a.txt")}, true);
    dir.WriteFile("list.txt", U8(dir.Join(u"A.TXT\n")) + U8(dir.Join(u"B.TXT\n")));
    ui.fileAnswers.push_back({dir.Join(u"list.txt")});
    dialog.LoadPathList();
    ASSERT_EQ(dialog.List().Count(), 2u);
    EXPECT_EQ(dialog.List().Entry(0).path, dir.Join(u"a.txt"));
    EXPECT_EQ(dialog.List().Entry(1).path, dir.Join(u"b.txt"));
}

}  // namespace
}  // namespace morvalent::app
