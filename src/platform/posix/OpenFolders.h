#pragma once

#include <array>
#include <string>
#include <string_view>

namespace morvalent::platform::posix {

// A native path split into its folder and the last name in it. False for a path
// without a folder part or ending in a separator.
bool SplitFolderName(const std::string& path, std::string_view& folder, const char*& name);

// The last folders used, kept open by path, so that a name in one of them is looked
// up from the folder instead of walking down from the root each time.
class OpenFolders {
  public:
    OpenFolders() = default;
    ~OpenFolders();
    OpenFolders(const OpenFolders&) = delete;
    OpenFolders& operator=(const OpenFolders&) = delete;

    // The folder's descriptor (opened only to look names up in it); -1 when it
    // cannot be opened.
    int Get(std::string_view folder);
    // Closes the folders at `path` or beneath it: that item moved away.
    void ForgetAtOrBeneath(std::string_view path);
    void ForgetAll();

  private:
    struct Slot {
        std::string path;
        int fd = -1;
        unsigned long used = 0;
    };
    void Forget(Slot& slot);

    // A commit moves from one folder into the same or one other folder.
    std::array<Slot, 2> slots_;
    unsigned long clock_ = 0;
};

}  // namespace morvalent::platform::posix
