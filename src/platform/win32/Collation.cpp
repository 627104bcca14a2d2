// The collator on Windows: the system's linguistic comparison in the user's locale.
#include <windows.h>

#include "platform/Collation.h"

namespace morvalent::platform {

struct Collator::Impl {
    LCID locale = LOCALE_INVARIANT;
    DWORD flags = NORM_IGNORECASE;
};

namespace {

std::wstring UserLocaleName() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    const int length = GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    return length > 1 ? std::wstring(name, std::size_t(length - 1)) : std::wstring();
}

// "ko_KR.UTF-8@euro", "ko_KR" and "ko-KR" name the same locale; "", "C", "POSIX"
// and names the system does not know mean the invariant order.
LCID LocaleFromName(const std::string& name) {
    const std::string base = name.substr(0, name.find_first_of(".@"));
    if (base.empty() || base == "C" || base == "POSIX") return LOCALE_INVARIANT;
    std::wstring wide;
    for (char c : base) {
        wide.push_back(c == '_' ? L'-' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    // The user's own locale may be a custom one without an identifier of its own.
    if (CompareStringOrdinal(wide.c_str(), -1, UserLocaleName().c_str(), -1, TRUE) == CSTR_EQUAL) {
        return LOCALE_USER_DEFAULT;
    }
    const LCID id = LocaleNameToLCID(wide.c_str(), 0);
    return id != 0 ? id : LOCALE_INVARIANT;
}

const wchar_t* Units(std::u16string_view text) {
    // A view of nothing may have no storage; the system wants a pointer anyway.
    return text.empty() ? L"" : reinterpret_cast<const wchar_t*>(text.data());
}

#ifndef SORT_DIGITSASNUMBERS
#define SORT_DIGITSASNUMBERS 0x00000008
#endif

}  // namespace

Collator::Collator(const std::string& locale, DigitOrder digits) : impl_(std::make_unique<Impl>()) {
    impl_->locale = LocaleFromName(locale);
    if (digits == DigitOrder::ByValue) impl_->flags |= SORT_DIGITSASNUMBERS;
}

Collator::~Collator() = default;

int Collator::Compare(std::u16string_view a, std::u16string_view b) const {
    const int r = CompareStringW(impl_->locale, impl_->flags, Units(a), static_cast<int>(a.size()),
                                 Units(b), static_cast<int>(b.size()));
    // 0 is a failed comparison, which counts as equal.
    return r == CSTR_LESS_THAN ? -1 : (r == CSTR_GREATER_THAN ? 1 : 0);
}

void Collator::AppendSortKey(std::u16string_view text, std::string& out) const {
    // The system refuses an empty source; no key sorts before every other key.
    if (text.empty()) return;
    const int length = static_cast<int>(text.size());
    const std::size_t base = out.size();
    // A sort key is bytes, counted in bytes, although the call is typed for wide text.
    auto map = [&](int room) {
        return LCMapStringW(impl_->locale, LCMAP_SORTKEY | impl_->flags, Units(text), length,
                            room == 0 ? nullptr : reinterpret_cast<wchar_t*>(out.data() + base),
                            room);
    };
    int room = length * 4 + 16;
    out.resize(base + static_cast<std::size_t>(room));
    int written = map(room);
    if (written == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        room = map(0);
        out.resize(base + static_cast<std::size_t>(room > 0 ? room : 0));
        written = room > 0 ? map(room) : 0;
    }
    // The key ends in a zero byte that memcmp order does not need.
    out.resize(base + (written > 0 ? static_cast<std::size_t>(written) - 1 : 0));
}

// Windows keeps the locale as a user setting, not in the environment.
std::string CollationLocaleFromEnvironment() {
    std::string name;
    for (wchar_t c : UserLocaleName()) name.push_back(static_cast<char>(c));
    return name;
}

}  // namespace morvalent::platform
