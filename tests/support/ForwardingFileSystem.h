#pragma once

#include <string>
#include <string_view>

#include "platform/ForwardingFileSystem.h"

namespace morvalent::testing {

// The one base of the tests' file-system doubles: everything passes on to the
// native system (or the one given), so a commit test runs the program's own
// MoveRun; a double overrides Move to count or refuse moves.
using platform::ForwardingFileSystem;

// Folders at or beneath one named `windowsVolume` lie on a volume made for Windows
// (FAT, exFAT, NTFS), as Linux would find it, without mounting one.
class WindowsVolumeFileSystem : public ForwardingFileSystem {
  public:
    std::u16string windowsVolume;

    platform::NameRuleSet FolderNameRules(std::u16string_view folder) override {
        for (std::size_t at = 0; !windowsVolume.empty() && at < folder.size(); ++at) {
            const std::size_t end = at + 1 + windowsVolume.size();
            if (platform::IsPathSeparator(folder[at]) &&
                folder.substr(at + 1, windowsVolume.size()) == windowsVolume &&
                (end == folder.size() ||
                 (end < folder.size() && platform::IsPathSeparator(folder[end])))) {
                return platform::NameRuleSet::Windows;
            }
        }
        return ForwardingFileSystem::FolderNameRules(folder);
    }
};

}  // namespace morvalent::testing
