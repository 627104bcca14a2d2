#include "app/FolderBrowser.h"

#include "app/UserPrompts.h"

namespace morvalent::app {

DialogResult FolderBrowser::Browse() {
    chosenPath = initialFolder;
    // Only a confirmed folder with a path counts; an empty path would name the root.
    if (prompts_.ShowFolderBrowser(*this) == DialogResult::Ok && !chosenPath.empty()) {
        return DialogResult::Ok;
    }
    return DialogResult::Cancel;
}

std::u16string FolderBrowser::ShortenForStatus(std::u16string_view text) {
    constexpr std::size_t kLimit = 35;
    if (text.size() <= kLimit) return std::u16string(text);
    return std::u16string(text.substr(0, kLimit)) + u"...";
}

}  // namespace morvalent::app
