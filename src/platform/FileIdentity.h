#pragma once

#include <cstdint>

#include "platform/FileTime.h"

namespace morvalent::platform {

// What tells one item on disk from every other across renames: its volume, its
// number there and, where the file system records one, its birth time (a number
// alone is handed to the next new item as soon as this one is deleted).
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t fileHigh = 0;  // the upper half of a 128-bit file id; 0 elsewhere
    std::uint64_t file = 0;
    FileTime birth = kUnknownTime;

    bool operator==(const FileIdentity&) const = default;
};

}  // namespace morvalent::platform
