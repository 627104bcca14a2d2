#include <optional>
#include <string>
#include <vector>

#include "app/DialogChoices.h"
#include "app/DialogSteps.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "edits/DateEdits.h"
#include "edits/EditTexts.h"
#include "filelist/NameRewrite.h"
#include "platform/LocalTime.h"
#include "platform/MediaInfo.h"
#include "platform/PhotoDate.h"

namespace morvalent::app {
namespace {

namespace texts = edits::texts;

// The row's time from the chosen source as the user's clock shows it; nothing
// for a time the file system did not keep.
std::optional<platform::DateTimeFields> RowDate(const filelist::FileEntry& entry,
                                                edits::DateSource source) {
    switch (source) {
        case edits::DateSource::Taken:
            // The camera's clock needs no conversion; a video's recording time puts
            // the clips of a phone into the photos' timeline; else the file's time.
            if (entry.isFolder) return platform::LocalTimeOf(entry.lastWriteTime);
            if (auto taken = platform::ReadDateTaken(entry.path)) return taken;
            if (auto recorded = platform::ReadVideoInfo(entry.path).recorded) return recorded;
            return platform::LocalTimeOf(entry.lastWriteTime);
        case edits::DateSource::Modified:
            return platform::LocalTimeOf(entry.lastWriteTime);
        case edits::DateSource::Created:
            return platform::LocalTimeOf(entry.creationTime);
    }
    return std::nullopt;
}

}  // namespace

Outcome MainDialog::AddDate() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kDateDescription, texts::kDateFormatLabel, u"");
    dialog.SetTexts(edits::kDefaultDateFormat, u"");
    OfferChoices(dialog, DateChoices());
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    // Like an empty prefix: nothing to put in.
    if (dialog.text1.empty()) return Outcome::Done();
    const DatePlacement placement = ChosenValue(dialog, DateChoices());
    const edits::DateFormat format(dialog.text1);
    // Reading every photo takes a while on a long list.
    const bool readsFiles = placement.source == edits::DateSource::Taken;
    if (readsFiles) view_.SetBusy(true);
    // A row without that time (no creation time on many Linux file systems) keeps
    // its name rather than get a made-up date.
    std::u16string date;
    {
        filelist::NameRewrite rewrite(list_);
        for (std::size_t i = 0; i < list_.Count(); ++i) {
            const filelist::FileEntry& entry = list_.Entry(i);
            const auto when = RowDate(entry, placement.source);
            if (!when) continue;
            format.FormatInto(date, *when);
            rewrite.Set(i,
                        edits::PlaceDate(list_.NewName(i), entry.isFolder, date, placement.place));
        }
        rewrite.Keep();
    }
    if (readsFiles) view_.SetBusy(false);
    return Outcome::Done();
}

}  // namespace morvalent::app
