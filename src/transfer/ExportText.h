#pragma once

#include <string>

#include "filelist/FileList.h"

namespace morvalent::transfer {

// What an export hands out and where.
enum class ExportMode : int {
    NewNamesToClipboard = 0,
    NewNamesToFile = 1,
    PathsToClipboard = 2,
    PathsToFile = 3,
};

// The row's value in an export: its new name, or the path of its entry (so a
// folder edit not yet committed is not in it).
const std::u16string& ExportValue(const filelist::FileList& list, std::size_t row, bool paths);

// Every row's value in row order, each followed by CR LF.
std::u16string BuildExportText(const filelist::FileList& list, bool paths);

}  // namespace morvalent::transfer
