#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Text.h"

namespace morvalent::platform {

FileLock::~FileLock() { Unlock(); }

LockResult FileLock::TryLock(std::u16string_view path) {
    Unlock();
    const auto native = Utf16ToNative(path);
    if (!native || native->empty()) return LockResult::Failed;
    // flock, not fcntl: its lock belongs to this open file, so a second FileLock in
    // the same process is kept out too, and closing some other descriptor of the
    // file elsewhere in the program does not let go of it.
    const int fd = open(native->c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return LockResult::Failed;
    int locked = 0;
    do {
        locked = flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool busy = errno == EWOULDBLOCK;
        close(fd);
        return busy ? LockResult::Busy : LockResult::Failed;
    }
    handle_ = fd;
    return LockResult::Held;
}

void FileLock::Unlock() {
    // Closing the only descriptor lets go of the lock.
    if (IsHeld()) close(static_cast<int>(handle_));
    handle_ = -1;
}

}  // namespace morvalent::platform
