#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "platform/Text.h"

namespace morvalent::bench {

// The user a benchmark stands in for: says yes, cancels every dialog, chooses
// nothing and shows no state; each benchmark answers what its work asks.
class QuietUi : public app::UserPrompts, public app::StateView {
  public:
    bool yes = true;

    void ShowMessage(const std::u16string& text) override {
        std::printf("unexpected message: %s\n", platform::Utf16ToUtf8Lossy(text).c_str());
    }
    void ShowMessage(const std::u16string& text, const std::u16string&) override {
        ShowMessage(text);
    }
    bool AskYesNo(const std::u16string&, const std::u16string&) override { return yes; }
    bool AskOkCancel(const std::u16string&) override { return true; }
    app::DialogResult ShowInputDialog(app::InputDialog&) override {
        return app::DialogResult::Cancel;
    }
    app::DialogResult ShowFolderBrowser(app::FolderBrowser&) override {
        return app::DialogResult::Cancel;
    }
    std::vector<std::u16string> ChooseFiles(const app::FileDialogRequest&) override { return {}; }
    std::vector<std::u16string> ChooseFolders(const std::u16string&) override { return {}; }
    void SetClipboardText(const std::u16string&) override {}

    void SetStatusText(const std::u16string&) override {}
    app::DialogResult ShowHistory(app::HistoryDialog&) override {
        return app::DialogResult::Cancel;
    }
    void SetCommandEnabled(app::CommandId, bool) override {}
    void SetCommandChecked(app::CommandId, bool) override {}
    void SetCommandText(app::CommandId, const std::u16string&) override {}
    void SetColumnWidth(filelist::Column, int) override {}
    void FocusList() override {}
    void EnsureRowVisible(std::size_t) override {}
    void SetBusy(bool) override {}
    void KeepResponsive() override {}
    void CloseWindow() override {}
    void ConflictsChanged() override {}
};

}  // namespace morvalent::bench
