#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace morvalent::testing {

// Answers the next modal dialog or message box this thread opens, as a user
// would: a timer set before the dialog opens fires once the dialog's own message
// loop runs, finds the dialog and hands it to `answer`. When no dialog is
// there, the loop is ended with a quit message, so the test fails instead of
// waiting.
class DialogAnswer {
  public:
    explicit DialogAnswer(std::function<void(HWND)> answer);
    ~DialogAnswer();
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    // Whether a dialog was found and answered.
    bool Answered() const { return answered_; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void(HWND)> answer_;
    UINT_PTR timer_ = 0;
    bool fired_ = false;
    bool answered_ = false;
};

// What a user does in a dialog.
void PressButton(HWND dialog, int id);
void TypeInto(HWND dialog, int id, const std::u16string& text);
std::u16string TextOf(HWND dialog, int id);
// Whether the control is shown once its dialog is.
bool Shown(HWND dialog, int id);

// A visible top-level window to own the dialogs; fails the test when it cannot
// be made (without a display Wine would otherwise wait).
HWND MakeOwnerWindow();

}  // namespace morvalent::testing
