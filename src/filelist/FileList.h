#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/Columns.h"
#include "filelist/FileEntry.h"
#include "filelist/IconCache.h"

namespace morvalent::filelist {

// One row: its entry plus what the name edits have made of it. The current
// name, full path, size and times are derived from the entry when asked.
struct Row {
    FileEntry entry;
    std::u16string newName;
    // The folder text when an edit replaced it; otherwise it is the entry's folder.
    std::u16string folderOverride;
    bool hasFolderOverride = false;
    bool selected = false;
    std::int32_t icon = 0;
};

// Told what changed, so a view repaints once per batch. A window implements it;
// no member has a default.
class FileListObserver {
  public:
    virtual ~FileListObserver() = default;
    virtual void OnBatchBegin() = 0;
    virtual void OnBatchEnd() = 0;
    virtual void OnRowsInserted(std::size_t first, std::size_t count) = 0;
    // Removal is told twice: before (rows still there) and after.
    virtual void OnRowsAboutToBeRemoved(std::size_t first, std::size_t count) = 0;
    virtual void OnRowsRemoved(std::size_t first, std::size_t count) = 0;
    virtual void OnRowsChanged(std::size_t first, std::size_t last) = 0;
    // Many rows went at once: the view starts over from the list.
    virtual void OnListAboutToBeReset() = 0;
    virtual void OnListReset() = 0;
    // Rows changed places (sorting, moving); the count is the same.
    virtual void OnRowsReordered() = 0;
    // Selected or focused marks were set by the program (not by the view).
    virtual void OnMarksChanged() = 0;
};

// The ordered rows of the list: the program's only working store.
class FileList {
  public:
    explicit FileList(IconCache& icons) : icons_(icons) {}
    FileList(const FileList&) = delete;
    FileList& operator=(const FileList&) = delete;

    void SetObserver(FileListObserver* observer) { observer_ = observer; }

    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    const Row& At(std::size_t row) const { return rows_[row]; }
    const FileEntry& Entry(std::size_t row) const { return rows_[row].entry; }

    // Column texts, derived where the entry holds them.
    std::u16string CurrentName(std::size_t row) const;
    const std::u16string& NewName(std::size_t row) const { return rows_[row].newName; }
    std::u16string FolderText(std::size_t row) const;
    // The same text without a copy; valid until the row changes.
    std::u16string_view FolderView(std::size_t row) const;
    std::u16string ColumnText(std::size_t row, int column) const;

    // Makes room for this many rows in all, so that appending them moves none.
    void Reserve(std::size_t rows);
    // Appends a row for the entry (new name = current name) and returns its index.
    std::size_t InsertEntryRow(FileEntry entry);
    void SetNewName(std::size_t row, std::u16string name);
    // For `NameRewrite`, which stores and puts back names without allocating: a
    // name copied into the row's own room (it must fit there), and one swapped in.
    void CopyNewNameInPlace(std::size_t row, std::u16string_view name) noexcept;
    void SwapNewName(std::size_t row, std::u16string& name) noexcept;
    // Copied into the room the row's folder text has, so a folder set on every row
    // (one folder for all) mostly allocates nothing.
    void SetFolderText(std::size_t row, std::u16string_view folder);
    // After a rename on disk: the entry's new path, and columns 0-2 and the icon from it.
    void SetEntryPath(std::size_t row, std::u16string path);
    // Repoints the entry only (a row beneath a renamed folder); texts the user
    // set are kept.
    void ReplaceEntryPath(std::size_t row, std::u16string path);

    void RemoveRow(std::size_t row);
    // Removes every selected row in one pass over the list; returns how many.
    std::size_t RemoveSelectedRows();
    void Clear();

    // Marks. At most one row holds the focus.
    bool IsSelected(std::size_t row) const { return rows_[row].selected; }
    void SetSelected(std::size_t row, bool selected);
    std::size_t SelectedCount() const { return selectedCount_; }
    std::optional<std::size_t> FirstSelected() const;
    std::vector<std::size_t> SelectedRows() const;
    void ClearSelection();
    std::optional<std::size_t> FocusedRow() const { return focused_; }
    void SetFocusedRow(std::optional<std::size_t> row);

    // Moves whole rows, marks included.
    void SwapRows(std::size_t a, std::size_t b);
    // Row i of the result is the row that was at order[i]; order is a permutation.
    void Reorder(const std::vector<std::size_t>& order);

    // Which rows' new names or folder texts changed, for work that can redo only
    // those rows (the conflict marks). A mark is taken after such work; asked later,
    // the list names the rows changed since (in the order changed, some more than
    // once), or nothing when it cannot: rows were added, removed, moved or repointed,
    // or so many changed that the work is better done whole.
    struct ChangeMark {
        std::uint64_t era = 0;
        std::size_t position = 0;
    };
    ChangeMark Changes() const { return {era_, changed_.size()}; }
    std::optional<std::span<const std::uint32_t>> ChangedSince(ChangeMark mark) const {
        if (mark.era != era_ || mark.position > changed_.size()) return std::nullopt;
        return std::span<const std::uint32_t>(changed_).subspan(mark.position);
    }

    // Suspends notifications; the observer hears one summary at the end.
    void BeginBatch();
    void EndBatch();
    class Batch {
      public:
        explicit Batch(FileList& list) : list_(list) { list_.BeginBatch(); }
        ~Batch() { list_.EndBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        FileList& list_;
    };

    // Marks set by the view itself: no notification back to it.
    void SetSelectedFromView(std::size_t row, bool selected);
    void SetFocusedFromView(std::optional<std::size_t> row) { focused_ = row; }

  private:
    void RowsChanged(std::size_t first, std::size_t last);
    void MarksChanged();
    void RefreshIcon(Row& row);
    void NameChanged(std::size_t row) noexcept;
    // Rows changed as a whole: no one can know which.
    void NewEra() noexcept {
        ++era_;
        changed_.clear();
    }

    IconCache& icons_;
    FileListObserver* observer_ = nullptr;
    std::vector<Row> rows_;
    std::size_t selectedCount_ = 0;
    std::optional<std::size_t> focused_;
    std::uint64_t era_ = 0;
    std::vector<std::uint32_t> changed_;

    int batchDepth_ = 0;
    // What happened during a batch, told at its end.
    std::size_t dirtyFirst_ = SIZE_MAX;
    std::size_t dirtyLast_ = 0;
    std::optional<std::size_t> insertedFirst_;
    bool structureChanged_ = false;
    bool marksChanged_ = false;
};

}  // namespace morvalent::filelist
