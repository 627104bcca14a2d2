#include "cli/FileManagerActions.h"

#include <ostream>
#include <string>

#include "cli/CliTexts.h"

namespace morvalent::cli {
namespace {

const char* OutcomeText(ActionOutcome outcome) {
    switch (outcome) {
        case ActionOutcome::Created:
            return texts::kActionCreated;
        case ActionOutcome::Added:
            return texts::kActionAdded;
        case ActionOutcome::Unchanged:
            return texts::kActionUnchanged;
        case ActionOutcome::Replaced:
            return texts::kActionReplaced;
        case ActionOutcome::KeptOther:
            return texts::kActionKeptOther;
        case ActionOutcome::NotUnderstood:
            return texts::kActionNotUnderstood;
        case ActionOutcome::Removed:
            return texts::kActionRemoved;
        case ActionOutcome::NotThere:
            return texts::kActionNotThere;
        case ActionOutcome::Failed:
            break;
    }
    return texts::kActionFailed;
}

// Went as the user asked: the action is in place, or gone.
bool AsAsked(ActionOutcome outcome) {
    switch (outcome) {
        case ActionOutcome::Created:
        case ActionOutcome::Added:
        case ActionOutcome::Unchanged:
        case ActionOutcome::Replaced:
        case ActionOutcome::Removed:
        case ActionOutcome::NotThere:
            return true;
        case ActionOutcome::KeptOther:
        case ActionOutcome::NotUnderstood:
        case ActionOutcome::Failed:
            break;
    }
    return false;
}

}  // namespace

int ReportActions(const std::vector<ActionResult>& results, std::ostream& out, std::ostream& err) {
    int status = 0;
    for (const ActionResult& result : results) {
        std::ostream& stream = AsAsked(result.outcome) ? out : err;
        // The place as the system names it: a POSIX path's own bytes, a Windows one in UTF-8.
        const std::u8string place = result.path.u8string();
        stream << OutcomeText(result.outcome) << std::string(place.begin(), place.end()) << '\n';
        if (!AsAsked(result.outcome)) status = 1;
    }
    out.flush();
    err.flush();
    return status;
}

}  // namespace morvalent::cli
