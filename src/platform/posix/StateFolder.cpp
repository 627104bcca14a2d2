#include "platform/StateFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/Text.h"

namespace morvalent::platform {

std::optional<std::u16string> DefaultStateFolder() {
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
    return Utf8ToUtf16(state + "/morvalent");
}

bool MakeFolders(std::u16string_view folder) {
    const auto native = Utf16ToNative(folder);
    if (!native || native->empty()) return false;
    // Each missing folder from the top down; one already there is fine.
    for (std::size_t end = native->find('/', 1);; end = native->find('/', end + 1)) {
        const std::string part = native->substr(0, end);
        struct stat info {};
        if (stat(part.c_str(), &info) != 0) {
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
            // A folder made for journals must outlast a power cut with them.
            const std::size_t slash = part.rfind('/');
            const std::string parent = slash == 0 ? "/" : part.substr(0, slash);
            const int fd = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0) return false;
            const bool synced = fsync(fd) == 0;
            close(fd);
            if (!synced) return false;
        } else if (!S_ISDIR(info.st_mode)) {
            return false;
        }
        if (end == std::string::npos) break;
    }
    struct stat info {};
    return stat(native->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace morvalent::platform
