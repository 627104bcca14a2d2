#pragma once

#include <cstddef>
#include <iosfwd>

namespace morvalent::app {

// Command identifiers, as menu items, toolbar buttons and recipe steps carry
// them. The numbers are kept stable: recipes written by older builds name them.
enum class CommandId : int {
    Ok = 1,
    Exit = 2,
    ApplyRenames = 32771,
    ReplaceString = 32772,
    AddPrefix = 32773,
    AddSuffix = 32774,
    EraseName = 32775,
    DeleteByPosition = 32776,
    DeleteEnclosed = 32777,
    KeepDigitsOnly = 32778,
    PadDigits = 32779,
    NumberRows = 32780,
    RevertNewNames = 32781,
    ClearList = 32782,
    DirectRename = 32783,
    SortList = 32784,
    PrefixFolderName = 32785,
    SuffixFolderName = 32786,
    UnifyFolder = 32787,
    DeleteExtension = 32788,
    AddExtension = 32789,
    ChangeExtension = 32790,
    AddFiles = 32791,
    CopyNames = 32792,
    SaveNames = 32793,
    CopyPaths = 32794,
    SavePaths = 32795,
    LoadNewNames = 32796,
    LoadPathList = 32797,
    MoveUp = 32798,
    MoveDown = 32799,
    ShowFullPath = 32800,
    ShowSize = 32801,
    ShowModified = 32802,
    ShowCreated = 32803,
    Version = 32804,
    ChangeCase = 32805,
    ReplacePattern = 32806,
    NormalizeNames = 32807,
    RepairEncoding = 32808,
    AddDate = 32809,
    UndoCommit = 32810,
    ShowHistory = 32811,
    NextConflict = 32812,
    AddFolders = 32813,
    AddInfo = 32814,
    SaveRecipe = 32830,
    RunRecipe = 32831,
    RecentRecipes = 32832,  // the submenu of the recipes used last
    RecentRecipe1 = 32833,  // ... up to RecentRecipe1 + RecentRecipes::kMostKept - 1
    RecentRecipe2 = 32834,
    RecentRecipe3 = 32835,
    RecentRecipe4 = 32836,
    RecentRecipe5 = 32837,
};

// The id of the n-th (0-based) recent recipe's menu item.
constexpr CommandId RecentRecipeCommand(std::size_t index) {
    return CommandId(int(CommandId::RecentRecipe1) + int(index));
}

constexpr int IdNumber(CommandId id) { return static_cast<int>(id); }

// Writes the number, for test and log messages.
std::ostream& operator<<(std::ostream& out, CommandId id);

}  // namespace morvalent::app
