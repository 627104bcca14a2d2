#pragma once

#include <string>
#include <vector>

#include "app/Steps.h"
#include "app/UserPrompts.h"

namespace morvalent::app {

// The prompts a command talks to. It passes everything on to the user's own
// prompts, noting the values the user gave, so the command can be recorded as a
// step; while a recipe's step runs, it answers the dialogs from the step instead
// and names the step's line in any message. Every member of UserPrompts is
// overridden here (they have no defaults), so none can be left unforwarded.
class StepPrompts final : public UserPrompts {
  public:
    explicit StepPrompts(UserPrompts& user) : user_(user) {}

    // The values one command is given: its dialog texts (or the chosen folder or
    // file) and the chosen list item.
    struct Answers {
        std::vector<std::u16string> texts;
        int choice = 0;
    };
    // Forgets the values noted so far.
    void BeginCommand() { answers_ = {}; }
    const Answers& Given() const { return answers_; }

    // The dialogs are answered from this step until EndStep.
    void BeginStep(const Step& step) { step_ = &step; }
    void EndStep() { step_ = nullptr; }
    // While a step answers, nobody can type a refused value again.
    bool AnsweringStep() const { return step_ != nullptr; }

    void ShowMessage(const std::u16string& text) override;
    void ShowMessage(const std::u16string& text, const std::u16string& caption) override;
    bool AskYesNo(const std::u16string& text, const std::u16string& caption) override;
    bool AskOkCancel(const std::u16string& text) override;
    DialogResult ShowInputDialog(InputDialog& dialog) override;
    DialogResult ShowFolderBrowser(FolderBrowser& browser) override;
    std::vector<std::u16string> ChooseFiles(const FileDialogRequest& request) override;
    std::vector<std::u16string> ChooseFolders(const std::u16string& title) override;
    void SetClipboardText(const std::u16string& text) override;
    DialogResult ShowHistory(HistoryDialog& dialog) override;

  private:
    std::u16string WithStep(const std::u16string& text) const;

    UserPrompts& user_;
    const Step* step_ = nullptr;
    Answers answers_;
};

}  // namespace morvalent::app
