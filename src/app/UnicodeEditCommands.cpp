#include <memory>
#include <optional>
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

// What is wrong with a pattern, in the user's words.
std::u16string ProblemText(const RegexError& error) {
    using P = RegexError::Problem;
    switch (error.problem) {
        case P::OpenParenthesis:
            return texts::kRegexOpenParenthesis;
        case P::OpenBracket:
            return texts::kRegexOpenBracket;
        case P::BadRepeat:
            return texts::kRegexBadRepeat;
        case P::BadEscape:
            return texts::kRegexBadEscape;
        case P::BadRange:
            return texts::kRegexBadRange;
        case P::BadGroupName:
            return texts::kRegexBadGroupName;
        case P::BadProperty:
            return texts::kRegexBadProperty;
        case P::BadFlag:
            return texts::kRegexBadFlag;
        case P::UnboundedLookBehind:
            return texts::kRegexUnboundedLookBehind;
        case P::Other:
            break;
    }
    return platform::FormatText(texts::kRegexOther, error.detail);
}

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
            ? ProblemText(error)
            : platform::FormatText(texts::kRegexErrorAt,
                                   platform::DecimalText(std::int64_t(error.position) + 1),
                                   ProblemText(error));
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
    // A replacement naming a group the pattern lacks is found at the first match:
    // the rows are rewritten in the check, and a refusal puts every name back.
    std::optional<filelist::NameRewrite> rewrite;
    const auto refused = AskUntilValid(dialog, [&]() -> std::optional<std::u16string> {
        rewrite.reset();
        // Like 문자열 바꾸기 with nothing to find: an empty pattern would match
        // between every two characters, which nobody asks for.
        if (dialog.text1.empty()) return std::nullopt;
        auto compiled = platform::Regex::Compile(dialog.text1);
        if (const auto* error = std::get_if<RegexError>(&compiled)) return RegexMessage(*error);
        const platform::Regex& pattern = *std::get<std::unique_ptr<platform::Regex>>(compiled);
        rewrite.emplace(list_);
        for (std::size_t i = 0; i < list_.Count(); ++i) {
            auto name = edits::ReplacePattern(list_.NewName(i), pattern, dialog.text2);
            if (const auto* error = std::get_if<RegexError>(&name)) {
                rewrite.reset();
                return RegexMessage(*error);
            }
            rewrite->Set(i, std::get<std::u16string>(std::move(name)));
        }
        return std::nullopt;
    });
    if (refused) return *refused;
    if (rewrite) rewrite->Keep();
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
