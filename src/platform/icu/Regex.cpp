#include <unicode/regex.h>
#include <unicode/utypes.h>

#include "platform/Regex.h"

namespace morvalent::platform {
namespace {

std::u16string ErrorName(UErrorCode status) {
    const char* name = u_errorName(status);
    return std::u16string(name, name + std::char_traits<char>::length(name));
}

RegexError::Problem ProblemOf(UErrorCode status) {
    using P = RegexError::Problem;
    switch (status) {
        case U_REGEX_MISMATCHED_PAREN:
            return P::OpenParenthesis;
        case U_REGEX_MISSING_CLOSE_BRACKET:
            return P::OpenBracket;
        case U_REGEX_RULE_SYNTAX:
        case U_REGEX_BAD_INTERVAL:
        case U_REGEX_MAX_LT_MIN:
        case U_REGEX_NUMBER_TOO_BIG:
            return P::BadRepeat;
        case U_REGEX_BAD_ESCAPE_SEQUENCE:
        case U_REGEX_OCTAL_TOO_BIG:
            return P::BadEscape;
        case U_REGEX_INVALID_RANGE:
            return P::BadRange;
        case U_REGEX_INVALID_CAPTURE_GROUP_NAME:
            return P::BadGroupName;
        case U_REGEX_PROPERTY_SYNTAX:
            return P::BadProperty;
        case U_REGEX_INVALID_FLAG:
            return P::BadFlag;
        case U_REGEX_LOOK_BEHIND_LIMIT:
            return P::UnboundedLookBehind;
        default:
            return P::Other;
    }
}

icu::UnicodeString Alias(std::u16string_view text) {
    return icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size()));
}

}  // namespace

struct Regex::Impl {
    std::unique_ptr<icu::RegexPattern> pattern;
    // One matcher reused for every text: making one per name would cost more
    // than most replacements.
    std::unique_ptr<icu::RegexMatcher> matcher;
    // What the matcher points at between calls, so it never holds a text that is gone.
    const icu::UnicodeString nothing;
};

Regex::Regex(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Regex::~Regex() = default;

bool Regex::Supported() { return true; }

std::variant<std::unique_ptr<Regex>, RegexError> Regex::Compile(std::u16string_view pattern) {
    UParseError where{};
    UErrorCode status = U_ZERO_ERROR;
    auto impl = std::make_unique<Impl>();
    // compile() copies the pattern, so the alias may go away afterwards.
    impl->pattern.reset(icu::RegexPattern::compile(Alias(pattern), 0, where, status));
    if (U_FAILURE(status)) {
        // Names hold no line breaks, so the offset in the line is the offset.
        return RegexError{RegexError::Kind::Pattern, ProblemOf(status), where.offset,
                          ErrorName(status)};
    }
    impl->matcher.reset(impl->pattern->matcher(status));
    // ICU counts the time limit in steps of about a millisecond each.
    constexpr int32_t kTimeSteps = 1000;
    constexpr int32_t kStackBytes = 8 << 20;
    if (U_SUCCESS(status)) impl->matcher->setTimeLimit(kTimeSteps, status);
    if (U_SUCCESS(status)) impl->matcher->setStackLimit(kStackBytes, status);
    if (U_FAILURE(status))
        return RegexError{RegexError::Kind::Pattern, ProblemOf(status), -1, ErrorName(status)};
    return std::unique_ptr<Regex>(new Regex(std::move(impl)));
}

std::variant<std::u16string, RegexError> Regex::ReplaceAll(std::u16string_view text,
                                                           std::u16string_view replacement) const {
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString input = Alias(text);
    impl_->matcher->reset(input);
    // The matcher's own replaceAll looks with find() without a status, which takes
    // a time-out for the end of the matches: the name would come back unchanged or
    // half replaced, as if that were the answer.
    icu::UnicodeString result;
    const icu::UnicodeString with = Alias(replacement);
    while (impl_->matcher->find(status)) {
        impl_->matcher->appendReplacement(result, with, status);
        if (U_FAILURE(status)) break;
    }
    if (U_SUCCESS(status)) impl_->matcher->appendTail(result);
    impl_->matcher->reset(impl_->nothing);
    if (status == U_REGEX_TIME_OUT || status == U_REGEX_STACK_OVERFLOW) {
        return RegexError{RegexError::Kind::TooHard, RegexError::Problem::Other, -1,
                          ErrorName(status)};
    }
    if (U_FAILURE(status)) {
        return RegexError{RegexError::Kind::Replacement, RegexError::Problem::Other, -1,
                          ErrorName(status)};
    }
    return std::u16string(result.getBuffer(), static_cast<std::size_t>(result.length()));
}

}  // namespace morvalent::platform
