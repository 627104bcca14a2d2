#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/PathForms.h"
#include "platform/win32/WideText.h"

namespace morvalent::platform {
namespace {

FileTime TimeFrom(const FILETIME& time) {
    return static_cast<FileTime>((std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

bool EndsWithSeparator(const std::wstring& path) {
    return !path.empty() && (path.back() == L'\\' || path.back() == L'/');
}

// Closes a handle from CreateFileW when the reading is done.
class OpenItem {
  public:
    explicit OpenItem(HANDLE handle) : handle_(handle) {}
    ~OpenItem() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    OpenItem(const OpenItem&) = delete;
    OpenItem& operator=(const OpenItem&) = delete;
    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

}  // namespace

// Every path reaches the file system in extended-length form: the plain form
// drops a trailing dot or space from a name and so would name a neighbour.
std::optional<bool> Win32FileSystem::IsFolder(std::u16string_view path) {
    auto wide = ExtendedPath(path);
    if (!wide) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<FileInfo> Win32FileSystem::ReadInfo(std::u16string_view path) {
    auto wide = ExtendedPath(path);
    if (!wide) return std::nullopt;
    // No access asked (attributes only); backup semantics let folders open too.
    OpenItem item(CreateFileW(wide->c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (item.Get() == INVALID_HANDLE_VALUE) return std::nullopt;
    FILETIME created;
    FILETIME written;
    if (!GetFileTime(item.Get(), &created, nullptr, &written)) return std::nullopt;
    FileInfo info;
    info.creationTime = TimeFrom(created);
    info.lastWriteTime = TimeFrom(written);
    LARGE_INTEGER size;
    // A folder has no size of its own.
    if (GetFileSizeEx(item.Get(), &size)) info.size = static_cast<std::uint64_t>(size.QuadPart);
    return info;
}

bool Win32FileSystem::ListFolder(std::u16string_view folder, std::vector<FolderItem>& items) {
    items.clear();
    // "C:" alone would mean the current folder of drive C; "C:\*" is its root.
    std::u16string whole(folder);
    if (!whole.empty() && whole.back() != u'\\' && whole.back() != u'/') whole.push_back(u'\\');
    auto pattern = ExtendedPath(whole);
    if (!pattern) return false;
    if (!EndsWithSeparator(*pattern)) pattern->push_back(L'\\');
    pattern->push_back(L'*');
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(pattern->c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        // An empty drive root has not even "." and "..".
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    do {
        const std::wstring_view name(data.cFileName);
        if (name == L"." || name == L"..") continue;
        FolderItem item;
        item.name = FromWide(name);
        // Links and junctions are items of their own, so a walk never loops.
        const bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool reparse = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        item.isFolder = directory && !reparse;
        item.linksToFolder = directory && reparse;
        item.info.creationTime = TimeFrom(data.ftCreationTime);
        item.info.lastWriteTime = TimeFrom(data.ftLastWriteTime);
        if (!item.isFolder) {
            item.info.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
        items.push_back(std::move(item));
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return true;
}

MoveOutcome Win32FileSystem::MoveNoReplace(std::u16string_view source, std::u16string_view target) {
    auto from = ExtendedPath(source);
    auto to = ExtendedPath(target);
    if (!from || !to) return {MoveResult::Failed, ERROR_INVALID_NAME};
    return MoveNoReplaceNative(*from, *to);
}

std::optional<FileIdentity> Win32FileSystem::ReadIdentity(std::u16string_view path) {
    auto wide = ExtendedPath(path);
    if (!wide) return std::nullopt;
    // The item itself: a link or junction is not followed.
    OpenItem item(CreateFileW(
        wide->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (item.Get() == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(item.Get(), &info)) return std::nullopt;
    // The full file id where the volume gives one (NTFS ids carry a sequence number
    // that changes when a record is reused; ReFS ids are 128 bits), else the volume
    // serial and the 64-bit index. Not every file system reuses numbers so
    // carefully, so a file's creation time goes along, as the birth time does on
    // Linux: a new file under a reused number is not the one moved. Not a folder's:
    // some layers (Wine among them) report its last change there, which every
    // rename inside it moves on.
    FileIdentity identity;
    identity.volume = info.dwVolumeSerialNumber;
    identity.file = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        identity.birth = TimeFrom(info.ftCreationTime);
    }
    FILE_ID_INFO id;
    if (GetFileInformationByHandleEx(item.Get(), FileIdInfo, &id, sizeof id)) {
        identity.volume = id.VolumeSerialNumber;
        std::uint64_t halves[2];
        static_assert(sizeof halves == sizeof id.FileId.Identifier);
        std::memcpy(halves, id.FileId.Identifier, sizeof halves);
        identity.file = halves[0];
        identity.fileHigh = halves[1];
    }
    return identity;
}

std::unique_ptr<FileSystem> MakeNativeFileSystem() { return std::make_unique<Win32FileSystem>(); }

// Moves here never go by steps that leave items behind, so no journal written here
// names one; one that does is left for the user to judge.
Leftover RemoveLeftover(const MoveStep&, const std::optional<FileIdentity>&) {
    return Leftover::Unsure;
}

}  // namespace morvalent::platform
