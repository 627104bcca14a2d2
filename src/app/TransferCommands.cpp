#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "app/Texts.h"
#include "app/UserInterface.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "transfer/ExportText.h"
#include "transfer/Lines.h"
#include "transfer/TextFile.h"
#include "transfer/TransferTexts.h"

namespace morvalent::app {
namespace {

using transfer::ExportMode;

FileDialogRequest TextFileRequest(FileDialogRequest::Mode mode, const char16_t* title) {
    FileDialogRequest request;
    request.mode = mode;
    request.title = title;
    request.filters = {{texts::kTextFilesFilter, transfer::texts::kTextPattern},
                       {texts::kAllFilesFilter, transfer::texts::kAllPattern}};
    if (mode == FileDialogRequest::Mode::Save) {
        request.defaultExtension = transfer::texts::kTextExtension;
    }
    return request;
}

}  // namespace

void MainDialog::ExportList(int mode) {
    const auto exportMode = static_cast<ExportMode>(mode);
    const bool paths =
        exportMode == ExportMode::PathsToClipboard || exportMode == ExportMode::PathsToFile;
    switch (exportMode) {
        case ExportMode::NewNamesToClipboard:
        case ExportMode::PathsToClipboard:
            ui_.SetClipboardText(transfer::BuildExportText(list_, paths));
            return;
        case ExportMode::NewNamesToFile:
        case ExportMode::PathsToFile: {
            const auto chosen = ui_.ChooseFiles(TextFileRequest(
                FileDialogRequest::Mode::Save,
                paths ? transfer::texts::kSavePathsTitle : transfer::texts::kSaveNamesTitle));
            if (chosen.empty()) return;
            ui_.SetBusy(true);
            const bool written = transfer::WriteTextFile(chosen.front(), list_, paths);
            ui_.SetBusy(false);
            if (!written) {
                ui_.ShowMessage(platform::FormatText(transfer::texts::kSaveFailed, chosen.front()));
            }
            return;
        }
    }
}

void MainDialog::LoadNewNames() {
    const auto chosen = ui_.ChooseFiles(
        TextFileRequest(FileDialogRequest::Mode::OpenOne, transfer::texts::kLoadNewNamesTitle));
    if (chosen.empty()) return;
    ui_.SetBusy(true);
    const auto text = transfer::ReadTextFile(chosen.front());
    if (!text) {
        ui_.SetBusy(false);
        ui_.ShowMessage(platform::FormatText(transfer::texts::kReadFailed, chosen.front()));
        return;
    }
    // By position only: empty lines take no row, lines past the last row are ignored.
    const auto lines = transfer::ReadLines(*text);
    {
        filelist::FileList::Batch batch(list_);
        for (std::size_t row = 0; row < lines.size() && row < list_.Count(); ++row) {
            list_.SetNewName(row, std::u16string(lines[row]));
        }
    }
    ui_.SetBusy(false);
}

void MainDialog::LoadPathList() {
    const auto chosen = ui_.ChooseFiles(
        TextFileRequest(FileDialogRequest::Mode::OpenOne, transfer::texts::kLoadPathListTitle));
    if (chosen.empty()) return;
    ui_.SetBusy(true);
    const auto text = transfer::ReadTextFile(chosen.front());
    ui_.SetBusy(false);
    if (!text) {
        ui_.ShowMessage(platform::FormatText(transfer::texts::kReadFailed, chosen.front()));
        return;
    }
    const auto lines = transfer::ReadLines(*text);
    // A relative line (a list made with `find .`) names a place beside the list
    // file; taken as it is, its target would be built in the root folder.
    std::vector<std::u16string> paths;
    paths.reserve(lines.size());
    for (const auto& line : lines) paths.push_back(platform::PathBesideFile(chosen.front(), line));
    // The folder answer given earlier in this run still holds for a path list.
    GatherBatch(paths, false);
}

}  // namespace morvalent::app
