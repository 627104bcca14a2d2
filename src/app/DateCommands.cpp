#include "app/DialogChoices.h"
#include "app/DialogSteps.h"
#include "app/EditPreview.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "edits/DateEdits.h"
#include "edits/EditTexts.h"

namespace morvalent::app {

namespace texts = edits::texts;

Outcome MainDialog::AddDate() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kDateDescription, texts::kDateFormatLabel, u"");
    OfferChoices(dialog, DateChoices());
    dialog.SetTexts(std::u16string(edits::DefaultDateFormat(DateChoices().front().value.place)),
                    u"");
    EditPreview preview(list_, AddDatePlan, fs_);
    preview.textForChoice = DateFormatForChoice;
    // The date taken is read from every file: never on the typing path.
    preview.countedAtOnceUpTo = 0;
    dialog.preview = &preview;
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    const EditPlan plan = AddDatePlan(dialog.Values(), list_);
    // Reading every photo takes a while on a long list.
    const bool readsFiles =
        plan.rule && ChosenValue(dialog, DateChoices()).source == edits::DateSource::Taken;
    if (readsFiles) view_.SetBusy(true);
    Outcome outcome = ApplyPlan(plan);
    if (readsFiles) view_.SetBusy(false);
    return outcome;
}

}  // namespace morvalent::app
