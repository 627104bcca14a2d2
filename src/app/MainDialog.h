#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/EditPlan.h"
#include "app/KeyMessage.h"
#include "app/Outcome.h"
#include "app/RecentRecipes.h"
#include "app/SavedList.h"
#include "app/StepPrompts.h"
#include "app/Steps.h"
#include "app/WindowState.h"
#include "commit/ConflictMarks.h"
#include "commit/FailureReasons.h"
#include "commit/FolderNames.h"
#include "filelist/Columns.h"
#include "filelist/FileList.h"
#include "filelist/GatheredFolders.h"
#include "filelist/Gathering.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "transfer/ExportText.h"

namespace morvalent::commit {
class History;
}

namespace morvalent::app {

class UserPrompts;
class StateView;
class InputDialog;
struct CommandInfo;

// The program's brain: owns the rows and the view flags, runs every command of
// the command table, turns keys into commands, keeps command states, asks the
// user through the UserPrompts and shows its state on the StateView it is
// given. Knows nothing of any window toolkit.
class MainDialog : private filelist::FolderQuestion {
  public:
    MainDialog(UserPrompts& prompts, StateView& view, platform::FileSystem& fs,
               filelist::IconSource& icons);
    ~MainDialog() override;
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    filelist::FileList& List() { return list_; }
    const filelist::FileList& List() const { return list_; }
    filelist::FolderChoice& FolderChoiceState() { return folderChoice_; }
    // The steps taken since the list was last empty, as a recipe records them.
    const std::vector<Step>& Recording() const { return recording_; }
    // Whether a refused value brings its dialog back (a window) or ends the
    // command (the terminal, whose values cannot be typed again).
    void SetAskAgainAfterRefusal(bool again) { askAgain_ = again; }
    // Where the recipes used last, the list and the window's place are kept;
    // none keeps them for this run only.
    void SetStateFolder(std::optional<std::u16string> folder);
    // Why rows would fail if committed now, as found after the last command.
    const commit::ConflictMarks& Conflicts() const { return conflicts_; }

    // Window events.
    void OnInitDialog();
    // Runs the command with this id and refreshes the command states; nothing
    // when no command has the id.
    std::optional<Outcome> OnCommand(CommandId id);
    // Runs the command whose chord the key is; true when the key is taken.
    bool PreTranslateMessage(const KeyMessage& message);
    void OnOK() {}
    void OnCancel();
    // Done, with the items that could not be found or read; Refused when it failed.
    Outcome OnDropFiles(const std::vector<std::u16string>& paths);
    void OnRowDoubleClicked();
    void OnSelectionChanged();
    // The view's own selection of rows `first` to `last` (inclusive); the rows
    // change only through the dialog, which keeps them in the background.
    void SelectRowsFromView(std::size_t first, std::size_t last, bool selected);
    // At a start without paths: offers the list kept when the window last closed;
    // rows whose items are gone are left out, and the status line says how many.
    void OfferSavedList();
    // The session ends or the program is told to stop: the list is kept now.
    void KeepListNow();
    // Why the last commit or undo could not rename the row; null when it did not
    // fail. The mark stays with its row through sorting and moving, until the next
    // commit, undo or clearing of the list.
    const platform::MoveError* FailureAt(std::size_t row) const;
    // The same in the user's words (the rows' tooltips); empty when it did not fail.
    std::u16string FailureTextAt(std::size_t row) const;
    // The window's place and columns as last kept (the optional columns hidden),
    // and keeping them.
    std::optional<WindowState> SavedWindowState() const;
    void KeepWindowState(const WindowState& state);

    // Command states, status line and optional columns.
    void UpdateCommandStates();
    bool CanRun(const CommandInfo& command) const;
    void ShowRowCount(std::size_t count);
    bool IsViewFlagSet(filelist::Column column) const;
    void SetViewFlag(filelist::Column column, bool shown);
    void ToggleViewFlag(filelist::Column column);
    void RefreshOptionalColumn(filelist::Column column);
    void DeleteSelectedRows();

    // Gathering.
    Outcome AddFiles();
    // Folders chosen in the folder chooser, gathered as a drop (asking the folder question).
    Outcome AddFolders();
    // One batch of candidates: status, the duplicate rule, folder handling,
    // ordered append. `resetFolderChoice` as the open dialog and drops do. Done,
    // with the count of items that could not be found or read (the status line
    // shows it too).
    Outcome GatherBatch(const std::vector<std::u16string>& paths, bool resetFolderChoice);
    // The same for paths that live elsewhere (the lines of a path list's text):
    // each is copied once, into the entry that keeps it.
    Outcome GatherBatch(std::span<const std::u16string_view> paths, bool resetFolderChoice);

    // The operations of the command table.
    Outcome ReplaceString();
    Outcome AddPrefix();
    Outcome AddSuffix();
    Outcome EraseName();
    Outcome DirectRename();
    Outcome DeleteByPosition();
    Outcome DeleteEnclosed();
    Outcome KeepDigitsOnly();
    Outcome PadDigits();
    Outcome NumberRows();
    Outcome DeleteExtension();
    Outcome AddExtension();
    Outcome ChangeExtension();
    Outcome PrefixFolderName();
    Outcome SuffixFolderName();
    Outcome UnifyFolder();
    Outcome ChangeCase();
    Outcome ReplacePattern();
    Outcome NormalizeNames();
    Outcome RepairEncoding();
    Outcome AddDate();
    Outcome AddInfo();

    Outcome ApplyRenames();
    Outcome RevertNewNames();
    Outcome ClearList();
    // Where commits are journalled; none, no journal.
    void SetHistory(commit::History* history) { history_ = history; }
    commit::History* History() const { return history_; }
    Outcome UndoLastCommit();
    Outcome ShowHistory();
    // Puts back what commit `id` renamed, asking first; the rows follow their items.
    Outcome UndoCommit(std::uint64_t id);
    // At start: says, once, that the newest commit stopped half-way.
    void NoticeInterruptedCommit();
    // The journal of the last commit, when it made one.
    std::optional<std::uint64_t> LastJournalId() const { return lastJournalId_; }

    Outcome SortList();
    Outcome MoveSelectionUp();
    Outcome MoveSelectionDown();

    Outcome ExportList(transfer::ExportMode mode);
    template <transfer::ExportMode mode>
    Outcome Export() {
        return ExportList(mode);
    }
    Outcome LoadNewNames();
    Outcome LoadPathList();

    template <filelist::Column column>
    Outcome ToggleColumn() {
        ToggleViewFlag(column);
        return Outcome::Done();
    }
    template <filelist::Column column>
    bool ShowsColumn() const {
        return IsViewFlagSet(column);
    }
    Outcome ShowVersion();
    Outcome Exit();
    // Selects the next row with a conflict after the focused one, with a fresh
    // look at the disk.
    Outcome NextConflict();

    // Recipes.
    Outcome SaveRecipe();
    Outcome RunRecipe();
    Outcome OpenSubmenu() { return Outcome::Done(); }
    template <std::size_t index>
    Outcome RunRecentRecipe() {
        return RunRecentRecipeAt(index);
    }
    // Runs the recipe file's steps on the list; the first step that stops ends it.
    Outcome RunRecipeFile(const std::u16string& path);

  private:
    // Runs the command, noting it as a step when it changed names or rows.
    Outcome RunCommand(const CommandInfo& command);
    void Record(const CommandInfo& command, const std::vector<std::size_t>& selection);
    void DeleteRowsAsStep();
    std::vector<std::size_t> SelectedRowNumbers() const;
    Outcome RunRecentRecipeAt(std::size_t index);
    Outcome RunRecipeStep(const Step& step);
    void ShowRecentRecipes();

    // Shows the edit's dialog with its preview, then rewrites the rows by the plan
    // of the values given.
    Outcome RunEditDialog(InputDialog& dialog, PlanMaker plan);
    // The same for a dialog of texts only, with its description and field labels
    // (an empty second label: one field).
    Outcome RunEditDialog(std::u16string description, std::u16string label1, std::u16string label2,
                          PlanMaker plan);
    Outcome ApplyPlan(const EditPlan& plan);
    bool AddFolderItself(const std::u16string& folderPath) override;
    // Shows the refusal and says so.
    Outcome Refuse(std::u16string message);
    // Selects and focuses the row, as the commit does with a name it refuses.
    void MarkRow(std::size_t row);
    template <typename Action>
    Outcome Guarded(Action action);
    // After every command: the conflicts found anew, then the command states.
    void AfterCommand();
    // The failed rows of the last commit or undo are marked no more.
    void ForgetFailures();
    // Shows the dialog until its values pass `check` (a message for a refused value,
    // nothing when it is good): a refusal comes back to the same dialog with what
    // was typed. Nothing when the values are good; else how the command ends. A
    // recipe's step cannot be typed again, so its refusal ends the command.
    std::optional<Outcome> AskUntilValid(
        InputDialog& dialog, const std::function<std::optional<std::u16string>()>& check);

    StepPrompts prompts_;
    StateView& view_;
    platform::FileSystem& fs_;
    filelist::IconCache icons_;
    filelist::FileList list_;
    filelist::FolderChoice folderChoice_;
    std::uint32_t viewFlags_ = 0;
    commit::History* history_ = nullptr;
    std::optional<std::uint64_t> lastJournalId_;
    std::vector<Step> recording_;
    RecentRecipes recent_;
    // The target folders' listings, read once until gathering, a commit or the
    // next-conflict command asks for a fresh look.
    commit::FolderNames folderNames_;
    // The walked folders' stamps: the commit's journal takes the rows' identities
    // from the walk while their folders are unchanged.
    filelist::GatheredFolders gatheredFolders_;
    commit::ConflictMarks conflicts_;
    std::optional<std::u16string> stateFolder_;
    std::unique_ptr<ListKeeper> keeper_;
    bool askAgain_ = true;
    // Once the window closes, the list it kept stays as it was kept.
    bool closed_ = false;
    commit::FailureMarks failures_;
    // The conflict count the status line shows.
    std::size_t shownConflicts_ = 0;
    // Items the last gathering left out, which the status line tells until the
    // command ends.
    std::size_t leftOut_ = 0;
};

}  // namespace morvalent::app
