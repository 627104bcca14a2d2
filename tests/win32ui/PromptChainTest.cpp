#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogAnswer.h"
#include "app/Commands.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/ListTexts.h"
#include "support/ScriptedUi.h"
#include "win32ui/DialogIds.h"
#include "win32ui/Win32Prompts.h"

namespace morvalent::win32ui {
namespace {

using Names = std::vector<std::u16string>;

// The program's own chain: the command asks through MainDialog's step prompts,
// which pass the dialog on to the window's prompts.
TEST(PromptChainTest, NameEditAsksThroughTheRealInputDialog) {
    HWND owner = testing::MakeOwnerWindow();
    ASSERT_NE(owner, nullptr);
    Win32Prompts prompts(GetModuleHandleW(nullptr), [owner] { return owner; });
    testing::ScriptedUi view;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog dialog(prompts, view, *fs, icons);
    for (const char16_t* path : {u"C:\\사진\\봄 사진.jpg", u"C:\\사진\\여름 사진.jpg"}) {
        filelist::FileEntry entry;
        entry.path = path;
        dialog.List().InsertEntryRow(entry);
    }

    testing::DialogAnswer answer([](HWND window) {
        testing::TypeInto(window, IDC_INPUT_TEXT1, u" 사진");
        testing::TypeInto(window, IDC_INPUT_TEXT2, u"_2024");
        testing::PressButton(window, IDOK);
    });
    ASSERT_TRUE(dialog.OnCommand(app::CommandId::ReplaceString).has_value());
    EXPECT_EQ(testing::NewNames(dialog.List()), (Names{u"봄_2024.jpg", u"여름_2024.jpg"}));
    // Noted as a step, as a recipe would keep it.
    EXPECT_EQ(dialog.Recording().size(), 1u);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace morvalent::win32ui
