#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/posix/PosixFileSystem.h"

namespace morvalent::platform {
namespace {

bool Is(const std::optional<FileIdentity>& found, const std::optional<FileIdentity>& expected) {
    return found && expected && *found == *expected;
}

bool IsEmptyFolder(const std::string& path) {
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) return false;
    bool empty = true;
    while (const dirent* d = readdir(dir)) {
        const std::string_view name = d->d_name;
        if (name != "." && name != "..") {
            empty = false;
            break;
        }
    }
    closedir(dir);
    return empty;
}

}  // namespace

Leftover RemoveLeftover(const MoveStep& step, const std::optional<FileIdentity>& item) {
    const auto path = Utf16ToNative(step.path);
    if (!path || path->empty()) return Leftover::Absent;
    struct stat st;
    if (lstat(path->c_str(), &st) != 0) return Leftover::Absent;
    const std::optional<FileIdentity> found = IdentityAt(AT_FDCWD, path->c_str());
    switch (step.kind) {
        case MoveStep::Kind::TemporaryName:
            return Leftover::Absent;
        case MoveStep::Kind::Placeholder: {
            // The item itself, moved over the placeholder: nothing of the step is left.
            if (Is(found, item)) return Leftover::Absent;
            const bool empty = (S_ISREG(st.st_mode) && st.st_size == 0 && st.st_nlink == 1) ||
                               (S_ISDIR(st.st_mode) && IsEmptyFolder(*path));
            if (!step.made) return empty ? Leftover::Unsure : Leftover::Absent;
            if (!Is(found, step.made)) return Leftover::Absent;
            if (!empty) return Leftover::Unsure;
            // rmdir removes only a folder still empty.
            const int removed = S_ISDIR(st.st_mode) ? rmdir(path->c_str()) : unlink(path->c_str());
            return removed == 0 ? Leftover::Removed : Leftover::Unsure;
        }
        case MoveStep::Kind::Link: {
            if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) return Leftover::Absent;
            const bool ours = Is(found, item) || Is(found, step.made);
            // One name only: this is the item itself, the move done.
            if (st.st_nlink < 2) return Leftover::Absent;
            if (!ours) return step.made ? Leftover::Absent : Leftover::Unsure;
            return unlink(path->c_str()) == 0 ? Leftover::Removed : Leftover::Unsure;
        }
    }
    return Leftover::Unsure;
}

}  // namespace morvalent::platform
