#include "commit/FolderNames.h"

#include "platform/NameRules.h"

namespace morvalent::commit {

const NameSet* FolderNames::Names(std::u16string_view folder) {
    auto at = folders_.find(folder);
    if (at == folders_.end()) {
        std::optional<NameSet> names;
        if (fs_.ListNames(folder, listing_)) {
            names.emplace(listing_.size());
            for (std::u16string& name : listing_) {
                if constexpr (platform::kNamesIgnoreCase) {
                    names->insert(platform::NameOnDiskKey(name));
                } else {
                    names->insert(std::move(name));
                }
            }
        }
        at = folders_.emplace(std::u16string(folder), std::move(names)).first;
    }
    return at->second ? &*at->second : nullptr;
}

}  // namespace morvalent::commit
