#include "app/FolderBrowser.h"

#include "app/UserInterface.h"

namespace morvalent::app {

int FolderBrowser::Browse() {
    chosenPath = initialFolder;
    // Only a confirmed folder with a path counts; an empty path would name the root.
    if (ui_.ShowFolderBrowser(*this) == 1 && !chosenPath.empty()) return 1;
    return 2;
}

std::u16string FolderBrowser::ShortenForStatus(std::u16string_view text) {
    constexpr std::size_t kLimit = 35;
    if (text.size() <= kLimit) return std::u16string(text);
    return std::u16string(text.substr(0, kLimit)) + u"...";
}

}  // namespace morvalent::app
