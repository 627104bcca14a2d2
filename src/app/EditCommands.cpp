#include <optional>
#include <string>
#include <string_view>

#include "app/DialogChoices.h"
#include "app/DialogSteps.h"
#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/UserPrompts.h"
#include "edits/EditTexts.h"
#include "edits/ExtensionEdits.h"
#include "edits/FolderEdits.h"
#include "edits/NumberEdits.h"
#include "edits/PositionEdits.h"
#include "edits/TextEdits.h"
#include "filelist/NameRewrite.h"
#include "platform/Text.h"

// Name edits: each asks its values once, validates them, then rewrites every row,
// top to bottom, in one batch (one repaint).
namespace morvalent::app {
namespace {

namespace texts = edits::texts;
using filelist::FileList;

// Asks for one text (field 2 hidden); nothing on Cancel.
std::optional<std::u16string> AskOneText(UserPrompts& prompts, std::u16string description,
                                         std::u16string label) {
    InputDialog dialog(prompts);
    dialog.SetPrompts(std::move(description), std::move(label), u"");
    if (dialog.DoModal() != DialogResult::Ok) return std::nullopt;
    return dialog.text1;
}

}  // namespace

Outcome MainDialog::ReplaceString() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kReplaceDescription, texts::kReplaceFindLabel,
                      texts::kReplaceWithLabel);
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    const std::u16string& find = dialog.text1;
    const std::u16string& replacement = dialog.text2;
    RewriteNewNames(list_, [&](std::u16string_view name, bool) {
        return edits::ReplaceString(name, find, replacement);
    });
    return Outcome::Done();
}

Outcome MainDialog::AddPrefix() {
    const auto prefix = AskOneText(prompts_, texts::kPrefixDescription, texts::kAttachLabel);
    if (!prefix) return Outcome::Cancelled();
    RewriteNewNames(
        list_, [&](std::u16string_view name, bool) { return edits::AddPrefix(name, *prefix); });
    return Outcome::Done();
}

Outcome MainDialog::AddSuffix() {
    const auto suffix = AskOneText(prompts_, texts::kSuffixDescription, texts::kAttachLabel);
    if (!suffix) return Outcome::Cancelled();
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::AddSuffix(name, isFolder, *suffix);
    });
    return Outcome::Done();
}

Outcome MainDialog::EraseName() {
    RewriteNewNames(list_, edits::EraseName);
    return Outcome::Done();
}

Outcome MainDialog::DirectRename() {
    const auto row = list_.FirstSelected();
    if (!row) return Outcome::Done();
    const std::u16string current = list_.NewName(*row);
    InputDialog dialog(prompts_);
    dialog.SetPrompts(current + texts::kDirectDescriptionTail, texts::kDirectLabel, u"");
    dialog.SetTexts(current, u"");
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    list_.SetNewName(*row, dialog.text1);
    return Outcome::Done();
}

Outcome MainDialog::DeleteByPosition() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kPositionDescription, texts::kPositionFromLabel,
                      texts::kPositionToLabel);
    OfferChoices(dialog, PositionChoices());
    std::int32_t from = 0, to = 0;
    auto mode = ChosenValue(dialog, PositionChoices());
    const auto refused = AskUntilValid(dialog, [&]() -> std::optional<std::u16string> {
        from = platform::ParseLeadingInt(dialog.text1);
        to = platform::ParseLeadingInt(dialog.text2);
        mode = ChosenValue(dialog, PositionChoices());
        if (edits::IsEmptyPositionRange(from, to)) return std::nullopt;
        if (const auto error = edits::PositionRangeError(mode, from, to))
            return std::u16string(*error);
        return std::nullopt;
    });
    if (refused) return *refused;
    if (edits::IsEmptyPositionRange(from, to)) return Outcome::Done();
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::DeleteByPosition(name, isFolder, mode, from, to);
    });
    return Outcome::Done();
}

Outcome MainDialog::DeleteEnclosed() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kEnclosedDescription, texts::kEnclosedStartLabel,
                      texts::kEnclosedEndLabel);
    const auto refused = AskUntilValid(dialog, [&]() -> std::optional<std::u16string> {
        if (const auto error = edits::EnclosedError(dialog.text1, dialog.text2))
            return std::u16string(*error);
        return std::nullopt;
    });
    if (refused) return *refused;
    const char16_t start = dialog.text1.front();
    const char16_t end = dialog.text2.front();
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::DeleteEnclosed(name, isFolder, start, end);
    });
    return Outcome::Done();
}

Outcome MainDialog::KeepDigitsOnly() {
    RewriteNewNames(list_, edits::KeepDigitsOnly);
    return Outcome::Done();
}

Outcome MainDialog::PadDigits() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kPadDescription, texts::kWidthLabel, u"");
    OfferChoices(dialog, DigitRunChoices());
    std::int32_t width = 0;
    const auto refused = AskUntilValid(dialog, [&]() -> std::optional<std::u16string> {
        width = platform::ParseLeadingInt(dialog.text1);
        if (const auto error = edits::WidthError(width)) return std::u16string(*error);
        return std::nullopt;
    });
    if (refused) return *refused;
    const auto run = ChosenValue(dialog, DigitRunChoices());
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::PadDigits(name, isFolder, run, width);
    });
    return Outcome::Done();
}

Outcome MainDialog::NumberRows() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kNumberDescription, texts::kWidthLabel, texts::kStartLabel);
    OfferChoices(dialog, NumberChoices());
    std::int32_t width = 0;
    const auto refused = AskUntilValid(dialog, [&]() -> std::optional<std::u16string> {
        width = platform::ParseLeadingInt(dialog.text1);
        if (const auto error = edits::WidthError(width)) return std::u16string(*error);
        return std::nullopt;
    });
    if (refused) return *refused;
    const std::int32_t start = platform::ParseLeadingInt(dialog.text2);
    const NumberPlacement placement = ChosenValue(dialog, NumberChoices());
    edits::RowCounter counter(start, placement.perFolder);
    filelist::NameRewrite rewrite(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        // Only the per-folder count looks at the folder text.
        const std::int64_t number =
            placement.perFolder ? counter.Next(list_.FolderView(i)) : counter.Next({});
        rewrite.Set(i, edits::AddNumber(list_.NewName(i), list_.Entry(i).isFolder,
                                        edits::NumberText(number, width), placement.inFront));
    }
    rewrite.Keep();
    return Outcome::Done();
}

Outcome MainDialog::DeleteExtension() {
    RewriteNewNames(list_, edits::DeleteExtension);
    return Outcome::Done();
}

Outcome MainDialog::AddExtension() {
    const auto typed =
        AskOneText(prompts_, texts::kAddExtensionDescription, texts::kAddExtensionLabel);
    if (!typed) return Outcome::Cancelled();
    if (typed->empty()) return Outcome::Done();
    const std::u16string extension = edits::ExtensionText(*typed);
    RewriteNewNames(list_, [&](std::u16string_view name, bool) {
        return edits::AddExtension(name, extension);
    });
    return Outcome::Done();
}

Outcome MainDialog::ChangeExtension() {
    const auto typed =
        AskOneText(prompts_, texts::kChangeExtensionDescription, texts::kChangeExtensionLabel);
    if (!typed) return Outcome::Cancelled();
    if (typed->empty()) return Outcome::Done();
    const std::u16string extension = edits::ExtensionText(*typed);
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::ChangeExtension(name, isFolder, extension);
    });
    return Outcome::Done();
}

Outcome MainDialog::PrefixFolderName() {
    filelist::NameRewrite rewrite(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        if (auto name = edits::PrefixFolderName(list_.NewName(i), list_.FolderView(i))) {
            rewrite.Set(i, std::move(*name));
        }
    }
    rewrite.Keep();
    return Outcome::Done();
}

Outcome MainDialog::SuffixFolderName() {
    filelist::NameRewrite rewrite(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        if (auto name = edits::SuffixFolderName(list_.NewName(i), list_.Entry(i).isFolder,
                                                list_.FolderView(i))) {
            rewrite.Set(i, std::move(*name));
        }
    }
    rewrite.Keep();
    return Outcome::Done();
}

Outcome MainDialog::UnifyFolder() {
    FolderBrowser browser(prompts_, texts::kChooseFolderTitle);
    // The browser opens where the user works: the first selected row's folder, else the first
    // row's.
    if (!list_.Empty()) browser.openAt = list_.FolderText(list_.FirstSelected().value_or(0));
    if (browser.Browse() != DialogResult::Ok) return Outcome::Cancelled();
    const std::u16string folder = edits::UnifiedFolderText(browser.GetPath());
    FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) list_.SetFolderText(i, folder);
    return Outcome::Done();
}

}  // namespace morvalent::app
