#pragma once

#include <cstddef>
#include <string>

#include "app/CommandId.h"
#include "filelist/Columns.h"

namespace morvalent::app {

// What shows the program's state: command states, the status line, the list's
// columns and scrolling, the busy cursor. The window draws it; the terminal and
// tests keep or drop it. No member has a default: a new front end says what it
// does with each.
class StateView {
  public:
    virtual ~StateView() = default;

    virtual void SetStatusText(const std::u16string& text) = 0;

    virtual void SetCommandEnabled(CommandId command, bool enabled) = 0;
    virtual void SetCommandChecked(CommandId command, bool checked) = 0;
    // A command whose caption changes while the program runs (a recent recipe);
    // an empty text hides it.
    virtual void SetCommandText(CommandId command, const std::u16string& text) = 0;
    virtual void SetColumnWidth(filelist::Column column, int width) = 0;
    virtual void FocusList() = 0;
    virtual void EnsureRowVisible(std::size_t row) = 0;

    // Around long work: a busy cursor, and a chance to repaint now and then.
    virtual void SetBusy(bool busy) = 0;
    virtual void KeepResponsive() = 0;

    virtual void CloseWindow() = 0;

    // The rows' marks changed (MainDialog::Conflicts, or MainDialog::Failures after
    // a commit or undo): marked rows repaint.
    virtual void ConflictsChanged() = 0;
};

}  // namespace morvalent::app
