#pragma once

#include <string>
#include <string_view>

#include "platform/Normalization.h"

namespace morvalent::edits {

// The whole name in the normalisation form. A name holding bytes that are no
// text stays as it is (see HoldsUndecodableBytes).
std::u16string NormalizeName(std::u16string_view text, platform::NormalForm form);

}  // namespace morvalent::edits
