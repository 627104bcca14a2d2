#include "platform/posix/OpenFolders.h"

#include <fcntl.h>
#include <unistd.h>

namespace morvalent::platform::posix {

bool SplitFolderName(const std::string& path, std::string_view& folder, const char*& name) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash + 1 == path.size()) return false;
    folder = slash == 0 ? std::string_view("/") : std::string_view(path).substr(0, slash);
    name = path.c_str() + slash + 1;
    return true;
}

OpenFolders::~OpenFolders() { ForgetAll(); }

int OpenFolders::Get(std::string_view folder) {
    Slot* oldest = &slots_[0];
    for (Slot& slot : slots_) {
        if (slot.fd >= 0 && slot.path == folder) {
            slot.used = ++clock_;
            return slot.fd;
        }
        if (slot.used < oldest->used) oldest = &slot;
    }
    const std::string path(folder);
    const int fd = open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    Forget(*oldest);
    oldest->path = path;
    oldest->fd = fd;
    oldest->used = ++clock_;
    return fd;
}

void OpenFolders::ForgetAtOrBeneath(std::string_view path) {
    for (Slot& slot : slots_) {
        if (slot.fd >= 0 && slot.path.starts_with(path) &&
            (slot.path.size() == path.size() || slot.path[path.size()] == '/')) {
            Forget(slot);
        }
    }
}

void OpenFolders::ForgetAll() {
    for (Slot& slot : slots_) Forget(slot);
}

void OpenFolders::Forget(Slot& slot) {
    if (slot.fd >= 0) close(slot.fd);
    slot = Slot{};
}

}  // namespace morvalent::platform::posix
