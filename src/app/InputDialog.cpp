#include "app/InputDialog.h"

#include "app/EditPreview.h"
#include "app/UserPrompts.h"

namespace morvalent::app {

void InputDialog::SetPrompts(std::u16string descriptionText, std::u16string label1Text,
                             std::u16string label2Text) {
    description = std::move(descriptionText);
    label1 = std::move(label1Text);
    label2 = std::move(label2Text);
}

void InputDialog::SetTexts(std::u16string text1Value, std::u16string text2Value) {
    text1 = std::move(text1Value);
    text2 = std::move(text2Value);
}

DialogResult InputDialog::DoModal() {
    const auto saved1 = text1;
    const auto saved2 = text2;
    const auto savedChoice = choice;
    const DialogResult result = prompts_.ShowInputDialog(*this);
    // No count may read the rows once the command changes them.
    if (preview != nullptr) preview->Stop();
    if (result != DialogResult::Ok) {
        // Cancel reads nothing back, whatever the front end did meanwhile.
        text1 = saved1;
        text2 = saved2;
        choice = savedChoice;
        return DialogResult::Cancel;
    }
    if (choices.empty()) choice = -1;
    return DialogResult::Ok;
}

}  // namespace morvalent::app
