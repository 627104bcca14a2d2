#include "edits/ExtensionEdits.h"

#include "edits/Concat.h"
#include "filelist/NameParts.h"

namespace morvalent::edits {

std::u16string DeleteExtension(std::u16string_view text, bool isFolder) {
    return filelist::GetNamePart(text, isFolder);
}

std::u16string ExtensionText(std::u16string_view typed) {
    if (typed.empty() || typed.front() == u'.') return std::u16string(typed);
    return Concat({u".", typed});
}

std::u16string AddExtension(std::u16string_view text, std::u16string_view extension) {
    return Concat({text, extension});
}

std::u16string ChangeExtension(std::u16string_view text, bool isFolder,
                               std::u16string_view extension) {
    return Concat({filelist::NamePartView(text, isFolder), extension});
}

}  // namespace morvalent::edits
