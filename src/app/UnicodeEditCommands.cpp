#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/DialogChoices.h"
#include "app/DialogSteps.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "edits/CaseEdits.h"
#include "edits/EditTexts.h"
#include "edits/EncodingRepair.h"
#include "edits/NormalizeEdits.h"
#include "edits/PatternEdits.h"
#include "filelist/NameRewrite.h"
#include "platform/Regex.h"
#include "platform/Text.h"

// The edits that work on the characters of a name: letter case, regular
// expressions, Unicode normal forms, names garbled by a wrong code page.
namespace morvalent::app {

namespace texts = edits::texts;

Outcome MainDialog::ChangeCase() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kCaseDescription, u"", u"");
    OfferChoices(dialog, CaseChoices());
    return RunEditDialog(dialog, ChangeCasePlan);
}

Outcome MainDialog::ReplacePattern() {
    if (!platform::Regex::Supported()) return Refuse(texts::kRegexUnsupported);
    return RunEditDialog(texts::kRegexDescription, texts::kRegexPatternLabel,
                         texts::kRegexReplacementLabel, ReplacePatternPlan);
}

Outcome MainDialog::NormalizeNames() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kNormalizeDescription, u"", u"");
    OfferChoices(dialog, NormalFormChoices());
    return RunEditDialog(dialog, NormalizeNamesPlan);
}

Outcome MainDialog::RepairEncoding() {
    RewriteNewNames(list_,
                    [](std::u16string_view name, bool) { return edits::RepairEncoding(name); });
    return Outcome::Done();
}

}  // namespace morvalent::app
