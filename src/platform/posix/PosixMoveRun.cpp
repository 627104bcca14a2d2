#include "platform/posix/PosixMoveRun.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/Text.h"
#include "platform/posix/MoveNoReplace.h"
#include "platform/posix/PosixFileSystem.h"

namespace morvalent::platform::posix {

MoveOutcome PosixMoveRun::MoveNoReplace(std::u16string_view source, std::u16string_view target) {
    const auto from = NativeMovePath(source);
    const auto to = NativeMovePath(target);
    if (!from || !to) return {MoveResult::Failed, EINVAL};
    std::string_view fromFolder;
    std::string_view toFolder;
    const char* fromName = nullptr;
    const char* toName = nullptr;
    int fromFd = -1;
    int toFd = -1;
    if (SplitFolderName(*from, fromFolder, fromName) && SplitFolderName(*to, toFolder, toName)) {
        fromFd = folders_.Get(fromFolder);
        toFd = fromFd >= 0 ? folders_.Get(toFolder) : -1;
    }
    IgnoreFileSizeSignal();
    const MoveWitnesses witnesses{&witness_, &steps_};
    if (fromFd < 0 || toFd < 0) {
        const MoveOutcome outcome = MoveNoReplaceWith(calls_, *from, *to, witnesses);
        folders_.ForgetAll();
        return outcome;
    }
    const MoveOutcome outcome = MoveNoReplaceInFoldersWith(calls_, {fromFd, fromName, *from},
                                                           {toFd, toName, *to}, witnesses);
    // A folder kept open under the item's old path may no longer be there: moved,
    // or left under a temporary name by a way that failed half-way.
    folders_.ForgetAtOrBeneath(*from);
    return outcome;
}

std::optional<FileIdentity> PosixMoveRun::ReadIdentity(std::u16string_view path) {
    const auto native = Utf16ToNative(path);
    if (!native || native->empty()) return std::nullopt;
    std::string_view folder;
    const char* name = nullptr;
    const int fd = SplitFolderName(*native, folder, name) ? folders_.Get(folder) : -1;
    return fd >= 0 ? IdentityAt(fd, name) : IdentityAt(AT_FDCWD, native->c_str());
}

}  // namespace morvalent::platform::posix
