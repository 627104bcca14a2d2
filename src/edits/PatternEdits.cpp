#include "edits/PatternEdits.h"

namespace morvalent::edits {

std::variant<std::u16string, platform::RegexError> ReplacePattern(std::u16string_view text,
                                                                  const platform::Regex& pattern,
                                                                  std::u16string_view replacement) {
    return pattern.ReplaceAll(text, replacement);
}

}  // namespace morvalent::edits
