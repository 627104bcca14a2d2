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
        {MoveCause::Leftover, texts::kReasonLeftover},
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

void FailureMarks::Mark(std::u16string path, platform::MoveError error) {
    reasons_.insert_or_assign(std::move(path), std::move(error));
}

const platform::MoveError* FailureMarks::Of(const std::u16string& path) const {
    const auto found = reasons_.find(path);
    return found == reasons_.end() ? nullptr : &found->second;
}

}  // namespace morvalent::commit
