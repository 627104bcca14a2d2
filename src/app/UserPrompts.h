#pragma once

#include <string>
#include <vector>

#include "app/DialogResult.h"

namespace morvalent::app {

class InputDialog;
class FolderBrowser;
class HistoryDialog;

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

// Everything the program asks of the user or hands to the user, so that the
// window, the terminal and tests can each answer in their own way. No member has
// a default: a front end or a decorator that forgets one does not build.
class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // A modal message with an OK button, captioned with the program's title.
    virtual void ShowMessage(const std::u16string& text) = 0;
    // A modal message with the given caption and OK.
    virtual void ShowMessage(const std::u16string& text, const std::u16string& caption) = 0;
    // Yes/No: true for Yes; closing the box counts as Yes.
    virtual bool AskYesNo(const std::u16string& text, const std::u16string& caption) = 0;
    // OK/Cancel: true for OK.
    virtual bool AskOkCancel(const std::u16string& text) = 0;

    // Shows the dialog; on OK it stores the user's texts and choice in it.
    virtual DialogResult ShowInputDialog(InputDialog& dialog) = 0;
    // Shows the folder browser; on OK it sets the browser's chosen path.
    virtual DialogResult ShowFolderBrowser(FolderBrowser& browser) = 0;
    // Open or save dialog: the chosen paths, empty when cancelled. A save dialog
    // has asked before replacing an existing file.
    virtual std::vector<std::u16string> ChooseFiles(const FileDialogRequest& request) = 0;
    // A folder chooser (several folders where the platform's dialog allows): the
    // chosen folders, empty when cancelled.
    virtual std::vector<std::u16string> ChooseFolders(const std::u16string& title) = 0;

    virtual void SetClipboardText(const std::u16string& text) = 0;

    // The list of commits; OK when the user chose one to undo. Without a window
    // there is nothing to choose from: Cancel.
    virtual DialogResult ShowHistory(HistoryDialog& dialog) = 0;
};

}  // namespace morvalent::app
