#include "edits/FolderEdits.h"

#include "edits/EditTexts.h"
#include "filelist/NameParts.h"
#include "platform/Path.h"

namespace morvalent::edits {

using platform::kPathSeparator;

std::u16string FolderName(std::u16string_view folderText) {
    return filelist::GetNamePart(folderText, true);
}

bool HasFolderName(std::u16string_view folderText) {
    return folderText.find(kPathSeparator) != std::u16string_view::npos;
}

std::optional<std::u16string> PrefixFolderName(std::u16string_view newName,
                                               std::u16string_view folderText) {
    if (!HasFolderName(folderText)) return std::nullopt;
    std::u16string out = FolderName(folderText);
    out.append(texts::kFolderNameSeparator);
    out.append(newName);
    return out;
}

std::optional<std::u16string> FolderNameSuffix(std::u16string_view folderText) {
    if (!HasFolderName(folderText)) return std::nullopt;
    return texts::kFolderNameSeparator + FolderName(folderText);
}

std::u16string UnifiedFolderText(std::u16string_view chosenPath) {
    if (!chosenPath.empty() && chosenPath.back() == kPathSeparator) chosenPath.remove_suffix(1);
    return std::u16string(chosenPath);
}

}  // namespace morvalent::edits
