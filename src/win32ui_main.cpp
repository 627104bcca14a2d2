#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "app/StartArguments.h"
#include "app/Texts.h"
#include "commit/History.h"
#include "platform/FileSystem.h"
#include "platform/StateFolder.h"
#include "platform/Text.h"
#include "win32ui/HandOver.h"
#include "win32ui/MainWindow.h"
#include "win32ui/Wide.h"
#include "win32ui/Win32Prompts.h"
#include "win32ui/WindowTexts.h"

using namespace morvalent;

namespace {

std::vector<std::u16string> CommandLineArguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> args;
    for (int i = 1; i < count; ++i) args.push_back(win32ui::FromWide(words[i]));
    LocalFree(words);
    return args;
}

void Say(const std::u16string& text, UINT icon) {
    MessageBoxW(nullptr, win32ui::Wide(text), win32ui::Wide(app::texts::kTitle), MB_OK | icon);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const app::StartArguments start = app::ParseStartArguments(CommandLineArguments());
    if (start.unknownOption) {
        Say(platform::FormatText(win32ui::texts::kUnknownOption, *start.unknownOption) +
                win32ui::texts::kUsage,
            MB_ICONWARNING);
        return 2;
    }
    if (start.help || start.version) {
        Say(start.help ? win32ui::texts::kUsage : app::texts::kVersionMessage, MB_ICONINFORMATION);
        return 0;
    }
    // A window already open takes the paths; starts racing this one wait until it
    // has its window, so they find it.
    win32ui::StartLock lock;
    if (!start.paths.empty() && win32ui::HandOverToOpenWindow(start.paths)) return 0;

    if (FAILED(OleInitialize(nullptr))) return 1;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    auto fs = platform::MakeNativeFileSystem();
    const auto stateFolder = platform::DefaultStateFolder();
    std::optional<commit::History> history;
    if (stateFolder) history.emplace(*fs, commit::History::FolderIn(*stateFolder));
    win32ui::MainWindow* shown = nullptr;
    win32ui::Win32Prompts prompts(instance, [&] { return shown ? shown->Handle() : nullptr; });
    int status = 0;
    try {
        win32ui::MainWindow window(instance, *fs, prompts, history ? &*history : nullptr);
        shown = &window;
        window.onDestroyed = [] { PostQuitMessage(0); };
        window.Dialog().SetStateFolder(stateFolder);
        ShowWindow(window.Handle(), window.RestorePlacement(show));
        UpdateWindow(window.Handle());
        lock.Release();
        window.QueueDrop(start.paths);
        window.Dialog().NoticeInterruptedCommit();
        // Once the window is on screen, so the question stands over it.
        if (start.paths.empty()) window.OfferSavedList();
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) window.HandleMessage(message);
        shown = nullptr;
    } catch (const std::exception&) {
        Say(win32ui::texts::kWindowFailed, MB_ICONERROR);
        status = 1;
    }
    OleUninitialize();
    return status;
}
