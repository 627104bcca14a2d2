#include "app/ConflictTip.h"

#include "app/Texts.h"

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

}  // namespace morvalent::app
