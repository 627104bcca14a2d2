#include "gui/HistoryWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/HistoryTexts.h"
#include "gui/QtText.h"

namespace morvalent::gui {

HistoryWindow::HistoryWindow(app::HistoryDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setWindowTitle(ToQString(app::texts::kHistoryTitle));
    commits_ = new QTreeWidget(this);
    commits_->setRootIsDecorated(false);
    commits_->setHeaderLabels(
        {ToQString(app::texts::kHistoryWhen), ToQString(app::texts::kHistoryCount),
         ToQString(app::texts::kHistoryFolder), ToQString(app::texts::kHistoryState)});
    for (const app::HistoryDialog::Entry& entry : dialog.Entries()) {
        auto* item =
            new QTreeWidgetItem(commits_, {ToQString(entry.when), ToQString(entry.count),
                                           ToQString(entry.folder), ToQString(entry.state)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    commits_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    renames_ = new QTreeWidget(this);
    renames_->setRootIsDecorated(false);
    renames_->setHeaderLabels(
        {ToQString(app::texts::kHistoryFrom), ToQString(app::texts::kHistoryTo)});

    auto* buttons = new QDialogButtonBox(this);
    undo_ = buttons->addButton(ToQString(app::texts::kHistoryUndo), QDialogButtonBox::AcceptRole);
    buttons->addButton(ToQString(app::texts::kHistoryClose), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(commits_, &QTreeWidget::currentItemChanged, this, [this] { ShowRenamesOfCurrent(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(commits_, 1);
    layout->addWidget(renames_, 2);
    layout->addWidget(buttons);
    resize(720, 480);
    if (commits_->topLevelItemCount() > 0) commits_->setCurrentItem(commits_->topLevelItem(0));
    ShowRenamesOfCurrent();
}

void HistoryWindow::ShowRenamesOfCurrent() {
    renames_->clear();
    const int row = commits_->indexOfTopLevelItem(commits_->currentItem());
    undo_->setEnabled(row >= 0);
    if (row < 0) return;
    QList<QTreeWidgetItem*> items;
    for (const auto& rename : dialog_.RenamesOf(std::size_t(row))) {
        items.append(new QTreeWidgetItem({ToQString(rename.from), ToQString(rename.to)}));
    }
    renames_->addTopLevelItems(items);
}

void HistoryWindow::accept() {
    const int row = commits_->indexOfTopLevelItem(commits_->currentItem());
    if (row < 0) return;
    dialog_.Choose(std::size_t(row));
    QDialog::accept();
}

}  // namespace morvalent::gui
