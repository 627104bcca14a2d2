#pragma once

#include <string>
#include <string_view>

namespace morvalent::app {

class UserInterface;

// Lets the user pick one folder of the file system. Made for one browse.
class FolderBrowser {
  public:
    FolderBrowser(UserInterface& ui, std::u16string titleText, std::u16string initial = {})
        : title(std::move(titleText)), initialFolder(std::move(initial)), ui_(ui) {}

    // 1 when the user confirmed a folder with a path, 2 otherwise.
    int Browse();
    std::u16string GetPath() const { return chosenPath; }

    // The text for the browser's status line: at most 35 units, then "...".
    static std::u16string ShortenForStatus(std::u16string_view text);

    std::u16string title;
    std::u16string initialFolder;
    std::u16string chosenPath;

  private:
    UserInterface& ui_;
};

}  // namespace morvalent::app
