#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/FileSystem.h"

namespace morvalent::commit {

// Hashes owned texts and views alike, so that sets of texts are searched by view.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view text) const {
        return std::hash<std::u16string_view>{}(text);
    }
};

using NameSet = std::unordered_set<std::u16string, TextHash, std::equal_to<>>;

// What the disk holds in the folders that targets lie in. Each folder is read once
// (one listing, not one query per row) and kept until the program forgets it:
// after gathering, committing or undoing, or when the user asks for a fresh look.
class FolderNames {
  public:
    explicit FolderNames(platform::FileSystem& fs) : fs_(fs) {}
    FolderNames(const FolderNames&) = delete;
    FolderNames& operator=(const FolderNames&) = delete;

    // The names in `folder`, each as platform::NameOnDiskKey gives it; null when
    // the folder cannot be read. Valid until Forget.
    const NameSet* Names(std::u16string_view folder);
    void Forget() { folders_.clear(); }

  private:
    platform::FileSystem& fs_;
    std::unordered_map<std::u16string, std::optional<NameSet>, TextHash, std::equal_to<>> folders_;
    std::vector<std::u16string> listing_;
};

}  // namespace morvalent::commit
