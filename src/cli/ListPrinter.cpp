#include "cli/ListPrinter.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "app/Texts.h"
#include "cli/CliTexts.h"
#include "cli/CliUserInterface.h"
#include "cli/DisplayText.h"
#include "platform/Path.h"

namespace morvalent::cli {
namespace {

using filelist::FileList;

// A name wider than this does not widen its column for every other row.
constexpr std::size_t kMaxPaddedWidth = 60;
constexpr char kGap[] = "  ";

void WritePadded(std::ostream& out, const DisplayText& text, std::size_t width) {
    out << text.utf8;
    for (std::size_t w = text.width; w < width; ++w) out << ' ';
}

void PrintTable(const FileList& list, std::ostream& out) {
    if (list.Empty()) return;
    const DisplayText numberHeader = MakeDisplayText(texts::kRowNumberHeader);
    const DisplayText currentHeader =
        MakeDisplayText(app::texts::kHeaders[filelist::ColCurrentName]);
    const DisplayText newHeader = MakeDisplayText(app::texts::kHeaders[filelist::ColNewName]);
    const DisplayText folderHeader = MakeDisplayText(app::texts::kHeaders[filelist::ColFolder]);

    const std::size_t numberWidth =
        std::max(numberHeader.width, std::to_string(list.Count()).size());
    std::size_t currentWidth = currentHeader.width;
    std::size_t newWidth = newHeader.width;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        currentWidth = std::max(
            currentWidth, std::min(MakeDisplayText(list.CurrentName(i)).width, kMaxPaddedWidth));
        newWidth =
            std::max(newWidth, std::min(MakeDisplayText(list.NewName(i)).width, kMaxPaddedWidth));
    }

    WritePadded(out, numberHeader, numberWidth);
    out << kGap;
    WritePadded(out, currentHeader, currentWidth);
    out << kGap;
    WritePadded(out, newHeader, newWidth);
    out << kGap << folderHeader.utf8 << '\n';
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const std::string number = std::to_string(i + 1);
        out << std::string(numberWidth - number.size(), ' ') << number << kGap;
        WritePadded(out, MakeDisplayText(list.CurrentName(i)), currentWidth);
        out << kGap;
        WritePadded(out, MakeDisplayText(list.NewName(i)), newWidth);
        out << kGap << MakeDisplayText(list.FolderText(i)).utf8 << '\n';
    }
}

std::u16string Target(const FileList& list, std::size_t row) {
    std::u16string target = list.FolderText(row);
    target.push_back(platform::kPathSeparator);
    target += list.NewName(row);
    return target;
}

// The reason's word for scripts.
const char* ConflictWord(commit::Conflict conflict) {
    switch (conflict) {
        case commit::Conflict::None:
            break;
        case commit::Conflict::EmptyName:
            return "empty";
        case commit::Conflict::Duplicate:
            return "duplicate";
        case commit::Conflict::Exists:
            return "exists";
        case commit::Conflict::TooLong:
            return "too-long";
        case commit::Conflict::Invalid:
            return "invalid";
        case commit::Conflict::NoFolder:
            return "no-folder";
    }
    return "";
}

}  // namespace

void PrintList(const FileList& list, const commit::ConflictMarks& conflicts, PrintMode mode,
               std::ostream& out) {
    switch (mode) {
        case PrintMode::Table:
            PrintTable(list, out);
            break;
        case PrintMode::Names:
            for (std::size_t i = 0; i < list.Count(); ++i)
                out << OutputBytes(list.NewName(i)) << '\n';
            break;
        case PrintMode::Paths:
            for (std::size_t i = 0; i < list.Count(); ++i)
                out << OutputBytes(list.Entry(i).path) << '\n';
            break;
        case PrintMode::Targets:
            for (std::size_t i = 0; i < list.Count(); ++i)
                out << OutputBytes(Target(list, i)) << '\n';
            break;
        case PrintMode::Conflicts:
            for (std::size_t i = 0; i < list.Count(); ++i) {
                const commit::Conflict conflict = conflicts.At(i);
                if (conflict == commit::Conflict::None) continue;
                out << i + 1 << '\t' << ConflictWord(conflict) << '\t'
                    << OutputBytes(Target(list, i)) << '\n';
            }
            break;
        case PrintMode::None:
            break;
    }
    out.flush();
}

}  // namespace morvalent::cli
