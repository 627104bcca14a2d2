#include "commit/FailureReasons.h"

#include <algorithm>
#include <string>

#include "commit/CommitTexts.h"
#include "platform/Text.h"

namespace morvalent::commit {

std::u16string ReasonText(const platform::MoveError& error) {
    using platform::MoveCause;
    struct Reason {
        MoveCause cause;
        const char16_t* text;
    };
    // One row per common cause; every other one speaks in the system's words.
    static constexpr Reason kReasons[] = {
        {MoveCause::Permission, texts::kReasonPermission},
        {MoveCause::ReadOnly, texts::kReasonReadOnly},
        {MoveCause::NoSpace, texts::kReasonNoSpace},
        {MoveCause::NameTooLong, texts::kReasonNameTooLong},
        {MoveCause::InUse, texts::kReasonInUse},
        {MoveCause::NotFound, texts::kReasonNotFound},
        {MoveCause::CrossDevice, texts::kReasonCrossDevice},
        {MoveCause::TargetExists, texts::kReasonTargetExists},
        {MoveCause::UnwritableName, texts::kReasonUnwritableName},
    };
    for (const Reason& reason : kReasons) {
        if (reason.cause == error.cause) return reason.text;
    }
    if (!error.systemText.empty()) return error.systemText;
    return platform::FormatText(texts::kReasonCode,
                                platform::Utf8ToUtf16(std::to_string(error.code)));
}

std::u16string FailureLine(std::u16string_view source, std::u16string_view target,
                           const platform::MoveError& error) {
    std::u16string line = platform::FormatText(texts::kFailureLine, source, target);
    line.pop_back();  // the line break goes after the reason
    return line + platform::FormatText(texts::kReasonAfterLine, ReasonText(error));
}

void FailureMarks::Mark(std::size_t row, platform::MoveError error) {
    auto at = std::ranges::lower_bound(reasons_, row, {}, &Marked::row);
    if (at != reasons_.end() && at->row == row) {
        at->error = std::move(error);
        return;
    }
    reasons_.insert(at, {row, std::move(error)});
}

const platform::MoveError* FailureMarks::At(std::size_t row) const {
    auto at = std::ranges::lower_bound(reasons_, row, {}, &Marked::row);
    return at != reasons_.end() && at->row == row ? &at->error : nullptr;
}

std::u16string FailureMarks::TextAt(std::size_t row) const {
    const platform::MoveError* error = At(row);
    return error == nullptr ? std::u16string() : ReasonText(*error);
}

}  // namespace morvalent::commit
