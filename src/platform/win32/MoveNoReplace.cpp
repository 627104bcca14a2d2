#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Win32FileSystem.h"

namespace morvalent::platform {
namespace {

std::size_t NameStart(std::wstring_view path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? 0 : separator + 1;
}

bool IsDeviceName(std::wstring_view name) {
    // CON, NUL, COM1 and the like name devices in every folder, with any extension
    // and with spaces before it ("NUL .txt" is NUL too).
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
    auto is = [&](std::wstring_view device) {
        return CompareStringOrdinal(stem.data(), int(stem.size()), device.data(),
                                    int(device.size()), TRUE) == CSTR_EQUAL;
    };
    if (is(L"CON") || is(L"PRN") || is(L"AUX") || is(L"NUL")) return true;
    if (stem.size() != 4) return false;
    // COM0-COM9 and LPT0-LPT9, with the superscript digits 1-3 among them.
    const wchar_t digit = stem[3];
    const bool isDigit = (digit >= L'0' && digit <= L'9') || digit == L'\u00B9' ||
                         digit == L'\u00B2' || digit == L'\u00B3';
    if (!isDigit) return false;
    const std::wstring_view prefix = stem.substr(0, 3);
    auto prefixIs = [&](std::wstring_view device) {
        return CompareStringOrdinal(prefix.data(), 3, device.data(), 3, TRUE) == CSTR_EQUAL;
    };
    return prefixIs(L"COM") || prefixIs(L"LPT");
}

// Whether Windows can hold `name` exactly as written. Some file systems (and Wine)
// accept characters that Windows refuses, ':' would name a stream of another file,
// and a trailing dot or space would be dropped without a word.
bool IsAcceptableName(std::wstring_view name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    for (wchar_t c : name) {
        if (c < 0x20 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) {
            return false;
        }
    }
    if (name.back() == L'.' || name.back() == L' ') return false;
    return !IsDeviceName(name);
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

}  // namespace

MoveOutcome MoveNoReplaceNative(const std::wstring& source, const std::wstring& target) {
    const std::wstring_view name = std::wstring_view(target).substr(NameStart(target));
    if (!IsAcceptableName(name)) return {MoveResult::Failed, ERROR_INVALID_NAME};
    // MoveFileW never replaces: without MOVEFILE_REPLACE_EXISTING it fails when the
    // target exists, and it moves files, not folders, to another drive.
    if (!MoveFileW(source.c_str(), target.c_str())) return Refused(GetLastError(), source);
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
