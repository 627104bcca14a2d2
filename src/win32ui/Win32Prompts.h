#pragma once

#include <windows.h>

#include <functional>

#include "app/UserPrompts.h"

namespace morvalent::win32ui {

// Asks the user with message boxes (a report box for long texts), the shell's
// file and folder dialogs and the program's own dialog templates, each modal
// over and centred on the window `owner` names at the time of asking.
class Win32Prompts final : public app::UserPrompts {
  public:
    // `instance` holds the dialog templates; `owner` may give none before the
    // window exists.
    Win32Prompts(HINSTANCE instance, std::function<HWND()> owner);

    void ShowMessage(const std::u16string& text) override;
    void ShowMessage(const std::u16string& text, const std::u16string& caption) override;
    bool AskYesNo(const std::u16string& text, const std::u16string& caption) override;
    bool AskOkCancel(const std::u16string& text) override;
    app::DialogResult ShowInputDialog(app::InputDialog& dialog) override;
    app::DialogResult ShowFolderBrowser(app::FolderBrowser& browser) override;
    std::vector<std::u16string> ChooseFiles(const app::FileDialogRequest& request) override;
    std::vector<std::u16string> ChooseFolders(const std::u16string& title) override;
    void SetClipboardText(const std::u16string& text) override;
    app::DialogResult ShowHistory(app::HistoryDialog& dialog) override;

  private:
    HWND Owner() const { return owner_ ? owner_() : nullptr; }

    HINSTANCE instance_;
    std::function<HWND()> owner_;
};

}  // namespace morvalent::win32ui
