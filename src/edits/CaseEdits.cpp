#include "edits/CaseEdits.h"

#include "edits/Concat.h"
#include "filelist/NameParts.h"
#include "platform/CaseMapping.h"

namespace morvalent::edits {

std::u16string ChangeCase(std::u16string_view text, bool isFolder, CaseChange change) {
    const std::u16string_view name = filelist::NamePartView(text, isFolder);
    const std::u16string_view extension = filelist::ExtensionView(text, isFolder);
    switch (change) {
        case CaseChange::NameLower:
            return Concat({platform::MapCase(name, platform::TextCase::Lower), extension});
        case CaseChange::NameUpper:
            return Concat({platform::MapCase(name, platform::TextCase::Upper), extension});
        case CaseChange::NameTitle:
            return Concat({platform::MapCase(name, platform::TextCase::Title), extension});
        case CaseChange::ExtensionLower:
            return Concat({name, platform::MapCase(extension, platform::TextCase::Lower)});
        case CaseChange::ExtensionUpper:
            return Concat({name, platform::MapCase(extension, platform::TextCase::Upper)});
    }
    return std::u16string(text);
}

}  // namespace morvalent::edits
