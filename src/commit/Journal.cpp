#include "commit/Journal.h"

#include <algorithm>
#include <unordered_map>

#include "commit/JournalFormat.h"

namespace morvalent::commit {
namespace {

constexpr std::size_t kMaxFields = 5;

// Splits a line at tabs; nothing when it has more fields than any record.
std::optional<std::vector<std::string_view>> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        if (fields.size() == kMaxFields) return std::nullopt;
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

class Reader {
  public:
    explicit Reader(Journal& journal) : j_(journal) {}

    // False when the line is not one this journal can have at this point.
    bool Take(std::string_view line) {
        if (headerSeen_ && version_ == 2) {
            const auto record = journal::CheckedRecord(line);
            if (!record) return false;
            line = *record;
        } else if (headerSeen_) {
            // Format 1, perhaps with an undo's checked records after it.
            if (const auto record = journal::CheckedRecord(line)) line = *record;
        }
        const auto fields = Fields(line);
        if (!fields) return false;
        const std::vector<std::string_view>& f = *fields;
        const std::string_view kind = f[0];
        if (!headerSeen_) {
            headerSeen_ =
                f.size() == 2 && kind == "morvalent-journal" && (f[1] == "1" || f[1] == "2");
            if (headerSeen_) version_ = f[1] == "2" ? 2 : 1;
            return headerSeen_;
        }
        if (damaged_) return TakeUndo(f);
        if (kind == "start" && f.size() == 2 && j_.started == platform::kUnknownTime &&
            j_.rows.empty()) {
            const auto time = journal::ParseTime(f[1]);
            if (time) j_.started = *time;
            return time.has_value();
        }
        if (!j_.undoRun) {
            if (kind == "row" && f.size() == 5 && !j_.ended) return TakeRow(f);
            if (kind == "plan" && f.size() == 2 && !j_.planned) {
                j_.planned = journal::ParseNumber(f[1]) == j_.rows.size();
                return j_.planned;
            }
            if (!j_.planned || j_.ended) {
                // Outcomes follow the plan; after the end mark, only undo records.
            } else if (kind == "from" && f.size() == 4) {
                JournalRow* row = Find(f[1]);
                auto source = journal::ParseText(f[2]);
                auto target = journal::ParseText(f[3]);
                if (row == nullptr || !source || !target ||
                    row->outcome != JournalRow::Outcome::Unknown) {
                    return false;
                }
                row->source = std::move(*source);
                row->target = std::move(*target);
                return true;
            } else if (kind == "copy" && f.size() == 3) {
                JournalRow* row = Find(f[1]);
                const auto identity = journal::ParseIdentity(f[2]);
                if (row == nullptr || !identity || !*identity ||
                    row->outcome != JournalRow::Outcome::Unknown) {
                    return false;
                }
                row->copy = *identity;
                return true;
            } else if (kind == "spare" && f.size() == 5) {
                JournalRow* row = Find(f[1]);
                return row != nullptr && row->outcome == JournalRow::Outcome::Unknown &&
                       TakeSpare(*row, f);
            } else if (kind == "done" && (f.size() == 2 || f.size() == 3)) {
                JournalRow* row = Find(f[1]);
                if (row == nullptr || row->outcome != JournalRow::Outcome::Unknown) return false;
                if (f.size() == 3) {
                    const auto identity = journal::ParseIdentity(f[2]);
                    if (!identity) return false;
                    row->copy = *identity;
                }
                row->outcome = JournalRow::Outcome::Renamed;
                return true;
            } else if (kind == "failed" && f.size() == 2) {
                JournalRow* row = Find(f[1]);
                if (row == nullptr || row->outcome != JournalRow::Outcome::Unknown) return false;
                row->outcome = JournalRow::Outcome::Failed;
                return true;
            } else if (kind == "end" && f.size() == 2) {
                j_.ended = journal::ParseTime(f[1]).has_value();
                return j_.ended;
            }
        }
        return TakeUndo(f);
    }

    // From here on only the undo's records are read.
    void Damaged() { damaged_ = true; }

  private:
    bool TakeUndo(const std::vector<std::string_view>& f) {
        const std::string_view kind = f[0];
        // A second start without an end: the undo before it was stopped, and this
        // one goes on from its records.
        if (kind == "undo" && f.size() == 2) {
            if (!journal::ParseTime(f[1])) return false;
            j_.undoRun = undoOpen_ = true;
            return true;
        }
        if (!undoOpen_) return false;
        if (kind == "copy" && f.size() == 3) {
            JournalRow* row = Find(f[1]);
            const auto identity = journal::ParseIdentity(f[2]);
            if (row == nullptr || !identity || !*identity) return false;
            row->undoCopy = *identity;
            return true;
        }
        if (kind == "spare" && f.size() == 5) {
            JournalRow* row = Find(f[1]);
            return row != nullptr && TakeSpare(*row, f);
        }
        if (f.size() != 2) return false;
        if (kind == "undo-end") {
            undoOpen_ = false;
            return journal::ParseTime(f[1]).has_value();
        }
        const JournalRow::Undo undo = kind == "undone"        ? JournalRow::Undo::Undone
                                      : kind == "kept"        ? JournalRow::Undo::Kept
                                      : kind == "undo-failed" ? JournalRow::Undo::Failed
                                                              : JournalRow::Undo::None;
        JournalRow* row = Find(f[1]);
        if (undo == JournalRow::Undo::None || row == nullptr) return false;
        row->undo = undo;
        return true;
    }

  private:
    // "spare ROW KIND IDENTITY PATH": a step told again once made completes the
    // one told before it.
    static bool TakeSpare(JournalRow& row, const std::vector<std::string_view>& f) {
        using Kind = platform::MoveStep::Kind;
        const std::optional<Kind> kind = f[2] == "placeholder" ? std::optional(Kind::Placeholder)
                                         : f[2] == "link"      ? std::optional(Kind::Link)
                                         : f[2] == "temporary" ? std::optional(Kind::TemporaryName)
                                                               : std::nullopt;
        const auto identity = journal::ParseIdentity(f[3]);
        auto path = journal::ParseText(f[4]);
        if (!kind || !identity || !path) return false;
        if (!row.spares.empty()) {
            platform::MoveStep& last = row.spares.back();
            if (last.kind == *kind && last.path == *path && !last.made && *identity) {
                last.made = *identity;
                return true;
            }
        }
        row.spares.push_back({*kind, std::move(*path), *identity});
        return true;
    }

    bool TakeRow(const std::vector<std::string_view>& f) {
        const auto row = journal::ParseNumber(f[1]);
        const auto identity = journal::ParseIdentity(f[2]);
        auto source = journal::ParseText(f[3]);
        auto target = journal::ParseText(f[4]);
        if (!row || !identity || !source || !target || byRow_.contains(*row)) return false;
        // The plan lists rows in order; a late row comes at its turn among the outcomes.
        if (!j_.rows.empty() && !j_.planned && *row <= j_.rows.back().row) return false;
        byRow_.emplace(*row, j_.rows.size());
        JournalRow& taken = j_.rows.emplace_back();
        taken.row = *row;
        taken.source = std::move(*source);
        taken.target = std::move(*target);
        taken.identity = *identity;
        return true;
    }

    JournalRow* Find(std::string_view field) {
        const auto row = journal::ParseNumber(field);
        if (!row) return nullptr;
        const auto at = byRow_.find(*row);
        return at == byRow_.end() ? nullptr : &j_.rows[at->second];
    }

    Journal& j_;
    std::unordered_map<std::size_t, std::size_t> byRow_;
    bool headerSeen_ = false;
    int version_ = 0;
    bool undoOpen_ = false;
    bool damaged_ = false;
};

}  // namespace

Journal ReadJournal(std::string_view bytes) {
    Journal journal;
    Reader reader(journal);
    std::size_t at = 0;
    for (std::size_t number = 1;; ++number) {
        const std::size_t end = bytes.find('\n', at);
        // A line without its line feed was cut short.
        if (end == std::string_view::npos) {
            journal.cutTail = at < bytes.size();
            break;
        }
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        // Ended by the mark an undo adds after a line cut short: no record.
        if (line.ends_with(kCutLineEnd.front())) continue;
        if (!reader.Take(line) && !journal.damagedLine) {
            journal.damagedLine = number;
            reader.Damaged();
        }
    }
    // Late rows sit among the outcomes; the renames went in row order.
    std::stable_sort(journal.rows.begin(), journal.rows.end(),
                     [](const JournalRow& a, const JournalRow& b) { return a.row < b.row; });
    return journal;
}

bool IsLeftToUndo(const Journal& journal, const JournalRow& row) {
    if (row.undo == JournalRow::Undo::Undone || row.undo == JournalRow::Undo::Kept) return false;
    // A row whose item had already come to its target with a renamed folder.
    if (row.source == row.target) return false;
    // Past a damaged line the plan's end may be lost: the disk tells.
    return row.outcome == JournalRow::Outcome::Renamed ||
           (row.outcome == JournalRow::Outcome::Unknown &&
            (journal.planned || journal.damagedLine.has_value()));
}

}  // namespace morvalent::commit
