#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/UserInterface.h"
#include "edits/EditTexts.h"
#include "edits/ExtensionEdits.h"
#include "edits/FolderEdits.h"
#include "edits/NumberEdits.h"
#include "edits/PositionEdits.h"
#include "edits/TextEdits.h"
#include "platform/Text.h"

// Name edits: each asks its values once, validates them, then rewrites every row,
// top to bottom, in one batch (one repaint).
namespace morvalent::app {
namespace {

namespace texts = edits::texts;
using filelist::FileList;

constexpr int kOk = 1;

// Writes rule(new name, isFolder) into every row's new name. All names are made
// before any is stored, so running out of memory leaves every row as it was.
template <typename Rule>
void RewriteNewNames(FileList& list, Rule rule) {
    std::vector<std::u16string> names;
    names.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        names.push_back(rule(std::u16string_view(list.NewName(i)), list.Entry(i).isFolder));
    }
    FileList::Batch batch(list);
    for (std::size_t i = 0; i < names.size(); ++i) list.SetNewName(i, std::move(names[i]));
}

// The per-row step of 뒷이름 붙이기.
void AddSuffixToRow(FileList& list, std::size_t row, std::u16string_view suffix) {
    list.SetNewName(row, edits::AddSuffix(list.NewName(row), list.Entry(row).isFolder, suffix));
}

// Asks for one text (field 2 hidden); nothing on Cancel.
std::optional<std::u16string> AskOneText(UserInterface& ui, std::u16string description,
                                         std::u16string label) {
    InputDialog dialog(ui);
    dialog.SetPrompts(std::move(description), std::move(label), u"");
    if (dialog.DoModal() != kOk) return std::nullopt;
    return dialog.text1;
}

}  // namespace

void MainDialog::ReplaceString() {
    InputDialog dialog(ui_);
    dialog.SetPrompts(texts::kReplaceDescription, texts::kReplaceFindLabel,
                      texts::kReplaceWithLabel);
    if (dialog.DoModal() != kOk) return;
    const std::u16string& find = dialog.text1;
    const std::u16string& replacement = dialog.text2;
    RewriteNewNames(list_, [&](std::u16string_view name, bool) {
        return edits::ReplaceString(name, find, replacement);
    });
}

void MainDialog::AddPrefix() {
    const auto prefix = AskOneText(ui_, texts::kPrefixDescription, texts::kAttachLabel);
    if (!prefix) return;
    RewriteNewNames(
        list_, [&](std::u16string_view name, bool) { return edits::AddPrefix(name, *prefix); });
}

void MainDialog::AddSuffix() {
    const auto suffix = AskOneText(ui_, texts::kSuffixDescription, texts::kAttachLabel);
    if (!suffix) return;
    FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) AddSuffixToRow(list_, i, *suffix);
}

void MainDialog::EraseName() { RewriteNewNames(list_, edits::EraseName); }

void MainDialog::DirectRename() {
    const auto row = list_.FirstSelected();
    if (!row) return;
    const std::u16string current = list_.NewName(*row);
    InputDialog dialog(ui_);
    dialog.SetPrompts(current + texts::kDirectDescriptionTail, texts::kDirectLabel, u"");
    dialog.SetTexts(current, u"");
    if (dialog.DoModal() != kOk) return;
    list_.SetNewName(*row, dialog.text1);
}

void MainDialog::DeleteByPosition() {
    InputDialog dialog(ui_);
    dialog.SetPrompts(texts::kPositionDescription, texts::kPositionFromLabel,
                      texts::kPositionToLabel);
    dialog.choices = {texts::kPositionFromFront, texts::kPositionFromEnd};
    if (dialog.DoModal() != kOk) return;
    const std::int32_t from = platform::ParseLeadingInt(dialog.text1);
    const std::int32_t to = platform::ParseLeadingInt(dialog.text2);
    const auto mode =
        dialog.choice == 1 ? edits::PositionMode::FromEnd : edits::PositionMode::FromFront;
    if (edits::IsEmptyPositionRange(from, to)) return;
    if (const auto error = edits::PositionRangeError(mode, from, to)) {
        ui_.ShowMessage(std::u16string(*error));
        return;
    }
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::DeleteByPosition(name, isFolder, mode, from, to);
    });
}

void MainDialog::DeleteEnclosed() {
    InputDialog dialog(ui_);
    dialog.SetPrompts(texts::kEnclosedDescription, texts::kEnclosedStartLabel,
                      texts::kEnclosedEndLabel);
    if (dialog.DoModal() != kOk) return;
    if (const auto error = edits::EnclosedError(dialog.text1, dialog.text2)) {
        ui_.ShowMessage(std::u16string(*error));
        return;
    }
    const char16_t start = dialog.text1.front();
    const char16_t end = dialog.text2.front();
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::DeleteEnclosed(name, isFolder, start, end);
    });
}

void MainDialog::KeepDigitsOnly() { RewriteNewNames(list_, edits::KeepDigitsOnly); }

void MainDialog::PadDigits() {
    InputDialog dialog(ui_);
    dialog.SetPrompts(texts::kPadDescription, texts::kWidthLabel, u"");
    dialog.choices = {texts::kPadLastRun, texts::kPadFirstRun};
    if (dialog.DoModal() != kOk) return;
    const std::int32_t width = platform::ParseLeadingInt(dialog.text1);
    if (const auto error = edits::WidthError(width)) {
        ui_.ShowMessage(std::u16string(*error));
        return;
    }
    const auto run = dialog.choice == 1 ? edits::DigitRun::First : edits::DigitRun::Last;
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::PadDigits(name, isFolder, run, width);
    });
}

void MainDialog::NumberRows() {
    InputDialog dialog(ui_);
    dialog.SetPrompts(texts::kNumberDescription, texts::kWidthLabel, texts::kStartLabel);
    dialog.choices = {texts::kNumberBehind, texts::kNumberInFront, texts::kNumberBehindPerFolder,
                      texts::kNumberInFrontPerFolder};
    if (dialog.DoModal() != kOk) return;
    const std::int32_t width = platform::ParseLeadingInt(dialog.text1);
    const std::int32_t start = platform::ParseLeadingInt(dialog.text2);
    if (const auto error = edits::WidthError(width)) {
        ui_.ShowMessage(std::u16string(*error));
        return;
    }
    const bool inFront = dialog.choice == 1 || dialog.choice == 3;
    const bool perFolder = dialog.choice == 2 || dialog.choice == 3;
    edits::RowCounter counter(start, perFolder);
    FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        // Only the per-folder count looks at the folder text.
        const std::int64_t number =
            perFolder ? counter.Next(list_.FolderView(i)) : counter.Next({});
        list_.SetNewName(i, edits::AddNumber(list_.NewName(i), list_.Entry(i).isFolder,
                                             edits::NumberText(number, width), inFront));
    }
}

void MainDialog::DeleteExtension() { RewriteNewNames(list_, edits::DeleteExtension); }

void MainDialog::AddExtension() {
    const auto typed = AskOneText(ui_, texts::kAddExtensionDescription, texts::kAddExtensionLabel);
    if (!typed || typed->empty()) return;
    const std::u16string extension = edits::ExtensionText(*typed);
    RewriteNewNames(list_, [&](std::u16string_view name, bool) {
        return edits::AddExtension(name, extension);
    });
}

void MainDialog::ChangeExtension() {
    const auto typed =
        AskOneText(ui_, texts::kChangeExtensionDescription, texts::kChangeExtensionLabel);
    if (!typed || typed->empty()) return;
    const std::u16string extension = edits::ExtensionText(*typed);
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::ChangeExtension(name, isFolder, extension);
    });
}

void MainDialog::PrefixFolderName() {
    FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        if (auto name = edits::PrefixFolderName(list_.NewName(i), list_.FolderView(i))) {
            list_.SetNewName(i, std::move(*name));
        }
    }
}

void MainDialog::SuffixFolderName() {
    FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        if (auto name = edits::SuffixFolderName(list_.NewName(i), list_.Entry(i).isFolder,
                                                list_.FolderView(i))) {
            list_.SetNewName(i, std::move(*name));
        }
    }
}

void MainDialog::UnifyFolder() {
    FolderBrowser browser(ui_, texts::kChooseFolderTitle);
    if (browser.Browse() != kOk) return;
    const std::u16string folder = edits::UnifiedFolderText(browser.GetPath());
    FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) list_.SetFolderText(i, folder);
}

}  // namespace morvalent::app
