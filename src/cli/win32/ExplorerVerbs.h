#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/FileManagerActions.h"

// Explorer's "Morvalent로 이름 바꾸기" on files, folders and a folder's background,
// as the installer writes it, for one user (a copy of the program run from where
// it was unpacked).
namespace morvalent::cli {

// The user's classes, as Explorer reads them.
inline constexpr std::u16string_view kUserClasses = u"Software\\Classes";

// Writes the three verbs under HKEY_CURRENT_USER\<classes> to start `program`
// (the full path of morvalent.exe). A verb of ours that starts another copy is
// pointed at this one. Results: files, folders, folder background.
std::vector<ActionResult> InstallExplorerVerbs(std::u16string_view classes,
                                               std::u16string_view program);

// Deletes the three verbs' keys under HKEY_CURRENT_USER\<classes>, and nothing else.
std::vector<ActionResult> RemoveExplorerVerbs(std::u16string_view classes);

}  // namespace morvalent::cli
