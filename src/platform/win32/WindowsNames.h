#pragma once

#include <string_view>

namespace morvalent::platform {

// Whether Windows can hold `name` (one part of a path) exactly as written.
bool IsAcceptableName(std::wstring_view name);

}  // namespace morvalent::platform
