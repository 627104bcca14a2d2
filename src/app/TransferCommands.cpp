#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/Texts.h"
#include "app/UserPrompts.h"
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

// A text file the user chose and what reading it gave.
struct ChosenText {
    std::u16string path;
    transfer::TextRead read;
};

// Asks for one text file and reads it with the busy cursor up; nothing when the
// user cancelled.
std::optional<ChosenText> ChooseAndRead(UserPrompts& prompts, StateView& view,
                                        const char16_t* title) {
    const auto chosen =
        prompts.ChooseFiles(TextFileRequest(FileDialogRequest::Mode::OpenOne, title));
    if (chosen.empty()) return std::nullopt;
    view.SetBusy(true);
    ChosenText result{chosen.front(), transfer::ReadTextFile(chosen.front())};
    view.SetBusy(false);
    return result;
}

}  // namespace

Outcome MainDialog::ExportList(ExportMode mode) {
    const bool paths = mode == ExportMode::PathsToClipboard || mode == ExportMode::PathsToFile;
    switch (mode) {
        case ExportMode::NewNamesToClipboard:
        case ExportMode::PathsToClipboard:
            prompts_.SetClipboardText(transfer::BuildExportText(list_, paths));
            return Outcome::Done();
        case ExportMode::NewNamesToFile:
        case ExportMode::PathsToFile:
            break;
    }
    const auto chosen = prompts_.ChooseFiles(
        TextFileRequest(FileDialogRequest::Mode::Save, paths ? transfer::texts::kSavePathsTitle
                                                             : transfer::texts::kSaveNamesTitle));
    if (chosen.empty()) return Outcome::Cancelled();
    // A value the file cannot hold would shift every later row on loading.
    if (const auto row = transfer::FirstRowNotLoadingBack(list_, paths)) {
        return Refuse(
            platform::FormatText(transfer::texts::kNotLoadingBack, list_.Entry(*row).path));
    }
    view_.SetBusy(true);
    const bool written = transfer::WriteTextFile(chosen.front(), list_, paths);
    view_.SetBusy(false);
    if (!written) return Refuse(platform::FormatText(transfer::texts::kSaveFailed, chosen.front()));
    return Outcome::Done();
}

Outcome MainDialog::LoadNewNames() {
    const auto chosen = ChooseAndRead(prompts_, view_, transfer::texts::kLoadNewNamesTitle);
    if (!chosen) return Outcome::Cancelled();
    if (chosen->read.failure != transfer::ReadFailure::None) {
        return Refuse(transfer::ReadFailureText(chosen->read, chosen->path));
    }
    // By position only: empty lines take no row, lines past the last row are ignored.
    const auto lines = transfer::ReadLines(chosen->read.text);
    view_.SetBusy(true);
    {
        filelist::FileList::Batch batch(list_);
        for (std::size_t row = 0; row < lines.size() && row < list_.Count(); ++row) {
            list_.SetNewName(row, std::u16string(lines[row]));
        }
    }
    view_.SetBusy(false);
    return Outcome::Done();
}

Outcome MainDialog::LoadPathList() {
    const auto chosen = ChooseAndRead(prompts_, view_, transfer::texts::kLoadPathListTitle);
    if (!chosen) return Outcome::Cancelled();
    if (chosen->read.failure != transfer::ReadFailure::None) {
        return Refuse(transfer::ReadFailureText(chosen->read, chosen->path));
    }
    auto lines = transfer::ReadLines(chosen->read.text);
    // A relative line (a list made with `find .`) names a place beside the list
    // file; taken as it is, its target would be built in the root folder.
    // A list named without a folder is the one in the current folder.
    const std::u16string listFile = platform::NormalisePath(chosen->path);
    // Only those lines need a string of their own; the others stay in the text.
    std::deque<std::u16string> beside;
    for (auto& line : lines) {
        // A line too long to be a path is left for the gathering to count.
        if (platform::IsAbsolutePath(line) || line.size() > platform::kLongestPath) continue;
        line = beside.emplace_back(platform::PathBesideFile(listFile, line));
    }
    // The folder answer given earlier in this run still holds for a path list.
    return GatherBatch(std::span<const std::u16string_view>(lines), false);
}

}  // namespace morvalent::app
