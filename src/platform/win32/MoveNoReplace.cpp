#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/WindowsNames.h"

namespace morvalent::platform {
namespace {

std::size_t NameStart(std::wstring_view path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? 0 : separator + 1;
}

// The spelling under which the file system keeps the item at `path`.
std::optional<std::wstring> NameOnDisk(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return std::wstring(data.cFileName);
}

bool SameNameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), int(a.size()), b.data(), int(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// False only when the item at `path` is kept under another letter case of `name`.
bool HasExactName(const std::wstring& path, std::wstring_view name) {
    const auto onDisk = NameOnDisk(path);
    if (!onDisk || *onDisk == name) return true;
    return !SameNameIgnoringCase(*onDisk, name);
}

MoveOutcome Refused(DWORD error, const std::wstring& source) {
    switch (error) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return {MoveResult::TargetExists, int(error)};
        case ERROR_NOT_SAME_DEVICE:
            return {MoveResult::FolderAcrossDevices, int(error)};
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            if (GetFileAttributesW(source.c_str()) == INVALID_FILE_ATTRIBUTES) {
                const DWORD why = GetLastError();
                if (why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND) {
                    return {MoveResult::SourceMissing, int(error)};
                }
            }
            break;
        default:
            break;
    }
    return {MoveResult::Failed, int(error)};
}

// Whether anything is still found at `path`.
bool Exists(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

// A rename that changes only the letter case of a name can report success and
// keep the old spelling (Wine does). Going through a free temporary name in the
// same folder makes the file system take the new spelling. The item moved is the
// source as named, never another entry that merely matches the target's spelling.
MoveOutcome RenameThroughTemporary(const std::wstring& source, const std::wstring& target,
                                   std::wstring_view name) {
    const std::wstring folder = target.substr(0, NameStart(target));
    std::wstring temporary;
    for (int attempt = 0;; ++attempt) {
        temporary = folder + L"~morvalent-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(attempt) + L".tmp";
        if (MoveFileW(source.c_str(), temporary.c_str())) break;
        const DWORD error = GetLastError();
        // Nothing has changed yet.
        if ((error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) || attempt == 99) {
            return {MoveResult::Failed, int(error)};
        }
    }
    if (!MoveFileW(temporary.c_str(), target.c_str())) {
        const DWORD error = GetLastError();
        // Something took the name meanwhile: put the item back where it was.
        if (!MoveFileW(temporary.c_str(), source.c_str())) return {MoveResult::Failed, int(error)};
        return Refused(error, source);
    }
    if (!HasExactName(target, name)) return {MoveResult::Failed, 0};
    return {MoveResult::Moved, 0};
}

// A file to another volume: a copy under the new name, which must be whole before
// the original goes. A copy cut short (a full disk, a pulled drive) is removed,
// so the row fails with the item where it was and nothing half-made beside it.
MoveOutcome CopyAcrossVolumes(const std::wstring& source, const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(source.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Refused(GetLastError(), source);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {MoveResult::FolderAcrossDevices, ERROR_NOT_SAME_DEVICE};
    }
    // Never over an existing item: the copy fails instead.
    if (!CopyFileExW(source.c_str(), target.c_str(), nullptr, nullptr, nullptr,
                     COPY_FILE_FAIL_IF_EXISTS | COPY_FILE_COPY_SYMLINK)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
            return {MoveResult::TargetExists, int(error)};
        }
        // What the copy made of the target is ours: it did not exist before.
        DeleteFileW(target.c_str());
        return Refused(error, source);
    }
    if (!DeleteFileW(source.c_str())) {
        const DWORD error = GetLastError();
        // The original stays (in use, read-only): the row fails, without a second copy.
        DeleteFileW(target.c_str());
        return {MoveResult::Failed, int(error)};
    }
    return {MoveResult::Moved, 0};
}

}  // namespace

MoveOutcome MoveNoReplaceNative(const std::wstring& source, const std::wstring& target) {
    const std::wstring_view name = std::wstring_view(target).substr(NameStart(target));
    if (!IsAcceptableName(name)) return {MoveResult::Failed, ERROR_INVALID_NAME};
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists;
    // without MOVEFILE_COPY_ALLOWED it stays on one volume, and a file going to
    // another is copied here, where a failed copy is cleaned up.
    if (!MoveFileExW(source.c_str(), target.c_str(), 0)) {
        const DWORD error = GetLastError();
        if (error == ERROR_NOT_SAME_DEVICE) return CopyAcrossVolumes(source, target);
        return Refused(error, source);
    }
    if (!SameNameIgnoringCase(source, target)) {
        // Some file systems (and Wine) report success for a target that is another
        // name of the same item and change nothing: the source must be gone.
        if (Exists(source)) return {MoveResult::Failed, 0};
        return {MoveResult::Moved, 0};
    }
    const auto onDisk = NameOnDisk(target);
    if (!onDisk || *onDisk == name) return {MoveResult::Moved, 0};
    return RenameThroughTemporary(source, target, name);
}

}  // namespace morvalent::platform
