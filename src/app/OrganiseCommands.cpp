#include "app/MainDialog.h"

namespace morvalent::app {

void MainDialog::SortList() {}
void MainDialog::MoveSelectionUp() {}
void MainDialog::MoveSelectionDown() {}

}  // namespace morvalent::app
