#pragma once

#include <span>
#include <variant>

#include "app/CommandId.h"
#include "app/KeyMessage.h"
#include "app/Outcome.h"

namespace morvalent::app {

class MainDialog;

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
    // A step of a recipe: the window records it and a recipe may hold it. A recipe
    // from someone else must not read or write files outside the list, nor change
    // which items are listed: exports, loads, gathering and clearing are no steps.
    bool recorded = true;
};

// Everything about one command. Rows of the table name every field they give
// (designated initializers); what a row leaves out is "none".
struct CommandInfo {
    CommandId id;
    const char16_t* caption;
    Chord chord = {};
    Needs needs;
    const char16_t* icon = u"";  // toolbar picture ("apply-renames.svg"); empty for none
    Outcome (MainDialog::*run)();
    bool (MainDialog::*checked)() const = nullptr;  // set for checkable commands
    TerminalOption option = {};
};

// Every command of the window, in id order.
std::span<const CommandInfo> AllCommands();
const CommandInfo* FindCommand(CommandId id);
// The command a key event runs, by its chord; none when no chord matches.
const CommandInfo* FindChord(const KeyMessage& message);
// Whether a Ctrl chord uses the key: its press then belongs to the window.
bool IsCtrlChordKey(Key key);

// A line between groups of a menu or toolbar.
struct Separator {
    friend constexpr bool operator==(Separator, Separator) = default;
};
inline constexpr Separator kSeparator{};
// An entry of a menu or toolbar: a separator or a command, told apart by type.
using MenuEntry = std::variant<Separator, CommandId>;

// The menus of the bar, for finding one without reading its caption.
enum class MenuId { File, Edit, View, Tools, Help };

// A menu: its caption and entries in order. A menu without a caption puts its
// commands directly on the bar.
struct MenuInfo {
    MenuId id;
    const char16_t* caption;
    std::span<const MenuEntry> entries;
};
std::span<const MenuInfo> MenuBar();
const MenuInfo& FindMenu(MenuId id);
// The items of the submenu a menu item opens; empty for a plain item.
std::span<const CommandId> SubmenuItems(CommandId id);

// Toolbars, top to bottom.
std::span<const MenuEntry> LeftToolbar();
std::span<const MenuEntry> RightToolbar();

}  // namespace morvalent::app
