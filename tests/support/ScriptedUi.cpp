#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include "platform/Text.h"

namespace morvalent::testing {

void ScriptedUi::ShowMessage(const std::u16string& text) { messages.push_back(text); }

void ScriptedUi::ShowMessage(const std::u16string& text, const std::u16string&) {
    messages.push_back(text);
}

bool ScriptedUi::AskYesNo(const std::u16string& text, const std::u16string& caption) {
    questions.emplace_back(text, caption);
    if (yesNoAnswers.empty()) {
        ADD_FAILURE() << "unscripted yes/no question: " << platform::Utf16ToUtf8Lossy(text);
        return true;
    }
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

bool ScriptedUi::AskOkCancel(const std::u16string& text) {
    okCancelQuestions.push_back(text);
    if (okCancelAnswers.empty()) {
        ADD_FAILURE() << "unscripted OK/Cancel question: " << platform::Utf16ToUtf8Lossy(text);
        return false;
    }
    bool answer = okCancelAnswers.front();
    okCancelAnswers.pop_front();
    return answer;
}

app::DialogResult ScriptedUi::ShowInputDialog(app::InputDialog& dialog) {
    shownDialogs.push_back(dialog);
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "unscripted input dialog: "
                      << platform::Utf16ToUtf8Lossy(dialog.description);
        return app::DialogResult::Cancel;
    }
    InputAnswer answer = inputAnswers.front();
    inputAnswers.pop_front();
    if (!answer.ok) return app::DialogResult::Cancel;
    dialog.text1 = answer.text1;
    dialog.text2 = answer.text2;
    dialog.choice = answer.choice;
    return app::DialogResult::Ok;
}

app::DialogResult ScriptedUi::ShowFolderBrowser(app::FolderBrowser& browser) {
    if (folderAnswers.empty()) {
        ADD_FAILURE() << "unscripted folder browser";
        return app::DialogResult::Cancel;
    }
    std::u16string answer = folderAnswers.front();
    folderAnswers.pop_front();
    if (answer.empty()) return app::DialogResult::Cancel;
    browser.chosenPath = answer;
    return app::DialogResult::Ok;
}

std::vector<std::u16string> ScriptedUi::ChooseFiles(const app::FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unscripted file dialog: " << platform::Utf16ToUtf8Lossy(request.title);
        return {};
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

app::DialogResult ScriptedUi::ShowHistory(app::HistoryDialog& dialog) {
    shownHistories.push_back(dialog.Entries());
    if (historyAnswers.empty()) {
        ADD_FAILURE() << "unscripted history dialog";
        return app::DialogResult::Cancel;
    }
    const std::optional<std::size_t> answer = historyAnswers.front();
    historyAnswers.pop_front();
    if (!answer) return app::DialogResult::Cancel;
    dialog.Choose(*answer);
    return app::DialogResult::Ok;
}

std::vector<std::u16string> ScriptedUi::ChooseFolders(const std::u16string& title) {
    if (folderListAnswers.empty()) {
        ADD_FAILURE() << "unscripted folder chooser: " << platform::Utf16ToUtf8Lossy(title);
        return {};
    }
    auto answer = folderListAnswers.front();
    folderListAnswers.pop_front();
    return answer;
}

void ScriptedUi::SetStatusText(const std::u16string& text) {
    status = text;
    statusHistory.push_back(text);
}

}  // namespace morvalent::testing
