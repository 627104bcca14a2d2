#include "ConflictTable.h"

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace morvalent::commit {

void PrintTo(Conflict conflict, std::ostream* out) {
    const char* names[] = {"None",    "EmptyName", "Duplicate", "Exists",
                           "TooLong", "Invalid",   "NoFolder"};
    *out << names[int(conflict)];
}

}  // namespace morvalent::commit

namespace morvalent::commit::conflict_testing {

void ExpectConflicts(const std::vector<ConflictCase>& cases, platform::FileSystem* through) {
    const auto native = platform::MakeNativeFileSystem();
    platform::FileSystem& fs = through != nullptr ? *through : *native;
    for (const ConflictCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        for (const std::string& item : c.disk) {
            if (item.ends_with('/')) {
                dir.MakeFolder(item);
            } else {
                dir.WriteFile(item, "x");
            }
        }
        filelist::PlainIconSource source;
        filelist::IconCache icons(source);
        filelist::FileList list(icons);
        for (const RowSpec& spec : c.rows) {
            filelist::FileEntry entry;
            entry.path = dir.Join(spec.path);
            entry.isFolder = spec.isFolder;
            const std::size_t row = list.InsertEntryRow(entry);
            list.SetNewName(row, spec.newName);
            if (!spec.folder.empty()) list.SetFolderText(row, dir.Join(spec.folder));
        }
        FolderNames disk(fs);
        EXPECT_EQ(FindConflicts(list, disk), c.expected);
    }
}

}  // namespace morvalent::commit::conflict_testing
