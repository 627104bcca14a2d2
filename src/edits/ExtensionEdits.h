#pragma once

#include <string>
#include <string_view>

namespace morvalent::edits {

// The name part alone: a file loses its extension, a folder keeps its dots.
std::u16string DeleteExtension(std::u16string_view text, bool isFolder);

// The typed extension with one "." in front unless it begins with one; nothing
// is trimmed. Empty stays empty (the edits then change nothing).
std::u16string ExtensionText(std::u16string_view typed);

// The whole text followed by the extension text, whatever is there already.
std::u16string AddExtension(std::u16string_view text, std::u16string_view extension);

// The name part followed by the extension text.
std::u16string ChangeExtension(std::u16string_view text, bool isFolder,
                               std::u16string_view extension);

}  // namespace morvalent::edits
