#include "support/MoveResultName.h"

namespace morvalent::testing {

std::string MoveResultName(platform::MoveResult result) {
    using platform::MoveResult;
    switch (result) {
        case MoveResult::Moved:
            return "Moved";
        case MoveResult::TargetExists:
            return "TargetExists";
        case MoveResult::SourceMissing:
            return "SourceMissing";
        case MoveResult::FolderAcrossDevices:
            return "FolderAcrossDevices";
        case MoveResult::Failed:
            return "Failed";
    }
    return "?";
}

}  // namespace morvalent::testing
