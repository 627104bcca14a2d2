#include "gui/ListModel.h"

#include <QColor>

#include "app/ConflictTip.h"
#include "app/Texts.h"
#include "gui/GuiIconSource.h"
#include "gui/QtText.h"

namespace morvalent::gui {

using filelist::ColumnCount;

namespace {

// Readable on the light and the dark palettes alike.
const QColor kConflictColour(0xD0, 0x30, 0x20);

}  // namespace

ListModel::ListModel(filelist::FileList& list, GuiIconSource& icons, QObject* parent)
    : QAbstractTableModel(parent), list_(list), icons_(icons), count_(int(list.Count())) {
    list_.SetObserver(this);
}

ListModel::~ListModel() { list_.SetObserver(nullptr); }

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count_ || std::size_t(index.row()) >= list_.Count()) {
        return {};
    }
    const auto row = std::size_t(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(list_.ColumnText(row, index.column()));
        case Qt::DecorationRole:
            if (index.column() == filelist::ColCurrentName) return icons_.Icon(list_.At(row).icon);
            return {};
        case Qt::TextAlignmentRole:
            if (index.column() == filelist::ColSize) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::ForegroundRole:
        case Qt::ToolTipRole: {
            if (index.column() == filelist::ColCurrentName && failureOf) {
                const std::u16string* reason = failureOf(row);
                if (reason == nullptr) return {};
                if (role == Qt::ForegroundRole) return kConflictColour;
                return ToQString(*reason);
            }
            if (index.column() != filelist::ColNewName || conflicts_ == nullptr) return {};
            const commit::Conflict conflict = conflicts_->At(row);
            if (conflict == commit::Conflict::None) return {};
            if (role == Qt::ForegroundRole) return kConflictColour;
            return ToQString(app::ConflictTip(conflict));
        }
        default:
            return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return ToQString(app::texts::kHeaders[section]);
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue((section == filelist::ColSize ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    }
    return {};
}

void ListModel::OnRowsInserted(std::size_t first, std::size_t count) {
    if (count == 0) return;
    beginInsertRows({}, int(first), int(first + count - 1));
    count_ += int(count);
    endInsertRows();
}

void ListModel::OnRowsAboutToBeRemoved(std::size_t first, std::size_t count) {
    if (count == 0) return;
    beginRemoveRows({}, int(first), int(first + count - 1));
}

void ListModel::OnRowsRemoved(std::size_t, std::size_t count) {
    if (count == 0) return;
    count_ -= int(count);
    endRemoveRows();
}

void ListModel::OnRowsChanged(std::size_t first, std::size_t last) {
    emit dataChanged(index(int(first), 0), index(int(last), ColumnCount - 1));
}

void ListModel::OnRowsReordered() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    if (onMarksChanged) onMarksChanged();
}

void ListModel::OnListAboutToBeReset() { beginResetModel(); }

void ListModel::OnListReset() {
    count_ = int(list_.Count());
    endResetModel();
    if (onMarksChanged) onMarksChanged();
}

void ListModel::ConflictsChanged() {
    if (count_ == 0) return;
    emit dataChanged(index(0, filelist::ColCurrentName), index(count_ - 1, filelist::ColNewName),
                     {Qt::ForegroundRole, Qt::ToolTipRole});
}

void ListModel::OnMarksChanged() {
    if (onMarksChanged) onMarksChanged();
}

}  // namespace morvalent::gui
