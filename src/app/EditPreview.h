#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "app/EditPlan.h"
#include "commit/FolderNames.h"
#include "filelist/FileList.h"
#include "platform/FileSystem.h"

namespace morvalent::app {

// One row of the preview: its name now (the new-name column) and after the edit.
struct PreviewRow {
    std::size_t row = 0;
    std::u16string current;
    std::u16string next;
};

// What the input dialog shows under its fields while the user types.
struct PreviewState {
    // Empty when the values would be refused.
    std::vector<PreviewRow> rows;
    // The command's message for values it would refuse; empty otherwise.
    std::u16string refusal;
    // Rows that would conflict after the edit, when known now; otherwise the
    // window waits for a pause in typing and calls StartCount.
    std::optional<std::size_t> conflicts;
};

// The live preview of a name edit, asked by the input dialog of any window. It
// runs the edit's own plan (EditPlan), on the first rows at once and, for the
// conflict count, on every row: at once on a short list, else on a thread of its
// own once the user pauses, so typing never waits for a long list.
class EditPreview {
  public:
    // Rows shown: the selected ones, else the first ones.
    static constexpr std::size_t kRows = 5;
    // Lists up to this long are counted at once on every change.
    static constexpr std::size_t kCountedAtOnce = 20000;
    // The pause in typing after which a long list is counted.
    static constexpr int kCountPauseMs = 300;

    EditPreview(const filelist::FileList& list, PlanMaker plan, platform::FileSystem& fs);
    ~EditPreview();
    EditPreview(const EditPreview&) = delete;
    EditPreview& operator=(const EditPreview&) = delete;

    PreviewState Show(const DialogValues& values);

    // Counts the conflicts of these values on a thread of its own, stopping any
    // count still running. `ready` is called on that thread when the count is
    // done; the window then takes it with Counted() on its own thread.
    void StartCount(const DialogValues& values, std::function<void()> ready);
    // The count last started, once it is done.
    std::optional<std::size_t> Counted() const;
    // Stops and waits for every count; the rows may change afterwards.
    void Stop();

    // Lists up to this long are counted at once; an edit that reads every file
    // (the date taken) counts only after a pause.
    std::size_t countedAtOnceUpTo = kCountedAtOnce;

    // A text the dialog's field 1 takes when the user picks another list item
    // (the date's offered format follows its place); nothing to change.
    std::function<std::optional<std::u16string>(const DialogValues&)> textForChoice;

    // The count, on the calling thread; nothing when stopped or refused.
    std::optional<std::size_t> CountConflicts(const DialogValues& values, std::stop_token stop,
                                              commit::FolderNames& disk) const;

  private:
    const filelist::FileList& list_;
    PlanMaker plan_;
    // The rows shown, found once: the selection stays while the dialog is open,
    // and a long list is not scanned again at every key.
    std::vector<std::size_t> shown_;
    platform::FileSystem& fs_;
    // The folders' listings for counts made at once.
    commit::FolderNames disk_;
    std::vector<std::jthread> counts_;
    mutable std::mutex mutex_;
    std::optional<std::size_t> counted_;
    std::uint64_t generation_ = 0;
};

}  // namespace morvalent::app
