#pragma once

#include <string>
#include <vector>

namespace morvalent::cli {

enum class CommitResult {
    Done,      // the success text, or nothing said at all
    Failures,  // the closing message holds failure lines
    Stopped,   // a check refused the names; nothing was renamed
};

// What the commit's messages, in the order shown, say about how it ended. The
// closing message is the last one; reports of errors met on single rows may
// come before it.
CommitResult ClassifyCommitMessages(const std::vector<std::u16string>& messages);

}  // namespace morvalent::cli
