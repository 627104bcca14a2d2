#include "app/MainDialog.h"

namespace morvalent::app {

void MainDialog::ApplyRenames() {}

void MainDialog::RevertNewNames() {
    filelist::FileList::Batch batch(list_);
    for (std::size_t i = 0; i < list_.Count(); ++i) list_.SetNewName(i, list_.CurrentName(i));
}

void MainDialog::ClearList() {
    list_.Clear();
    ShowRowCount(0);
}

}  // namespace morvalent::app
