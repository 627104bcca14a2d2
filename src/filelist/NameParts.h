#pragma once

#include <string>
#include <string_view>

namespace morvalent::filelist {

// The text before the last separator (empty without one).
std::u16string GetFolderPart(std::u16string_view text);
// The text after the last separator: to the end when `wholeName`, else up to the
// last dot of the whole text. Empty when nothing lies between.
std::u16string GetNamePart(std::u16string_view text, bool wholeName);
// From the last dot to the end, dot included; empty for folders and without a dot.
std::u16string GetExtension(std::u16string_view text, bool isFolder);

// The same parts as views into `text`, for loops over many rows that build one
// new text from them without copying each part first.
std::u16string_view FolderPartView(std::u16string_view text);
std::u16string_view NamePartView(std::u16string_view text, bool wholeName);
std::u16string_view ExtensionView(std::u16string_view text, bool isFolder);

}  // namespace morvalent::filelist
