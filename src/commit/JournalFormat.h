#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileIdentity.h"

// A commit journal is a text file, one record a line, fields separated by tabs,
// every line ended by a line feed:
//
//   morvalent-journal  2                              first line: the format
//   start   TIME                                      the commit began
//   row     ROW  IDENTITY  SOURCE  TARGET             a rename planned for list row ROW
//   plan    COUNT                                     all COUNT rows above are written
//   row     ROW  IDENTITY  SOURCE  TARGET             a row not planned, renamed after all
//   from    ROW  SOURCE  TARGET                       moved with a renamed folder: the row's
//                                                     item lay at SOURCE, bound for TARGET
//   copy    ROW  IDENTITY                             a copy onto another volume is about
//                                                     to be named at the target; the
//                                                     source goes only after it is named
//   spare   ROW  KIND  IDENTITY  PATH                 a move without the system's no-replace
//                                                     rename is about to make (IDENTITY "-")
//                                                     or has made an item at PATH that lives
//                                                     until the move ends: KIND "placeholder"
//                                                     (an empty file or folder reserving the
//                                                     name), "link" (a second name) or
//                                                     "temporary" (the item itself, on its
//                                                     way to a name differing in case only)
//   done    ROW  [IDENTITY]                           renamed (IDENTITY, in older journals:
//                                                     a copy took the item's place)
//   failed  ROW                                       not renamed
//   end     TIME                                      the commit finished
//   undo    TIME                                      an undo began
//   copy    ROW  IDENTITY                             the undo's copy back onto the
//                                                     source's volume, as above
//   spare   ROW  KIND  IDENTITY  PATH                 the undo's own steps, as above
//   undone  ROW                                       the item is back at its source
//   kept    ROW                                       an interrupted row the disk shows
//                                                     was never renamed
//   undo-failed  ROW                                  could not be put back
//   undo-end     TIME                                 the undo finished
//
// Nothing renames before the plan is on stable storage, and the commit renames
// in the order of ROW, so what follows the plan is an account of the renames in
// order; a "from" or a late "row" line is written out before its rename, and a
// "copy" line is on stable storage before the copy has a name, a "spare" line
// without identity before its item can exist, and one with it is written out
// before the move goes on. Records are
// written in batches, so after a stop the disk tells what the last ones did. An
// undo that finds the last line cut short first ends it with the byte 0x18 and a
// line feed: a line ending in 0x18 is no record.
// In format 2 every line after the first ends with one more field, the line's
// check: the FNV-1a hash (32 bits) of the bytes before that field's tab, in 8
// hexadecimal digits. Any one byte changed, and most cuts, fail it: such a line is
// damage, not a record. Format 1 (no checks) is still read.
// TIME is 100-nanosecond ticks since 1601 (UTC), in decimal. IDENTITY is
// VOLUME:FILEHIGH:FILE:BIRTH in hexadecimal, BIRTH "-" when the file system keeps
// none, or a lone "-" when the identity could not be read. SOURCE and TARGET are
// the paths in UTF-8 as they are, except that '%' and control characters are
// written %XX, a byte that is not UTF-8 (a lone U+DC80..U+DCFF inside) %XX with
// XX from 80 up, and any other lone surrogate %uXXXX: so every name comes back
// exactly, and reads as itself where it is UTF-8.
namespace morvalent::commit::journal {

void AppendText(std::string& line, std::u16string_view text);
// Nothing when the field is not a text this format writes.
std::optional<std::u16string> ParseText(std::string_view field);

void AppendIdentity(std::string& line, const std::optional<platform::FileIdentity>& identity);
// The outer nothing when the field is malformed; the inner one for "-".
std::optional<std::optional<platform::FileIdentity>> ParseIdentity(std::string_view field);

// The check of a line's record (JournalFormat 2): its bytes before the check field.
std::uint32_t LineCheck(std::string_view record);
// Adds the tab and check field to the record in `text` that starts at `start`.
void AppendCheck(std::string& text, std::size_t start);
// The record without its check field; nothing when the field is missing or wrong.
std::optional<std::string_view> CheckedRecord(std::string_view line);

void AppendNumber(std::string& line, std::uint64_t value);
std::optional<std::uint64_t> ParseNumber(std::string_view field);
std::optional<std::int64_t> ParseTime(std::string_view field);

}  // namespace morvalent::commit::journal
