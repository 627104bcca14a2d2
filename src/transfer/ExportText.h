#pragma once

#include <cstddef>
#include <optional>
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

// The first row whose value would not load back as it is, one value a line:
// empty, holding a line break or a zero, or beginning or ending with white space
// that reading trims. Nothing when every row's would.
std::optional<std::size_t> FirstRowNotLoadingBack(const filelist::FileList& list, bool paths);

// Every row's value in row order, each followed by CR LF.
std::u16string BuildExportText(const filelist::FileList& list, bool paths);

}  // namespace morvalent::transfer
