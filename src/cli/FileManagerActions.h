#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <vector>

namespace morvalent::cli {

// Where one user's file managers look for their own actions.
struct UserFolders {
    std::filesystem::path dataHome;    // $XDG_DATA_HOME, else ~/.local/share
    std::filesystem::path configHome;  // $XDG_CONFIG_HOME, else ~/.config
};

// From the environment; none when no home folder is known (or on Windows, where
// these file managers do not run).
std::optional<UserFolders> UserFoldersFromEnvironment();

enum class ActionOutcome {
    Created,        // a new file
    Added,          // our action merged into the user's own file
    Unchanged,      // already there
    KeptOther,      // another file of that name, left as it is
    NotUnderstood,  // the user's file has no place for the action; left as it is
    Failed,         // could not be read or written
};

struct ActionResult {
    std::filesystem::path path;
    ActionOutcome outcome;
};

// Puts the "Morvalent로 이름 바꾸기" action where the per-user file managers find
// it: a Nautilus script and an action in Thunar's uca.xml. The user's own
// actions and files are never replaced; a second run changes nothing.
std::vector<ActionResult> InstallFileManagerActions(const UserFolders& folders);

// `--install-file-manager-actions`: installs for the current user and says what
// it did, one line a file. The exit status: 0, or 1 when an action is missing.
int RunInstallFileManagerActions(std::ostream& out, std::ostream& err);

}  // namespace morvalent::cli
