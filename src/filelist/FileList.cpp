#include "filelist/FileList.h"

#include <algorithm>
#include <new>

#include "filelist/NameParts.h"
#include "filelist/Permute.h"
#include "platform/Text.h"

namespace morvalent::filelist {

std::u16string FileList::CurrentName(std::size_t row) const {
    return GetNamePart(rows_[row].entry.path, true);
}

std::u16string FileList::FolderText(std::size_t row) const {
    return std::u16string(FolderView(row));
}

std::u16string_view FileList::FolderView(std::size_t row) const {
    const Row& r = rows_[row];
    return r.hasFolderOverride ? std::u16string_view(r.folderOverride)
                               : FolderPartView(r.entry.path);
}

std::u16string FileList::ColumnText(std::size_t row, int column) const {
    const FileEntry& e = rows_[row].entry;
    switch (column) {
        case ColCurrentName:
            return CurrentName(row);
        case ColNewName:
            return rows_[row].newName;
        case ColFolder:
            return FolderText(row);
        case ColFullPath:
            return e.path;
        case ColSize:
            return platform::DecimalText(e.size);
        case ColModified:
            return platform::FormatFileTime(e.lastWriteTime);
        case ColCreated:
            return platform::FormatFileTime(e.creationTime);
        default:
            return {};
    }
}

void FileList::RefreshIcon(Row& row) {
    // The extension of the name alone: a dot in a folder above is not the file's.
    const auto name = NamePartView(row.entry.path, true);
    row.icon = icons_.GetIconIndex(ExtensionView(name, row.entry.isFolder), row.entry.isFolder);
}

std::size_t FileList::InsertEntryRow(FileEntry entry) {
    Row row;
    row.entry = std::move(entry);
    row.newName = GetNamePart(row.entry.path, true);
    RefreshIcon(row);
    const std::size_t index = rows_.size();
    rows_.push_back(std::move(row));
    NewEra();
    if (batchDepth_ > 0) {
        if (!insertedFirst_) insertedFirst_ = index;
    } else if (observer_ != nullptr) {
        observer_->OnRowsInserted(index, 1);
    }
    return index;
}

void FileList::SetNewName(std::size_t row, std::u16string name) {
    rows_[row].newName = std::move(name);
    NameChanged(row);
    RowsChanged(row, row);
}

void FileList::CopyNewNameInPlace(std::size_t row, std::u16string_view name) noexcept {
    rows_[row].newName.assign(name);
    NameChanged(row);
    RowsChanged(row, row);
}

void FileList::SwapNewName(std::size_t row, std::u16string& name) noexcept {
    rows_[row].newName.swap(name);
    NameChanged(row);
    RowsChanged(row, row);
}

void FileList::SetFolderText(std::size_t row, std::u16string_view folder) {
    rows_[row].folderOverride.assign(folder);
    rows_[row].hasFolderOverride = true;
    NameChanged(row);
    RowsChanged(row, row);
}

void FileList::SetEntryPath(std::size_t row, std::u16string path) {
    Row& r = rows_[row];
    r.entry.path = std::move(path);
    // The walked number vouched for the item at the old place only: a walk of the
    // new place's folder may have read its stamp after another item took the name.
    r.entry.fileNumber = 0;
    r.newName = GetNamePart(r.entry.path, true);
    r.folderOverride.clear();
    r.hasFolderOverride = false;
    RefreshIcon(r);
    NewEra();
    RowsChanged(row, row);
}

void FileList::ReplaceEntryPath(std::size_t row, std::u16string path) {
    rows_[row].entry.path = std::move(path);
    rows_[row].entry.fileNumber = 0;
    NewEra();
    RowsChanged(row, row);
}

void FileList::RemoveRow(std::size_t row) {
    if (observer_ != nullptr) observer_->OnRowsAboutToBeRemoved(row, 1);
    if (rows_[row].selected) --selectedCount_;
    if (focused_) {
        if (*focused_ == row)
            focused_.reset();
        else if (*focused_ > row)
            --*focused_;
    }
    rows_.erase(rows_.begin() + std::ptrdiff_t(row));
    NewEra();
    if (insertedFirst_ && *insertedFirst_ > row) --*insertedFirst_;
    if (observer_ != nullptr) observer_->OnRowsRemoved(row, 1);
}

std::size_t FileList::RemoveSelectedRows() {
    const std::size_t removed = selectedCount_;
    if (removed == 0) return 0;
    // A few runs are told one by one, so a view keeps its place; many at once
    // would cost a move of the tail each, so the list is compacted in one pass.
    std::vector<std::pair<std::size_t, std::size_t>> runs;  // first, count
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!rows_[i].selected) continue;
        if (!runs.empty() && runs.back().first + runs.back().second == i)
            ++runs.back().second;
        else
            runs.emplace_back(i, 1);
    }
    constexpr std::size_t kRunsToldOneByOne = 16;
    if (runs.size() <= kRunsToldOneByOne) {
        for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
            const auto [first, count] = *it;
            if (observer_ != nullptr) observer_->OnRowsAboutToBeRemoved(first, count);
            rows_.erase(rows_.begin() + std::ptrdiff_t(first),
                        rows_.begin() + std::ptrdiff_t(first + count));
            if (focused_) {
                if (*focused_ >= first + count)
                    *focused_ -= count;
                else if (*focused_ >= first)
                    focused_.reset();
            }
            if (observer_ != nullptr) observer_->OnRowsRemoved(first, count);
        }
    } else {
        if (observer_ != nullptr) observer_->OnListAboutToBeReset();
        std::optional<std::size_t> focus;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].selected) continue;
            if (focused_ == i) focus = kept;
            if (kept != i) rows_[kept] = std::move(rows_[i]);
            ++kept;
        }
        rows_.erase(rows_.begin() + std::ptrdiff_t(kept), rows_.end());
        focused_ = focus;
        if (observer_ != nullptr) observer_->OnListReset();
    }
    selectedCount_ = 0;
    NewEra();
    return removed;
}

void FileList::Clear() {
    const std::size_t count = rows_.size();
    if (observer_ != nullptr && count > 0) observer_->OnRowsAboutToBeRemoved(0, count);
    rows_.clear();
    rows_.shrink_to_fit();
    NewEra();
    changed_.shrink_to_fit();
    selectedCount_ = 0;
    focused_.reset();
    insertedFirst_.reset();
    dirtyFirst_ = SIZE_MAX;
    if (observer_ != nullptr && count > 0) observer_->OnRowsRemoved(0, count);
}

void FileList::SetSelected(std::size_t row, bool selected) {
    SetSelectedFromView(row, selected);
    MarksChanged();
}

void FileList::SetSelectedFromView(std::size_t row, bool selected) {
    Row& r = rows_[row];
    if (r.selected == selected) return;
    r.selected = selected;
    if (selected)
        ++selectedCount_;
    else
        --selectedCount_;
}

std::optional<std::size_t> FileList::FirstSelected() const {
    if (selectedCount_ == 0) return std::nullopt;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].selected) return i;
    }
    return std::nullopt;
}

std::vector<std::size_t> FileList::SelectedRows() const {
    std::vector<std::size_t> result;
    result.reserve(selectedCount_);
    for (std::size_t i = 0; i < rows_.size() && result.size() < selectedCount_; ++i) {
        if (rows_[i].selected) result.push_back(i);
    }
    return result;
}

void FileList::ClearSelection() {
    if (selectedCount_ == 0 && !focused_) return;
    for (Row& r : rows_) r.selected = false;
    selectedCount_ = 0;
    focused_.reset();
    MarksChanged();
}

void FileList::SetFocusedRow(std::optional<std::size_t> row) {
    focused_ = row;
    MarksChanged();
}

void FileList::SwapRows(std::size_t a, std::size_t b) {
    if (a == b) return;
    std::swap(rows_[a], rows_[b]);
    NewEra();
    if (focused_ == a)
        focused_ = b;
    else if (focused_ == b)
        focused_ = a;
    if (batchDepth_ > 0) {
        structureChanged_ = true;
    } else if (observer_ != nullptr) {
        observer_->OnRowsReordered();
    }
}

void FileList::Reorder(const std::vector<std::size_t>& order) {
    std::optional<std::size_t> focus;
    PermuteInPlace(rows_, order, [&](std::size_t from, std::size_t to) {
        if (focused_ == from) focus = to;
    });
    focused_ = focus;
    NewEra();
    if (batchDepth_ > 0) {
        structureChanged_ = true;
    } else if (observer_ != nullptr) {
        observer_->OnRowsReordered();
    }
}

void FileList::Reserve(std::size_t rows) {
    // Room for a large drop at once; small ones still grow the usual way.
    if (rows > rows_.capacity()) rows_.reserve(std::max(rows, rows_.capacity() * 3 / 2));
}

void FileList::BeginBatch() {
    if (batchDepth_++ == 0 && observer_ != nullptr) observer_->OnBatchBegin();
}

void FileList::EndBatch() {
    if (--batchDepth_ > 0) return;
    const auto inserted = insertedFirst_;
    const bool reordered = structureChanged_;
    const bool marks = marksChanged_;
    const std::size_t first = dirtyFirst_;
    const std::size_t last = dirtyLast_;
    insertedFirst_.reset();
    structureChanged_ = false;
    marksChanged_ = false;
    dirtyFirst_ = SIZE_MAX;
    dirtyLast_ = 0;
    if (observer_ == nullptr) return;
    if (inserted) observer_->OnRowsInserted(*inserted, rows_.size() - *inserted);
    if (reordered) {
        observer_->OnRowsReordered();
    } else if (first != SIZE_MAX && first < rows_.size()) {
        observer_->OnRowsChanged(first, std::min(last, rows_.size() - 1));
    }
    if (marks) observer_->OnMarksChanged();
    observer_->OnBatchEnd();
}

void FileList::RowsChanged(std::size_t first, std::size_t last) {
    if (batchDepth_ > 0) {
        dirtyFirst_ = std::min(dirtyFirst_, first);
        dirtyLast_ = std::max(dirtyLast_, last);
    } else if (observer_ != nullptr) {
        observer_->OnRowsChanged(first, last);
    }
}

void FileList::NameChanged(std::size_t row) noexcept {
    // Past an eighth of the rows, redoing only the changed ones saves little, and the
    // log would grow with every edit of the whole list.
    if (changed_.size() >= std::max<std::size_t>(64, rows_.size() / 8)) NewEra();
    try {
        changed_.push_back(std::uint32_t(row));
    } catch (const std::bad_alloc&) {
        NewEra();  // out of memory: the next marking is a whole one
    }
}

void FileList::MarksChanged() {
    if (batchDepth_ > 0)
        marksChanged_ = true;
    else if (observer_ != nullptr)
        observer_->OnMarksChanged();
}

}  // namespace morvalent::filelist
