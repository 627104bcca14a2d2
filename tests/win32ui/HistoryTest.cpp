#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "DialogAnswer.h"
#include "app/HistoryDialog.h"
#include "app/MainDialog.h"
#include "commit/History.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "win32ui/DialogIds.h"
#include "win32ui/DialogSupport.h"
#include "win32ui/Wide.h"
#include "win32ui/Win32Prompts.h"

namespace morvalent::win32ui {
namespace {

std::u16string CellText(HWND list, int row, int column) {
    wchar_t text[512] = L"";
    ListView_GetItemText(list, row, column, text, 512);
    return FromWide(text);
}

TEST(HistoryWindowTest, ListsTheCommitsAndTheirRenamesAndUndoChoosesOne) {
    HWND owner = testing::MakeOwnerWindow();
    ASSERT_NE(owner, nullptr);
    testing::TempDir dir;
    testing::TempDir state;
    dir.WriteFile("가.txt", "A");
    dir.WriteFile("b.txt", "B");
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    commit::History history(*fs, state.Join(u"history"));
    {
        // One commit of two renames, made without a window.
        testing::ScriptedUi ui;
        filelist::PlainIconSource icons;
        app::MainDialog dialog(ui, ui, *fs, icons);
        dialog.SetHistory(&history);
        for (const auto& [name, newName] :
             {std::pair{u"가.txt", u"나.txt"}, {u"b.txt", u"c.txt"}}) {
            filelist::FileEntry entry;
            entry.path = dir.Join(name);
            dialog.List().SetNewName(dialog.List().InsertEntryRow(entry), newName);
        }
        ui.okCancelAnswers.push_back(true);
        dialog.ApplyRenames();
    }

    Win32Prompts prompts(GetModuleHandleW(nullptr), [owner] { return owner; });
    app::HistoryDialog shown(history);
    testing::DialogAnswer answer([&](HWND window) {
        EXPECT_EQ(WindowText(window), u"변경 기록");
        HWND commits = GetDlgItem(window, IDC_HISTORY_COMMITS);
        ASSERT_EQ(ListView_GetItemCount(commits), 1);
        EXPECT_EQ(CellText(commits, 0, 1), u"2");
        EXPECT_EQ(CellText(commits, 0, 3), u"완료");
        // The newest commit is selected and its renames are listed.
        HWND renames = GetDlgItem(window, IDC_HISTORY_RENAMES);
        ASSERT_EQ(ListView_GetItemCount(renames), 2);
        EXPECT_EQ(CellText(renames, 0, 0), dir.Join(u"가.txt"));
        EXPECT_EQ(CellText(renames, 0, 1), dir.Join(u"나.txt"));
        EXPECT_EQ(CellText(renames, 1, 1), dir.Join(u"c.txt"));
        testing::PressButton(window, IDOK);
    });
    EXPECT_EQ(prompts.ShowHistory(shown), app::DialogResult::Ok);
    EXPECT_EQ(shown.Chosen(), std::optional<std::size_t>(0));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace morvalent::win32ui
