#pragma once

#include <array>
#include <optional>
#include <string>

#include "filelist/Columns.h"

namespace morvalent::app {

// The columns' widths when the window first opens; the shown columns never get
// narrower than these. The optional columns start hidden.
inline constexpr std::array<int, filelist::ColumnCount> kStartColumnWidths = {150, 150, 100, 0,
                                                                              0,   0,   0};

// Where the window was and how its columns were, as the user left them.
struct WindowState {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximised = false;
    // 0 for a hidden column.
    std::array<int, filelist::ColumnCount> widths = kStartColumnWidths;
};

std::string WindowStateText(const WindowState& state);
// Nothing for a text that is not a whole, sensible state.
std::optional<WindowState> ParseWindowState(std::string_view text);

// The widths to show in a list `available` pixels wide: each shown column as
// the user left it but never below its start width, and the folder column
// taking whatever is left over. The start widths are at 96 dots per inch and
// grow with `dpi`.
std::array<int, filelist::ColumnCount> FittedColumnWidths(
    const std::array<int, filelist::ColumnCount>& widths, int available, int dpi = 96);

}  // namespace morvalent::app
