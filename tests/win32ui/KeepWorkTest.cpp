// The window keeps the user's work: after Esc the next start offers the list back
// through the real question box, and the window comes back where it was left.
#include <gtest/gtest.h>

#include <memory>

#include "DialogAnswer.h"
#include "WindowFixture.h"
#include "filelist/Columns.h"
#include "support/ListTexts.h"
#include "win32ui/MainWindow.h"
#include "win32ui/Win32Prompts.h"

namespace morvalent::win32ui {
namespace {

// The program's own window with the program's own prompts, keeping its state in `state`.
struct KeepingWindow {
    explicit KeepingWindow(const std::u16string& state) {
        window.Dialog().SetStateFolder(state);
        ShowWindow(window.Handle(), window.RestorePlacement(SW_SHOWNORMAL));
    }
    int ColumnWidth(int column) const {
        return int(SendMessageW(window.List(), LVM_GETCOLUMNWIDTH, column, 0));
    }
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    // Asks over the window, as the program's prompts do.
    Win32Prompts prompts{GetModuleHandleW(nullptr), [this] { return window.Handle(); }};
    MainWindow window{GetModuleHandleW(nullptr), *fs, prompts};
};

TEST(Win32KeepWork, EscThenAStartBringsBackTheListAndThePlace) {
    testing::TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    const std::u16string state = dir.Join(u"state");
    {
        KeepingWindow first(state);
        SetWindowPos(first.window.Handle(), nullptr, 30, 40, 900, 600, SWP_NOZORDER);
        // The user widens the name column.
        SendMessageW(first.window.List(), LVM_SETCOLUMNWIDTH, filelist::ColCurrentName,
                     first.window.Scale(260));
        first.window.QueueDrop({dir.Join(u"a.txt"), dir.Join(u"b.txt")});
        testing::Pump(first.window);
        ASSERT_EQ(first.window.Dialog().List().Count(), 2u);
        PostMessageW(first.window.List(), WM_KEYDOWN, VK_ESCAPE, 0);
        testing::Pump(first.window);
        ASSERT_EQ(first.window.Handle(), nullptr);  // Esc closes at once
    }

    KeepingWindow second(state);
    RECT place{};
    GetWindowRect(second.window.Handle(), &place);
    EXPECT_EQ(place.right - place.left, 900);
    EXPECT_EQ(place.bottom - place.top, 600);
    EXPECT_EQ(second.ColumnWidth(filelist::ColCurrentName), second.window.Scale(260));
    // The folder column takes what the others leave.
    RECT list{};
    GetClientRect(second.window.List(), &list);
    EXPECT_EQ(second.ColumnWidth(filelist::ColFolder),
              list.right - second.window.Scale(260) - second.window.Scale(150));

    testing::DialogAnswer yes([](HWND box) { testing::PressButton(box, IDYES); });
    second.window.OfferSavedList();
    EXPECT_TRUE(yes.Answered());
    EXPECT_EQ(testing::NewNames(second.window.Dialog().List()),
              (std::vector<std::u16string>{u"a.txt", u"b.txt"}));
}

}  // namespace
}  // namespace morvalent::win32ui
