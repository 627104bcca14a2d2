#include <windows.h>

#include "platform/Collation.h"

namespace morvalent::platform {

// Windows keeps the locale as a user setting, not in the environment ("ko-KR").
std::string CollationLocaleFromEnvironment() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    const int length = GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    std::string ascii;
    for (int i = 0; i + 1 < length; ++i) ascii.push_back(static_cast<char>(name[i]));
    return ascii;
}

}  // namespace morvalent::platform
