// The collator on ICU, on every system: one order for the same locale everywhere.
#include "platform/Collation.h"

#include <unicode/ucol.h>

namespace morvalent::platform {

struct Collator::Impl {
    UCollator* collator = nullptr;
};

namespace {

// "ko_KR.UTF-8@euro" and Windows' "ko-KR" -> "ko_KR"; "C" and "POSIX" mean the
// root order.
std::string IcuLocaleName(const std::string& locale) {
    std::string name = locale.substr(0, locale.find_first_of(".@"));
    if (name == "C" || name == "POSIX") return "";
    for (char& c : name) {
        if (c == '-') c = '_';
    }
    return name;
}

}  // namespace

Collator::Collator(const std::string& locale, DigitOrder digits) : impl_(std::make_unique<Impl>()) {
    UErrorCode status = U_ZERO_ERROR;
    impl_->collator = ucol_open(IcuLocaleName(locale).c_str(), &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        impl_->collator = ucol_open("", &status);
    }
    if (impl_->collator != nullptr) {
        ucol_setStrength(impl_->collator, UCOL_SECONDARY);
        // ICU's Korean rules put Hangul before every other script; Korean users'
        // file managers put digits and Latin first. The locale's own rules within
        // each script stay.
        const int32_t noReordering[] = {UCOL_REORDER_CODE_NONE};
        status = U_ZERO_ERROR;
        ucol_setReorderCodes(impl_->collator, noReordering, 1, &status);
        if (digits == DigitOrder::ByValue) {
            status = U_ZERO_ERROR;
            ucol_setAttribute(impl_->collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
        }
    }
}

Collator::~Collator() {
    if (impl_->collator != nullptr) ucol_close(impl_->collator);
}

int Collator::Compare(std::u16string_view a, std::u16string_view b) const {
    if (impl_->collator == nullptr) return 0;
    UCollationResult r = ucol_strcoll(impl_->collator, a.data(), static_cast<int32_t>(a.size()),
                                      b.data(), static_cast<int32_t>(b.size()));
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

void Collator::AppendSortKey(std::u16string_view text, std::string& out) const {
    if (impl_->collator == nullptr) return;
    const std::size_t base = out.size();
    // Most keys fit in a few bytes per unit; grow once when they do not.
    std::size_t room = text.size() * 4 + 16;
    out.resize(base + room);
    int32_t need =
        ucol_getSortKey(impl_->collator, text.data(), static_cast<int32_t>(text.size()),
                        reinterpret_cast<uint8_t*>(out.data() + base), static_cast<int32_t>(room));
    if (static_cast<std::size_t>(need) > room) {
        out.resize(base + static_cast<std::size_t>(need));
        need = ucol_getSortKey(impl_->collator, text.data(), static_cast<int32_t>(text.size()),
                               reinterpret_cast<uint8_t*>(out.data() + base), need);
    }
    // The key ends in a zero byte that memcmp order does not need.
    out.resize(base + (need > 0 ? static_cast<std::size_t>(need) - 1 : 0));
}

}  // namespace morvalent::platform
