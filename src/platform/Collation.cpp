#include "platform/Collation.h"

// What does not depend on the system's collation service.
namespace morvalent::platform {

std::string Collator::SortKey(std::u16string_view text) const {
    std::string key;
    AppendSortKey(text, key);
    return key;
}

namespace {
std::unique_ptr<Collator>& DefaultSlot() {
    static std::unique_ptr<Collator> slot;
    return slot;
}
}  // namespace

const Collator& DefaultCollator() {
    auto& slot = DefaultSlot();
    if (!slot) slot = std::make_unique<Collator>(CollationLocaleFromEnvironment());
    return *slot;
}

void SetCollationLocale(const std::string& locale) {
    DefaultSlot() = std::make_unique<Collator>(locale);
}

int CompareTextNoCase(std::u16string_view a, std::u16string_view b) {
    return DefaultCollator().Compare(a, b);
}

}  // namespace morvalent::platform
