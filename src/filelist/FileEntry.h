#pragma once

#include <cstdint>
#include <string>

#include "platform/FileTime.h"

namespace morvalent::filelist {

// Where one listed item is on disk and what its times and size were when it was
// gathered. Only the commit changes `path` afterwards.
struct FileEntry {
    std::u16string path;
    platform::FileTime creationTime = platform::kUnknownTime;
    platform::FileTime lastWriteTime = 0;
    std::uint64_t size = 0;
    bool isFolder = false;
};

}  // namespace morvalent::filelist
