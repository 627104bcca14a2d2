#include "app/WindowState.h"

#include <algorithm>
#include <charconv>

namespace morvalent::app {

std::string WindowStateText(const WindowState& state) {
    std::string text = std::to_string(state.x) + ' ' + std::to_string(state.y) + ' ' +
                       std::to_string(state.width) + ' ' + std::to_string(state.height) + ' ' +
                       (state.maximised ? "1" : "0");
    for (int width : state.widths) text += ' ' + std::to_string(width);
    return text + '\n';
}

std::optional<WindowState> ParseWindowState(std::string_view text) {
    int values[5 + filelist::ColumnCount];
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int& value : values) {
        while (at != end && *at == ' ') ++at;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc()) return std::nullopt;
        at = next;
    }
    WindowState state;
    state.x = values[0];
    state.y = values[1];
    state.width = values[2];
    state.height = values[3];
    state.maximised = values[4] != 0;
    // A size no screen has is a damaged file, not a window to open.
    if (state.width < 100 || state.height < 100 || state.width > 20000 || state.height > 20000)
        return std::nullopt;
    for (int i = 0; i < filelist::ColumnCount; ++i)
        state.widths[i] = std::clamp(values[5 + i], 0, 20000);
    return state;
}

std::array<int, filelist::ColumnCount> FittedColumnWidths(
    const std::array<int, filelist::ColumnCount>& widths, int available, int dpi) {
    const auto least = [dpi](int column) { return (kStartColumnWidths[column] * dpi + 48) / 96; };
    std::array<int, filelist::ColumnCount> fitted{};
    int others = 0;
    for (int i = 0; i < filelist::ColumnCount; ++i) {
        if (widths[i] <= 0 && kStartColumnWidths[i] == 0) continue;
        fitted[i] = std::max(widths[i], least(i));
        if (i != filelist::ColFolder) others += fitted[i];
    }
    fitted[filelist::ColFolder] = std::max(least(filelist::ColFolder), available - others);
    return fitted;
}

}  // namespace morvalent::app
