#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "app/SavedList.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace morvalent::app {
namespace {

using testing::ScriptedUi;
using testing::TempDir;

// Commands back to back stop the background write each time it has started; what
// is on disk in the end is the list after the last one, whole, marks included.
TEST(SavedListTest, CommandsBackToBackLeaveTheLastListWhole) {
    constexpr std::size_t kRows = 20'000;  // several of the writer's pieces
    const std::u16string kFolder = std::u16string(u"kept") + platform::kPathSeparator;
    TempDir dir;
    {
        ScriptedUi ui;
        auto fs = platform::MakeNativeFileSystem();
        filelist::PlainIconSource icons;
        MainDialog dialog(ui, ui, *fs, icons);
        dialog.SetStateFolder(dir.Join(u"state"));
        for (std::size_t i = 0; i < kRows; ++i) {
            filelist::FileEntry entry;
            entry.path = kFolder + platform::DecimalText(std::uint64_t(i)) + u".txt";
            dialog.List().InsertEntryRow(std::move(entry));
        }
        ui.inputAnswers = {{true, u"a", u""}, {true, u"b", u""}, {true, u"c", u""}};
        dialog.OnCommand(CommandId::AddPrefix);
        dialog.OnCommand(CommandId::AddPrefix);
        dialog.SelectRowsFromView(kRows - 2, kRows - 1, true);
        dialog.OnCommand(CommandId::AddPrefix);
    }  // the dialog's end finishes the write asked for last

    filelist::PlainIconSource icons;
    filelist::IconCache cache(icons);
    filelist::FileList other(cache);
    const auto saved = ListKeeper(dir.Join(u"state"), other).Read();
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->rows.size(), kRows);
    EXPECT_EQ(saved->rows[0].newName, u"cba0.txt");
    EXPECT_EQ(saved->rows[kRows - 1].path, kFolder + u"19999.txt");
    EXPECT_EQ(saved->rows[kRows - 1].newName, u"cba19999.txt");
    EXPECT_FALSE(saved->rows[kRows - 3].selected);
    EXPECT_TRUE(saved->rows[kRows - 2].selected);
}

TEST(SavedListTest, ACutFileIsNoList) {
    filelist::PlainIconSource icons;
    filelist::IconCache cache(icons);
    filelist::FileList list(cache);
    filelist::FileEntry entry;
    entry.path = u"/kept/a.txt";
    list.SetNewName(list.InsertEntryRow(entry), u"b.txt");
    const std::string bytes = SerialiseList(list, 7);
    ASSERT_TRUE(ParseSavedList(bytes));
    EXPECT_FALSE(ParseSavedList(std::string_view(bytes).substr(0, bytes.size() - 1)));
    EXPECT_FALSE(ParseSavedList(bytes + "x"));
}

}  // namespace
}  // namespace morvalent::app
