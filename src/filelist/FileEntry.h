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
    // The item's number on its folder's volume as the walk that gathered it read it
    // (0: not known). With the folder unchanged since (GatheredFolders), it and the
    // creation time are the item's identity, without asking the disk again. A new
    // path (a commit, a renamed folder) clears it.
    std::uint64_t fileNumber = 0;
};

}  // namespace morvalent::filelist
