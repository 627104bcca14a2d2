#pragma once

#include <string>
#include <string_view>

#include "platform/Normalization.h"

namespace morvalent::edits {

// The whole name in the normalisation form. Escaped bytes that are no text
// (unpaired surrogates) stay where they are; the text around them is normalised.
std::u16string NormalizeName(std::u16string_view text, platform::NormalForm form);

}  // namespace morvalent::edits
