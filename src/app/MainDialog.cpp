#include "app/MainDialog.h"

#include <exception>
#include <new>

#include "app/Commands.h"
#include "app/InputDialog.h"
#include "app/StateView.h"
#include "app/Texts.h"
#include "app/UserPrompts.h"
#include "platform/DurableFiles.h"
#include "platform/Path.h"
#include "platform/Regex.h"
#include "platform/StateFolder.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"

namespace morvalent::app {

namespace {

std::u16string LeftOutText(std::size_t count) {
    return platform::FormatText(texts::kLeftOutCount, platform::DecimalText(std::uint64_t(count)));
}

constexpr filelist::Column kOptionalColumns[] = {filelist::ColFullPath, filelist::ColSize,
                                                 filelist::ColModified, filelist::ColCreated};

}  // namespace

MainDialog::MainDialog(UserPrompts& prompts, StateView& view, platform::FileSystem& fs,
                       filelist::IconSource& icons)
    : prompts_(prompts), view_(view), fs_(fs), icons_(icons), list_(icons_), folderNames_(fs) {}

MainDialog::~MainDialog() = default;

template <typename Action>
Outcome MainDialog::Guarded(Action action) {
    // A command that fails ends with a message; the window goes on. Edits put back
    // every name they replaced, so a failure leaves the rows as they were.
    std::u16string message;
    try {
        return action();
    } catch (const std::bad_alloc&) {
        message = texts::kOutOfMemory;
    } catch (const std::exception& error) {
        message = platform::FormatText(texts::kCommandFailed, platform::Utf8ToUtf16(error.what()));
    }
    view_.SetBusy(false);
    return Refuse(std::move(message));
}

void MainDialog::OnInitDialog() {
    for (filelist::Column column : kOptionalColumns) view_.SetColumnWidth(column, 0);
    UpdateCommandStates();
}

void MainDialog::OnCancel() {
    // Esc closes at once, but the work is kept for the next start.
    KeepListNow();
    closed_ = true;
    {
        ListKeeper::Change change(keeper_.get());
        ClearList();
    }
    view_.CloseWindow();
}

void MainDialog::KeepListNow() {
    if (!keeper_ || closed_) return;
    try {
        keeper_->KeepNow();
    } catch (const std::exception&) {
        // Keeping is a safety net: the window closes all the same.
    }
}

void MainDialog::SelectRowsFromView(std::size_t first, std::size_t last, bool selected) {
    ListKeeper::Change change(keeper_.get());
    for (std::size_t row = first; row <= last && row < list_.Count(); ++row)
        list_.SetSelectedFromView(row, selected);
}

void MainDialog::OfferSavedList() {
    if (!keeper_ || !list_.Empty()) return;
    auto saved = keeper_->Read();
    if (!saved || saved->rows.empty()) return;
    const std::u16string question = platform::FormatText(
        texts::kOfferSavedList, platform::DecimalText(std::uint64_t(saved->rows.size())),
        platform::FormatLocalFileTime(saved->savedAt));
    if (!prompts_.AskYesNo(question, texts::kTitle)) {
        keeper_->Forget();
        return;
    }
    // The rows change until the marks are found (a write in the background waits).
    ListKeeper::Change change(keeper_.get());
    Guarded([&] {
        view_.SetStatusText(texts::kProcessing);
        view_.SetBusy(true);
        std::size_t dropped = 0;
        {
            filelist::FileList::Batch batch(list_);
            list_.Reserve(saved->rows.size());
            for (std::size_t i = 0; i < saved->rows.size(); ++i) {
                SavedRow& row = saved->rows[i];
                // The item may have been renamed, moved or deleted since: its row goes.
                const auto isFolder = fs_.IsFolder(row.path);
                const auto info = isFolder ? fs_.ReadInfo(row.path) : std::nullopt;
                if (!info) {
                    ++dropped;
                    continue;
                }
                filelist::FileEntry entry;
                entry.path = std::move(row.path);
                entry.creationTime = info->creationTime;
                entry.lastWriteTime = info->lastWriteTime;
                entry.size = *isFolder ? 0 : info->size;
                entry.isFolder = *isFolder;
                const std::size_t at = list_.InsertEntryRow(std::move(entry));
                list_.SetNewName(at, std::move(row.newName));
                if (row.hasFolder) list_.SetFolderText(at, row.folder);
                if (row.selected) list_.SetSelected(at, true);
                if ((i + 1) % 4096 == 0) view_.KeepResponsive();
            }
        }
        view_.SetBusy(false);
        if (dropped == 0) {
            ShowRowCount(list_.Count());
        } else {
            view_.SetStatusText(platform::FormatText(
                texts::kRowCountDropped, platform::DecimalText(std::uint64_t(list_.Count())),
                platform::DecimalText(std::uint64_t(dropped))));
        }
        return Outcome::Done();
    });
    AfterCommand();
}

const platform::MoveError* MainDialog::FailureAt(std::size_t row) const {
    if (failures_.Empty() || row >= list_.Count()) return nullptr;
    return failures_.Of(list_.Entry(row).path);
}

std::u16string MainDialog::FailureTextAt(std::size_t row) const {
    const platform::MoveError* error = FailureAt(row);
    if (error == nullptr) return {};
    std::u16string reason = commit::ReasonText(*error);
    return reason.empty() ? std::u16string(texts::kRenameFailed) : reason;
}

std::optional<WindowState> MainDialog::SavedWindowState() const {
    if (!stateFolder_) return std::nullopt;
    const auto text = platform::ReadWholeFile(*stateFolder_ + platform::kPathSeparator + u"window");
    if (!text) return std::nullopt;
    auto state = ParseWindowState(*text);
    if (!state) return std::nullopt;
    // The optional columns start hidden at every start.
    for (filelist::Column column : kOptionalColumns) state->widths[column] = 0;
    return state;
}

void MainDialog::KeepWindowState(const WindowState& state) {
    if (!stateFolder_ || !platform::MakeFolders(*stateFolder_)) return;
    platform::ReplacingFile file(*stateFolder_ + platform::kPathSeparator + u"window");
    if (file.IsOpen() && file.Write(WindowStateText(state))) file.Commit();
}

std::optional<Outcome> MainDialog::AskUntilValid(
    InputDialog& dialog, const std::function<std::optional<std::u16string>()>& check) {
    std::optional<InputDialog> refused;
    for (;;) {
        if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
        std::optional<std::u16string> refusal = check();
        if (!refusal) return std::nullopt;
        // A step's values, or the same values given again unchanged (a front end
        // that cannot type), end the command with the refusal.
        const bool same = refused && refused->text1 == dialog.text1 &&
                          refused->text2 == dialog.text2 && refused->choice == dialog.choice;
        if (!askAgain_ || prompts_.AnsweringStep() || same) return Refuse(std::move(*refusal));
        // The dialog comes back as the user left it; nothing has changed yet.
        prompts_.ShowMessage(*refusal);
        refused.emplace(dialog);
    }
}

std::optional<Outcome> MainDialog::OnCommand(CommandId id) {
    if (id == CommandId::Ok) {
        OnOK();
        return Outcome::Done();
    }
    const CommandInfo* command = FindCommand(id);
    if (command == nullptr) return std::nullopt;
    ListKeeper::Change change(keeper_.get());
    Outcome outcome = RunCommand(*command);
    AfterCommand();
    return outcome;
}

Outcome MainDialog::RunCommand(const CommandInfo& command) {
    ListKeeper::Change change(keeper_.get());
    const std::vector<std::size_t> selection = SelectedRowNumbers();
    prompts_.BeginCommand();
    Outcome outcome = Guarded([&] { return (this->*command.run)(); });
    if (outcome.kind == Outcome::Kind::Done) Record(command, selection);
    // An empty list starts a new recording.
    if (list_.Empty()) recording_.clear();
    return outcome;
}

std::vector<std::size_t> MainDialog::SelectedRowNumbers() const {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        if (list_.IsSelected(i)) rows.push_back(i + 1);
    }
    return rows;
}

void MainDialog::Record(const CommandInfo& command, const std::vector<std::size_t>& selection) {
    if (!command.option.recorded) return;
    Step step;
    step.command = command.id;
    step.texts = prompts_.Given().texts;
    step.choice = prompts_.Given().choice;
    const auto words = StepWords(step);
    // Only what the terminal can do again is a step.
    if (!words) return;
    step.option = words->front();
    if (command.needs == Needs::Selection) {
        Step select;
        select.kind = Step::Kind::Select;
        select.option = "--select";
        select.rows = selection;
        recording_.push_back(std::move(select));
    }
    recording_.push_back(std::move(step));
}

void MainDialog::DeleteRowsAsStep() {
    Step select;
    select.kind = Step::Kind::Select;
    select.option = "--select";
    select.rows = SelectedRowNumbers();
    if (select.rows.empty()) return;
    DeleteSelectedRows();
    if (list_.Empty()) {
        recording_.clear();
        return;
    }
    Step remove;
    remove.kind = Step::Kind::DeleteRows;
    remove.option = "--delete-rows";
    recording_.push_back(std::move(select));
    recording_.push_back(std::move(remove));
}

bool MainDialog::PreTranslateMessage(const KeyMessage& message) {
    // The Delete key belongs to the list rather than to a command.
    if (message.type == KeyMessage::Type::Press && message.key == Key::Delete) {
        ListKeeper::Change change(keeper_.get());
        Guarded([&] {
            DeleteRowsAsStep();
            return Outcome::Done();
        });
        AfterCommand();
        return true;
    }
    const CommandInfo* command = FindChord(message);
    if (command == nullptr) return false;
    ListKeeper::Change change(keeper_.get());
    const bool runs = CanRun(*command);
    if (!runs && !command->chord.alwaysTaken) return false;
    if (runs) RunCommand(*command);
    AfterCommand();
    return true;
}

Outcome MainDialog::OnDropFiles(const std::vector<std::u16string>& paths) {
    ListKeeper::Change change(keeper_.get());
    Outcome outcome = Guarded([&] { return GatherBatch(paths, true); });
    AfterCommand();
    return outcome;
}

void MainDialog::OnRowDoubleClicked() {
    ListKeeper::Change change(keeper_.get());
    if (const CommandInfo* command = FindCommand(CommandId::DirectRename)) RunCommand(*command);
    AfterCommand();
}

void MainDialog::OnSelectionChanged() { UpdateCommandStates(); }

void MainDialog::ForgetFailures() {
    if (failures_.Empty()) return;
    failures_.Clear();
    view_.ConflictsChanged();
}

void MainDialog::AfterCommand() {
    // The marks only advise: when they cannot be found (the disk fails, memory runs
    // out), the rows go unmarked and the command's own ending stands.
    try {
        if (conflicts_.Update(list_, folderNames_) || !failures_.Empty()) view_.ConflictsChanged();
    } catch (const std::exception&) {
        conflicts_.Clear();
        folderNames_.Forget();
        view_.ConflictsChanged();
    }
    if (!list_.Empty() && conflicts_.MarkedCount() != shownConflicts_) ShowRowCount(list_.Count());
    UpdateCommandStates();
    leftOut_ = 0;
    // Kept after every command, so a crash loses at most the last one. Each caller
    // holds a change until here: the write starts once the command is over.
    if (keeper_ && !closed_) {
        try {
            keeper_->Keep();
        } catch (const std::exception&) {
            // Keeping is a safety net: the command's own ending stands.
        }
    }
}

Outcome MainDialog::NextConflict() {
    folderNames_.Forget();
    if (conflicts_.Update(list_, folderNames_)) view_.ConflictsChanged();
    auto next = conflicts_.NextAfter(list_.FocusedRow());
    if (!failures_.Empty()) {
        // Rows the last commit could not rename count as well, whichever comes first
        // after the focused row (round to the top).
        const std::size_t count = list_.Count();
        const std::size_t from = list_.FocusedRow() ? *list_.FocusedRow() + 1 : 0;
        for (std::size_t step = 0; step < count; ++step) {
            const std::size_t row = (from + step) % count;
            if (next && row == *next) break;
            if (FailureAt(row) != nullptr) {
                next = row;
                break;
            }
        }
    }
    if (!next) {
        prompts_.ShowMessage(texts::kNoConflicts);
        return Outcome::Done();
    }
    list_.ClearSelection();
    view_.FocusList();
    list_.SetSelected(*next, true);
    list_.SetFocusedRow(*next);
    view_.EnsureRowVisible(*next);
    return Outcome::Done();
}

bool MainDialog::CanRun(const CommandInfo& command) const {
    switch (command.needs) {
        case Needs::Always:
            return true;
        case Needs::Rows:
            return !list_.Empty();
        case Needs::Selection:
            return list_.SelectedCount() > 0;
        case Needs::RowsAndRegex:
            return !list_.Empty() && platform::Regex::Supported();
    }
    return false;
}

void MainDialog::UpdateCommandStates() {
    for (const CommandInfo& command : AllCommands()) {
        if (command.needs != Needs::Always) view_.SetCommandEnabled(command.id, CanRun(command));
    }
    for (const CommandInfo& command : AllCommands()) {
        if (command.checked != nullptr)
            view_.SetCommandChecked(command.id, (this->*command.checked)());
    }
    ShowRecentRecipes();
}

void MainDialog::ShowRowCount(std::size_t count) {
    shownConflicts_ = count != 0 ? conflicts_.MarkedCount() : 0;
    if (count != 0) {
        std::u16string text =
            platform::FormatText(texts::kRowCount, platform::DecimalText(std::uint64_t(count)));
        if (shownConflicts_ != 0) {
            text += platform::FormatText(texts::kConflictCount,
                                         platform::DecimalText(std::uint64_t(shownConflicts_)));
        }
        if (leftOut_ != 0) text += texts::kStatusJoint + LeftOutText(leftOut_);
        view_.SetStatusText(text);
        return;
    }
    view_.SetStatusText(leftOut_ != 0 ? LeftOutText(leftOut_) : u"");
    UpdateCommandStates();
}

bool MainDialog::IsViewFlagSet(filelist::Column column) const {
    return (viewFlags_ >> column) & 1u;
}

void MainDialog::SetViewFlag(filelist::Column column, bool shown) {
    if (shown)
        viewFlags_ |= 1u << column;
    else
        viewFlags_ &= ~(1u << column);
}

void MainDialog::ToggleViewFlag(filelist::Column column) {
    SetViewFlag(column, !IsViewFlagSet(column));
    RefreshOptionalColumn(column);
}

void MainDialog::RefreshOptionalColumn(filelist::Column column) {
    // Texts are derived from the entries when shown, so only the width changes.
    if (!IsViewFlagSet(column)) {
        view_.SetColumnWidth(column, 0);
        return;
    }
    view_.SetColumnWidth(column, column == filelist::ColSize ? 80 : 120);
}

Outcome MainDialog::ShowVersion() {
    prompts_.ShowMessage(texts::kVersionMessage, texts::kTitle);
    return Outcome::Done();
}

Outcome MainDialog::Exit() {
    OnCancel();
    return Outcome::Done();
}

Outcome MainDialog::Refuse(std::u16string message) {
    prompts_.ShowMessage(message);
    return Outcome::Refused(std::move(message));
}

void MainDialog::DeleteSelectedRows() {
    if (list_.RemoveSelectedRows() == 0) return;
    ShowRowCount(list_.Count());
}

bool MainDialog::AddFolderItself(const std::u16string& folderPath) {
    return prompts_.AskYesNo(texts::kFolderQuestion, folderPath);
}

Outcome MainDialog::AddFiles() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::OpenMany;
    request.title = texts::kAddFilesTitle;
    request.filters = {{texts::kAllFilesFilter, u"*"}};
    const auto paths = prompts_.ChooseFiles(request);
    if (paths.empty()) return Outcome::Cancelled();
    return GatherBatch(paths, true);
}

Outcome MainDialog::AddFolders() {
    const auto folders = prompts_.ChooseFolders(texts::kAddFoldersTitle);
    if (folders.empty()) return Outcome::Cancelled();
    return GatherBatch(folders, true);
}

Outcome MainDialog::GatherBatch(const std::vector<std::u16string>& paths, bool resetFolderChoice) {
    const std::vector<std::u16string_view> views(paths.begin(), paths.end());
    return GatherBatch(views, resetFolderChoice);
}

Outcome MainDialog::GatherBatch(std::span<const std::u16string_view> paths,
                                bool resetFolderChoice) {
    if (resetFolderChoice) folderChoice_.answer = filelist::FolderAnswer::NotAsked;
    // The user may have changed the disk since the folders were last read.
    folderNames_.Forget();
    view_.SetStatusText(texts::kProcessing);
    view_.SetBusy(true);
    filelist::PendingEntries pending;
    filelist::Gatherer gatherer(list_, fs_, *this, folderChoice_);
    gatherer.SetProgress([this] { view_.KeepResponsive(); });
    // The marks that follow read the walked folders' names from the walk itself.
    gatherer.SetListed([this](std::u16string_view folder,
                              const std::optional<platform::FolderStamp>& stamp,
                              const std::vector<platform::FolderItem>& items) {
        folderNames_.Listed(folder, items);
        gatheredFolders_.Walked(folder, stamp);
    });
    // Every way in gives paths in one form, so one item never has two spellings.
    std::u16string room;
    std::size_t tooLong = 0;
    for (const auto path : paths) {
        // No system names anything by so long a text: it is not copied to be tried.
        if (path.size() > platform::kLongestPath) {
            ++tooLong;
            continue;
        }
        gatherer.AddCandidate(pending, platform::NormalisePath(path, room));
    }
    view_.SetStatusText(u"");
    const std::size_t before = list_.Count();
    gatherer.AppendPendingRows(pending);
    Outcome outcome = Outcome::Done();
    outcome.unreadable = tooLong + gatherer.Unreadable();
    leftOut_ = outcome.unreadable;
    if (list_.Count() != before || leftOut_ != 0) ShowRowCount(list_.Count());
    view_.SetBusy(false);
    return outcome;
}

}  // namespace morvalent::app
