#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <ctime>

#include "platform/Text.h"
#include "platform/posix/OpenFolders.h"
#include "platform/posix/PosixMoveRun.h"

namespace morvalent::platform {
namespace {

constexpr unsigned kStatxMask = STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME;

FileInfo InfoFrom(const struct statx& st) {
    FileInfo info;
    // A folder's size is the space of its entries list, not a size the user means.
    info.size = S_ISDIR(st.stx_mode) ? 0 : st.stx_size;
    info.lastWriteTime = FileTimeFromUnix(st.stx_mtime.tv_sec, st.stx_mtime.tv_nsec);
    if ((st.stx_mask & STATX_BTIME) != 0) {
        info.creationTime = FileTimeFromUnix(st.stx_btime.tv_sec, st.stx_btime.tv_nsec);
    }
    return info;
}

bool StatPath(std::u16string_view path, int flags, struct statx& st) {
    auto native = Utf16ToNative(path);
    if (!native || native->empty()) return false;
    return statx(AT_FDCWD, native->c_str(), flags, kStatxMask, &st) == 0;
}

}  // namespace

std::optional<bool> PosixFileSystem::IsFolder(std::u16string_view path) {
    struct statx st;
    if (!StatPath(path, 0, st)) return std::nullopt;
    return S_ISDIR(st.stx_mode);
}

std::optional<FileInfo> PosixFileSystem::ReadInfo(std::u16string_view path) {
    struct statx st;
    if (!StatPath(path, 0, st)) return std::nullopt;
    return InfoFrom(st);
}

bool PosixFileSystem::ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) {
    items.clear();
    auto native = Utf16ToNative(folder);
    // An empty folder text names nothing, least of all the root.
    if (!native || native->empty()) return false;
    int fd = open(native->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    struct statx self;
    const bool known = statx(fd, "", AT_EMPTY_PATH, STATX_INO, &self) == 0;
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return false;
    }
    while (struct dirent* d = readdir(dir)) {
        const char* name = d->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        struct statx st;
        FolderItem item;
        item.name = Utf8ToUtf16(name);
        // An entry that went or cannot be looked at is named, for the caller to count.
        if (statx(fd, name, AT_SYMLINK_NOFOLLOW, kStatxMask, &st) != 0) {
            item.unreadable = true;
            items.push_back(std::move(item));
            continue;
        }
        item.isFolder = S_ISDIR(st.stx_mode);
        struct statx target;
        item.linksToFolder = S_ISLNK(st.stx_mode) && statx(fd, name, 0, STATX_TYPE, &target) == 0 &&
                             S_ISDIR(target.stx_mode);
        item.info = InfoFrom(st);
        if (known && (st.stx_mask & STATX_INO) != 0 && st.stx_dev_major == self.stx_dev_major &&
            st.stx_dev_minor == self.stx_dev_minor) {
            item.fileNumber = st.stx_ino;
        }
        items.push_back(std::move(item));
    }
    closedir(dir);
    return true;
}

bool PosixFileSystem::ListNames(std::u16string_view folder, std::vector<std::u16string>& names) {
    names.clear();
    auto native = Utf16ToNative(folder);
    if (!native) return false;
    DIR* dir = opendir(native->empty() ? "/" : native->c_str());
    if (dir == nullptr) return false;
    while (const struct dirent* d = readdir(dir)) {
        if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0) continue;
        names.push_back(Utf8ToUtf16(d->d_name));
    }
    closedir(dir);
    return true;
}

std::optional<std::string> NativeMovePath(std::u16string_view path) {
    auto native = Utf16ToNative(path);
    if (!native || native->empty() || native->find('\0') != std::string::npos) return std::nullopt;
    return native;
}

MoveOutcome PosixFileSystem::MoveNoReplace(std::u16string_view source, std::u16string_view target) {
    auto from = NativeMovePath(source);
    auto to = NativeMovePath(target);
    if (!from || !to) return {MoveResult::Failed, EINVAL};
    return MoveNoReplaceNative(*from, *to);
}

std::optional<FileIdentity> PosixFileSystem::ReadIdentity(std::u16string_view path) {
    auto native = Utf16ToNative(path);
    if (!native || native->empty()) return std::nullopt;
    return IdentityAt(AT_FDCWD, native->c_str());
}

std::vector<std::optional<FileIdentity>> PosixFileSystem::ReadIdentities(
    const std::vector<std::u16string_view>& paths) {
    std::vector<std::optional<FileIdentity>> identities;
    identities.reserve(paths.size());
    // Names looked up in an open folder skip the walk down to it each time.
    posix::OpenFolders folders;
    for (std::u16string_view path : paths) {
        const auto native = Utf16ToNative(path);
        std::string_view folder;
        const char* name = nullptr;
        if (!native || native->empty()) {
            identities.push_back(std::nullopt);
        } else if (!posix::SplitFolderName(*native, folder, name)) {
            identities.push_back(IdentityAt(AT_FDCWD, native->c_str()));
        } else {
            const int fd = folders.Get(folder);
            identities.push_back(fd >= 0 ? IdentityAt(fd, name) : std::nullopt);
        }
    }
    return identities;
}

std::optional<FolderStamp> PosixFileSystem::ReadFolderStamp(std::u16string_view folder) {
    auto native = Utf16ToNative(folder);
    if (!native || native->empty()) return std::nullopt;
    // The clock first: a change after the stat is stamped at this time or later.
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    struct statx st;
    if (statx(AT_FDCWD, native->c_str(), 0, STATX_INO | STATX_CTIME, &st) != 0 ||
        (st.stx_mask & (STATX_INO | STATX_CTIME)) != (STATX_INO | STATX_CTIME) ||
        !S_ISDIR(st.stx_mode)) {
        return std::nullopt;
    }
    FolderStamp stamp;
    stamp.volume = (std::uint64_t(st.stx_dev_major) << 32) | st.stx_dev_minor;
    stamp.file = st.stx_ino;
    // The change time: renames, additions and removals in the folder set it, and
    // no program can set it back.
    stamp.changed = FileTimeFromUnix(st.stx_ctime.tv_sec, st.stx_ctime.tv_nsec);
    // Two seconds cover the coarsest step of a local file system's times.
    stamp.settled = st.stx_ctime.tv_sec + 2 < now.tv_sec;
    return stamp;
}

std::optional<FileIdentity> IdentityAt(int folder, const char* name) {
    struct statx st;
    // An empty name is the open file `folder` itself.
    const int flags = AT_SYMLINK_NOFOLLOW | (name[0] == '\0' ? AT_EMPTY_PATH : 0);
    if (statx(folder, name, flags, STATX_INO | STATX_BTIME, &st) != 0 ||
        (st.stx_mask & STATX_INO) == 0) {
        return std::nullopt;
    }
    FileIdentity identity;
    identity.volume = (std::uint64_t(st.stx_dev_major) << 32) | st.stx_dev_minor;
    identity.file = st.stx_ino;
    if ((st.stx_mask & STATX_BTIME) != 0) {
        identity.birth = FileTimeFromUnix(st.stx_btime.tv_sec, st.stx_btime.tv_nsec);
    }
    return identity;
}

std::unique_ptr<MoveRun> PosixFileSystem::BeginMoves() {
    return std::make_unique<posix::PosixMoveRun>();
}

std::unique_ptr<FileSystem> MakeNativeFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace morvalent::platform
