#include "app/MainDialog.h"

namespace morvalent::app {

void MainDialog::ExportList(int) {}
void MainDialog::LoadNewNames() {}
void MainDialog::LoadPathList() {}

}  // namespace morvalent::app
