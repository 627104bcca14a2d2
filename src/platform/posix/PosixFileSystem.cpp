#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/Text.h"

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
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return false;
    }
    while (struct dirent* d = readdir(dir)) {
        const char* name = d->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        struct statx st;
        // An entry that vanished or cannot be read is skipped without a word.
        if (statx(fd, name, AT_SYMLINK_NOFOLLOW, kStatxMask, &st) != 0) continue;
        FolderItem item;
        item.name = Utf8ToUtf16(name);
        item.isFolder = S_ISDIR(st.stx_mode);
        struct statx target;
        item.linksToFolder = S_ISLNK(st.stx_mode) && statx(fd, name, 0, STATX_TYPE, &target) == 0 &&
                             S_ISDIR(target.stx_mode);
        item.info = InfoFrom(st);
        items.push_back(std::move(item));
    }
    closedir(dir);
    return true;
}

MoveOutcome PosixFileSystem::MoveNoReplace(std::u16string_view source, std::u16string_view target) {
    auto from = Utf16ToNative(source);
    auto to = Utf16ToNative(target);
    if (!from || !to || from->empty() || to->empty()) return {MoveResult::Failed, EINVAL};
    return MoveNoReplaceNative(*from, *to);
}

std::unique_ptr<FileSystem> MakeNativeFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace morvalent::platform
