#pragma once

#include <string>
#include <string_view>

#include "filelist/FileList.h"

namespace morvalent::transfer {

// What an export hands out and where.
enum class ExportMode : int {
    NewNamesToClipboard = 0,
    NewNamesToFile = 1,
    PathsToClipboard = 2,
    PathsToFile = 3,
};

// Every row's new name, or the path of its entry, in row order, each followed by
// CR LF. Paths come from the entries, so a folder edit not yet committed is not in them.
std::u16string BuildExportText(const filelist::FileList& list, bool paths);

// The bytes of a text file: the UTF-16LE byte-order mark, then every unit of the
// text, low byte first, with no terminating zero.
std::string EncodeTextFile(std::u16string_view text);

}  // namespace morvalent::transfer
