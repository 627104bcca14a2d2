#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePageStrict.h"

namespace morvalent::edits {

// A name garbled on its way from Korean Windows, read back as code page 949:
// - a name holding undecodable bytes (escaped as U+DC80..U+DCFF) whose bytes,
//   with the rest of the name, are clean CP949;
// - else a name shown as DOS 437, as Windows 1252 or as Latin-1 whose bytes there
//   are clean CP949 with at least one Hangul syllable, and in which no ASCII
//   character was taken as half of a Korean one.
// Anything else, plain ASCII and proper Hangul included, stays as it is.
std::u16string RepairEncoding(std::u16string_view text);

// The second of those rules for one code page: the text's bytes in `shownAs` read
// as CP949, when that is clean Korean text; nothing otherwise.
std::optional<std::u16string> ReadAsKorean(std::u16string_view shown, platform::CodePage shownAs);

}  // namespace morvalent::edits
