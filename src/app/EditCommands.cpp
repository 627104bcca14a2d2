#include <optional>
#include <string>
#include <string_view>

#include "app/DialogChoices.h"
#include "app/DialogSteps.h"
#include "app/EditPreview.h"
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

}  // namespace

Outcome MainDialog::RunEditDialog(std::u16string description, std::u16string label1,
                                  std::u16string label2, PlanMaker plan) {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(std::move(description), std::move(label1), std::move(label2));
    return RunEditDialog(dialog, std::move(plan));
}

Outcome MainDialog::RunEditDialog(InputDialog& dialog, PlanMaker plan) {
    EditPreview preview(list_, plan, fs_);
    dialog.preview = &preview;
    // The rows are rewritten in the check, so a value refused only at some row (a
    // replacement naming a group the pattern lacks) also returns to the dialog;
    // a refusal puts every name back.
    std::optional<filelist::NameRewrite> rewrite;
    const auto refused = AskUntilValid(dialog, [&]() -> std::optional<std::u16string> {
        rewrite.reset();
        const EditPlan made = plan(dialog.Values(), list_);
        if (made.refusal) return *made.refusal;
        if (!made.rule) return std::nullopt;
        rewrite.emplace(list_);
        for (std::size_t i = 0; i < list_.Count(); ++i) {
            RowEdit edit = made.rule(i);
            switch (edit.kind) {
                case RowEdit::Kind::Keep:
                    break;
                case RowEdit::Kind::Name:
                    rewrite->Set(i, std::move(edit.text));
                    break;
                case RowEdit::Kind::Refuse:
                    rewrite.reset();
                    return std::move(edit.text);
            }
        }
        return std::nullopt;
    });
    if (refused) return *refused;
    if (rewrite) rewrite->Keep();
    return Outcome::Done();
}

Outcome MainDialog::ApplyPlan(const EditPlan& plan) {
    if (plan.refusal) return Refuse(*plan.refusal);
    if (!plan.rule) return Outcome::Done();
    // A refusal part way puts back the rows already changed.
    filelist::NameRewrite rewrite(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        RowEdit edit = plan.rule(i);
        switch (edit.kind) {
            case RowEdit::Kind::Keep:
                break;
            case RowEdit::Kind::Name:
                rewrite.Set(i, std::move(edit.text));
                break;
            case RowEdit::Kind::Refuse:
                return Refuse(std::move(edit.text));
        }
    }
    rewrite.Keep();
    return Outcome::Done();
}

Outcome MainDialog::ReplaceString() {
    return RunEditDialog(texts::kReplaceDescription, texts::kReplaceFindLabel,
                         texts::kReplaceWithLabel, ReplaceStringPlan);
}

Outcome MainDialog::AddPrefix() {
    return RunEditDialog(texts::kPrefixDescription, texts::kAttachLabel, u"", AddPrefixPlan);
}

Outcome MainDialog::AddSuffix() {
    return RunEditDialog(texts::kSuffixDescription, texts::kAttachLabel, u"", AddSuffixPlan);
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
    return RunEditDialog(dialog, DirectRenamePlan);
}

Outcome MainDialog::DeleteByPosition() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kPositionDescription, texts::kPositionFromLabel,
                      texts::kPositionToLabel);
    OfferChoices(dialog, PositionChoices());
    return RunEditDialog(dialog, DeleteByPositionPlan);
}

Outcome MainDialog::DeleteEnclosed() {
    return RunEditDialog(texts::kEnclosedDescription, texts::kEnclosedStartLabel,
                         texts::kEnclosedEndLabel, DeleteEnclosedPlan);
}

Outcome MainDialog::KeepDigitsOnly() {
    RewriteNewNames(list_, edits::KeepDigitsOnly);
    return Outcome::Done();
}

Outcome MainDialog::PadDigits() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kPadDescription, texts::kWidthLabel, u"");
    OfferChoices(dialog, DigitRunChoices());
    return RunEditDialog(dialog, PadDigitsPlan);
}

Outcome MainDialog::NumberRows() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kNumberDescription, texts::kWidthLabel, texts::kStartLabel);
    OfferChoices(dialog, NumberChoices());
    return RunEditDialog(dialog, NumberRowsPlan);
}

Outcome MainDialog::DeleteExtension() {
    RewriteNewNames(list_, edits::DeleteExtension);
    return Outcome::Done();
}

Outcome MainDialog::AddExtension() {
    return RunEditDialog(texts::kAddExtensionDescription, texts::kAddExtensionLabel, u"",
                         AddExtensionPlan);
}

Outcome MainDialog::ChangeExtension() {
    return RunEditDialog(texts::kChangeExtensionDescription, texts::kChangeExtensionLabel, u"",
                         ChangeExtensionPlan);
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
