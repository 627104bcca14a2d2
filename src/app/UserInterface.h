#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace morvalent::app {

class InputDialog;
class FolderBrowser;

struct FileFilter {
    std::u16string caption;  // "Text Files(*.txt)"
    std::u16string pattern;  // "*.txt"
};

struct FileDialogRequest {
    enum class Mode { OpenMany, OpenOne, Save };
    Mode mode = Mode::OpenOne;
    std::u16string title;
    std::vector<FileFilter> filters;
    // Save: added when the user gives no extension ("txt").
    std::u16string defaultExtension;
};

// Everything the program asks of the user or tells the window, so that the window,
// the terminal front end and tests can each answer in their own way.
class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // A modal message with an OK button, captioned with the program's title.
    virtual void ShowMessage(const std::u16string& text) = 0;
    // A modal message with the given caption and OK.
    virtual void ShowMessage(const std::u16string& text, const std::u16string& caption) = 0;
    // Yes/No: true for Yes; closing the box counts as Yes.
    virtual bool AskYesNo(const std::u16string& text, const std::u16string& caption) = 0;
    // OK/Cancel: true for OK.
    virtual bool AskOkCancel(const std::u16string& text) = 0;

    // Shows the dialog; on OK (1) it stores the user's texts and choice in it.
    // Returns 1 for OK, 2 for Cancel.
    virtual int ShowInputDialog(InputDialog& dialog) = 0;
    // Shows the folder browser; on OK (1) it sets the browser's chosen path.
    virtual int ShowFolderBrowser(FolderBrowser& browser) = 0;
    // Open or save dialog: the chosen paths, empty when cancelled. A save dialog
    // has asked before replacing an existing file.
    virtual std::vector<std::u16string> ChooseFiles(const FileDialogRequest& request) = 0;

    virtual void SetClipboardText(const std::u16string& text) = 0;
    virtual void SetStatusText(const std::u16string& text) = 0;

    virtual void SetCommandEnabled(int command, bool enabled) = 0;
    virtual void SetCommandChecked(int command, bool checked) = 0;
    virtual void SetColumnWidth(int column, int width) = 0;
    virtual void FocusList() = 0;
    virtual void EnsureRowVisible(std::size_t row) = 0;

    // Around long work: a busy cursor, and a chance to repaint now and then.
    virtual void SetBusy(bool busy) = 0;
    virtual void KeepResponsive() = 0;

    virtual void CloseWindow() = 0;
};

}  // namespace morvalent::app
