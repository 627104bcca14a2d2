// Case mapping with the system's invariant locale. Windows maps one unit to one
// unit, so "ß" stays "ß" in upper case there.
#include <windows.h>

#include "platform/CaseMapping.h"

namespace morvalent::platform {

bool CanMapTitleCase() {
    // Title case came with Windows 7; some compatible systems still refuse the flag.
    wchar_t out[4];
    return LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_TITLECASE, L"a", 1, out, 4, nullptr, nullptr,
                         0) > 0;
}

void AppendMappedCase(std::u16string& out, std::u16string_view text, TextCase to) {
    if (text.empty()) return;
    DWORD flags = LCMAP_LOWERCASE;
    if (to == TextCase::Upper) flags = LCMAP_UPPERCASE;
    if (to == TextCase::Title) flags = LCMAP_TITLECASE;
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int need = LCMapStringEx(LOCALE_NAME_INVARIANT, flags, source, length, nullptr, 0,
                                   nullptr, nullptr, 0);
    if (need <= 0) {
        out.append(text);
        return;
    }
    const std::size_t base = out.size();
    out.resize(base + static_cast<std::size_t>(need));
    const int written =
        LCMapStringEx(LOCALE_NAME_INVARIANT, flags, source, length,
                      reinterpret_cast<wchar_t*>(out.data() + base), need, nullptr, nullptr, 0);
    if (written <= 0) {
        out.resize(base);
        out.append(text);
        return;
    }
    out.resize(base + static_cast<std::size_t>(written));
}

std::u16string MapCase(std::u16string_view text, TextCase to) {
    std::u16string out;
    AppendMappedCase(out, text, to);
    return out;
}

}  // namespace morvalent::platform
