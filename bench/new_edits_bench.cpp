// The case, pattern, normalisation, encoding-repair and date edits over 1,000,000
// rows, beside a reference pass that only copies each row's new name once, both
// measured in this run. Each edit rewrites every row in one batch, as its command
// does. Three rows in four are ASCII camera names, one in eight a Hangul name
// decomposed into jamo, one in eight a CP949 name shown as DOS 437.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "edits/CaseEdits.h"
#include "edits/DateEdits.h"
#include "edits/EncodingRepair.h"
#include "edits/NormalizeEdits.h"
#include "edits/PatternEdits.h"
#include "filelist/FileList.h"
#include "filelist/IconCache.h"
#include "filelist/NameParts.h"
#include "platform/LocalTime.h"
#include "platform/Text.h"

namespace {

using namespace morvalent;

constexpr std::size_t kRows = 1'000'000;
constexpr int kRepeats = 3;

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double Seconds(const std::function<void()>& work) {
    const double begin = CpuSeconds();
    work();
    return CpuSeconds() - begin;
}

void ResetRows(filelist::FileList& list) {
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); ++i) list.SetNewName(i, list.CurrentName(i));
}

using Rule = std::function<std::u16string(const std::u16string&, const filelist::FileEntry&)>;

void Rewrite(filelist::FileList& list, const Rule& rule) {
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        list.SetNewName(i, rule(list.NewName(i), list.Entry(i)));
    }
}

std::u16string RowName(std::size_t i) {
    const auto number = platform::DecimalText(std::uint64_t(i));
    switch (i % 8) {
        case 0:
            // 사진 in jamo, as macOS writes it.
            return u"\u1109\u1161\u110C\u1175\u11AB_" + number + u".jpeg";
        case 1:
            return u"\u251C\u00D1\u255D\u2592_" + number + u".jpeg";  // ├Ñ╝▒ (책선)
        default:
            return u"IMG_" + number + u" (2).jpeg";
    }
}

}  // namespace

int main() {
    filelist::PlainIconSource icons;
    filelist::IconCache cache(icons);
    filelist::FileList list(cache);
    {
        filelist::FileList::Batch batch(list);
        for (std::size_t i = 0; i < kRows; ++i) {
            filelist::FileEntry entry;
            entry.path = u"/bench/Album " + platform::DecimalText(std::uint64_t(i / 1000)) + u"/" +
                         RowName(i);
            entry.lastWriteTime = platform::FileTimeFromUnix(1715954589 + std::int64_t(i), 0);
            list.InsertEntryRow(std::move(entry));
        }
    }

    auto compiled = platform::Regex::Compile(u"IMG_(\\d+)");
    if (!std::holds_alternative<std::unique_ptr<platform::Regex>>(compiled)) {
        std::printf("no regular expressions in this build\n");
        return 1;
    }
    const auto& regex = *std::get<std::unique_ptr<platform::Regex>>(compiled);
    auto pattern = [&](std::u16string_view replacement) -> Rule {
        return [&regex, replacement](const std::u16string& name, const filelist::FileEntry&) {
            auto result = edits::ReplacePattern(name, regex, replacement);
            return std::get<std::u16string>(std::move(result));
        };
    };
    auto casing = [](edits::CaseChange change) -> Rule {
        return [change](const std::u16string& name, const filelist::FileEntry& entry) {
            return edits::ChangeCase(name, entry.isFolder, change);
        };
    };
    auto normal = [](platform::NormalForm form) -> Rule {
        return [form](const std::u16string& name, const filelist::FileEntry&) {
            return edits::NormalizeName(name, form);
        };
    };
    auto date = [](edits::DatePlace place) -> Rule {
        return [place, format = edits::DateFormat(edits::kDefaultDateFormat),
                dateText = std::u16string()](const std::u16string& name,
                                             const filelist::FileEntry& entry) mutable {
            format.FormatInto(dateText, *platform::LocalTimeOf(entry.lastWriteTime));
            return edits::PlaceDate(name, entry.isFolder, dateText, place);
        };
    };
    const std::vector<std::pair<const char*, Rule>> edits = {
        {"case lower", casing(edits::CaseChange::NameLower)},
        {"case upper", casing(edits::CaseChange::NameUpper)},
        {"case title", casing(edits::CaseChange::NameTitle)},
        {"case ext-upper", casing(edits::CaseChange::ExtensionUpper)},
        {"regex IMG_(\\d+) -> P$1", pattern(u"P$1")},
        {"normalize nfc", normal(platform::NormalForm::Nfc)},
        {"normalize nfd", normal(platform::NormalForm::Nfd)},
        {"normalize nfkc", normal(platform::NormalForm::Nfkc)},
        {"repair-encoding", [](const std::u16string& name,
                               const filelist::FileEntry&) { return edits::RepairEncoding(name); }},
        {"date modified front", date(edits::DatePlace::Front)},
        {"date modified behind", date(edits::DatePlace::Behind)},
    };

    std::printf("%zu rows; reference: copy every row's new name once, measured beside each edit\n",
                kRows);
    std::printf("%-26s %10s %10s %8s\n", "edit", "edit ms", "ref ms", "ratio");
    for (const auto& [name, rule] : edits) {
        ResetRows(list);
        Rewrite(list, rule);
    }
    for (const auto& [name, rule] : edits) {
        double reference = 1e9;
        double edit = 1e9;
        for (int r = 0; r < kRepeats; ++r) {
            ResetRows(list);
            reference = std::min(reference, Seconds([&] {
                                     Rewrite(list, [](const std::u16string& n,
                                                      const filelist::FileEntry&) { return n; });
                                 }));
            ResetRows(list);
            edit = std::min(edit, Seconds([&] { Rewrite(list, rule); }));
        }
        std::printf("%-26s %10.1f %10.1f %7.2fx\n", name, edit * 1e3, reference * 1e3,
                    edit / reference);
    }
    std::printf("goal: within 5x, the pattern within 10x\n");
    return 0;
}
