#pragma once

#include <string>
#include <string_view>

namespace morvalent::cli {

// A path typed on the command line as the window would be handed it: absolute,
// without "." or ".." parts and without a trailing separator. The folders above
// the item are resolved on disk (so "link/.." means what the system means by
// it); the item itself is kept as named, so a link stays the link. A path that
// cannot be resolved is made absolute by its text alone.
std::u16string AbsolutePath(std::u16string_view path);

}  // namespace morvalent::cli
