#include <string>

#include "app/DialogChoices.h"
#include "app/DialogSteps.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "edits/DateEdits.h"
#include "edits/EditTexts.h"
#include "edits/InfoEdits.h"
#include "filelist/NameRewrite.h"
#include "platform/MediaInfo.h"
#include "platform/Text.h"

namespace morvalent::app {
namespace {

namespace texts = edits::texts;

// What the file says, read only as far as the format needs it: a folder of MP3s
// named by their tags never opens a picture reader.
edits::FileInfo ReadInfo(const std::u16string& path, const edits::InfoSources& sources) {
    edits::FileInfo info;
    if (sources.music) info.music = platform::ReadMusicTags(path);
    if (sources.camera || sources.taken) info.photo = platform::ReadPhotoInfo(path);
    if (sources.video || (sources.taken && !info.photo.taken)) {
        info.video = platform::ReadVideoInfo(path);
    }
    return info;
}

}  // namespace

Outcome MainDialog::AddInfo() {
    InputDialog dialog(prompts_);
    dialog.SetPrompts(texts::kInfoDescription, texts::kInfoFormatLabel, u"");
    dialog.SetTexts(texts::kDefaultInfoFormat, u"");
    OfferChoices(dialog, InfoChoices());
    if (dialog.DoModal() != DialogResult::Ok) return Outcome::Cancelled();
    // Like an empty prefix: nothing to put in.
    if (dialog.text1.empty()) return Outcome::Done();
    const edits::InfoFormat format(dialog.text1);
    if (!format.UnknownField().empty()) {
        return Refuse(platform::FormatText(texts::kInfoUnknownField, format.UnknownField()));
    }
    const edits::InfoSources sources = format.Sources();
    if (sources.music && !platform::CanReadMusicTags()) return Refuse(texts::kInfoNoMusicTags);
    if (sources.camera && !platform::CanReadPhotoInfo()) return Refuse(texts::kInfoNoPhotoInfo);
    const edits::InfoPlace place = ChosenValue(dialog, InfoChoices());
    view_.SetBusy(true);
    // A row whose file lacks a value keeps its name rather than get an empty field.
    std::size_t missing = 0;
    {
        filelist::NameRewrite rewrite(list_);
        for (std::size_t i = 0; i < list_.Count(); ++i) {
            const filelist::FileEntry& entry = list_.Entry(i);
            const auto text =
                entry.isFolder ? std::nullopt : format.Format(ReadInfo(entry.path, sources));
            if (!text) {
                ++missing;
                continue;
            }
            rewrite.Set(i, edits::PlaceDate(list_.NewName(i), entry.isFolder, *text, place));
        }
        rewrite.Keep();
    }
    view_.SetBusy(false);
    if (missing > 0) {
        prompts_.ShowMessage(platform::FormatText(texts::kInfoMissing,
                                                  platform::DecimalText(std::uint64_t(missing))));
    }
    return Outcome::Done();
}

}  // namespace morvalent::app
