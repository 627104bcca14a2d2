#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/Text.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixIo.h"

namespace morvalent::platform {
namespace {

// Magic numbers of the volumes made for Windows (linux/magic.h, and the drivers'
// own where the header has none).
constexpr unsigned long kMsdos = 0x4d44;      // vfat and msdos
constexpr unsigned long kExfat = 0x2011BAB0;  // the kernel's exfat
constexpr unsigned long kNtfs3 = 0x7366746e;  // the kernel's ntfs3
constexpr unsigned long kNtfs = 0x5346544e;   // the older kernel ntfs
constexpr unsigned long kFuse = 0x65735546;

// The mount table's type of the file system with this device number; empty when
// none is found.
std::string MountTypeOf(dev_t device) {
    std::ifstream table("/proc/self/mountinfo");
    const std::string wanted = std::to_string(major(device)) + ":" + std::to_string(minor(device));
    std::string line;
    std::string found;
    while (std::getline(table, line)) {
        // ID PARENT MAJOR:MINOR ROOT MOUNTPOINT OPTIONS [TAGS...] - TYPE SOURCE OPTIONS
        std::istringstream fields(line);
        std::string id, parent, number;
        if (!(fields >> id >> parent >> number) || number != wanted) continue;
        const std::size_t dash = line.find(" - ");
        if (dash == std::string::npos) continue;
        std::istringstream rest(line.substr(dash + 3));
        rest >> found;
    }
    return found;
}

}  // namespace

NameRuleSet NameRulesOfFileSystem(unsigned long magic, std::string_view mountType) {
    switch (magic) {
        case kMsdos:
        case kExfat:
        case kNtfs3:
        case kNtfs:
            return NameRuleSet::Windows;
        case kFuse:
            break;
        default:
            return NameRuleSet::System;
    }
    // Block-device FUSE is ntfs-3g or exfat-fuse in practice; others name themselves.
    for (std::string_view type : {"fuseblk", "fuse.exfat", "fuse.exfat-fuse", "fuse.ntfs-3g",
                                  "fuse.lowntfs-3g", "fuse.ntfs"}) {
        if (mountType == type) return NameRuleSet::Windows;
    }
    return NameRuleSet::System;
}

NameRuleSet NameRulesAt(int folder) {
    struct statfs fs;
    if (fstatfs(folder, &fs) != 0) return NameRuleSet::System;
    const auto magic = static_cast<unsigned long>(fs.f_type);
    std::string mountType;
    struct stat st;
    // The mount table is read only for FUSE, whose drivers share one magic number.
    if (magic == kFuse && fstat(folder, &st) == 0) mountType = MountTypeOf(st.st_dev);
    return NameRulesOfFileSystem(magic, mountType);
}

NameRuleSet PosixFileSystem::FolderNameRules(std::u16string_view folder) {
    const auto native = Utf16ToNative(folder);
    if (!native || native->empty()) return NameRuleSet::System;
    // A folder an earlier row will make lies on the file system of the nearest
    // one that is there.
    std::string path = *native;
    for (;;) {
        const posix::Fd fd(open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (fd.get() >= 0) return NameRulesAt(fd.get());
        const std::size_t slash = path.find_last_of('/');
        if (slash == std::string::npos || slash == 0) return NameRuleSet::System;
        path.resize(slash);
    }
}

}  // namespace morvalent::platform
