// The input dialog's preview and the file-manager sort at a million rows.
// Usage: bench_preview_bench [rows] [locale]   (defaults: 1000000, root order)
//
// - keystroke: EditPreview::Show for each letter of a replacement typed into the
//   replace dialog (the rows of the preview; a list this long is counted later),
//   with nothing selected and with the only selected row at the end; wall time,
//   the slowest keystroke and the median. Goal: 20 ms.
// - count: the conflict count the dialog starts after a pause (every row's new
//   name and the conflict marks), off the window's thread; for scale.
// - natural sort: SortRows by NaturalName beside SortRows by Name on the same
//   shuffled rows, processor time, median of three rounds. Goal: within 1.2x.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/EditPreview.h"
#include "commit/FolderNames.h"
#include "filelist/FileList.h"
#include "organise/Sorting.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"

namespace {

using namespace morvalent;

const char16_t* const kFolders[] = {u"Photos", u"사진", u"2023-summer",
                                    u"Backup", u"여행", u"scans"};
const char16_t* const kStems[] = {u"IMG_", u"DSC", u"report ", u"Scan-", u"보고서_", u"사진 "};
const char16_t* const kExtensions[] = {u".jpg", u".JPG", u".png", u".pdf", u""};

template <class T, std::size_t N>
const T& Pick(const T (&items)[N], std::mt19937& random) {
    return items[random() % N];
}

std::u16string MakePath(std::mt19937& random) {
    std::u16string path = u"/nonexistent/user/";
    path += Pick(kFolders, random);
    path += u'/';
    path += Pick(kStems, random);
    const std::string digits = std::to_string(random() % 100000);
    path.append(digits.begin(), digits.end());
    path += Pick(kExtensions, random);
    return path;
}

double Cpu() { return double(std::clock()) / CLOCKS_PER_SEC; }
double Wall() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void Keystrokes(app::EditPreview& preview, const char* label) {
    const std::u16string typed = u"IMG_";
    const std::u16string replacement = u"사진_";
    std::vector<double> times;
    for (std::size_t i = 1; i <= typed.size(); ++i) {
        const double start = Wall();
        const auto state = preview.Show({typed.substr(0, i), replacement, 0});
        times.push_back(Wall() - start);
        if (state.rows.empty()) std::puts("no rows?");
    }
    for (std::size_t i = 1; i <= replacement.size(); ++i) {
        const double start = Wall();
        preview.Show({typed, replacement.substr(0, i), 0});
        times.push_back(Wall() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("keystroke, %-22s slowest %7.2f ms   median %7.2f ms   (%zu keys)\n", label,
                times.back() * 1e3, times[times.size() / 2] * 1e3, times.size());
}

void Shuffle(filelist::FileList& list, std::mt19937& random) {
    std::vector<std::size_t> order(list.Count());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::shuffle(order.begin(), order.end(), random);
    list.Reorder(order);
}

double SortTime(filelist::FileList& list, organise::SortKey key) {
    const double start = Cpu();
    {
        filelist::FileList::Batch batch(list);
        organise::SortRows(list, {key, organise::SortDirection::Ascending});
    }
    return Cpu() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t rows = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const std::string locale = argc > 2 ? argv[2] : "";
    platform::SetCollationLocale(locale);
    std::mt19937 random(20261208);
    filelist::PlainIconSource icons;
    filelist::IconCache cache(icons);
    filelist::FileList list(cache);
    list.Reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        filelist::FileEntry entry;
        entry.path = MakePath(random);
        list.InsertEntryRow(std::move(entry));
    }
    auto fs = platform::MakeNativeFileSystem();
    std::printf("rows: %zu, locale: '%s'\n", rows, locale.c_str());

    {
        double start = Wall();
        app::EditPreview preview(list, app::ReplaceStringPlan, *fs);
        std::printf("dialog opens (rows to show found): %.2f ms\n", (Wall() - start) * 1e3);
        Keystrokes(preview, "nothing selected:");
        list.SetSelected(rows - 1, true);
        start = Wall();
        app::EditPreview selected(list, app::ReplaceStringPlan, *fs);
        std::printf("dialog opens (rows to show found): %.2f ms\n", (Wall() - start) * 1e3);
        Keystrokes(selected, "last row selected:");
        list.SetSelected(rows - 1, false);
        commit::FolderNames disk(*fs);
        start = Wall();
        const auto count = preview.CountConflicts({u"IMG_", u"사진_", 0}, {}, disk);
        std::printf("count after a pause: %.0f ms (%zu conflicts)\n", (Wall() - start) * 1e3,
                    count.value_or(0));
    }

    constexpr int kRounds = 3;
    std::vector<double> byName;
    std::vector<double> natural;
    for (int round = 0; round < kRounds; ++round) {
        // Both from the same shuffled order, which goes first alternating.
        Shuffle(list, random);
        for (int side = 0; side < 2; ++side) {
            const bool naturalFirst = (round + side) % 2 == 0;
            const double t = SortTime(
                list, naturalFirst ? organise::SortKey::NaturalName : organise::SortKey::Name);
            (naturalFirst ? natural : byName).push_back(t);
            Shuffle(list, random);
        }
    }
    std::sort(byName.begin(), byName.end());
    std::sort(natural.begin(), natural.end());
    const double n = natural[kRounds / 2];
    const double b = byName[kRounds / 2];
    std::printf("sort, processor s (median of %d): natural %.3f   name %.3f   ratio %.2f\n",
                kRounds, n, b, n / b);
    return 0;
}
