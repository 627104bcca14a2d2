#pragma once

#include <string_view>

namespace morvalent::edits {

// Whether the name holds bytes that were no UTF-8 on disk (unpaired surrogates).
// Such a name is not text yet: the characters around those bytes may be halves
// of Korean characters read wrongly, and changing their case or composition
// would change the bytes that 깨진 이름 복구 needs. Case and normalisation leave
// such names alone.
bool HoldsUndecodableBytes(std::u16string_view text);

}  // namespace morvalent::edits
