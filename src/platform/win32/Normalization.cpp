#include <windows.h>

#include "platform/Normalization.h"

namespace morvalent::platform {

std::optional<std::u16string> Normalize(std::u16string_view text, NormalForm form) {
    if (text.empty()) return std::u16string();
    NORM_FORM system = NormalizationC;
    if (form == NormalForm::Nfd) system = NormalizationD;
    if (form == NormalForm::Nfkc) system = NormalizationKC;
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    // The system's estimate may be short; it then says how much it needs.
    int size = NormalizeString(system, source, length, nullptr, 0);
    for (int attempt = 0; attempt < 4 && size > 0; ++attempt) {
        std::u16string out(static_cast<std::size_t>(size), u'\0');
        const int written =
            NormalizeString(system, source, length, reinterpret_cast<wchar_t*>(out.data()), size);
        if (written > 0) {
            out.resize(static_cast<std::size_t>(written));
            return out;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
        size = -written;
    }
    return std::nullopt;
}

}  // namespace morvalent::platform
