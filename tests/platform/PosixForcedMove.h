#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace morvalent::testing {

// Refusals a seccomp filter forces on a child process, so that the fallback ways
// of the move run for real on any file system.
enum Refusal : unsigned {
    kNoReplaceFlag = 1u << 0,    // renameat2 with RENAME_NOREPLACE: EINVAL
    kHardLinks = 1u << 1,        // link, linkat: EPERM
    kPlainRenames = 1u << 2,     // rename, renameat, renameat2 without flags: EXDEV
    kAllRenames = 1u << 3,       // renameat2 with any flags: EXDEV
    kExclusiveCreate = 1u << 4,  // open with O_CREAT|O_EXCL, mkdir: EPERM
    kUnnamedFiles = 1u << 5,     // open with O_TMPFILE: EOPNOTSUPP
    kEmptyPathLinks = 1u << 6,   // linkat with AT_EMPTY_PATH: ENOENT
};

// Whether this machine's architecture is known to the filter.
bool SeccompSupported();

// Runs the native move in a forked child under the refusals (and a file-size limit
// when given). Nothing when the child could not install its filter.
std::optional<platform::MoveOutcome> MoveInChild(unsigned refusals, const std::string& source,
                                                 const std::string& target,
                                                 std::uint64_t fileSizeLimit = 0);

}  // namespace morvalent::testing
