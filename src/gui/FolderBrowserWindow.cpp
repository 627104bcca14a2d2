#include "gui/FolderBrowserWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/QtText.h"
#include "platform/Path.h"

namespace morvalent::gui {
namespace {

// Whether a folder on the way to `path` is hidden by a leading dot.
bool LiesInDotFolder(const std::u16string& path) {
    for (std::size_t at = 0; at + 1 < path.size(); ++at) {
        if (path[at] == platform::kPathSeparator && path[at + 1] == u'.') return true;
    }
    return false;
}

// `path` and then each folder above it, nearest first.
std::vector<std::u16string> PathAndAncestors(std::u16string path) {
    std::vector<std::u16string> out;
    while (!path.empty()) {
        out.push_back(path);
        const std::size_t cut = path.find_last_of(platform::kPathSeparator);
        if (cut == std::u16string::npos || cut == 0) break;
        path.resize(cut);
    }
    return out;
}

std::vector<std::u16string> Places() {
    std::vector<std::u16string> places{PathFromQString(QDir::toNativeSeparators(QDir::homePath()))};
    for (const QFileInfo& drive : QDir::drives()) {
        places.push_back(PathFromQString(QDir::toNativeSeparators(drive.absoluteFilePath())));
    }
    return places;
}

}  // namespace

FolderBrowserWindow::FolderBrowserWindow(app::FolderBrowser& browser, platform::FileSystem& fs,
                                         QWidget* parent)
    : QDialog(parent), browser_(browser) {
    setWindowTitle(ToQString(browser_.title));
    resize(380, 420);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(ToQString(browser_.title), this);
    title->setTextFormat(Qt::PlainText);
    layout->addWidget(title);

    std::u16string start = browser_.initialFolder;
    if (start.empty()) start = browser_.openAt;
    const std::vector<std::u16string> places = Places();
    if (start.empty()) start = places.front();
    model_ = new FolderTreeModel(fs, places, LiesInDotFolder(start), this);
    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    tree_->header()->hide();
    tree_->setUniformRowHeights(true);
    layout->addWidget(tree_, 1);

    status_ = new QLabel(this);
    status_->setTextFormat(Qt::PlainText);
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
    status_->setText(ToQString(app::FolderBrowser::ShortenForStatus(browser_.initialFolder)));
    // A folder that is gone opens its nearest existing parent instead.
    for (const std::u16string& folder : PathAndAncestors(start)) {
        if (SelectFolder(folder)) break;
    }
}

bool FolderBrowserWindow::SelectFolder(const std::u16string& path) {
    const QModelIndex index = model_->IndexOf(path);
    if (!index.isValid()) return false;
    tree_->setCurrentIndex(index);
    tree_->expand(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

void FolderBrowserWindow::OnCurrentChanged(const QModelIndex& current) {
    if (!current.isValid()) {
        ok_->setEnabled(false);
        return;
    }
    browser_.chosenPath = model_->PathOf(current);
    status_->setText(ToQString(app::FolderBrowser::ShortenForStatus(browser_.chosenPath)));
    ok_->setEnabled(true);
}

void FolderBrowserWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only a laid-out tree can centre the folder it opened on.
    if (tree_->currentIndex().isValid()) {
        tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
}

void FolderBrowserWindow::accept() {
    if (!tree_->currentIndex().isValid()) return;
    QDialog::accept();
}

}  // namespace morvalent::gui
