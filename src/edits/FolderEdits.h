#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::edits {

// Whether a row takes part in the folder-name edits: its folder text holds a
// separator (a file directly in the root, folder text "", does not).
bool HasFolderName(std::u16string_view folderText);

// The folder name of a row is the last component of its folder text.

// Folder name, "_", the whole new name; nothing for a row that does not take part.
std::optional<std::u16string> PrefixFolderName(std::u16string_view newName,
                                               std::u16string_view folderText);

// The new name with "_" and the folder name behind its name part, as AddSuffix
// would put them, in one piece; nothing for a row that does not take part.
std::optional<std::u16string> SuffixFolderName(std::u16string_view newName, bool isFolder,
                                               std::u16string_view folderText);

// The folder text for a chosen folder: one trailing separator removed, so the
// root "/" becomes "" and every target is "/" + name.
std::u16string UnifiedFolderText(std::u16string_view chosenPath);

}  // namespace morvalent::edits
