#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "platform/Regex.h"

namespace morvalent::edits {

// Every match of the pattern in the whole name, extension included, replaced by
// the replacement with its group references filled in; the error when the
// replacement names a group the pattern lacks.
std::variant<std::u16string, platform::RegexError> ReplacePattern(std::u16string_view text,
                                                                  const platform::Regex& pattern,
                                                                  std::u16string_view replacement);

}  // namespace morvalent::edits
