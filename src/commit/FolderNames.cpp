#include "commit/FolderNames.h"

#include <cstring>

#include "platform/NameRules.h"

namespace morvalent::commit {
namespace {

constexpr std::uint64_t kLanes = 0x8000800080008000u;
constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15u;

// Four UTF-16 units at once with A-Z folded: each 16-bit lane's top bit says
// whether the unit is at least 'A', and whether it is at most 'Z', without any
// carry reaching the next lane.
std::uint64_t FoldFour(std::uint64_t units) {
    const std::uint64_t atLeastA = ((units | kLanes) - 0x0041004100410041u) & kLanes;
    const std::uint64_t atMostZ =
        ((kLanes | 0x005A005A005A005Au) - (units & ~kLanes)) & ~units & kLanes;
    return units | ((atLeastA & atMostZ) >> 10);
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * kMultiplier;
    return h ^ (h >> 29);
}

}  // namespace

std::uint64_t FoldedHash(std::u16string_view text) {
    std::uint64_t h = text.size() * kMultiplier;
    std::size_t i = 0;
    for (; i + 4 <= text.size(); i += 4) {
        std::uint64_t units;
        std::memcpy(&units, text.data() + i, sizeof units);
        h = Mix(h, FoldFour(units));
    }
    if (i < text.size()) {
        std::uint64_t units = 0;
        std::memcpy(&units, text.data() + i, (text.size() - i) * sizeof(char16_t));
        h = Mix(h, FoldFour(units));
    }
    return Mix(h, 0);
}

NameTable::NameTable(const std::vector<std::u16string>& keys) {
    std::size_t length = 0;
    for (const std::u16string& key : keys) length += key.size();
    text_.reserve(length);
    ends_.reserve(keys.size());
    for (const std::u16string& key : keys) {
        text_.append(key);
        ends_.push_back(text_.size());
    }
    index_.Reset(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        index_.Insert(FoldedHash(keys[i]), std::uint32_t(i),
                      [&](std::uint32_t other) { return Key(other) == keys[i]; });
    }
}

std::u16string_view NameTable::Key(std::uint32_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::u16string_view(text_).substr(begin, ends_[i] - begin);
}

bool NameTable::Contains(std::u16string_view key, std::uint64_t hash) const {
    return index_.Find(hash, [&](std::uint32_t i) { return Key(i) == key; }).has_value();
}

const FolderNames::Listing& FolderNames::Folder(std::u16string_view folder) {
    auto at = folders_.find(folder);
    if (at != folders_.end()) return at->second;
    std::vector<std::u16string> names;
    if (fs_.ListNames(folder, names)) return Keep(folder, names);
    Listing listing;
    // A folder that exists but cannot be read may still take renames.
    listing.missing = fs_.IsFolder(folder) != std::optional<bool>(true);
    return folders_.emplace(std::u16string(folder), std::move(listing)).first->second;
}

void FolderNames::Listed(std::u16string_view folder,
                         const std::vector<platform::FolderItem>& items) {
    if (folders_.find(folder) != folders_.end()) return;
    std::vector<std::u16string> names;
    names.reserve(items.size());
    for (const platform::FolderItem& item : items) names.push_back(item.name);
    Keep(folder, names);
}

const FolderNames::Listing& FolderNames::Keep(std::u16string_view folder,
                                              std::vector<std::u16string>& names) {
    if constexpr (platform::kNamesIgnoreCase) {
        for (std::u16string& name : names) name = platform::NameOnDiskKey(name);
    }
    Listing listing;
    listing.names = std::make_unique<NameTable>(names);
    return folders_.emplace(std::u16string(folder), std::move(listing)).first->second;
}

platform::NameRuleSet FolderNames::Rules(std::u16string_view folder) {
    const auto at = rules_.find(folder);
    if (at != rules_.end()) return at->second;
    return rules_.emplace(std::u16string(folder), fs_.FolderNameRules(folder)).first->second;
}

}  // namespace morvalent::commit
