#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "commit/FlatIndex.h"
#include "platform/FileSystem.h"

namespace morvalent::commit {

// A hash of `text` with A-Z folded to a-z. It serves the commit's duplicate rule,
// and the look-up of names on disk, whose keys compare exactly (a key that is
// equal is also equal folded).
std::uint64_t FoldedHash(std::u16string_view text);

// The names in one folder, each as platform::NameOnDiskKey gives it. They stay
// for as long as the list is worked on, a name for every file in every folder
// that targets lie in, so they are kept end to end in one text.
class NameTable {
  public:
    explicit NameTable(const std::vector<std::u16string>& keys);
    // `hash` is FoldedHash(key).
    bool Contains(std::u16string_view key, std::uint64_t hash) const;

  private:
    std::u16string_view Key(std::uint32_t i) const;

    std::u16string text_;
    std::vector<std::size_t> ends_;
    FlatIndex index_;
};

// What the disk holds in the folders that targets lie in. Each folder is read once
// (one listing, not one query per row) and kept until the program forgets it:
// after gathering, committing or undoing, or when the user asks for a fresh look.
class FolderNames {
  public:
    explicit FolderNames(platform::FileSystem& fs) : fs_(fs) {}
    FolderNames(const FolderNames&) = delete;
    FolderNames& operator=(const FolderNames&) = delete;

    struct Listing {
        // Nothing is there, or not a folder: nothing can be renamed into it.
        bool missing = false;
        // Null when the folder cannot be read.
        std::unique_ptr<NameTable> names;
    };
    // Valid until Forget.
    const Listing& Folder(std::u16string_view folder);
    // The naming rules of the folder's file system, looked up once until Forget.
    platform::NameRuleSet Rules(std::u16string_view folder);
    // A listing just read elsewhere (the gathering's walk) stands for the folder's
    // own, which is then not read again.
    void Listed(std::u16string_view folder, const std::vector<platform::FolderItem>& items);
    void Forget() {
        folders_.clear();
        rules_.clear();
        ++generation_;
    }
    // Changes with every Forget: listings taken before are gone.
    std::uint64_t Generation() const { return generation_; }

  private:
    const Listing& Keep(std::u16string_view folder, std::vector<std::u16string>& names);

    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view text) const {
            return std::hash<std::u16string_view>{}(text);
        }
    };

    platform::FileSystem& fs_;
    std::unordered_map<std::u16string, Listing, TextHash, std::equal_to<>> folders_;
    std::unordered_map<std::u16string, platform::NameRuleSet, TextHash, std::equal_to<>> rules_;
    std::uint64_t generation_ = 0;
};

}  // namespace morvalent::commit
