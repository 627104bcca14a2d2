#include "platform/Collation.h"

// What does not depend on the system's collation service.
namespace morvalent::platform {

std::string Collator::SortKey(std::u16string_view text) const {
    std::string key;
    AppendSortKey(text, key);
    return key;
}

namespace {
std::unique_ptr<Collator>& Slot(DigitOrder digits) {
    static std::unique_ptr<Collator> slots[2];
    return slots[digits == DigitOrder::ByValue ? 1 : 0];
}

const Collator& Made(DigitOrder digits) {
    auto& slot = Slot(digits);
    if (!slot) slot = std::make_unique<Collator>(CollationLocaleFromEnvironment(), digits);
    return *slot;
}
}  // namespace

const Collator& DefaultCollator() { return Made(DigitOrder::OneByOne); }
const Collator& NumericCollator() { return Made(DigitOrder::ByValue); }

void SetCollationLocale(const std::string& locale) {
    Slot(DigitOrder::OneByOne) = std::make_unique<Collator>(locale);
    Slot(DigitOrder::ByValue) = std::make_unique<Collator>(locale, DigitOrder::ByValue);
}

int CompareTextNoCase(std::u16string_view a, std::u16string_view b) {
    return DefaultCollator().Compare(a, b);
}

}  // namespace morvalent::platform
