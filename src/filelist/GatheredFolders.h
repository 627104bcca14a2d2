#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/FileSystem.h"

namespace morvalent::filelist {

// The stamps of the folders walked while gathering, as read just before each
// listing. While a folder's stamp is what it was then, the file numbers its rows
// took from the listing are their items' own (FileEntry::fileNumber).
class GatheredFolders {
  public:
    // A folder walked again with another stamp (or none) is no longer vouched for:
    // rows kept from the first walk carry numbers the second did not check.
    void Walked(std::u16string_view folder, const std::optional<platform::FolderStamp>& stamp);
    // The stamp the folder was walked with, if it can vouch for its rows' numbers.
    const platform::FolderStamp* Settled(std::u16string_view folder) const;
    void Clear() { stamps_.clear(); }

  private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view text) const {
            return std::hash<std::u16string_view>{}(text);
        }
    };
    // Nothing: walked with differing stamps.
    std::unordered_map<std::u16string, std::optional<platform::FolderStamp>, TextHash,
                       std::equal_to<>>
        stamps_;
};

}  // namespace morvalent::filelist
