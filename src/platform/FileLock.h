#pragma once

#include <cstdint>
#include <string_view>

namespace morvalent::platform {

enum class LockResult {
    Held,
    Busy,    // another holder has it (another process, or another FileLock here)
    Failed,  // the lock file could not be made or opened
};

// An advisory lock on a file, made when missing. It keeps out only those who ask
// for the same lock, never a reader of the file. The system lets go of it when the
// holder unlocks or dies, however it dies, so a killed holder never leaves it stuck.
class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock without waiting.
    [[nodiscard]] LockResult TryLock(std::u16string_view path);
    bool IsHeld() const { return handle_ != -1; }
    void Unlock();

  private:
    std::intptr_t handle_ = -1;  // the system's descriptor or handle
};

}  // namespace morvalent::platform
