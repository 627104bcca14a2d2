#include <gtest/gtest.h>
#include <unistd.h>

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

// A list another program writes as it runs, as `<(...)` in a shell hands it over.
TEST(PosixTransferCommands, NewNamesFromAPipe) {
    testing::TempDir dir;
    testing::ScriptedUi ui;
    filelist::PlainIconSource icons;
    auto fs = platform::MakeNativeFileSystem();
    MainDialog dialog{ui, ui, *fs, icons};
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    dialog.GatherBatch({dir.Join(u"a.txt"), dir.Join(u"b.txt")}, true);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], "x.txt\ny.txt\n", 12), 12);
    close(ends[1]);
    ui.fileAnswers.push_back({testing::U16("/proc/self/fd/" + std::to_string(ends[0]))});
    dialog.LoadNewNames();
    close(ends[0]);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dialog.List().NewName(0), u"x.txt");
    EXPECT_EQ(dialog.List().NewName(1), u"y.txt");
}

}  // namespace
}  // namespace morvalent::app
