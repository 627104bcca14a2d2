#include "app/DialogChoices.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "edits/EditTexts.h"
#include "platform/CaseMapping.h"
#include "platform/PhotoDate.h"

namespace morvalent::app {
namespace {

namespace texts = edits::texts;
using edits::DigitRun;
using edits::PositionMode;

constexpr DialogChoice<PositionMode> kPositions[] = {
    {texts::kPositionFromFront, PositionMode::FromFront},
    {texts::kPositionFromEnd, PositionMode::FromEnd},
};

constexpr DialogChoice<DigitRun> kDigitRuns[] = {
    {texts::kPadLastRun, DigitRun::Last},
    {texts::kPadFirstRun, DigitRun::First},
};

constexpr DialogChoice<NumberPlacement> kNumbers[] = {
    {texts::kNumberBehind, {false, false}},
    {texts::kNumberInFront, {true, false}},
    {texts::kNumberBehindPerFolder, {false, true}},
    {texts::kNumberInFrontPerFolder, {true, true}},
};

using edits::CaseChange;
using edits::DatePlace;
using edits::DateSource;
using platform::NormalForm;

constexpr DialogChoice<CaseChange> kCases[] = {
    {texts::kCaseNameLower, CaseChange::NameLower},
    {texts::kCaseNameUpper, CaseChange::NameUpper},
    {texts::kCaseNameTitle, CaseChange::NameTitle},
    {texts::kCaseExtensionLower, CaseChange::ExtensionLower},
    {texts::kCaseExtensionUpper, CaseChange::ExtensionUpper},
};

constexpr DialogChoice<NormalForm> kNormalForms[] = {
    {texts::kNormalizeNfc, NormalForm::Nfc},
    {texts::kNormalizeNfd, NormalForm::Nfd},
    {texts::kNormalizeNfkc, NormalForm::Nfkc},
};

constexpr DialogChoice<DatePlacement> kDates[] = {
    {texts::kDateTakenFront, {DateSource::Taken, DatePlace::Front}},
    {texts::kDateTakenBehind, {DateSource::Taken, DatePlace::Behind}},
    {texts::kDateTakenReplace, {DateSource::Taken, DatePlace::Replace}},
    {texts::kDateModifiedFront, {DateSource::Modified, DatePlace::Front}},
    {texts::kDateModifiedBehind, {DateSource::Modified, DatePlace::Behind}},
    {texts::kDateModifiedReplace, {DateSource::Modified, DatePlace::Replace}},
    {texts::kDateCreatedFront, {DateSource::Created, DatePlace::Front}},
    {texts::kDateCreatedBehind, {DateSource::Created, DatePlace::Behind}},
    {texts::kDateCreatedReplace, {DateSource::Created, DatePlace::Replace}},
};

constexpr DialogChoice<DatePlace> kInfoPlaces[] = {
    {texts::kInfoFront, DatePlace::Front},
    {texts::kInfoBehind, DatePlace::Behind},
    {texts::kInfoReplace, DatePlace::Replace},
};

// The choices this build can carry out, in the order above.
template <typename Value, std::size_t size, typename Keep>
std::vector<DialogChoice<Value>> Offered(const DialogChoice<Value> (&all)[size], Keep keep) {
    std::vector<DialogChoice<Value>> offered;
    std::copy_if(std::begin(all), std::end(all), std::back_inserter(offered), keep);
    return offered;
}

}  // namespace

std::span<const DialogChoice<PositionMode>> PositionChoices() { return kPositions; }
std::span<const DialogChoice<DigitRun>> DigitRunChoices() { return kDigitRuns; }
std::span<const DialogChoice<NumberPlacement>> NumberChoices() { return kNumbers; }

std::span<const DialogChoice<CaseChange>> CaseChoices() {
    static const auto offered = Offered(kCases, [](const auto& choice) {
        return choice.value != CaseChange::NameTitle || platform::CanMapTitleCase();
    });
    return offered;
}

std::span<const DialogChoice<NormalForm>> NormalFormChoices() { return kNormalForms; }

std::span<const DialogChoice<DatePlacement>> DateChoices() {
    static const auto offered = Offered(kDates, [](const auto& choice) {
        return choice.value.source != DateSource::Taken || platform::CanReadDateTaken();
    });
    return offered;
}

std::span<const DialogChoice<edits::InfoPlace>> InfoChoices() { return kInfoPlaces; }

}  // namespace morvalent::app
