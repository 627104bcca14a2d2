#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "cli/Recipe.h"

namespace morvalent::cli {

// Answers every dialog of the program from the step being run, as the user
// would have filled it in, and writes every message to the error stream. Of the
// program's state it shows only the progress of long work.
class CliUserInterface : public app::UserPrompts, public app::StateView {
  public:
    // `showProgress`: the error stream is a terminal, so long work may draw a
    // progress line on it. `progressCount` tells how many items were handled.
    CliUserInterface(std::ostream& err, bool showProgress,
                     std::function<std::size_t()> progressCount = {});

    // The dialogs from now on are answered from this step.
    void BeginStep(const Step& step);
    // No step runs: every dialog is cancelled.
    void EndStep() { step_ = nullptr; }
    // The answer the folder question gets: true = the folder itself (예).
    void SetFolderItself(bool itself) { folderItself_ = itself; }

    void ShowMessage(const std::u16string& text) override;
    void ShowMessage(const std::u16string& text, const std::u16string& caption) override;
    bool AskYesNo(const std::u16string& text, const std::u16string& caption) override;
    bool AskOkCancel(const std::u16string& text) override;
    app::DialogResult ShowInputDialog(app::InputDialog& dialog) override;
    app::DialogResult ShowFolderBrowser(app::FolderBrowser& browser) override;
    std::vector<std::u16string> ChooseFiles(const app::FileDialogRequest& request) override;
    std::vector<std::u16string> ChooseFolders(const std::u16string& title) override;

    void SetClipboardText(const std::u16string&) override {}
    // The status line has no place here; progress has its own line.
    void SetStatusText(const std::u16string&) override {}
    // Without a window there is no list of commits to choose from.
    app::DialogResult ShowHistory(app::HistoryDialog&) override {
        return app::DialogResult::Cancel;
    }
    void SetCommandEnabled(app::CommandId, bool) override {}
    void SetCommandChecked(app::CommandId, bool) override {}
    void SetCommandText(app::CommandId, const std::u16string&) override {}
    void SetColumnWidth(filelist::Column, int) override {}
    void FocusList() override {}
    void EnsureRowVisible(std::size_t) override {}

    void SetBusy(bool busy) override;
    void KeepResponsive() override;

    void CloseWindow() override {}
    // Conflicts are printed when asked for (--print=conflicts), not as they change.
    void ConflictsChanged() override {}

  private:
    void DrawProgress();
    void ClearProgress();

    std::ostream& err_;
    bool showProgress_;
    std::function<std::size_t()> progressCount_;
    const Step* step_ = nullptr;
    bool folderItself_ = true;
    int busyDepth_ = 0;
    std::size_t countAtBusy_ = 0;
    bool progressDrawn_ = false;
    std::chrono::steady_clock::time_point lastDrawn_{};
};

// Native bytes of a text for output: the exact bytes where the text names
// something on disk, otherwise its lossy UTF-8.
std::string OutputBytes(std::u16string_view text);

}  // namespace morvalent::cli
