#include "commit/UndoOrder.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/Path.h"

namespace morvalent::commit {
namespace {

bool Before(const platform::FileIdentity& a, const platform::FileIdentity& b) {
    return std::tie(a.volume, a.fileHigh, a.file, a.birth) <
           std::tie(b.volume, b.fileHigh, b.file, b.birth);
}

// Where one commit's rows still to undo lie, and which items they are: sorted, so
// that a later commit's rows are each checked in a few look-ups, not against every
// row (both commits may hold tens of thousands).
class Footprint {
  public:
    explicit Footprint(const Journal& journal) {
        for (const JournalRow& row : journal.rows) {
            if (!IsLeftToUndo(journal, row)) continue;
            paths_.push_back(row.source);
            paths_.push_back(row.target);
            for (const auto& identity : {row.identity, row.copy}) {
                if (identity) identities_.push_back(*identity);
            }
        }
        std::sort(paths_.begin(), paths_.end());
        std::sort(identities_.begin(), identities_.end(), Before);
    }

    bool Meets(const Journal& later) const {
        for (const JournalRow& row : later.rows) {
            if (!IsLeftToUndo(later, row)) continue;
            if (row.identity &&
                std::binary_search(identities_.begin(), identities_.end(), *row.identity, Before)) {
                return true;
            }
            if (Overlaps(row.source) || Overlaps(row.target)) return true;
        }
        return false;
    }

  private:
    // The path itself, a folder above it or an item inside it is one of ours.
    bool Overlaps(std::u16string_view path) const {
        for (std::u16string_view at = path;;) {
            if (std::binary_search(paths_.begin(), paths_.end(), at)) return true;
            const std::size_t separator = at.find_last_of(platform::kPathSeparator);
            if (separator == std::u16string_view::npos || separator == 0) break;
            at = at.substr(0, separator);
        }
        std::u16string inside(path);
        if (!inside.ends_with(platform::kPathSeparator)) inside.push_back(platform::kPathSeparator);
        const auto next = std::lower_bound(paths_.begin(), paths_.end(), inside);
        return next != paths_.end() && next->starts_with(inside);
    }

    std::vector<std::u16string> paths_;
    std::vector<platform::FileIdentity> identities_;
};

}  // namespace

std::optional<std::uint64_t> CommitToUndoFirst(const History& history, std::uint64_t id,
                                               const Journal& journal) {
    const std::vector<std::uint64_t> ids = history.Ids();
    std::optional<Footprint> footprint;
    for (auto later = ids.rbegin(); later != ids.rend() && *later > id; ++later) {
        const auto laterJournal = history.Read(*later);
        if (!laterJournal) continue;
        if (!footprint) footprint.emplace(journal);
        if (footprint->Meets(*laterJournal)) return *later;
    }
    return std::nullopt;
}

}  // namespace morvalent::commit
