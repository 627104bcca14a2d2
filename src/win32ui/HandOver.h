#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace morvalent::win32ui {

// A second start of the program hands its paths to the window already open in the
// same session and ends. The window is found by its class; the paths travel in one
// WM_COPYDATA whose dwData is kHandOverTag and whose data are the paths in UTF-16,
// each ended by a NUL. Nothing listens on the network.
inline constexpr wchar_t kMainWindowClass[] = L"MorvalentMainWindow";
inline constexpr ULONG_PTR kHandOverTag = 0x4D525650;  // "MRVP": Morvalent paths

std::vector<wchar_t> EncodePaths(const std::vector<std::u16string>& paths);
// The paths of a hand-over; none when the data are not one (another tag, an odd
// size, a last path without its NUL).
std::optional<std::vector<std::u16string>> DecodePaths(const COPYDATASTRUCT& data);

// Sends the paths to the open window and lets it come to the front; false when no
// window is open or it did not take them.
bool HandOverToOpenWindow(const std::vector<std::u16string>& paths);

// Held from the look for an open window until this start's own window exists, so
// that starts racing each other (one per item chosen in Explorer) find one window.
class StartLock {
  public:
    StartLock();
    ~StartLock();
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;
    void Release();

  private:
    HANDLE mutex_ = nullptr;
    bool held_ = false;
};

}  // namespace morvalent::win32ui
