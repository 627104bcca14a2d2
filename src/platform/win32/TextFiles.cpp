#include "platform/TextFiles.h"

#include <windows.h>

#include <algorithm>
#include <random>

#include "platform/win32/PathForms.h"

namespace morvalent::platform {
namespace {

// ReadFile and WriteFile count in 32 bits.
constexpr std::size_t kMaxPiece = std::size_t(1) << 30;

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Where the name begins: after the last separator, or after "C:" in "C:name".
std::size_t NameStart(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    if (separator != std::wstring::npos) return separator + 1;
    return path.size() >= 2 && path[1] == L':' ? 2 : 0;
}

// Only a file on a disk: a console, a printer or a pipe may never end.
bool IsDiskFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The file a link at `path` leads to, as the system names it ("\\?\C:\...").
std::optional<std::wstring> LinkTarget(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, resolved.data(), DWORD(resolved.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= resolved.size()) {
        resolved.resize(length);
        length = GetFinalPathNameByHandleW(file, resolved.data(), DWORD(resolved.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    CloseHandle(file);
    if (length == 0 || length >= resolved.size()) return std::nullopt;
    resolved.resize(length);
    return resolved;
}

// Whether a plain file the user may write to has this name: not marked read-only
// (which not every file system enforces for every user), and open for writing
// under the access rules, which changes nothing.
bool IsWritableFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = IsDiskFile(file);
    CloseHandle(file);
    return ok;
}

std::wstring HexDigits(std::uint64_t value) {
    std::wstring digits(16, L'0');
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, value >>= 4) {
        *it = L"0123456789abcdef"[value & 0xF];
    }
    return digits;
}

// Creates a new file beside `target` under a name nobody uses.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
    const std::size_t nameStart = NameStart(target);
    const std::wstring folder = target.substr(0, nameStart);
    // Short, so that a name near the length limit still gets a temporary beside
    // it; never ending inside a surrogate pair.
    std::wstring stem = target.substr(nameStart, 64);
    if (!stem.empty() && stem.back() >= 0xD800 && stem.back() <= 0xDBFF) stem.pop_back();
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + L"." + stem + L"." + HexDigits(random()) + L".tmp";
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    temporary.clear();
    return INVALID_HANDLE_VALUE;
}

// Gives a new file the hidden, system and not-indexed marks of `attributes`.
bool KeepMarks(HANDLE file, DWORD attributes) {
    constexpr DWORD kMarks =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if ((attributes & kMarks) == 0) return true;
    FILE_BASIC_INFO info{};  // zero times stay as they are
    info.FileAttributes = (attributes & kMarks) | FILE_ATTRIBUTE_ARCHIVE;
    return SetFileInformationByHandle(file, FileBasicInfo, &info, sizeof info) != 0;
}

}  // namespace

InputFile::InputFile(std::u16string_view path) {
    const auto wide = ExtendedPath(path);
    if (!wide) return;
    HANDLE file = CreateFileW(
        wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER size;
    if (!IsDiskFile(file) || !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    size_ = static_cast<std::uint64_t>(size.QuadPart);
}

InputFile::~InputFile() {
    if (IsOpen()) CloseHandle(AsHandle(handle_));
}

bool InputFile::IsOpen() const { return AsHandle(handle_) != INVALID_HANDLE_VALUE; }

std::uint64_t InputFile::SizeHint() const { return size_; }

std::optional<std::size_t> InputFile::Read(char* buffer, std::size_t size) {
    if (!IsOpen()) return std::nullopt;
    std::size_t used = 0;
    while (used < size) {
        DWORD got = 0;
        const DWORD piece = static_cast<DWORD>(std::min(size - used, kMaxPiece));
        if (!ReadFile(AsHandle(handle_), buffer + used, piece, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        used += got;
    }
    return used;
}

bool InputFile::Seek(std::uint64_t offset) {
    if (!IsOpen() || offset > std::uint64_t(INT64_MAX)) return false;
    LARGE_INTEGER to;
    to.QuadPart = LONGLONG(offset);
    return SetFilePointerEx(AsHandle(handle_), to, nullptr, FILE_BEGIN) != 0;
}

struct ReplacingFile::State {
    std::wstring target;
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    bool failed = false;
    bool committed = false;
};

ReplacingFile::ReplacingFile(std::u16string_view path) : state_(std::make_unique<State>()) {
    const auto chosen = ExtendedPath(path);
    if (!chosen) return;
    std::wstring target = *chosen;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            // Replace the file the link points to, not the link.
            auto resolved = LinkTarget(target);
            if (!resolved) return;
            target = std::move(*resolved);
        }
        // Only a plain file is ever replaced, and only one the user may write to.
        if (!IsWritableFile(target)) return;
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        // A missing folder on the way, a refused one, or a name the system refuses.
        return;
    }
    HANDLE file = CreateTemporaryBeside(target, state_->temporary);
    if (file == INVALID_HANDLE_VALUE) return;
    state_->file = file;
    // The replaced file's marks go over to the new one; its access rules are the
    // folder's, which the new file takes on as any new file there does.
    const DWORD kept = GetFileAttributesW(target.c_str());
    if (kept != INVALID_FILE_ATTRIBUTES && !KeepMarks(file, kept)) state_->failed = true;
    state_->target = std::move(target);
}

ReplacingFile::~ReplacingFile() {
    if (state_->file != INVALID_HANDLE_VALUE) CloseHandle(state_->file);
    if (!state_->committed && !state_->temporary.empty()) DeleteFileW(state_->temporary.c_str());
}

bool ReplacingFile::IsOpen() const {
    return state_->file != INVALID_HANDLE_VALUE && !state_->failed;
}

bool ReplacingFile::Write(std::string_view bytes) {
    if (!IsOpen() || state_->committed) return false;
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD piece = static_cast<DWORD>(std::min(bytes.size(), kMaxPiece));
        if (!WriteFile(state_->file, bytes.data(), piece, &written, nullptr) || written == 0) {
            state_->failed = true;
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool ReplacingFile::Commit() {
    if (!IsOpen() || state_->committed) return false;
    bool ok = FlushFileBuffers(state_->file) != 0;
    ok = CloseHandle(state_->file) != 0 && ok;
    state_->file = INVALID_HANDLE_VALUE;
    // Replacing is allowed here only because the user agreed to replace this file;
    // write-through returns once the new name is on disk.
    ok = ok && MoveFileExW(state_->temporary.c_str(), state_->target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) {
        state_->failed = true;
        return false;
    }
    state_->committed = true;
    return true;
}

}  // namespace morvalent::platform
