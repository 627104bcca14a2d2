#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "organise/RowMoves.h"
#include "organise/SortSpec.h"
#include "organise/Sorting.h"

// Row order: sorting by one chosen key, and moving the selected rows.
namespace morvalent::app {

Outcome MainDialog::SortList() {
    if (list_.Empty()) return Outcome::Done();
    InputDialog dialog(prompts_);
    dialog.SetPrompts(organise::texts::kSortDescription, u"", u"");
    for (const organise::SortCriterion& criterion : organise::kSortCriteria) {
        dialog.choices.emplace_back(criterion.text);
    }
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    const auto spec = organise::SortSpecForChoice(dialog.choice);
    if (!spec) return Outcome::Done();
    // Selection, focus and scroll position stay as they are: the marks travel
    // with their rows and nothing is scrolled into view.
    view_.SetBusy(true);
    {
        filelist::FileList::Batch batch(list_);
        organise::SortRows(list_, *spec);
    }
    view_.SetBusy(false);
    return Outcome::Done();
}

Outcome MainDialog::MoveSelectionUp() {
    if (const auto moved = organise::MoveSelectionUp(list_)) view_.EnsureRowVisible(*moved);
    return Outcome::Done();
}

Outcome MainDialog::MoveSelectionDown() {
    if (const auto moved = organise::MoveSelectionDown(list_)) view_.EnsureRowVisible(*moved);
    return Outcome::Done();
}

}  // namespace morvalent::app
