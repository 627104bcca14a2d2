#include "cli/CommitReport.h"

#include <string_view>

#include "commit/CommitTexts.h"

namespace morvalent::cli {
namespace {

// The text of a pattern after its last "%s": what every line made from it ends with.
std::u16string_view TailAfterLastArgument(std::u16string_view pattern) {
    return pattern.substr(pattern.rfind(u"%s") + 2);
}

std::u16string_view HeadBeforeFirstArgument(std::u16string_view pattern) {
    return pattern.substr(0, pattern.find(u"%s"));
}

bool IsCheckMessage(std::u16string_view message) {
    return message == commit::texts::kEmptyName || message == commit::texts::kInternalError ||
           message.starts_with(HeadBeforeFirstArgument(commit::texts::kDuplicate));
}

bool IsFailureReport(std::u16string_view message) {
    return message.ends_with(TailAfterLastArgument(commit::texts::kFailureLine)) ||
           message.ends_with(TailAfterLastArgument(commit::texts::kErrorLine));
}

}  // namespace

CommitResult ClassifyCommitMessages(const std::vector<std::u16string>& messages) {
    if (messages.empty()) return CommitResult::Done;
    const std::u16string& closing = messages.back();
    if (closing == commit::texts::kDone) return CommitResult::Done;
    // Checked before the failure lines: a duplicate's path may end in anything.
    if (IsCheckMessage(closing)) return CommitResult::Stopped;
    if (IsFailureReport(closing)) return CommitResult::Failures;
    // A message the commit does not close with: take it as a stop, never as success.
    return CommitResult::Stopped;
}

}  // namespace morvalent::cli
