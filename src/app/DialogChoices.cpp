#include "app/DialogChoices.h"

#include "edits/EditTexts.h"

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

}  // namespace

std::span<const DialogChoice<PositionMode>> PositionChoices() { return kPositions; }
std::span<const DialogChoice<DigitRun>> DigitRunChoices() { return kDigitRuns; }
std::span<const DialogChoice<NumberPlacement>> NumberChoices() { return kNumbers; }

}  // namespace morvalent::app
