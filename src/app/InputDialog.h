#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/DialogResult.h"
#include "app/EditPlan.h"

namespace morvalent::app {

class UserPrompts;
class EditPreview;

// The values one operation asks for: a description line, up to two text fields
// with labels at their right, and an optional list of choices. Made for one use.
class InputDialog {
  public:
    explicit InputDialog(UserPrompts& prompts) : prompts_(prompts) {}

    void SetPrompts(std::u16string descriptionText, std::u16string label1Text,
                    std::u16string label2Text);
    void SetTexts(std::u16string text1Value, std::u16string text2Value);
    // After OK the texts and choice are read back; after Cancel nothing changes.
    DialogResult DoModal();

    std::u16string description;
    std::u16string label2;  // empty hides label 2 and field 2
    std::u16string label1;  // empty hides label 1 and field 1
    std::u16string text2;
    std::u16string text1;
    std::vector<std::u16string> choices;
    std::int32_t choice = 0;  // preselected item; after OK the chosen one, -1 without items
    // What the edit would do with the values as typed, for the window to show; none
    // for a dialog that edits no names. Stopped when the dialog closes.
    EditPreview* preview = nullptr;

    DialogValues Values() const { return {text1, text2, choice}; }

  private:
    UserPrompts& prompts_;
};

}  // namespace morvalent::app
