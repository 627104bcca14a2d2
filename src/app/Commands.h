#pragma once

#include <span>

#include "app/KeyMessage.h"
#include "app/Outcome.h"

namespace morvalent::app {

class MainDialog;

// Command identifiers, as menu items and toolbar buttons carry them.
enum Command : int {
    CmdOk = 1,
    CmdExit = 2,
    CmdApplyRenames = 32771,
    CmdReplaceString = 32772,
    CmdAddPrefix = 32773,
    CmdAddSuffix = 32774,
    CmdEraseName = 32775,
    CmdDeleteByPosition = 32776,
    CmdDeleteEnclosed = 32777,
    CmdKeepDigitsOnly = 32778,
    CmdPadDigits = 32779,
    CmdNumberRows = 32780,
    CmdRevertNewNames = 32781,
    CmdClearList = 32782,
    CmdDirectRename = 32783,
    CmdSortList = 32784,
    CmdPrefixFolderName = 32785,
    CmdSuffixFolderName = 32786,
    CmdUnifyFolder = 32787,
    CmdDeleteExtension = 32788,
    CmdAddExtension = 32789,
    CmdChangeExtension = 32790,
    CmdAddFiles = 32791,
    CmdCopyNames = 32792,
    CmdSaveNames = 32793,
    CmdCopyPaths = 32794,
    CmdSavePaths = 32795,
    CmdLoadNewNames = 32796,
    CmdLoadPathList = 32797,
    CmdMoveUp = 32798,
    CmdMoveDown = 32799,
    CmdShowFullPath = 32800,
    CmdShowSize = 32801,
    CmdShowModified = 32802,
    CmdShowCreated = 32803,
    CmdVersion = 32804,
    CmdChangeCase = 32805,
    CmdReplacePattern = 32806,
    CmdNormalizeNames = 32807,
    CmdRepairEncoding = 32808,
    CmdAddDate = 32809,
    CmdUndoCommit = 32810,
    CmdShowHistory = 32811,
    CmdNextConflict = 32812,
    CmdSaveRecipe = 32830,
    CmdRunRecipe = 32831,
    CmdRecentRecipes = 32832,  // the submenu of the recipes used last
    CmdRecentRecipe1 = 32833,  // ... up to CmdRecentRecipe1 + RecentRecipes::kMostKept - 1
    CmdRecentRecipe2 = 32834,
    CmdRecentRecipe3 = 32835,
    CmdRecentRecipe4 = 32836,
    CmdRecentRecipe5 = 32837,
};

// When a command is enabled.
enum class Needs {
    Always,
    Rows,
    Selection,
    RowsAndRegex,  // rows, in a build that has regular expressions
};

// The key that runs a command. A chord with Ctrl acts when its key is released
// (Shift as given, or held in vain when the key has no Shift chord); a plain key
// acts when pressed, whatever else is held.
struct Chord {
    Key key = Key::Other;  // Other: no key
    bool ctrl = false;
    bool shift = false;
    const char16_t* label = u"";  // shown after a tab in the menu; may be empty
    // Kept from the window even when the command cannot run now.
    bool alwaysTaken = false;
};

// The terminal's step for a command that maps to one option.
struct TerminalOption {
    const char* name = nullptr;   // "--replace"; none when null
    int values = 0;               // dialog texts that follow it
    const char* valueNames = "";  // for the usage text: "찾을문자 바꿀문자"
    // The window records the command as a step of its recipe; exports, gathering
    // and clearing the list are no steps.
    bool recorded = true;
};

// Everything about one command.
struct CommandInfo {
    int id;
    const char16_t* caption;
    Chord chord;
    Needs needs;
    const char16_t* icon;  // toolbar picture ("apply-renames.svg"); empty for none
    Outcome (MainDialog::*run)();
    bool (MainDialog::*checked)() const;  // set for checkable commands
    TerminalOption option;
};

// Every command of the window, in id order.
std::span<const CommandInfo> AllCommands();
const CommandInfo* FindCommand(int id);
// The command a key event runs, by its chord; none when no chord matches.
const CommandInfo* FindChord(const KeyMessage& message);
// Whether a Ctrl chord uses the key: its press then belongs to the window.
bool IsCtrlChordKey(Key key);

// Menus: a caption and command ids in order; 0 stands for a separator.
struct MenuInfo {
    const char16_t* caption;
    std::span<const int> items;
};
std::span<const MenuInfo> MenuBar();
// The items of the submenu a menu item opens; empty for a plain item.
std::span<const int> SubmenuItems(int id);

// Toolbars, top to bottom; 0 stands for a separator.
std::span<const int> LeftToolbar();
std::span<const int> RightToolbar();

}  // namespace morvalent::app
