#include "cli/ListPrinter.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <string>

#include "app/ConflictTip.h"
#include "app/Texts.h"
#include "cli/CliTexts.h"
#include "cli/CliUserInterface.h"
#include "cli/DisplayText.h"
#include "commit/FailureReasons.h"
#include "filelist/NameChange.h"
#include "filelist/NameParts.h"
#include "platform/Path.h"

namespace morvalent::cli {
namespace {

using filelist::FileList;

// A name wider than this does not widen its column for every other row.
constexpr std::size_t kMaxPaddedWidth = 60;
constexpr char kGap[] = "  ";

// The table is built in one buffer, written out in pieces of about this size.
constexpr std::size_t kFlushBytes = 1 << 16;

void AppendPadded(std::string& line, std::u16string_view text, std::size_t width) {
    const std::size_t shown = AppendDisplayText(text, line);
    if (shown < width) line.append(width - shown, ' ');
}

void PrintTable(const FileList& list, std::ostream& out) {
    if (list.Empty()) return;
    const std::u16string_view numberHeader = texts::kRowNumberHeader;
    const std::u16string_view currentHeader = app::texts::kHeaders[filelist::ColCurrentName];
    const std::u16string_view newHeader = app::texts::kHeaders[filelist::ColNewName];
    const std::u16string_view folderHeader = app::texts::kHeaders[filelist::ColFolder];

    const std::size_t numberWidth =
        std::max(DisplayWidth(numberHeader), std::to_string(list.Count()).size());
    std::size_t currentWidth = DisplayWidth(currentHeader);
    std::size_t newWidth = DisplayWidth(newHeader);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const auto current = filelist::NamePartView(list.Entry(i).path, true);
        currentWidth = std::max(currentWidth, std::min(DisplayWidth(current), kMaxPaddedWidth));
        newWidth = std::max(newWidth, std::min(DisplayWidth(list.NewName(i)), kMaxPaddedWidth));
    }

    std::string buffer;
    buffer.reserve(kFlushBytes + 1024);
    AppendPadded(buffer, numberHeader, numberWidth);
    buffer += kGap;
    AppendPadded(buffer, currentHeader, currentWidth);
    buffer += kGap;
    AppendPadded(buffer, newHeader, newWidth);
    buffer += kGap;
    AppendDisplayText(folderHeader, buffer);
    buffer += '\n';
    char digits[24];
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const auto number = std::to_chars(digits, digits + sizeof digits, i + 1).ptr - digits;
        buffer.append(numberWidth - std::size_t(number), ' ');
        buffer.append(digits, std::size_t(number));
        buffer += kGap;
        const auto current = filelist::NamePartView(list.Entry(i).path, true);
        AppendPadded(buffer, current, currentWidth);
        buffer += kGap;
        AppendPadded(buffer, list.NewName(i), newWidth);
        buffer += kGap;
        AppendDisplayText(list.FolderView(i), buffer);
        // A change the eye would miss is named, as the window marks it.
        if (const auto change = filelist::CompareNames(current, list.NewName(i)); change.unseen) {
            buffer += kGap;
            buffer += texts::kUnseenMark;
            AppendDisplayText(app::UnseenChangeTip(change.unseen), buffer);
        }
        buffer += '\n';
        if (buffer.size() >= kFlushBytes) {
            out.write(buffer.data(), std::streamsize(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), std::streamsize(buffer.size()));
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

void PrintFailures(std::span<const app::RenameFailure> failures, std::ostream& out) {
    for (const app::RenameFailure& failure : failures) {
        out << OutputBytes(failure.source) << '\t'
            << OutputBytes(filelist::NamePartView(failure.target, true)) << '\t'
            << OutputBytes(commit::ReasonText(failure.error)) << '\n';
    }
    out.flush();
}

}  // namespace morvalent::cli
