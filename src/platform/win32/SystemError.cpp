#include <windows.h>

#include "platform/MoveError.h"

namespace morvalent::platform {
namespace {

MoveCause CauseOf(DWORD code) {
    switch (code) {
        case ERROR_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
            return MoveCause::Permission;
        case ERROR_WRITE_PROTECT:
            return MoveCause::ReadOnly;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return MoveCause::NoSpace;
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_BUFFER_OVERFLOW:
            return MoveCause::NameTooLong;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return MoveCause::InUse;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return MoveCause::NotFound;
        case ERROR_NOT_SAME_DEVICE:
            return MoveCause::CrossDevice;
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS:
            return MoveCause::TargetExists;
        default:
            return MoveCause::Other;
    }
}

}  // namespace

MoveError DescribeSystemError(int code) {
    if (code == 0) return {};
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string words(reinterpret_cast<const char16_t*>(text), length);
    if (text != nullptr) LocalFree(text);
    // The system ends its texts with a line break.
    while (!words.empty() &&
           (words.back() == u'\n' || words.back() == u'\r' || words.back() == u' '))
        words.pop_back();
    return {CauseOf(DWORD(code)), code, words};
}

}  // namespace morvalent::platform
