#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/UserInterface.h"
#include "organise/RowMoves.h"
#include "organise/SortSpec.h"
#include "organise/Sorting.h"

// Row order: sorting by one chosen key, and moving the selected rows.
namespace morvalent::app {

void MainDialog::SortList() {
    if (list_.Empty()) return;
    InputDialog dialog(ui_);
    dialog.SetPrompts(organise::texts::kSortDescription, u"", u"");
    for (const organise::SortCriterion& criterion : organise::kSortCriteria) {
        dialog.choices.emplace_back(criterion.text);
    }
    if (dialog.DoModal() != 1) return;
    const auto spec = organise::SortSpecForChoice(dialog.choice);
    if (!spec) return;
    // Selection, focus and scroll position stay as they are: the marks travel
    // with their rows and nothing is scrolled into view.
    ui_.SetBusy(true);
    {
        filelist::FileList::Batch batch(list_);
        organise::SortRows(list_, *spec);
    }
    ui_.SetBusy(false);
}

void MainDialog::MoveSelectionUp() {
    if (const auto moved = organise::MoveSelectionUp(list_)) ui_.EnsureRowVisible(*moved);
}

void MainDialog::MoveSelectionDown() {
    if (const auto moved = organise::MoveSelectionDown(list_)) ui_.EnsureRowVisible(*moved);
}

}  // namespace morvalent::app
