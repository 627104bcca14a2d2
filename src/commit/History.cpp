#include "commit/History.h"

#include <algorithm>

#include "commit/JournalFormat.h"
#include "platform/Path.h"
#include "platform/StateFolder.h"

namespace morvalent::commit {
namespace {

constexpr std::u16string_view kSuffix = u".journal";
constexpr std::u16string_view kLockName = u"commit.lock";

std::optional<std::uint64_t> IdOf(const platform::FolderItem& item) {
    if (item.isFolder || item.unreadable || !item.name.ends_with(kSuffix)) return std::nullopt;
    const std::u16string_view digits =
        std::u16string_view(item.name).substr(0, item.name.size() - kSuffix.size());
    // Only the names this program gives: no sign, no leading zero.
    if (digits.empty() || digits.size() > 19 || digits[0] == u'0') return std::nullopt;
    std::string ascii;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        ascii.push_back(char(c));
    }
    return journal::ParseNumber(ascii);
}

std::u16string FolderPart(std::u16string_view path) {
    const std::size_t separator = path.find_last_of(platform::kPathSeparator);
    if (separator == std::u16string_view::npos) return {};
    // A root keeps its separator.
    const bool isRoot = separator == 0 || (separator == 2 && path[1] == u':');
    return std::u16string(path.substr(0, isRoot ? separator + 1 : separator));
}

}  // namespace

CommitSummary Summarise(std::uint64_t id, const Journal& journal) {
    CommitSummary summary;
    summary.id = id;
    summary.started = journal.started;
    if (!journal.rows.empty()) summary.folder = FolderPart(journal.rows.front().source);
    bool failures = false;
    bool leftToUndo = false;
    for (const JournalRow& row : journal.rows) {
        if (row.outcome == JournalRow::Outcome::Renamed) ++summary.renamed;
        if (row.outcome == JournalRow::Outcome::Failed) ++summary.failed;
        failures = failures || row.outcome == JournalRow::Outcome::Failed ||
                   row.undo == JournalRow::Undo::Failed;
        leftToUndo = leftToUndo || IsLeftToUndo(journal, row);
    }
    if (journal.undoRun) {
        summary.state = leftToUndo ? CommitState::PartlyUndone : CommitState::Undone;
    } else if (!journal.ended) {
        summary.state = CommitState::Interrupted;
    } else if (summary.failed > 0 && summary.renamed == 0) {
        summary.state = CommitState::Failed;
    } else if (failures) {
        summary.state = CommitState::SomeFailed;
    } else {
        summary.state = CommitState::Complete;
    }
    return summary;
}

History::History(platform::FileSystem& fs, std::u16string folder)
    : fs_(fs), folder_(std::move(folder)) {}

std::u16string History::FolderIn(std::u16string_view stateFolder) {
    return std::u16string(stateFolder) + platform::kPathSeparator + u"history";
}

std::vector<std::uint64_t> History::Ids() const {
    std::vector<platform::FolderItem> items;
    std::vector<std::uint64_t> ids;
    if (!fs_.ListFolder(folder_, items)) return ids;
    for (const platform::FolderItem& item : items) {
        if (const auto id = IdOf(item)) ids.push_back(*id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::u16string History::PathOf(std::uint64_t id) const {
    std::string digits;
    journal::AppendNumber(digits, id);
    return folder_ + platform::kPathSeparator + std::u16string(digits.begin(), digits.end()) +
           std::u16string(kSuffix);
}

std::optional<Journal> History::Read(std::uint64_t id) const {
    const auto bytes = platform::ReadWholeFile(PathOf(id));
    if (!bytes) return std::nullopt;
    return ReadJournal(*bytes);
}

std::vector<CommitSummary> History::List() const {
    std::vector<CommitSummary> list;
    const std::vector<std::uint64_t> ids = Ids();
    for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
        if (const auto journal = Read(*id)) list.push_back(Summarise(*id, *journal));
    }
    return list;
}

std::optional<std::uint64_t> History::NewestUndoable() const {
    const std::vector<std::uint64_t> ids = Ids();
    for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
        const auto journal = Read(*id);
        if (!journal) continue;
        for (const JournalRow& row : journal->rows) {
            if (IsLeftToUndo(*journal, row)) return *id;
        }
    }
    return std::nullopt;
}

void History::Prune(std::size_t keep) {
    const std::vector<std::uint64_t> ids = Ids();
    for (std::size_t i = 0; i + keep < ids.size(); ++i) platform::RemoveFile(PathOf(ids[i]));
}

std::optional<std::uint64_t> History::Create(platform::AppendFile& file) {
    if (!platform::MakeFolders(folder_)) return std::nullopt;
    const std::vector<std::uint64_t> ids = Ids();
    std::uint64_t id = ids.empty() ? 1 : ids.back() + 1;
    // Another instance of the program may take the same id at the same moment.
    for (int attempt = 0; attempt < 100; ++attempt, ++id) {
        if (file.CreateNew(PathOf(id))) return id;
    }
    return std::nullopt;
}

platform::LockResult History::Lock(platform::FileLock& lock) const {
    if (!platform::MakeFolders(folder_)) return platform::LockResult::Failed;
    return lock.TryLock(folder_ + platform::kPathSeparator + std::u16string(kLockName));
}

}  // namespace morvalent::commit
