#pragma once

#include <cstdint>
#include <span>

#include "edits/CaseEdits.h"
#include "edits/DateEdits.h"
#include "edits/InfoEdits.h"
#include "edits/NumberEdits.h"
#include "edits/PositionEdits.h"
#include "platform/Normalization.h"

// The choice lists of the edit and sort dialogs: each item's text and the value
// it stands for, in the order offered. An answer's list position is found here,
// never written down elsewhere.
namespace morvalent::app {

// Where the numbering puts its numbers.
struct NumberPlacement {
    bool inFront = false;    // before the name rather than after it
    bool perFolder = false;  // counting afresh in every folder
    bool operator==(const NumberPlacement&) const = default;
};

// Which time a date comes from and where it goes.
struct DatePlacement {
    edits::DateSource source = edits::DateSource::Modified;
    edits::DatePlace place = edits::DatePlace::Front;
    bool operator==(const DatePlacement&) const = default;
};

template <typename Value>
struct DialogChoice {
    const char16_t* text;
    Value value;
};

std::span<const DialogChoice<edits::PositionMode>> PositionChoices();
std::span<const DialogChoice<edits::DigitRun>> DigitRunChoices();
std::span<const DialogChoice<NumberPlacement>> NumberChoices();
// Title case only where the system can do it.
std::span<const DialogChoice<edits::CaseChange>> CaseChoices();
std::span<const DialogChoice<platform::NormalForm>> NormalFormChoices();
// The date taken only where the build reads photo dates.
std::span<const DialogChoice<DatePlacement>> DateChoices();
// Where the file's information goes.
std::span<const DialogChoice<edits::InfoPlace>> InfoChoices();

// The list position of a value.
template <typename Value>
std::int32_t ChoiceOf(std::span<const DialogChoice<Value>> choices, const Value& value) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value) return std::int32_t(i);
    }
    return -1;
}

}  // namespace morvalent::app
