#include "platform/StateFolder.h"

#include <cstdlib>
#include <string>

#include "platform/Text.h"

namespace morvalent::platform {

std::optional<std::u16string> DefaultHistoryFolder() {
    std::string state;
    // The XDG rule: a relative value is no value.
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg != nullptr && xdg[0] == '/') {
        state = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        state = std::string(home) + "/.local/state";
    } else {
        return std::nullopt;
    }
    while (state.size() > 1 && state.back() == '/') state.pop_back();
    if (state == "/") state.clear();
    return Utf8ToUtf16(state + "/morvalent/history");
}

}  // namespace morvalent::platform
