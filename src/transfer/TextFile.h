#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "filelist/FileList.h"

namespace morvalent::transfer {

// Writes the export text of the list (BuildExportText) as a file: the UTF-16LE
// byte-order mark FF FE, then every unit low byte first, with no terminating zero.
// A file of that name is replaced only once the new one is complete. False when
// it could not be written; a file that was there is then left as it was.
bool WriteTextFile(std::u16string_view path, const filelist::FileList& list, bool paths);

// The text of a file, decoded as DecodeTextFile says; nothing when the file cannot
// be opened or read.
std::optional<std::u16string> ReadTextFile(std::u16string_view path);

}  // namespace morvalent::transfer
