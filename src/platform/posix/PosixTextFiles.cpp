#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "platform/Text.h"
#include "platform/TextFiles.h"

namespace morvalent::platform {
namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // False when closing reports an error (a delayed write failure).
    bool Close() {
        if (fd_ < 0) return true;
        const int result = close(fd_);
        fd_ = -1;
        return result == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates a new file beside `target` under a name nobody uses; its permissions
// follow the process's umask like any new file.
int CreateTemporaryBeside(const std::string& target, std::string& temporary) {
    const std::string folder = FolderOf(target);
    // Short, so that a name near the length limit still gets a temporary beside it.
    std::string stem = NameOf(target).substr(0, 64);
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
        temporary = folder + "/." + stem + "." + suffix + ".tmp";
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

std::optional<std::string> ReadWholeFile(std::u16string_view path) {
    const auto native = Utf16ToNative(path);
    if (!native || native->empty()) return std::nullopt;
    Descriptor file(open(native->c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return std::nullopt;
    struct stat st;
    if (fstat(file.Get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
    std::string bytes;
    // The size is a hint: the file may grow or shrink while it is read.
    bytes.resize(S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) + 1 : 65536);
    std::size_t used = 0;
    while (true) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t got = read(file.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}

bool WriteFileReplacing(std::u16string_view path, std::string_view bytes) {
    const auto chosen = Utf16ToNative(path);
    if (!chosen || chosen->empty()) return false;
    std::string target = *chosen;
    struct stat existing;
    const bool exists = lstat(target.c_str(), &existing) == 0;
    if (exists && S_ISLNK(existing.st_mode)) {
        // Replace the file the link points to, not the link.
        char* resolved = realpath(target.c_str(), nullptr);
        if (resolved == nullptr) return false;
        target = resolved;
        std::free(resolved);
        if (stat(target.c_str(), &existing) != 0) return false;
    }
    if (exists) {
        // Only a plain file is ever replaced, and only one the user may write to.
        if (!S_ISREG(existing.st_mode) || access(target.c_str(), W_OK) != 0) return false;
    }

    std::string temporary;
    Descriptor file(CreateTemporaryBeside(target, temporary));
    if (!file.Valid()) return false;
    bool ok = true;
    // The replacement keeps the permissions of the file it replaces.
    if (exists) ok = fchmod(file.Get(), existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(file.Get(), bytes);
    ok = ok && fsync(file.Get()) == 0;
    ok = file.Close() && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the new name itself durable; the content already is.
    Descriptor folder(open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) fsync(folder.Get());
    return true;
}

}  // namespace morvalent::platform
