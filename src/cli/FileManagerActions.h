#pragma once

#include <filesystem>
#include <iosfwd>
#include <vector>

// The file managers' "Morvalent로 이름 바꾸기" for one user: installed and removed
// by `--install-file-manager-actions` and `--remove-file-manager-actions`. Each
// system's file managers are in its own file (posix/, win32/).
namespace morvalent::cli {

enum class ActionOutcome {
    Created,        // a new file or registry key
    Added,          // our action merged into the user's own file
    Unchanged,      // already there
    Replaced,       // ours, pointing at another copy of the program: now at this one
    KeptOther,      // another file of that name, left as it is
    NotUnderstood,  // the user's file has no place for the action; left as it is
    Removed,        // ours, taken away
    NotThere,       // nothing of ours to take away
    Failed,         // could not be read or written
};

struct ActionResult {
    std::filesystem::path path;  // the file, or the registry key
    ActionOutcome outcome;
};

// `--install-file-manager-actions`: installs for the current user and says what
// it did, one line a place. The exit status: 0, or 1 when an action is missing.
int RunInstallFileManagerActions(std::ostream& out, std::ostream& err);

// `--remove-file-manager-actions`: takes away what the install put there and
// nothing else. The exit status: 0, or 1 when something of ours is left.
int RunRemoveFileManagerActions(std::ostream& out, std::ostream& err);

// One line a result, "<what>: <place>", on `out` for what went as asked and on
// `err` for the rest; the exit status as above.
int ReportActions(const std::vector<ActionResult>& results, std::ostream& out, std::ostream& err);

}  // namespace morvalent::cli
