#pragma once

#include <string>
#include <string_view>

#include "app/DialogResult.h"

namespace morvalent::app {

class UserPrompts;

// Lets the user pick one folder of the file system. Made for one browse.
class FolderBrowser {
  public:
    FolderBrowser(UserPrompts& prompts, std::u16string titleText, std::u16string initial = {})
        : title(std::move(titleText)), initialFolder(std::move(initial)), prompts_(prompts) {}

    // Ok when the user confirmed a folder with a path.
    DialogResult Browse();
    std::u16string GetPath() const { return chosenPath; }

    // The text for the browser's status line: at most 35 units, then "...".
    static std::u16string ShortenForStatus(std::u16string_view text);

    std::u16string title;
    std::u16string initialFolder;
    std::u16string chosenPath;

  private:
    UserPrompts& prompts_;
};

}  // namespace morvalent::app
