#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/FolderBrowser.h"
#include "app/HistoryDialog.h"
#include "app/InputDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"

namespace morvalent::testing {

// Answers the program's questions from scripts queued by the test and records
// what the program asked and showed. An unscripted question fails the test
// instead of hanging. Given to a window, it answers only the questions.
class ScriptedUi : public app::UserPrompts, public app::StateView {
  public:
    // What an InputDialog answer fills in; `ok` false is Cancel.
    struct InputAnswer {
        bool ok = true;
        std::u16string text1;
        std::u16string text2;
        int choice = 0;
    };

    std::deque<bool> yesNoAnswers;
    std::deque<bool> okCancelAnswers;
    std::deque<InputAnswer> inputAnswers;
    std::deque<std::u16string> folderAnswers;  // empty text = Cancel
    std::deque<std::vector<std::u16string>> fileAnswers;
    std::deque<std::vector<std::u16string>> folderListAnswers;  // empty = Cancel
    // The history dialog: the entry chosen to undo, or nothing for Cancel.
    std::deque<std::optional<std::size_t>> historyAnswers;

    // Records.
    std::vector<std::u16string> messages;
    std::vector<std::pair<std::u16string, std::u16string>> questions;  // text, caption
    std::vector<std::u16string> okCancelQuestions;
    std::vector<app::InputDialog> shownDialogs;  // copies as the program set them up
    std::vector<app::FileDialogRequest> fileRequests;
    // The entries each history dialog listed.
    std::vector<std::vector<app::HistoryDialog::Entry>> shownHistories;
    std::vector<std::u16string> statusHistory;
    std::u16string status;
    std::u16string clipboard;
    std::map<app::CommandId, bool> enabled;
    std::map<app::CommandId, bool> checked;
    std::map<app::CommandId, std::u16string> commandTexts;
    std::map<int, int> columnWidths;
    int conflictNotices = 0;
    std::vector<std::size_t> ensuredVisible;
    int focusListCount = 0;
    int busyDepth = 0;
    bool closed = false;

    void ShowMessage(const std::u16string& text) override;
    void ShowMessage(const std::u16string& text, const std::u16string& caption) override;
    bool AskYesNo(const std::u16string& text, const std::u16string& caption) override;
    bool AskOkCancel(const std::u16string& text) override;
    app::DialogResult ShowInputDialog(app::InputDialog& dialog) override;
    app::DialogResult ShowFolderBrowser(app::FolderBrowser& browser) override;
    std::vector<std::u16string> ChooseFiles(const app::FileDialogRequest& request) override;
    std::vector<std::u16string> ChooseFolders(const std::u16string& title) override;
    void SetClipboardText(const std::u16string& text) override { clipboard = text; }
    app::DialogResult ShowHistory(app::HistoryDialog& dialog) override;
    void SetStatusText(const std::u16string& text) override;
    void SetCommandEnabled(app::CommandId command, bool on) override { enabled[command] = on; }
    void SetCommandChecked(app::CommandId command, bool on) override { checked[command] = on; }
    void SetCommandText(app::CommandId command, const std::u16string& text) override {
        commandTexts[command] = text;
    }
    void SetColumnWidth(filelist::Column column, int width) override {
        columnWidths[column] = width;
    }
    void FocusList() override { ++focusListCount; }
    void EnsureRowVisible(std::size_t row) override { ensuredVisible.push_back(row); }
    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void KeepResponsive() override {}
    void CloseWindow() override { closed = true; }
    void ConflictsChanged() override { ++conflictNotices; }
};

}  // namespace morvalent::testing
