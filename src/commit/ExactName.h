#pragma once

#include <string_view>

namespace morvalent::commit {

// Whether renaming `source` to `target` puts on disk exactly the name shown: the
// target converts to the system's form and back unchanged, and its name holds no
// undecodable unit (an unpaired surrogate, which shows as a replacement mark)
// that the source path does not hold itself. So a name read from disk with raw
// bytes keeps them, while half a character left by an edit never reaches the disk.
bool IsExactTarget(std::u16string_view source, std::u16string_view target);

}  // namespace morvalent::commit
