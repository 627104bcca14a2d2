#include "WindowFixture.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "win32ui/Wide.h"

namespace morvalent::testing {
namespace {

// The program's own start: OLE (drag and drop) and the common controls.
class WindowEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    }
    void TearDown() override { OleUninitialize(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new WindowEnvironment);

}  // namespace

void Pump(win32ui::MainWindow& window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) window.HandleMessage(message);
}

void Win32Window::Pump() { testing::Pump(window); }

bool Win32Window::PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    Pump();
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(deadline - now), QS_ALLINPUT);
        Pump();
    }
    return true;
}

void Win32Window::Command(app::CommandId id) {
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(app::IdNumber(id), 0), 0);
    Pump();
}

int Win32Window::RowCount() const {
    return int(SendMessageW(window.List(), LVM_GETITEMCOUNT, 0, 0));
}

std::u16string Win32Window::Text(int row, int column) const {
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = int(std::size(buffer));
    SendMessageW(window.List(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return win32ui::FromWide(buffer);
}

std::u16string Win32Window::Status() const {
    wchar_t buffer[256] = {};
    GetWindowTextW(window.StatusLine(), buffer, int(std::size(buffer)));
    return win32ui::FromWide(buffer);
}

bool Win32Window::MenuEnabled(app::CommandId id) const {
    const UINT state =
        GetMenuState(GetMenu(window.Handle()), UINT(app::IdNumber(id)), MF_BYCOMMAND);
    EXPECT_NE(state, UINT(-1)) << "no menu item " << id;
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

HGLOBAL MakeDrop(const std::vector<std::u16string>& paths) {
    std::u16string list;
    for (const auto& path : paths) list += path + u'\0';
    list += u'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(char16_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, list.data(), list.size() * sizeof(char16_t));
    GlobalUnlock(memory);
    return memory;
}

}  // namespace morvalent::testing
