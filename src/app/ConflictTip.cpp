#include "app/ConflictTip.h"

#include "app/Texts.h"
#include "filelist/NameChange.h"

namespace morvalent::app {

std::u16string_view ConflictTip(commit::Conflict conflict) {
    switch (conflict) {
        case commit::Conflict::None:
            break;
        case commit::Conflict::EmptyName:
            return texts::kConflictEmpty;
        case commit::Conflict::Duplicate:
            return texts::kConflictDuplicate;
        case commit::Conflict::Exists:
            return texts::kConflictExists;
        case commit::Conflict::TooLong:
            return texts::kConflictTooLong;
        case commit::Conflict::Invalid:
            return texts::kConflictInvalid;
        case commit::Conflict::NoFolder:
            return texts::kConflictNoFolder;
    }
    return {};
}

std::u16string UnseenChangeTip(std::uint8_t unseen) {
    std::u16string tip;
    const std::pair<std::uint8_t, const char16_t*> kinds[] = {
        {filelist::kUnseenNormalization, texts::kUnseenNormalization},
        {filelist::kUnseenWidth, texts::kUnseenWidth},
        {filelist::kUnseenEdgeSpaces, texts::kUnseenEdgeSpaces},
    };
    for (const auto& [bit, text] : kinds) {
        if ((unseen & bit) == 0) continue;
        if (!tip.empty()) tip += texts::kUnseenSeparator;
        tip += text;
    }
    return tip;
}

}  // namespace morvalent::app
