#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "commit/Conflicts.h"
#include "platform/FileSystem.h"

namespace morvalent::commit {
// Names in failure messages instead of bytes.
void PrintTo(Conflict conflict, std::ostream* out);
}  // namespace morvalent::commit

// The conflict tables of every system run rows against a fresh temporary folder.
namespace morvalent::commit::conflict_testing {

struct RowSpec {
    std::u16string path;  // below the temporary folder, written with '/'
    std::u16string newName;
    std::u16string folder = {};  // a folder text set by an edit, below the temporary folder
    bool isFolder = false;
};

struct ConflictCase {
    const char* name;
    // Made first: files, or folders where written with a trailing '/'.
    std::vector<std::string> disk;
    std::vector<RowSpec> rows;
    std::vector<Conflict> expected;
};

// Through `fs` when given, else the native file system.
void ExpectConflicts(const std::vector<ConflictCase>& cases, platform::FileSystem* fs = nullptr);

}  // namespace morvalent::commit::conflict_testing
