#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

enum class NormalForm { Nfc, Nfd, Nfkc };

// The text in the Unicode normalisation form; nothing when the system cannot
// normalise it (it holds an unpaired surrogate, say).
std::optional<std::u16string> Normalize(std::u16string_view text, NormalForm form);

}  // namespace morvalent::platform
