#pragma once

#include <span>
#include <string>

namespace morvalent::app {

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
};

inline constexpr int kFirstCommand = CmdApplyRenames;
inline constexpr int kLastCommand = CmdVersion;

// When a command is enabled.
enum class Needs { Always, Rows, Selection };

struct CommandInfo {
    int id;
    const char16_t* caption;
    const char16_t* shortcutLabel;  // shown after a tab in the menu; may be empty
    Needs needs;
};

// Every command of the window, in id order.
std::span<const CommandInfo> AllCommands();
const CommandInfo* FindCommand(int id);

// Menus: a caption and command ids in order; 0 stands for a separator.
struct MenuInfo {
    const char16_t* caption;
    std::span<const int> items;
};
std::span<const MenuInfo> MenuBar();

// Toolbars, top to bottom; 0 stands for a separator.
std::span<const int> LeftToolbar();
std::span<const int> RightToolbar();

}  // namespace morvalent::app
