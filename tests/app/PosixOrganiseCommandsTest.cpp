#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using testing::U16;
using PathList = std::vector<std::u16string>;

// The Korean tailoring of the collation library puts Hangul before Latin letters.
TEST(PosixOrganiseCommands, HangulNamesInKoreanOrder) {
    testing::ScriptedUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    MainDialog dialog{ui, ui, *fs, icons};
    const auto paths = [&dialog] {
        PathList paths;
        for (std::size_t i = 0; i < dialog.List().Count(); ++i) {
            paths.push_back(dialog.List().Entry(i).path);
        }
        return paths;
    };
    const auto sort = [&](int choice) {
        ui.inputAnswers.push_back({true, u"", u"", choice});
        dialog.OnCommand(CmdSortList);
    };
    platform::SetCollationLocale("ko");
    for (const char* path : {"/h/하늘.txt", "/h/sky.txt", "/h/가을.txt", "/h/마음.txt"}) {
        filelist::FileEntry e;
        e.path = U16(path);
        dialog.List().InsertEntryRow(e);
    }
    sort(0);
    EXPECT_EQ(paths(), (PathList{U16("/h/가을.txt"), U16("/h/마음.txt"), U16("/h/하늘.txt"),
                                 u"/h/sky.txt"}));
    sort(1);
    EXPECT_EQ(paths(), (PathList{u"/h/sky.txt", U16("/h/하늘.txt"), U16("/h/마음.txt"),
                                 U16("/h/가을.txt")}));
    platform::SetCollationLocale("");
}

}  // namespace
}  // namespace morvalent::app
