#include "app/RecentRecipes.h"

#include <algorithm>

#include "app/RecipeFile.h"
#include "platform/Path.h"
#include "platform/StateFolder.h"
#include "platform/Text.h"

namespace morvalent::app {

RecentRecipes::RecentRecipes(std::optional<std::u16string> stateFolder) {
    if (!stateFolder) return;
    folder_ = *stateFolder;
    file_ = folder_ + platform::kPathSeparator + u"recent-recipes";
    const auto bytes = ReadRecipeFile(*file_);
    if (!bytes) return;
    // One path a line, as written below.
    std::string_view rest = *bytes;
    while (!rest.empty() && paths_.size() < kMostKept) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        if (end > 0) paths_.push_back(platform::Utf8ToUtf16(rest.substr(0, end)));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
}

bool RecentRecipes::Add(const std::u16string& path) {
    const std::u16string key = platform::PathIdentityKey(path);
    std::erase_if(
        paths_, [&](const std::u16string& kept) { return platform::PathIdentityKey(kept) == key; });
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMostKept) paths_.resize(kMostKept);
    if (!file_) return true;
    std::string text;
    for (const auto& kept : paths_) {
        const auto native = platform::Utf16ToNative(kept);
        text += (native ? *native : platform::Utf16ToUtf8Lossy(kept)) + "\n";
    }
    return platform::MakeFolders(folder_) && WriteRecipeFile(*file_, text);
}

}  // namespace morvalent::app
