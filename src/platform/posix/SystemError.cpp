#include <cerrno>
#include <cstring>
#include <type_traits>

#include "platform/MoveError.h"
#include "platform/Text.h"

namespace morvalent::platform {
namespace {

MoveCause CauseOf(int code) {
    switch (code) {
        case EACCES:
        case EPERM:
            return MoveCause::Permission;
        case EROFS:
            return MoveCause::ReadOnly;
        case ENOSPC:
        case EDQUOT:
            return MoveCause::NoSpace;
        case ENAMETOOLONG:
            return MoveCause::NameTooLong;
        case EBUSY:
        case ETXTBSY:
            return MoveCause::InUse;
        case ENOENT:
        case ENOTDIR:
            return MoveCause::NotFound;
        case EXDEV:
            return MoveCause::CrossDevice;
        case EEXIST:
        case ENOTEMPTY:
            return MoveCause::TargetExists;
        default:
            return MoveCause::Other;
    }
}

}  // namespace

MoveError DescribeSystemError(int code) {
    if (code == 0) return {};
    char buffer[256] = {};
    // The GNU strerror_r may return a static text instead of filling the buffer.
    const auto text = [&](auto result) -> const char* {
        if constexpr (std::is_same_v<decltype(result), char*>) {
            return result;
        } else {
            return result == 0 ? buffer : "";
        }
    }(strerror_r(code, buffer, sizeof buffer));
    return {CauseOf(code), code, Utf8ToUtf16(text)};
}

}  // namespace morvalent::platform
