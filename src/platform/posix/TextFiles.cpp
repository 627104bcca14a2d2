#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "platform/Text.h"
#include "platform/TextFiles.h"
#include "platform/posix/PosixIo.h"

namespace morvalent::platform {
namespace {

using posix::NameOf;
using posix::ParentOf;
using posix::WriteAll;

// Creates a new file beside `target` under a name nobody uses; its permissions
// follow the process's umask like any new file.
int CreateTemporaryBeside(const std::string& target, std::string& temporary) {
    const std::string folder = ParentOf(target);
    // Short, so that a name near the length limit still gets a temporary beside it.
    const std::string stem = NameOf(target).substr(0, 64);
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

InputFile::InputFile(std::u16string_view path) {
    const auto native = Utf16ToNative(path);
    if (!native || native->empty()) return;
    // Non-blocking, so that opening a device does not hold the program up.
    int fd = open(native->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return;
    struct stat st;
    // Plain files and pipes (a list made by another program as it runs, bounded
    // by the reader's limit); never a device, which may never end.
    if (fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode))) {
        close(fd);
        return;
    }
    if (S_ISFIFO(st.st_mode)) {
        // Opened again to wait for a writer, as a reader of a named pipe expects.
        close(fd);
        fd = open(native->c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        st.st_size = 0;
    }
    // Back to blocking reads for the file itself.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    handle_ = fd;
    size_ = static_cast<std::uint64_t>(st.st_size);
}

InputFile::~InputFile() {
    if (handle_ >= 0) close(static_cast<int>(handle_));
}

bool InputFile::IsOpen() const { return handle_ >= 0; }

std::uint64_t InputFile::SizeHint() const { return size_; }

std::optional<std::size_t> InputFile::Read(char* buffer, std::size_t size) {
    if (handle_ < 0) return std::nullopt;
    std::size_t used = 0;
    while (used < size) {
        const ssize_t got = read(static_cast<int>(handle_), buffer + used, size - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    return used;
}

bool InputFile::Seek(std::uint64_t offset) {
    if (handle_ < 0 || offset > std::uint64_t(std::numeric_limits<off_t>::max())) return false;
    return lseek(static_cast<int>(handle_), off_t(offset), SEEK_SET) == off_t(offset);
}

struct ReplacingFile::State {
    std::string target;
    std::string temporary;
    int fd = -1;
    bool failed = false;
    bool committed = false;
};

ReplacingFile::ReplacingFile(std::u16string_view path) : state_(std::make_unique<State>()) {
    // A write past the file-size limit then fails the save instead of ending the program.
    signal(SIGXFSZ, SIG_IGN);
    const auto chosen = Utf16ToNative(path);
    if (!chosen || chosen->empty()) return;
    std::string target = *chosen;
    struct stat existing;
    const bool exists = lstat(target.c_str(), &existing) == 0;
    if (exists && S_ISLNK(existing.st_mode)) {
        // Replace the file the link points to, not the link.
        char* resolved = realpath(target.c_str(), nullptr);
        if (resolved == nullptr) return;
        target = resolved;
        std::free(resolved);
        if (stat(target.c_str(), &existing) != 0) return;
    }
    // Only a plain file is ever replaced, and only one the user may write to.
    if (exists && (!S_ISREG(existing.st_mode) || access(target.c_str(), W_OK) != 0)) return;
    const int fd = CreateTemporaryBeside(target, state_->temporary);
    if (fd < 0) return;
    state_->fd = fd;
    state_->target = std::move(target);
    // The replaced file's owner keeps it: root saving into a user's folder must
    // not leave the user a file of root's. Owner first, as it may clear set-id bits.
    if (exists && geteuid() == 0 && fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        state_->failed = true;
    }
    if (exists && fchmod(fd, existing.st_mode & 07777) != 0) state_->failed = true;
}

ReplacingFile::~ReplacingFile() {
    if (state_->fd >= 0) close(state_->fd);
    if (!state_->committed && !state_->temporary.empty()) unlink(state_->temporary.c_str());
}

bool ReplacingFile::IsOpen() const { return state_->fd >= 0 && !state_->failed; }

bool ReplacingFile::Write(std::string_view bytes) {
    if (!IsOpen() || state_->committed) return false;
    if (!WriteAll(state_->fd, bytes)) state_->failed = true;
    return !state_->failed;
}

bool ReplacingFile::Commit() {
    if (!IsOpen() || state_->committed) return false;
    bool ok = fsync(state_->fd) == 0;
    // A delayed write error can show only when closing.
    ok = close(state_->fd) == 0 && ok;
    state_->fd = -1;
    ok = ok && rename(state_->temporary.c_str(), state_->target.c_str()) == 0;
    if (!ok) {
        state_->failed = true;
        return false;
    }
    state_->committed = true;
    // Make the new name itself durable; the content already is.
    const posix::Fd folder(
        open(ParentOf(state_->target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) fsync(folder.get());
    return true;
}

}  // namespace morvalent::platform
