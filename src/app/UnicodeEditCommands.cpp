#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/DialogChoices.h"
#include "app/DialogSteps.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "edits/CaseEdits.h"
#include "edits/EditTexts.h"
#include "edits/EncodingRepair.h"
#include "edits/NormalizeEdits.h"
#include "edits/PatternEdits.h"
#include "filelist/NameRewrite.h"
#include "platform/Regex.h"
#include "platform/Text.h"

// The edits that work on the characters of a name: letter case, regular
// expressions, Unicode normal forms, names garbled by a wrong code page.
namespace morvalent::app {
namespace {

namespace texts = edits::texts;
using filelist::FileList;
using platform::RegexError;

// The message for a pattern or replacement that cannot be used.
std::u16string RegexMessage(const RegexError& error) {
    switch (error.kind) {
        case RegexError::Kind::Unsupported:
            return texts::kRegexUnsupported;
        case RegexError::Kind::Replacement:
            return platform::FormatText(texts::kRegexBadReplacement, error.detail);
        case RegexError::Kind::Pattern:
            break;
    }
    const std::u16string where =
        error.position < 0
            ? error.detail
            : platform::FormatText(texts::kRegexErrorAt,
                                   platform::DecimalText(std::int64_t(error.position) + 1),
                                   error.detail);
    return platform::FormatText(texts::kRegexInvalid, where);
}

}  // namespace

Outcome MainDialog::ChangeCase() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kCaseDescription, u"", u"");
    OfferChoices(dialog, CaseChoices());
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    const edits::CaseChange change = ChosenValue(dialog, CaseChoices());
    RewriteNewNames(list_, [&](std::u16string_view name, bool isFolder) {
        return edits::ChangeCase(name, isFolder, change);
    });
    return Outcome::Done();
}

Outcome MainDialog::ReplacePattern() {
    if (!platform::Regex::Supported()) return Refuse(texts::kRegexUnsupported);
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kRegexDescription, texts::kRegexPatternLabel,
                      texts::kRegexReplacementLabel);
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    // Like 문자열 바꾸기 with nothing to find: an empty pattern would match
    // between every two characters, which nobody asks for.
    if (dialog.text1.empty()) return Outcome::Done();
    auto compiled = platform::Regex::Compile(dialog.text1);
    if (const auto* error = std::get_if<RegexError>(&compiled)) {
        return Refuse(RegexMessage(*error));
    }
    const platform::Regex& pattern = *std::get<std::unique_ptr<platform::Regex>>(compiled);
    // A replacement naming a group the pattern lacks is found at the first match;
    // the refusal then puts back the rows already changed.
    filelist::NameRewrite rewrite(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        auto name = edits::ReplacePattern(list_.NewName(i), pattern, dialog.text2);
        if (const auto* error = std::get_if<RegexError>(&name)) {
            return Refuse(RegexMessage(*error));
        }
        rewrite.Set(i, std::get<std::u16string>(std::move(name)));
    }
    rewrite.Keep();
    return Outcome::Done();
}

Outcome MainDialog::NormalizeNames() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kNormalizeDescription, u"", u"");
    OfferChoices(dialog, NormalFormChoices());
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    const platform::NormalForm form = ChosenValue(dialog, NormalFormChoices());
    RewriteNewNames(
        list_, [&](std::u16string_view name, bool) { return edits::NormalizeName(name, form); });
    return Outcome::Done();
}

Outcome MainDialog::RepairEncoding() {
    RewriteNewNames(list_,
                    [](std::u16string_view name, bool) { return edits::RepairEncoding(name); });
    return Outcome::Done();
}

}  // namespace morvalent::app
