#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "cli/FileManagerActions.h"

// The actions of the file managers that keep them in the user's home folder:
// a Nautilus script and an action in Thunar's uca.xml.
namespace morvalent::cli {

// Where one user's file managers look for their own actions.
struct UserFolders {
    std::filesystem::path dataHome;    // $XDG_DATA_HOME, else ~/.local/share
    std::filesystem::path configHome;  // $XDG_CONFIG_HOME, else ~/.config
};

// From the environment; none when no home folder is known.
std::optional<UserFolders> UserFoldersFromEnvironment();

// Puts the "Morvalent로 이름 바꾸기" action where these file managers find it. The
// user's own actions and files are never replaced; a second run changes nothing.
// Results: the Nautilus script, then Thunar's file.
std::vector<ActionResult> InstallFileManagerActions(const UserFolders& folders);

// Takes our script and our Thunar action away; the user's own actions stay byte
// for byte, and a script of that name that is not ours stays.
std::vector<ActionResult> RemoveFileManagerActions(const UserFolders& folders);

}  // namespace morvalent::cli
