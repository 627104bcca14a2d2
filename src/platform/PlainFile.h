#pragma once

#include <string_view>

namespace morvalent::platform {

// Whether the path names a plain file (after links): a pipe or a device may never
// end, or never open, and is no place to look for tags.
bool IsPlainFile(std::u16string_view path);

}  // namespace morvalent::platform
