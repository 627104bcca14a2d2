#include "edits/NormalizeEdits.h"

#include "edits/UndecodableBytes.h"

namespace morvalent::edits {

std::u16string NormalizeName(std::u16string_view text, platform::NormalForm form) {
    if (HoldsUndecodableBytes(text)) return std::u16string(text);
    auto normal = platform::Normalize(text, form);
    return normal ? std::move(*normal) : std::u16string(text);
}

}  // namespace morvalent::edits
