#include "edits/FolderEdits.h"

#include "edits/Concat.h"
#include "edits/EditTexts.h"
#include "filelist/NameParts.h"
#include "platform/Path.h"

namespace morvalent::edits {

using platform::kPathSeparator;

bool HasFolderName(std::u16string_view folderText) {
    return folderText.find(kPathSeparator) != std::u16string_view::npos;
}

std::optional<std::u16string> PrefixFolderName(std::u16string_view newName,
                                               std::u16string_view folderText) {
    if (!HasFolderName(folderText)) return std::nullopt;
    return Concat({filelist::NamePartView(folderText, true), texts::kFolderNameSeparator, newName});
}

std::optional<std::u16string> SuffixFolderName(std::u16string_view newName, bool isFolder,
                                               std::u16string_view folderText) {
    if (!HasFolderName(folderText)) return std::nullopt;
    return Concat({filelist::NamePartView(newName, isFolder), texts::kFolderNameSeparator,
                   filelist::NamePartView(folderText, true),
                   filelist::ExtensionView(newName, isFolder)});
}

std::u16string UnifiedFolderText(std::u16string_view chosenPath) {
    if (!chosenPath.empty() && chosenPath.back() == kPathSeparator) chosenPath.remove_suffix(1);
    return std::u16string(chosenPath);
}

}  // namespace morvalent::edits
