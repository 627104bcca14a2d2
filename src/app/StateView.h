#pragma once

#include <cstddef>
#include <string>

namespace morvalent::app {

// What shows the program's state: command states, the status line, the list's
// columns and scrolling, the busy cursor. The window draws it; the terminal and
// tests keep or drop it.
class StateView {
  public:
    virtual ~StateView() = default;

    virtual void SetStatusText(const std::u16string& text) = 0;

    virtual void SetCommandEnabled(int command, bool enabled) = 0;
    virtual void SetCommandChecked(int command, bool checked) = 0;
    // A command whose caption changes while the program runs (a recent recipe);
    // an empty text hides it.
    virtual void SetCommandText(int /*command*/, const std::u16string& /*text*/) {}
    virtual void SetColumnWidth(int column, int width) = 0;
    virtual void FocusList() = 0;
    virtual void EnsureRowVisible(std::size_t row) = 0;

    // Around long work: a busy cursor, and a chance to repaint now and then.
    virtual void SetBusy(bool busy) = 0;
    virtual void KeepResponsive() = 0;

    virtual void CloseWindow() = 0;
};

}  // namespace morvalent::app
