// Sorting a million rows by name and by path, beside a reference that builds ICU
// sort keys for the same texts and sorts them with std::sort on memcmp.
// Usage: bench_sort_bench [rows] [locale]   (defaults: 1000000, root order)

#include <unicode/ucol.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "filelist/FileList.h"
#include "filelist/NameParts.h"
#include "organise/Sorting.h"
#include "platform/Collation.h"

namespace {

using namespace morvalent;

const char16_t* const kWords[] = {u"Photos", u"Documents", u"projects", u"2019",    u"2023-summer",
                                  u"Backup", u"music",     u"Work",     u"reports", u"archive",
                                  u"사진",   u"문서",      u"여행",     u"가족",    u"Invoices",
                                  u"raw",    u"edited",    u"scans",    u"old",     u"Übersicht",
                                  u"café",   u"notes",     u"drafts",   u"final"};
const char16_t* const kStems[] = {u"IMG_",   u"DSC",     u"report ", u"Scan-", u"보고서_",
                                  u"Track ", u"invoice", u"사진 ",   u"draft", u"README"};
const char16_t* const kExtensions[] = {u".jpg", u".JPG", u".png", u".pdf",   u".docx",
                                       u".mp3", u".txt", u"",     u".tar.gz"};

template <class T, std::size_t N>
const T& Pick(const T (&items)[N], std::mt19937& random) {
    return items[random() % N];
}

std::u16string MakePath(std::mt19937& random) {
    std::u16string path = u"/home/user";
    const int depth = 1 + int(random() % 4);
    for (int i = 0; i < depth; ++i) {
        path += u'/';
        path += Pick(kWords, random);
    }
    path += u'/';
    path += Pick(kStems, random);
    std::string digits = std::to_string(random() % 100000);
    path.append(digits.begin(), digits.end());
    path += Pick(kExtensions, random);
    return path;
}

// Processor time of this (single-threaded) process: the machine may be shared,
// and waiting for a processor is no part of either sort.
double Now() { return double(std::clock()) / CLOCKS_PER_SEC; }

// The reference: ICU keys at secondary strength in one buffer, sorted by memcmp.
// It reads the texts where the rows hold them, as the program's sort must.
double ReferenceSort(UCollator* collator, const std::vector<std::u16string_view>& texts) {
    const double start = Now();
    struct Key {
        std::size_t offset;
        std::size_t length;
    };
    std::vector<Key> keys(texts.size());
    std::vector<std::uint8_t> buffer;
    std::vector<std::uint8_t> scratch(1024);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& t = texts[i];
        int32_t need = ucol_getSortKey(collator, t.data(), int32_t(t.size()), scratch.data(),
                                       int32_t(scratch.size()));
        if (need > int32_t(scratch.size())) {
            scratch.resize(std::size_t(need));
            need = ucol_getSortKey(collator, t.data(), int32_t(t.size()), scratch.data(), need);
        }
        keys[i] = {buffer.size(), std::size_t(need)};
        buffer.insert(buffer.end(), scratch.begin(), scratch.begin() + need);
    }
    const std::uint8_t* base = buffer.data();
    std::sort(keys.begin(), keys.end(), [base](const Key& a, const Key& b) {
        const int c = std::memcmp(base + a.offset, base + b.offset, std::min(a.length, b.length));
        return c != 0 ? c < 0 : a.length < b.length;
    });
    const double seconds = Now() - start;
    // Keep the result observable.
    if (!keys.empty() && keys.front().length == 0) std::puts("");
    return seconds;
}

void Shuffle(filelist::FileList& list, std::mt19937& random) {
    std::vector<std::size_t> order(list.Count());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::shuffle(order.begin(), order.end(), random);
    list.Reorder(order);
}

double OurSort(filelist::FileList& list, const organise::SortSpec& spec) {
    const double start = Now();
    {
        filelist::FileList::Batch batch(list);
        organise::SortRows(list, spec);
    }
    return Now() - start;
}

// Views of the texts in the rows' own paths: the whole path, or the name at its end.
std::vector<std::u16string_view> TextsOf(const filelist::FileList& list, bool nameOnly) {
    std::vector<std::u16string_view> texts;
    texts.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const std::u16string_view path = list.Entry(i).path;
        const std::size_t name = filelist::GetNamePart(path, true).size();
        texts.push_back(nameOnly ? path.substr(path.size() - name) : path);
    }
    return texts;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t rows = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const std::string locale = argc > 2 ? argv[2] : "";
    platform::SetCollationLocale(locale);
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open(locale.c_str(), &status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "cannot open collator for '%s'\n", locale.c_str());
        return 1;
    }
    ucol_setStrength(collator, UCOL_SECONDARY);

    std::mt19937 random(20240611);
    filelist::PlainIconSource icons;
    filelist::IconCache cache(icons);
    filelist::FileList list(cache);
    for (std::size_t i = 0; i < rows; ++i) {
        filelist::FileEntry entry;
        entry.path = MakePath(random);
        entry.size = random();
        list.InsertEntryRow(std::move(entry));
    }
    // Marks go along with their rows, as in real use.
    for (std::size_t i = 0; i < rows; i += 7) list.SetSelected(i, true);

    std::printf("rows: %zu, locale: '%s'\n", rows, locale.c_str());
    std::printf("processor seconds, median of 3 rounds\n");
    std::printf("%-6s %12s %12s %8s\n", "key", "ours", "reference", "ratio");
    constexpr int kRounds = 3;
    for (const bool byName : {true, false}) {
        std::vector<double> ours;
        std::vector<double> reference;
        for (int round = 0; round < kRounds; ++round) {
            Shuffle(list, random);
            const auto texts = TextsOf(list, byName);
            reference.push_back(ReferenceSort(collator, texts));
            ours.push_back(
                OurSort(list, {byName ? organise::SortKey::Name : organise::SortKey::Path,
                               organise::SortDirection::Ascending}));
        }
        std::sort(ours.begin(), ours.end());
        std::sort(reference.begin(), reference.end());
        // Medians of the rounds.
        const double o = ours[kRounds / 2];
        const double r = reference[kRounds / 2];
        std::printf("%-6s %12.3f %12.3f %8.2f\n", byName ? "name" : "path", o, r, o / r);
    }
    ucol_close(collator);
    return 0;
}
