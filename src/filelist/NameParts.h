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

}  // namespace morvalent::filelist
