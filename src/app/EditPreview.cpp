#include "app/EditPreview.h"

#include <algorithm>

#include "commit/Conflicts.h"

namespace morvalent::app {

EditPreview::EditPreview(const filelist::FileList& list, PlanMaker plan, platform::FileSystem& fs)
    : list_(list), plan_(plan), fs_(fs), disk_(fs) {
    const bool selectedOnly = list_.SelectedCount() > 0;
    for (std::size_t i = 0; i < list_.Count() && shown_.size() < kRows; ++i) {
        if (!selectedOnly || list_.IsSelected(i)) shown_.push_back(i);
    }
}

EditPreview::~EditPreview() { Stop(); }

PreviewState EditPreview::Show(const DialogValues& values) {
    // A count of earlier values is of no use now.
    for (std::jthread& count : counts_) count.request_stop();
    {
        std::lock_guard lock(mutex_);
        counted_.reset();
        ++generation_;
    }
    PreviewState state;
    const EditPlan plan = plan_(values, list_);
    if (plan.refusal) {
        state.refusal = *plan.refusal;
        return state;
    }
    for (const std::size_t row : shown_) {
        PreviewRow shown{row, list_.NewName(row), list_.NewName(row)};
        if (plan.rule) {
            RowEdit edit = plan.rule(row);
            if (edit.kind == RowEdit::Kind::Refuse) {
                state.rows.clear();
                state.refusal = std::move(edit.text);
                return state;
            }
            if (edit.kind == RowEdit::Kind::Name) shown.next = std::move(edit.text);
        }
        state.rows.push_back(std::move(shown));
    }
    if (list_.Count() <= countedAtOnceUpTo) state.conflicts = CountConflicts(values, {}, disk_);
    return state;
}

std::optional<std::size_t> EditPreview::CountConflicts(const DialogValues& values,
                                                       std::stop_token stop,
                                                       commit::FolderNames& disk) const {
    const EditPlan plan = plan_(values, list_);
    if (plan.refusal) return std::nullopt;
    std::vector<std::optional<std::u16string>> names(plan.rule ? list_.Count() : 0);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i % 1024 == 0 && stop.stop_requested()) return std::nullopt;
        RowEdit edit = plan.rule(i);
        if (edit.kind == RowEdit::Kind::Refuse) return std::nullopt;
        if (edit.kind == RowEdit::Kind::Name) names[i] = std::move(edit.text);
    }
    if (stop.stop_requested()) return std::nullopt;
    commit::ConflictFinder finder;
    const auto& marks = finder.Find(list_, disk, [&](std::size_t row) {
        return row < names.size() && names[row] ? std::u16string_view(*names[row])
                                                : std::u16string_view(list_.NewName(row));
    });
    return std::size_t(marks.size() -
                       std::size_t(std::count(marks.begin(), marks.end(), commit::Conflict::None)));
}

void EditPreview::StartCount(const DialogValues& values, std::function<void()> ready) {
    for (std::jthread& count : counts_) count.request_stop();
    std::uint64_t generation = 0;
    {
        std::lock_guard lock(mutex_);
        counted_.reset();
        generation = ++generation_;
    }
    // Counts already stopped finish on their own; only Stop waits for them. Each
    // has its own listings, so none waits for another.
    counts_.emplace_back(
        [this, values, ready = std::move(ready), generation](std::stop_token stop) {
            commit::FolderNames disk(fs_);
            const auto count = CountConflicts(values, stop, disk);
            if (!count || stop.stop_requested()) return;
            {
                std::lock_guard lock(mutex_);
                if (generation != generation_) return;
                counted_ = count;
            }
            ready();
        });
}

std::optional<std::size_t> EditPreview::Counted() const {
    std::lock_guard lock(mutex_);
    return counted_;
}

void EditPreview::Stop() {
    for (std::jthread& count : counts_) count.request_stop();
    counts_.clear();  // joins each
}

}  // namespace morvalent::app
