#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/DialogChoices.h"
#include "app/InputDialog.h"
#include "filelist/FileList.h"
#include "filelist/NameRewrite.h"

// Steps the name-edit commands share.
namespace morvalent::app {

// Writes rule(new name, isFolder) into every row's new name, in one batch. A rule
// that throws (running out of memory) leaves every row as it was.
template <typename Rule>
void RewriteNewNames(filelist::FileList& list, Rule rule) {
    filelist::NameRewrite rewrite(list);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        rewrite.Set(i, rule(std::u16string_view(list.NewName(i)), list.Entry(i).isFolder));
    }
    rewrite.Keep();
}

// The dialog's list shows the texts of `choices`.
template <typename Value>
void OfferChoices(InputDialog& dialog, std::span<const DialogChoice<Value>> choices) {
    for (const auto& choice : choices) dialog.choices.emplace_back(choice.text);
}

// The value of the item chosen in the dialog.
template <typename Value>
Value ChosenValue(const InputDialog& dialog, std::span<const DialogChoice<Value>> choices) {
    const auto chosen = std::size_t(dialog.choice);
    return chosen < choices.size() ? choices[chosen].value : choices.front().value;
}

}  // namespace morvalent::app
