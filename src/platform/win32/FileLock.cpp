#include "platform/FileLock.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace morvalent::platform {

FileLock::~FileLock() { Unlock(); }

LockResult FileLock::TryLock(std::u16string_view path) {
    Unlock();
    const auto wide = WidePath(path);
    if (!wide) return LockResult::Failed;
    // Shared opens, so that only the byte lock below decides who holds it.
    HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LockResult::Failed;
    OVERLAPPED at{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? LockResult::Busy
                                                                          : LockResult::Failed;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return LockResult::Held;
}

void FileLock::Unlock() {
    // Closing the handle lets go of the lock.
    if (IsHeld()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = -1;
}

}  // namespace morvalent::platform
