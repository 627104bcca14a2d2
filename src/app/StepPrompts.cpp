#include "app/StepPrompts.h"

#include <type_traits>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "platform/Text.h"

namespace morvalent::app {

std::u16string StepPrompts::WithStep(const std::u16string& text) const {
    if (step_ == nullptr || step_->where.empty()) return text;
    return platform::Utf8ToUtf16(step_->where + " (" + step_->option + "):\n") + text;
}

void StepPrompts::ShowMessage(const std::u16string& text) { user_.ShowMessage(WithStep(text)); }

void StepPrompts::ShowMessage(const std::u16string& text, const std::u16string& caption) {
    user_.ShowMessage(WithStep(text), caption);
}

bool StepPrompts::AskYesNo(const std::u16string& text, const std::u16string& caption) {
    return user_.AskYesNo(text, caption);
}

bool StepPrompts::AskOkCancel(const std::u16string& text) { return user_.AskOkCancel(text); }

DialogResult StepPrompts::ShowInputDialog(InputDialog& dialog) {
    DialogResult result = DialogResult::Ok;
    if (step_ != nullptr) {
        // Fields the step does not give keep what the program put in them.
        if (step_->texts.size() >= 1) dialog.text1 = step_->texts[0];
        if (step_->texts.size() >= 2) dialog.text2 = step_->texts[1];
        dialog.choice = step_->choice;
    } else {
        result = user_.ShowInputDialog(dialog);
    }
    if (result == DialogResult::Ok) answers_ = {{dialog.text1, dialog.text2}, dialog.choice};
    return result;
}

DialogResult StepPrompts::ShowFolderBrowser(FolderBrowser& browser) {
    DialogResult result = DialogResult::Ok;
    if (step_ != nullptr) {
        if (step_->texts.empty()) return DialogResult::Cancel;
        browser.chosenPath = step_->texts.front();
    } else {
        result = user_.ShowFolderBrowser(browser);
    }
    if (result == DialogResult::Ok) answers_ = {{browser.chosenPath}, 0};
    return result;
}

std::vector<std::u16string> StepPrompts::ChooseFiles(const FileDialogRequest& request) {
    std::vector<std::u16string> chosen;
    if (step_ != nullptr) {
        if (!step_->texts.empty()) chosen.push_back(step_->texts.front());
    } else {
        chosen = user_.ChooseFiles(request);
    }
    if (!chosen.empty()) answers_ = {{chosen.front()}, 0};
    return chosen;
}

std::vector<std::u16string> StepPrompts::ChooseFolders(const std::u16string& title) {
    std::vector<std::u16string> chosen =
        step_ != nullptr ? step_->texts : user_.ChooseFolders(title);
    if (!chosen.empty()) answers_ = {chosen, 0};
    return chosen;
}

void StepPrompts::SetClipboardText(const std::u16string& text) { user_.SetClipboardText(text); }

// Choosing a commit to undo is no step: it is never recorded nor answered from one.
DialogResult StepPrompts::ShowHistory(HistoryDialog& dialog) { return user_.ShowHistory(dialog); }

}  // namespace morvalent::app

// Every prompt reaches the user's own prompts: a member of UserPrompts that this
// class does not override leaves it abstract, and this line does not build.
static_assert(!std::is_abstract_v<morvalent::app::StepPrompts>);
