#pragma once

#include <QWidget>

#include "app/UserPrompts.h"
#include "platform/FileSystem.h"

namespace morvalent::gui {

// Asks the user with Qt's message boxes (a report box for long texts), file dialogs and the
// program's own dialog windows, each modal over the window it is given.
class QtPrompts : public app::UserPrompts {
  public:
    // The folder browser lists folders through `fs`.
    explicit QtPrompts(platform::FileSystem& fs) : fs_(fs) {}

    // The window the questions belong to; none before it exists.
    void SetParentWindow(QWidget* window) { parent_ = window; }

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
    platform::FileSystem& fs_;
    QWidget* parent_ = nullptr;
};

}  // namespace morvalent::gui
