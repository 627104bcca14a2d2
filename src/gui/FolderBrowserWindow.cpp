#include "gui/FolderBrowserWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/QtText.h"
#include "platform/Text.h"

namespace morvalent::gui {

FolderBrowserWindow::FolderBrowserWindow(app::FolderBrowser& browser, QWidget* parent)
    : QDialog(parent), browser_(browser) {
    setWindowTitle(ToQString(browser_.title));
    resize(380, 420);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(ToQString(browser_.title), this);
    layout->addWidget(title);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    model_->setRootPath(QStringLiteral("/"));
    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(0, Qt::AscendingOrder);
    tree_->setRootIndex(model_->index(QStringLiteral("/")).parent());
    layout->addWidget(tree_, 1);

    status_ = new QLabel(this);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("확인"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("취소"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    ok_->setEnabled(false);
    if (!browser_.initialFolder.empty()) {
        SelectFolder(QString::fromStdString(platform::Utf16ToUtf8Lossy(browser_.initialFolder)));
    }
    status_->setText(ToQString(app::FolderBrowser::ShortenForStatus(browser_.initialFolder)));
}

void FolderBrowserWindow::SelectFolder(const QString& path) {
    const QModelIndex index = model_->index(path);
    if (!index.isValid()) return;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
}

void FolderBrowserWindow::OnCurrentChanged(const QModelIndex& current) {
    if (!current.isValid()) {
        ok_->setEnabled(false);
        return;
    }
    browser_.chosenPath = PathFromQString(model_->filePath(current));
    status_->setText(ToQString(app::FolderBrowser::ShortenForStatus(browser_.chosenPath)));
    ok_->setEnabled(true);
}

void FolderBrowserWindow::accept() {
    if (!tree_->currentIndex().isValid()) return;
    QDialog::accept();
}

}  // namespace morvalent::gui
