#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace morvalent::edits {

// The pieces one after the other, in one allocation: the edits build every new
// name from views of the old one, a million rows at a time.
std::u16string Concat(std::initializer_list<std::u16string_view> pieces);

}  // namespace morvalent::edits
