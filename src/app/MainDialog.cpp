#include "app/MainDialog.h"

#include <exception>
#include <new>

#include "app/Commands.h"
#include "app/Texts.h"
#include "app/UserInterface.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace morvalent::app {

using filelist::ColCreated;
using filelist::ColFullPath;

MainDialog::MainDialog(UserInterface& ui, platform::FileSystem& fs, filelist::IconSource& icons)
    : ui_(ui), fs_(fs), icons_(icons), list_(icons_) {}

MainDialog::~MainDialog() = default;

void MainDialog::OnInitDialog() {
    for (int column = ColFullPath; column <= ColCreated; ++column) ui_.SetColumnWidth(column, 0);
    UpdateCommandStates();
}

void MainDialog::OnCancel() {
    ClearList();
    ui_.CloseWindow();
}

template <typename Action>
void MainDialog::Guarded(Action action) {
    // A command that fails ends with a message; the window goes on. Edits build
    // every new name before they store any, so a failure leaves the rows as they were.
    try {
        action();
    } catch (const std::bad_alloc&) {
        ui_.SetBusy(false);
        ui_.ShowMessage(texts::kOutOfMemory);
    } catch (const std::exception& error) {
        ui_.SetBusy(false);
        ui_.ShowMessage(
            platform::FormatText(texts::kCommandFailed, platform::Utf8ToUtf16(error.what())));
    }
}

bool MainDialog::OnCommand(int id) {
    if (id >= kFirstCommand && id <= kLastCommand) {
        Guarded([&] { RunCommand(id); });
        UpdateCommandStates();
        return true;
    }
    if (id == CmdExit) {
        OnCancel();
        return true;
    }
    if (id == CmdOk) {
        OnOK();
        return true;
    }
    return false;
}

void MainDialog::RunCommand(int id) {
    switch (id) {
        case CmdApplyRenames:
            ApplyRenames();
            break;
        case CmdReplaceString:
            ReplaceString();
            break;
        case CmdAddPrefix:
            AddPrefix();
            break;
        case CmdAddSuffix:
            AddSuffix();
            break;
        case CmdEraseName:
            EraseName();
            break;
        case CmdDeleteByPosition:
            DeleteByPosition();
            break;
        case CmdDeleteEnclosed:
            DeleteEnclosed();
            break;
        case CmdKeepDigitsOnly:
            KeepDigitsOnly();
            break;
        case CmdPadDigits:
            PadDigits();
            break;
        case CmdNumberRows:
            NumberRows();
            break;
        case CmdRevertNewNames:
            RevertNewNames();
            break;
        case CmdClearList:
            ClearList();
            break;
        case CmdDirectRename:
            DirectRename();
            break;
        case CmdSortList:
            SortList();
            break;
        case CmdPrefixFolderName:
            PrefixFolderName();
            break;
        case CmdSuffixFolderName:
            SuffixFolderName();
            break;
        case CmdUnifyFolder:
            UnifyFolder();
            break;
        case CmdDeleteExtension:
            DeleteExtension();
            break;
        case CmdAddExtension:
            AddExtension();
            break;
        case CmdChangeExtension:
            ChangeExtension();
            break;
        case CmdAddFiles:
            OnAddFiles();
            break;
        case CmdCopyNames:
            ExportList(0);
            break;
        case CmdSaveNames:
            ExportList(1);
            break;
        case CmdCopyPaths:
            ExportList(2);
            break;
        case CmdSavePaths:
            ExportList(3);
            break;
        case CmdLoadNewNames:
            LoadNewNames();
            break;
        case CmdLoadPathList:
            LoadPathList();
            break;
        case CmdMoveUp:
            MoveSelectionUp();
            break;
        case CmdMoveDown:
            MoveSelectionDown();
            break;
        case CmdShowFullPath:
        case CmdShowSize:
        case CmdShowModified:
        case CmdShowCreated:
            ToggleViewFlag(3 + id - CmdShowFullPath);
            break;
        case CmdVersion:
            ShowVersion();
            break;
        default:
            break;
    }
}

bool MainDialog::PreTranslateMessage(const KeyMessage& message) {
    bool handled = false;
    Guarded([&] { handled = TranslateKey(message); });
    return handled;
}

bool MainDialog::TranslateKey(const KeyMessage& message) {
    using Type = KeyMessage::Type;
    if (message.type == Type::Press) {
        switch (message.key) {
            case Key::Delete:
                DeleteSelectedRows();
                break;
            case Key::Comma:
                MoveSelectionUp();
                break;
            case Key::Period:
                MoveSelectionDown();
                break;
            default:
                return false;
        }
        UpdateCommandStates();
        return true;
    }
    // Ctrl shortcuts act when the letter key is released; repeats do not count.
    if (message.autoRepeat || !message.ctrl) return false;
    const bool hasRows = !list_.Empty();
    switch (message.key) {
        case Key::O:
            OnAddFiles();
            break;
        case Key::S:
            if (hasRows)
                ApplyRenames();
            else
                return false;
            break;
        case Key::Z:
            if (hasRows)
                RevertNewNames();
            else
                return false;
            break;
        case Key::L:
            if (hasRows)
                ClearList();
            else
                return false;
            break;
        case Key::A:
            if (hasRows)
                SortList();
            else
                return false;
            break;
        case Key::C:
            if (!hasRows) return false;
            ExportList(message.shift ? 2 : 0);
            break;
        case Key::X:
            if (!hasRows) return false;
            ExportList(message.shift ? 3 : 1);
            break;
        case Key::V:
            // Consumed in every case, also when nothing runs.
            if (message.shift)
                LoadPathList();
            else if (hasRows)
                LoadNewNames();
            break;
        default:
            return false;
    }
    UpdateCommandStates();
    return true;
}

void MainDialog::OnDropFiles(const std::vector<std::u16string>& paths) {
    Guarded([&] { GatherBatch(paths, true); });
    UpdateCommandStates();
}

void MainDialog::OnRowDoubleClicked() {
    Guarded([&] { DirectRename(); });
    UpdateCommandStates();
}

void MainDialog::OnSelectionChanged() { UpdateCommandStates(); }

void MainDialog::UpdateCommandStates() {
    const bool hasRows = !list_.Empty();
    const bool hasSelection = list_.SelectedCount() > 0;
    for (const CommandInfo& command : AllCommands()) {
        if (command.needs == Needs::Rows)
            ui_.SetCommandEnabled(command.id, hasRows);
        else if (command.needs == Needs::Selection)
            ui_.SetCommandEnabled(command.id, hasSelection);
    }
    for (int column = ColFullPath; column <= ColCreated; ++column) {
        ui_.SetCommandChecked(CmdShowFullPath + column - ColFullPath, IsViewFlagSet(column));
    }
}

void MainDialog::ShowRowCount(std::size_t count) {
    if (count != 0) {
        ui_.SetStatusText(
            platform::FormatText(texts::kRowCount, platform::DecimalText(std::uint64_t(count))));
        return;
    }
    ui_.SetStatusText(u"");
    UpdateCommandStates();
}

bool MainDialog::IsViewFlagSet(int column) const { return (viewFlags_ >> column) & 1u; }

void MainDialog::SetViewFlag(int column, int value) {
    if (value == 0)
        viewFlags_ &= ~(1u << column);
    else if (value == 1)
        viewFlags_ |= 1u << column;
}

void MainDialog::ToggleViewFlag(int column) {
    SetViewFlag(column, IsViewFlagSet(column) ? 0 : 1);
    RefreshOptionalColumn(column);
}

void MainDialog::RefreshOptionalColumn(int column) {
    // Texts are derived from the entries when shown, so only the width changes.
    if (!IsViewFlagSet(column)) {
        ui_.SetColumnWidth(column, 0);
        return;
    }
    ui_.SetColumnWidth(column, column == filelist::ColSize ? 80 : 120);
}

void MainDialog::ShowVersion() { ui_.ShowMessage(texts::kVersionMessage, texts::kTitle); }

void MainDialog::DeleteSelectedRows() {
    if (list_.RemoveSelectedRows() == 0) return;
    ShowRowCount(list_.Count());
}

bool MainDialog::AddFolderItself(const std::u16string& folderPath) {
    return ui_.AskYesNo(texts::kFolderQuestion, folderPath);
}

void MainDialog::OnAddFiles() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::OpenMany;
    request.title = texts::kAddFilesTitle;
    request.filters = {{texts::kAllFilesFilter, u"*"}};
    const auto paths = ui_.ChooseFiles(request);
    if (paths.empty()) return;
    GatherBatch(paths, true);
}

void MainDialog::GatherBatch(const std::vector<std::u16string>& paths, bool resetFolderChoice) {
    if (resetFolderChoice) folderChoice_.value = -1;
    ui_.SetStatusText(texts::kProcessing);
    ui_.SetBusy(true);
    filelist::PendingEntries pending;
    filelist::Gatherer gatherer(list_, fs_, *this, folderChoice_);
    gatherer.SetProgress([this] { ui_.KeepResponsive(); });
    // Every way in gives paths in one form, so one item never has two spellings.
    for (const auto& path : paths) gatherer.AddCandidate(pending, platform::NormalisePath(path));
    ui_.SetStatusText(u"");
    const std::size_t before = list_.Count();
    gatherer.AppendPendingRows(pending);
    if (list_.Count() != before) ShowRowCount(list_.Count());
    ui_.SetBusy(false);
}

}  // namespace morvalent::app
