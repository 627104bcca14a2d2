#include "gui/ListModel.h"

#include <QColor>

#include "app/ConflictTip.h"
#include "app/Texts.h"
#include "filelist/NameChange.h"
#include "filelist/NameParts.h"
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
        case kConflictRole: {
            // Rows the last commit could not rename: their current name, red.
            if (index.column() == filelist::ColCurrentName && failureOf) {
                if (failureOf(row).empty()) return {};
                return role == Qt::ForegroundRole ? QVariant(kConflictColour) : QVariant();
            }
            if (index.column() != filelist::ColNewName || conflicts_ == nullptr) return {};
            const bool marked = conflicts_->At(row) != commit::Conflict::None;
            if (role == kConflictRole) return marked;
            return marked ? QVariant(kConflictColour) : QVariant();
        }
        case Qt::ToolTipRole: {
            if (index.column() == filelist::ColCurrentName && failureOf) {
                const std::u16string reason = failureOf(row);
                return reason.empty() ? QVariant() : QVariant(ToQString(reason));
            }
            if (index.column() != filelist::ColNewName) return {};
            QStringList tips;
            if (conflicts_ != nullptr && conflicts_->At(row) != commit::Conflict::None)
                tips << ToQString(app::ConflictTip(conflicts_->At(row)));
            const auto change = filelist::CompareNames(
                filelist::NamePartView(list_.Entry(row).path, true), list_.NewName(row));
            if (change.unseen != 0) tips << ToQString(app::UnseenChangeTip(change.unseen));
            if (tips.isEmpty()) return {};
            return tips.join(QLatin1Char('\n'));
        }
        case kChangeRole: {
            if (index.column() != filelist::ColNewName) return {};
            const auto change = filelist::CompareNames(
                filelist::NamePartView(list_.Entry(row).path, true), list_.NewName(row));
            if (!change.changed) return {};
            return QVariantList{qlonglong(change.first), qlonglong(change.last),
                                int(change.unseen)};
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
                     {Qt::ForegroundRole, Qt::ToolTipRole, kConflictRole});
}

void ListModel::OnMarksChanged() {
    if (onMarksChanged) onMarksChanged();
}

}  // namespace morvalent::gui
