#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <functional>
#include <vector>

#include "commit/ConflictMarks.h"
#include "filelist/FileList.h"

namespace morvalent::gui {

class GuiIconSource;

// The rows of the FileList as a Qt table. Texts are derived when the view asks,
// so only visible rows cost anything.
class ListModel : public QAbstractTableModel, public filelist::FileListObserver {
    Q_OBJECT
  public:
    ListModel(filelist::FileList& list, GuiIconSource& icons, QObject* parent = nullptr);
    ~ListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The new name's change from the current name: a list of the changed part's
    // first and last unit and its filelist::UnseenChange bits; none when unchanged.
    static constexpr int kChangeRole = Qt::UserRole + 1;
    // Whether the new name is marked as a conflict (bool).
    static constexpr int kConflictRole = Qt::UserRole + 2;

    // Called when the program changed selected or focused marks, or rows moved.
    std::function<void()> onMarksChanged;

    // Marked new names show in a warning colour, with the reason over them.
    void SetConflicts(const commit::ConflictMarks* conflicts) { conflicts_ = conflicts; }
    // Why the last commit could not rename a row (empty when it did not fail):
    // such a row's current name is marked, with the reason as its tip.
    std::function<std::u16string(std::size_t)> failureOf;
    void ConflictsChanged();

  private:
    // Qt's model signals are per change; a batch needs nothing around it.
    void OnBatchBegin() override {}
    void OnBatchEnd() override {}
    void OnRowsInserted(std::size_t first, std::size_t count) override;
    void OnRowsAboutToBeRemoved(std::size_t first, std::size_t count) override;
    void OnRowsRemoved(std::size_t first, std::size_t count) override;
    void OnRowsChanged(std::size_t first, std::size_t last) override;
    void OnRowsReordered() override;
    void OnListAboutToBeReset() override;
    void OnListReset() override;
    void OnMarksChanged() override;

    filelist::FileList& list_;
    GuiIconSource& icons_;
    const commit::ConflictMarks* conflicts_ = nullptr;
    // The count the view has been told about; the list may run ahead within a notice.
    int count_ = 0;
};

}  // namespace morvalent::gui
