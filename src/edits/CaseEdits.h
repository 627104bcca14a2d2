#pragma once

#include <string>
#include <string_view>

namespace morvalent::edits {

// Which part of a name changes case, and how.
enum class CaseChange { NameLower, NameUpper, NameTitle, ExtensionLower, ExtensionUpper };

// The name with its name part or its extension (from the last dot, a folder has
// none) in the chosen case; the other part stays as it is. A name holding bytes
// that are no text stays as it is (see HoldsUndecodableBytes).
std::u16string ChangeCase(std::u16string_view text, bool isFolder, CaseChange change);

}  // namespace morvalent::edits
