#include "platform/NameRules.h"
#include "platform/Surrogates.h"

namespace morvalent::platform {
namespace {

// NAME_MAX and PATH_MAX (less its terminator) of Linux file systems, in bytes. The
// commit renames by name inside the target's folder, opened by its path: only that
// folder's path must fit PATH_MAX, not the whole target.
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::size_t kMaxPathBytes = 4095;
// No UTF-16 unit takes more than three bytes on disk.
constexpr std::size_t kMaxBytesPerUnit = 3;

// Bytes of one unit in UTF-8; each half of a pair counts half of its four.
std::size_t UnitBytes(char16_t c) {
    if (c < 0x80 || IsEscapedByte(c)) return 1;
    if (c < 0x800 || IsHighSurrogate(c) || IsLowSurrogate(c)) return 2;
    return 3;
}

}  // namespace

std::u16string NameOnDiskKey(std::u16string_view name) { return std::u16string(name); }

NameFault CheckTargetName(std::u16string_view folder, std::u16string_view name) {
    // Most names are short and hold no separator, zero or surrogate: nothing to count.
    // (Written without an early exit, so that the compiler can take units in bulk.)
    bool unusual = (folder.size() + 1 + name.size()) * kMaxBytesPerUnit > kMaxPathBytes ||
                   name.size() * kMaxBytesPerUnit > kMaxNameBytes;
    for (char16_t c : name) unusual |= c == u'\0' || c == u'/' || (c & 0xF800) == 0xD800;
    if (!unusual) {
        return name.empty() || name == u"." || name == u".." ? NameFault::Forbidden
                                                             : NameFault::None;
    }
    std::size_t partStart = 0;
    std::size_t partBytes = 0;
    std::size_t nameBytes = 0;
    bool partTooLong = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        // A zero unit would end the path early: the item would get a shorter name.
        if (c == u'\0') return NameFault::Forbidden;
        if (IsLoneSurrogateAt(name, i)) return NameFault::Forbidden;
        const std::size_t bytes = UnitBytes(c);
        nameBytes += bytes;
        if (IsPathSeparator(c)) {
            partTooLong = partTooLong || partBytes > kMaxNameBytes;
            partStart = i + 1;
            partBytes = 0;
        } else {
            partBytes += bytes;
        }
    }
    const std::u16string_view last = name.substr(partStart);
    if (last.empty() || last == u"." || last == u"..") return NameFault::Forbidden;
    if (partTooLong || partBytes > kMaxNameBytes) return NameFault::TooLong;
    // The bytes of the folder the item lands in: `folder`, and the parts of `name`
    // before its last. Counted only when they may come near the limit.
    const std::size_t aboveBytes = partStart == 0 ? 0 : nameBytes - partBytes;
    if (folder.size() * kMaxBytesPerUnit + aboveBytes > kMaxPathBytes) {
        std::size_t folderBytes = 0;
        for (char16_t c : folder) folderBytes += UnitBytes(c);
        if (folderBytes + aboveBytes > kMaxPathBytes) return NameFault::TooLong;
    }
    return NameFault::None;
}

}  // namespace morvalent::platform
