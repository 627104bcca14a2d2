#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/KeyMessage.h"
#include "filelist/FileList.h"
#include "filelist/Gathering.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"

namespace morvalent::commit {
class History;
}

namespace morvalent::app {

class UserInterface;

// The program's brain: owns the rows and the view flags, runs every command by
// id, turns keys into commands, keeps command states, and asks the user through
// the UserInterface it is given. Knows nothing of any window toolkit.
class MainDialog : private filelist::FolderQuestion {
  public:
    MainDialog(UserInterface& ui, platform::FileSystem& fs, filelist::IconSource& icons);
    ~MainDialog() override;
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    filelist::FileList& List() { return list_; }
    const filelist::FileList& List() const { return list_; }
    filelist::IconCache& Icons() { return icons_; }
    UserInterface& Ui() { return ui_; }
    platform::FileSystem& Fs() { return fs_; }
    filelist::FolderChoice& FolderChoiceState() { return folderChoice_; }

    // Window events.
    void OnInitDialog();
    bool OnCommand(int id);
    bool PreTranslateMessage(const KeyMessage& message);
    void OnOK() {}
    void OnCancel();
    void OnDropFiles(const std::vector<std::u16string>& paths);
    void OnRowDoubleClicked();
    void OnSelectionChanged();

    // Command states, status line and optional columns.
    void UpdateCommandStates();
    void ShowRowCount(std::size_t count);
    std::uint32_t ViewFlags() const { return viewFlags_; }
    bool IsViewFlagSet(int column) const;
    void SetViewFlag(int column, int value);
    void ToggleViewFlag(int column);
    void RefreshOptionalColumn(int column);
    void ShowVersion();
    void DeleteSelectedRows();

    // Gathering.
    void OnAddFiles();
    // One batch of candidates: status, the duplicate rule, folder handling,
    // ordered append. `resetFolderChoice` as the open dialog and drops do.
    void GatherBatch(const std::vector<std::u16string>& paths, bool resetFolderChoice);

    // Name edits.
    void ReplaceString();
    void AddPrefix();
    void AddSuffix();
    void EraseName();
    void DirectRename();
    void DeleteByPosition();
    void DeleteEnclosed();
    void KeepDigitsOnly();
    void PadDigits();
    void NumberRows();
    void DeleteExtension();
    void AddExtension();
    void ChangeExtension();
    void PrefixFolderName();
    void SuffixFolderName();
    void UnifyFolder();

    // Commit, restore, clear.
    void ApplyRenames();
    // Where commits are journalled; none, no journal.
    void SetHistory(commit::History* history) { history_ = history; }
    // The journal of the last commit, when it made one.
    std::optional<std::uint64_t> LastJournalId() const { return lastJournalId_; }
    void RevertNewNames();
    void ClearList();

    // Order.
    void SortList();
    void MoveSelectionUp();
    void MoveSelectionDown();

    // Export and import. Mode 0/1: new names to clipboard/file; 2/3: paths.
    void ExportList(int mode);
    void LoadNewNames();
    void LoadPathList();

  private:
    bool AddFolderItself(const std::u16string& folderPath) override;
    void RunCommand(int id);

    UserInterface& ui_;
    platform::FileSystem& fs_;
    filelist::IconCache icons_;
    filelist::FileList list_;
    filelist::FolderChoice folderChoice_;
    std::uint32_t viewFlags_ = 0;
    commit::History* history_ = nullptr;
    std::optional<std::uint64_t> lastJournalId_;
};

}  // namespace morvalent::app
