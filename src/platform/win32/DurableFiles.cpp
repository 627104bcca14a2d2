#include "platform/DurableFiles.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/WideText.h"

namespace morvalent::platform {
namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

AppendFile::~AppendFile() { Close(); }

bool AppendFile::CreateNew(std::u16string_view path) {
    Close();
    const auto wide = WidePath(path);
    if (!wide) return false;
    HANDLE file = CreateFileW(wide->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool AppendFile::OpenToAppend(std::u16string_view path) {
    Close();
    const auto wide = WidePath(path);
    if (!wide) return false;
    HANDLE file = CreateFileW(wide->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER at;
    at.QuadPart = 0;
    if (GetFileType(file) != FILE_TYPE_DISK || !SetFilePointerEx(file, at, nullptr, FILE_END)) {
        CloseHandle(file);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool AppendFile::Append(std::string_view bytes) {
    if (!IsOpen()) return false;
    while (!bytes.empty()) {
        // WriteFile counts in 32 bits.
        const DWORD piece = DWORD(std::min<std::size_t>(bytes.size(), std::size_t(1) << 30));
        DWORD written = 0;
        if (!WriteFile(AsHandle(handle_), bytes.data(), piece, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool AppendFile::Sync() { return IsOpen() && FlushFileBuffers(AsHandle(handle_)); }

void AppendFile::Close() {
    if (IsOpen()) CloseHandle(AsHandle(handle_));
    handle_ = -1;
}

// NTFS keeps its own journal of names: a file flushed with FlushFileBuffers is
// found under its name after a crash, and a folder cannot be flushed on its own.
bool SyncFolder(std::u16string_view) { return true; }

bool RemoveFile(std::u16string_view path) {
    const auto wide = WidePath(path);
    return wide && DeleteFileW(wide->c_str());
}

}  // namespace morvalent::platform
