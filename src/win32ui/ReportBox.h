#pragma once

#include <windows.h>

#include <string>

namespace morvalent::win32ui {

// Whether `text` is too long to be shown whole in a message box (hundreds of
// failure lines, a very long name).
bool IsLongReport(const std::u16string& text);

// Shows such a text, modal over `owner`: its first line on top, the whole text in
// a scrollable read-only field that can be selected and copied, and OK always in
// view. Never larger than the monitor's work area. False when it could not open.
bool ShowReportBox(HINSTANCE instance, HWND owner, const std::u16string& caption,
                   const std::u16string& text);

}  // namespace morvalent::win32ui
