#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::platform {

// Linux names differ by every code unit: README and readme are two files.
std::u16string PathIdentityKey(std::u16string_view path) { return std::u16string(path); }

bool ConvertsExactly(std::u16string_view path) { return Utf16ToNative(path).has_value(); }

bool IsAbsolutePath(std::u16string_view path) { return !path.empty() && path.front() == u'/'; }

}  // namespace morvalent::platform

namespace morvalent::platform {

std::vector<std::u16string> ExpandPathArgument(std::u16string_view argument) {
    return {std::u16string(argument)};
}

}  // namespace morvalent::platform
