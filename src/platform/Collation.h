#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace morvalent::platform {

// How runs of digits compare: one digit at a time, as characters ("10" before
// "2"), or by their value ("2" before "10"), as file managers show names.
enum class DigitOrder { OneByOne, ByValue };

// Locale-aware comparison that ignores letter case (accents still count), as the
// user's locale orders texts.
class Collator {
  public:
    // `locale` like "ko_KR.UTF-8", "ko-KR", "ko" or "" (root order).
    explicit Collator(const std::string& locale, DigitOrder digits = DigitOrder::OneByOne);
    ~Collator();
    Collator(const Collator&) = delete;
    Collator& operator=(const Collator&) = delete;

    int Compare(std::u16string_view a, std::u16string_view b) const;  // -1, 0, 1
    // A byte string whose memcmp order is the order of Compare.
    std::string SortKey(std::u16string_view text) const;
    void AppendSortKey(std::u16string_view text, std::string& out) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The locale named by LC_ALL, LC_COLLATE or LANG, in that order ("" when none);
// on Windows the user's locale setting ("ko-KR").
std::string CollationLocaleFromEnvironment();

// The collator the program orders texts with; made from the environment on first
// use. Tests choose the locale explicitly with SetCollationLocale.
const Collator& DefaultCollator();
// The same order with runs of digits compared by value. Numbers of equal value
// ("01" and "1") compare equal; the caller breaks that tie.
const Collator& NumericCollator();
void SetCollationLocale(const std::string& locale);

// -1, 0 or 1 under DefaultCollator(); a failed comparison counts as equal.
int CompareTextNoCase(std::u16string_view a, std::u16string_view b);

}  // namespace morvalent::platform
