#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "filelist/FileList.h"

// A name edit as the values of its dialog make it: the one rule that both the
// command and the dialog's preview run, so what the preview shows is what OK does.
namespace morvalent::app {

// What the user has given the input dialog so far.
struct DialogValues {
    std::u16string text1;
    std::u16string text2;
    std::int32_t choice = 0;
};

// One row under an edit.
struct RowEdit {
    enum class Kind { Keep, Name, Refuse };
    Kind kind = Kind::Keep;
    std::u16string text;  // the new name, or the message refusing the whole edit

    static RowEdit Keep() { return {}; }
    static RowEdit Name(std::u16string name) { return {Kind::Name, std::move(name)}; }
    static RowEdit Refuse(std::u16string message) { return {Kind::Refuse, std::move(message)}; }
};

// The row's edit; rows may be asked in any order (fastest top to bottom).
using RowRule = std::function<RowEdit(std::size_t row)>;

struct EditPlan {
    // Values the command refuses, with its message; nothing changes.
    std::optional<std::u16string> refusal;
    // None: the values ask for no change (an empty text to add, an empty range).
    RowRule rule;
};

// Makes the plan of one edit from the dialog's values, over these rows.
using PlanMaker = EditPlan (*)(const DialogValues& values, const filelist::FileList& list);

// The edits that ask through the input dialog.
EditPlan ReplaceStringPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan AddPrefixPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan AddSuffixPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan DirectRenamePlan(const DialogValues& values, const filelist::FileList& list);
EditPlan DeleteByPositionPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan DeleteEnclosedPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan PadDigitsPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan NumberRowsPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan AddExtensionPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan ChangeExtensionPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan ChangeCasePlan(const DialogValues& values, const filelist::FileList& list);
EditPlan ReplacePatternPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan NormalizeNamesPlan(const DialogValues& values, const filelist::FileList& list);
EditPlan AddDatePlan(const DialogValues& values, const filelist::FileList& list);

// The date dialog's text when the user picks another place: the offered format
// follows the place while the user has not typed one of their own.
std::optional<std::u16string> DateFormatForChoice(const DialogValues& values);

}  // namespace morvalent::app
