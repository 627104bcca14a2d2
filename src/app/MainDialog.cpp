#include "app/MainDialog.h"

#include <exception>
#include <new>

#include "app/Commands.h"
#include "app/StateView.h"
#include "app/Texts.h"
#include "app/UserPrompts.h"
#include "platform/Path.h"
#include "platform/Regex.h"
#include "platform/Text.h"

namespace morvalent::app {

namespace {

constexpr filelist::Column kOptionalColumns[] = {filelist::ColFullPath, filelist::ColSize,
                                                 filelist::ColModified, filelist::ColCreated};

}  // namespace

MainDialog::MainDialog(UserPrompts& prompts, StateView& view, platform::FileSystem& fs,
                       filelist::IconSource& icons)
    : prompts_(prompts), view_(view), fs_(fs), icons_(icons), list_(icons_), folderNames_(fs) {}

MainDialog::~MainDialog() = default;

void MainDialog::OnInitDialog() {
    for (filelist::Column column : kOptionalColumns) view_.SetColumnWidth(column, 0);
    UpdateCommandStates();
}

void MainDialog::OnCancel() {
    ClearList();
    view_.CloseWindow();
}

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

std::optional<Outcome> MainDialog::OnCommand(CommandId id) {
    if (id == CommandId::Ok) {
        OnOK();
        return Outcome::Done();
    }
    const CommandInfo* command = FindCommand(id);
    if (command == nullptr) return std::nullopt;
    Outcome outcome = RunCommand(*command);
    AfterCommand();
    return outcome;
}

Outcome MainDialog::RunCommand(const CommandInfo& command) {
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
        Guarded([&] {
            DeleteRowsAsStep();
            return Outcome::Done();
        });
        AfterCommand();
        return true;
    }
    const CommandInfo* command = FindChord(message);
    if (command == nullptr) return false;
    const bool runs = CanRun(*command);
    if (!runs && !command->chord.alwaysTaken) return false;
    if (runs) RunCommand(*command);
    AfterCommand();
    return true;
}

void MainDialog::OnDropFiles(const std::vector<std::u16string>& paths) {
    Guarded([&] {
        GatherBatch(paths, true);
        return Outcome::Done();
    });
    AfterCommand();
}

void MainDialog::OnRowDoubleClicked() {
    if (const CommandInfo* command = FindCommand(CommandId::DirectRename)) RunCommand(*command);
    AfterCommand();
}

void MainDialog::OnSelectionChanged() { UpdateCommandStates(); }

void MainDialog::AfterCommand() {
    // The marks only advise: when they cannot be found (the disk fails, memory runs
    // out), the rows go unmarked and the command's own ending stands.
    try {
        if (conflicts_.Update(list_, folderNames_)) view_.ConflictsChanged();
    } catch (const std::exception&) {
        conflicts_.Clear();
        folderNames_.Forget();
        view_.ConflictsChanged();
    }
    UpdateCommandStates();
}

Outcome MainDialog::NextConflict() {
    folderNames_.Forget();
    if (conflicts_.Update(list_, folderNames_)) view_.ConflictsChanged();
    const auto next = conflicts_.NextAfter(list_.FocusedRow());
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
    if (count != 0) {
        view_.SetStatusText(
            platform::FormatText(texts::kRowCount, platform::DecimalText(std::uint64_t(count))));
        return;
    }
    view_.SetStatusText(u"");
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
    GatherBatch(paths, true);
    return Outcome::Done();
}

void MainDialog::GatherBatch(const std::vector<std::u16string>& paths, bool resetFolderChoice) {
    const std::vector<std::u16string_view> views(paths.begin(), paths.end());
    GatherBatch(views, resetFolderChoice);
}

void MainDialog::GatherBatch(std::span<const std::u16string_view> paths, bool resetFolderChoice) {
    if (resetFolderChoice) folderChoice_.answer = filelist::FolderAnswer::NotAsked;
    // The user may have changed the disk since the folders were last read.
    folderNames_.Forget();
    view_.SetStatusText(texts::kProcessing);
    view_.SetBusy(true);
    filelist::PendingEntries pending;
    filelist::Gatherer gatherer(list_, fs_, *this, folderChoice_);
    gatherer.SetProgress([this] { view_.KeepResponsive(); });
    // Every way in gives paths in one form, so one item never has two spellings.
    std::u16string room;
    for (const auto path : paths)
        gatherer.AddCandidate(pending, platform::NormalisePath(path, room));
    view_.SetStatusText(u"");
    const std::size_t before = list_.Count();
    gatherer.AppendPendingRows(pending);
    if (list_.Count() != before) ShowRowCount(list_.Count());
    view_.SetBusy(false);
}

}  // namespace morvalent::app
