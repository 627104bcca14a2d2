#include <cstdlib>

#include "platform/Collation.h"

namespace morvalent::platform {

std::string CollationLocaleFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return "";
}

}  // namespace morvalent::platform
