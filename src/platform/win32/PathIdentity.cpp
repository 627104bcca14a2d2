#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::platform {

// Windows treats README and readme as one file. Listed paths are compared the way
// _wcsicmp does, folding only A-Z, whatever locale the C runtime has.
std::u16string PathIdentityKey(std::u16string_view path) { return FoldAscii(path); }

}  // namespace morvalent::platform
