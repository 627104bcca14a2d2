#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "app/DialogChoices.h"
#include "app/EditPlan.h"
#include "edits/CaseEdits.h"
#include "edits/DateEdits.h"
#include "edits/EditTexts.h"
#include "edits/EncodingRepair.h"
#include "edits/ExtensionEdits.h"
#include "edits/NormalizeEdits.h"
#include "edits/NumberEdits.h"
#include "edits/PatternEdits.h"
#include "edits/PositionEdits.h"
#include "edits/TextEdits.h"
#include "platform/LocalTime.h"
#include "platform/MediaInfo.h"
#include "platform/PhotoDate.h"
#include "platform/Regex.h"
#include "platform/Text.h"

namespace morvalent::app {
namespace {

namespace texts = edits::texts;
using filelist::FileList;
using platform::RegexError;

template <typename Value>
Value Chosen(const DialogValues& values, std::span<const DialogChoice<Value>> choices) {
    const auto chosen = std::size_t(values.choice);
    return chosen < choices.size() ? choices[chosen].value : choices.front().value;
}

// A rule of the row's new name and whether it is a folder.
template <typename NameRule>
EditPlan EachName(const FileList& list, NameRule rule) {
    return {std::nullopt, [&list, rule](std::size_t row) {
                return RowEdit::Name(
                    rule(std::u16string_view(list.NewName(row)), list.Entry(row).isFolder));
            }};
}

EditPlan Refused(std::u16string_view message) { return {std::u16string(message), {}}; }

// What is wrong with a pattern, in the user's words.
std::u16string ProblemText(const RegexError& error) {
    using P = RegexError::Problem;
    switch (error.problem) {
        case P::OpenParenthesis:
            return texts::kRegexOpenParenthesis;
        case P::OpenBracket:
            return texts::kRegexOpenBracket;
        case P::BadRepeat:
            return texts::kRegexBadRepeat;
        case P::BadEscape:
            return texts::kRegexBadEscape;
        case P::BadRange:
            return texts::kRegexBadRange;
        case P::BadGroupName:
            return texts::kRegexBadGroupName;
        case P::BadProperty:
            return texts::kRegexBadProperty;
        case P::BadFlag:
            return texts::kRegexBadFlag;
        case P::UnboundedLookBehind:
            return texts::kRegexUnboundedLookBehind;
        case P::Other:
            break;
    }
    return platform::FormatText(texts::kRegexOther, error.detail);
}

// The message for a pattern or replacement that cannot be used.
std::u16string RegexMessage(const RegexError& error) {
    switch (error.kind) {
        case RegexError::Kind::Unsupported:
            return texts::kRegexUnsupported;
        case RegexError::Kind::Replacement:
            return platform::FormatText(texts::kRegexBadReplacement, error.detail);
        case RegexError::Kind::TooHard:
            return texts::kRegexTooHard;
        case RegexError::Kind::Pattern:
            break;
    }
    const std::u16string where =
        error.position < 0
            ? ProblemText(error)
            : platform::FormatText(texts::kRegexErrorAt,
                                   platform::DecimalText(std::int64_t(error.position) + 1),
                                   ProblemText(error));
    return platform::FormatText(texts::kRegexInvalid, where);
}

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

EditPlan ReplaceStringPlan(const DialogValues& values, const FileList& list) {
    return EachName(
        list, [find = values.text1, replacement = values.text2](std::u16string_view name, bool) {
            return edits::ReplaceString(name, find, replacement);
        });
}

EditPlan AddPrefixPlan(const DialogValues& values, const FileList& list) {
    return EachName(list, [prefix = values.text1](std::u16string_view name, bool) {
        return edits::AddPrefix(name, prefix);
    });
}

EditPlan AddSuffixPlan(const DialogValues& values, const FileList& list) {
    return EachName(list, [suffix = values.text1](std::u16string_view name, bool isFolder) {
        return edits::AddSuffix(name, isFolder, suffix);
    });
}

EditPlan DirectRenamePlan(const DialogValues& values, const FileList& list) {
    const auto selected = list.FirstSelected();
    if (!selected) return {};
    return {std::nullopt, [row = *selected, name = values.text1](std::size_t i) {
                return i == row ? RowEdit::Name(name) : RowEdit::Keep();
            }};
}

EditPlan DeleteByPositionPlan(const DialogValues& values, const FileList& list) {
    const std::int32_t from = platform::ParseLeadingInt(values.text1);
    const std::int32_t to = platform::ParseLeadingInt(values.text2);
    const auto mode = Chosen(values, PositionChoices());
    if (edits::IsEmptyPositionRange(from, to)) return {};
    if (const auto error = edits::PositionRangeError(mode, from, to)) return Refused(*error);
    return EachName(list, [mode, from, to](std::u16string_view name, bool isFolder) {
        return edits::DeleteByPosition(name, isFolder, mode, from, to);
    });
}

EditPlan DeleteEnclosedPlan(const DialogValues& values, const FileList& list) {
    if (const auto error = edits::EnclosedError(values.text1, values.text2)) return Refused(*error);
    return EachName(list, [start = values.text1.front(), end = values.text2.front()](
                              std::u16string_view name, bool isFolder) {
        return edits::DeleteEnclosed(name, isFolder, start, end);
    });
}

EditPlan PadDigitsPlan(const DialogValues& values, const FileList& list) {
    const std::int32_t width = platform::ParseLeadingInt(values.text1);
    if (const auto error = edits::WidthError(width)) return Refused(*error);
    return EachName(list, [run = Chosen(values, DigitRunChoices()), width](std::u16string_view name,
                                                                           bool isFolder) {
        return edits::PadDigits(name, isFolder, run, width);
    });
}

EditPlan NumberRowsPlan(const DialogValues& values, const FileList& list) {
    const std::int32_t width = platform::ParseLeadingInt(values.text1);
    const std::int32_t start = std::max(platform::ParseLeadingInt(values.text2), 0);
    if (const auto error = edits::WidthError(width)) return Refused(*error);
    const NumberPlacement placement = Chosen(values, NumberChoices());
    // A row's number counts the rows above it (of its run of one folder, per
    // folder); asked top to bottom, each row's count follows from the last.
    struct Count {
        std::size_t row = SIZE_MAX;
        std::int64_t number = 0;
    };
    auto last = std::make_shared<Count>();
    return {std::nullopt, [&list, width, start, placement, last](std::size_t row) {
                const auto sameFolder = [&](std::size_t a, std::size_t b) {
                    return platform::EqualsAsciiNoCase(list.FolderView(a), list.FolderView(b));
                };
                std::int64_t number = start + std::int64_t(row);
                if (placement.perFolder) {
                    if (last->row + 1 == row && row > 0) {
                        number = sameFolder(row - 1, row) ? last->number + 1 : start;
                    } else {
                        std::size_t first = row;
                        while (first > 0 && sameFolder(first - 1, row)) --first;
                        number = start + std::int64_t(row - first);
                    }
                }
                *last = {row, number};
                return RowEdit::Name(edits::AddNumber(list.NewName(row), list.Entry(row).isFolder,
                                                      edits::NumberText(number, width),
                                                      placement.inFront));
            }};
}

EditPlan AddExtensionPlan(const DialogValues& values, const FileList& list) {
    if (values.text1.empty()) return {};
    return EachName(
        list, [extension = edits::ExtensionText(values.text1)](std::u16string_view name, bool) {
            return edits::AddExtension(name, extension);
        });
}

EditPlan ChangeExtensionPlan(const DialogValues& values, const FileList& list) {
    if (values.text1.empty()) return {};
    return EachName(list, [extension = edits::ExtensionText(values.text1)](std::u16string_view name,
                                                                           bool isFolder) {
        return edits::ChangeExtension(name, isFolder, extension);
    });
}

EditPlan ChangeCasePlan(const DialogValues& values, const FileList& list) {
    return EachName(
        list, [change = Chosen(values, CaseChoices())](std::u16string_view name, bool isFolder) {
            return edits::ChangeCase(name, isFolder, change);
        });
}

EditPlan ReplacePatternPlan(const DialogValues& values, const FileList& list) {
    if (!platform::Regex::Supported()) return Refused(texts::kRegexUnsupported);
    // Like 문자열 바꾸기 with nothing to find: an empty pattern would match
    // between every two characters, which nobody asks for.
    if (values.text1.empty()) return {};
    auto compiled = platform::Regex::Compile(values.text1);
    if (const auto* error = std::get_if<RegexError>(&compiled))
        return Refused(RegexMessage(*error));
    std::shared_ptr<const platform::Regex> pattern =
        std::move(std::get<std::unique_ptr<platform::Regex>>(compiled));
    // A replacement naming a group the pattern lacks is found at the first match.
    return {std::nullopt, [&list, pattern, replacement = values.text2](std::size_t row) {
                auto name = edits::ReplacePattern(list.NewName(row), *pattern, replacement);
                if (const auto* error = std::get_if<RegexError>(&name)) {
                    return RowEdit::Refuse(RegexMessage(*error));
                }
                return RowEdit::Name(std::get<std::u16string>(std::move(name)));
            }};
}

EditPlan NormalizeNamesPlan(const DialogValues& values, const FileList& list) {
    return EachName(list,
                    [form = Chosen(values, NormalFormChoices())](std::u16string_view name, bool) {
                        return edits::NormalizeName(name, form);
                    });
}

EditPlan AddDatePlan(const DialogValues& values, const FileList& list) {
    // Like an empty prefix: nothing to put in.
    if (values.text1.empty()) return {};
    const DatePlacement placement = Chosen(values, DateChoices());
    auto format = std::make_shared<const edits::DateFormat>(values.text1);
    // A row without that time (no creation time on many Linux file systems) keeps
    // its name rather than get a made-up date.
    return {std::nullopt, [&list, placement, format](std::size_t row) {
                const filelist::FileEntry& entry = list.Entry(row);
                const auto when = RowDate(entry, placement.source);
                if (!when) return RowEdit::Keep();
                return RowEdit::Name(edits::PlaceDate(list.NewName(row), entry.isFolder,
                                                      format->Format(*when), placement.place));
            }};
}

std::optional<std::u16string> DateFormatForChoice(const DialogValues& values) {
    if (!edits::IsDefaultDateFormat(values.text1)) return std::nullopt;
    const std::u16string_view offered =
        edits::DefaultDateFormat(Chosen(values, DateChoices()).place);
    if (offered == values.text1) return std::nullopt;
    return std::u16string(offered);
}

}  // namespace morvalent::app
