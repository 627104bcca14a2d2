#pragma once

#include <string>
#include <string_view>

namespace morvalent::platform {

enum class TextCase { Lower, Upper, Title };

// Case mapping that is the same in every locale (no Turkish dotless i), with the
// full mappings where the system has them ("ß" upper-cases to "SS"). Title case
// capitalises the first letter of each word, as the word-boundary rules find
// words ("don't" is one word), and lower-cases the rest of it.
std::u16string MapCase(std::u16string_view text, TextCase to);
// The same, appended to `out`: a name built in one string needs one allocation.
void AppendMappedCase(std::u16string& out, std::u16string_view text, TextCase to);

// Whether this system can title-case at all; where it cannot, MapCase leaves the
// text as it is for TextCase::Title.
bool CanMapTitleCase();

}  // namespace morvalent::platform
