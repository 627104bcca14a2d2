#include "platform/DurableFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Text.h"

namespace morvalent::platform {
namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

bool SyncNativeFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

}  // namespace

AppendFile::~AppendFile() { Close(); }

bool AppendFile::CreateNew(std::u16string_view path) {
    Close();
    const auto native = Utf16ToNative(path);
    if (!native || native->empty()) return false;
    const int fd = open(native->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    handle_ = fd;
    return true;
}

bool AppendFile::OpenToAppend(std::u16string_view path) {
    Close();
    const auto native = Utf16ToNative(path);
    if (!native || native->empty()) return false;
    const int fd = open(native->c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

bool AppendFile::Append(std::string_view bytes) {
    if (!IsOpen()) return false;
    while (!bytes.empty()) {
        const ssize_t written = write(Fd(handle_), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AppendFile::Sync() { return IsOpen() && fdatasync(Fd(handle_)) == 0; }

void AppendFile::Close() {
    if (IsOpen()) close(Fd(handle_));
    handle_ = -1;
}

bool SyncFolder(std::u16string_view folder) {
    const auto native = Utf16ToNative(folder);
    return native && !native->empty() && SyncNativeFolder(*native);
}

bool RemoveFile(std::u16string_view path) {
    const auto native = Utf16ToNative(path);
    return native && !native->empty() && unlink(native->c_str()) == 0;
}

}  // namespace morvalent::platform
