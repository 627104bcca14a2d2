#include <gtest/gtest.h>

#include <memory>

#include "app/Commands.h"
#include "app/DialogChoices.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"

namespace morvalent::app {
namespace {

// The Windows build has neither regular expressions nor photo dates.
TEST(Win32UnicodeEditCommands, WithoutRegexAndPhotoDates) {
    testing::ScriptedUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    MainDialog dialog{ui, ui, *fs, icons};
    filelist::FileEntry entry;
    entry.path = u"C:\\d\\a.txt";
    dialog.List().InsertEntryRow(entry);
    dialog.UpdateCommandStates();
    EXPECT_FALSE(ui.enabled[CommandId::ReplacePattern]);
    EXPECT_TRUE(ui.enabled[CommandId::AddDate]);

    const auto outcome = dialog.ReplacePattern();
    EXPECT_EQ(outcome.kind, Outcome::Kind::Refused);
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"이 빌드에는 정규식 기능이 없습니다."});
    EXPECT_EQ(
        ChoiceOf(DateChoices(), DatePlacement{edits::DateSource::Taken, edits::DatePlace::Front}),
        -1);
}

}  // namespace
}  // namespace morvalent::app
