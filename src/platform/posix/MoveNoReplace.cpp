#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/posix/PosixFileSystem.h"

namespace morvalent::platform {

MoveOutcome MoveNoReplaceNative(const std::string& source, const std::string& target) {
    if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return {MoveResult::Moved, 0};
    }
    int error = errno;
    if (error == EEXIST) return {MoveResult::TargetExists, error};
    if (error == ENOENT) {
        struct stat st;
        if (lstat(source.c_str(), &st) != 0) return {MoveResult::SourceMissing, error};
    }
    return {MoveResult::Failed, error};
}

}  // namespace morvalent::platform
