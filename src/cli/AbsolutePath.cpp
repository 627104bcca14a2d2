#include "cli/AbsolutePath.h"

#include "platform/Path.h"

namespace morvalent::cli {

std::u16string AbsolutePath(std::u16string_view path) { return platform::FullPath(path); }

}  // namespace morvalent::cli
