// Gathering a tree of 100,000 files (folder contents) into an empty list, end to
// end through AppendPendingRows, beside `find -printf` over the same warm tree.
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "filelist/FileList.h"
#include "filelist/Gathering.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

using namespace morvalent;
using Clock = std::chrono::steady_clock;

namespace {

struct Contents : filelist::FolderQuestion {
    bool AddFolderItself(const std::u16string&) override { return false; }
};

long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    platform::SetCollationLocale(platform::CollationLocaleFromEnvironment());
    std::string base =
        (std::filesystem::temp_directory_path() / "morvalent-gather-XXXXXX").string();
    if (mkdtemp(base.data()) == nullptr) return 1;
    // 100 folders of 10 subfolders of files, names like a photo collection.
    int made = 0;
    for (int a = 0; made < files; ++a) {
        for (int b = 0; b < 10 && made < files; ++b) {
            auto folder = std::filesystem::path(base) / ("album " + std::to_string(a)) /
                          ("day " + std::to_string(b));
            std::filesystem::create_directories(folder);
            for (int c = 0; c < 100 && made < files; ++c, ++made) {
                std::ofstream(folder / ("IMG_" + std::to_string(10000 + made) + ".jpg")) << "x";
            }
        }
    }
    const std::string find = "find '" + base + "' -printf '%s %T@ %p\\n' > /dev/null";
    if (std::system(find.c_str()) != 0) return 1;  // warm the tree

    double findBest = 1e9;
    double oursBest = 1e9;
    std::size_t rows = 0;
    long rssBefore = PeakRssKiB();
    long rssAfter = rssBefore;
    for (int round = 0; round < 3; ++round) {
        auto start = Clock::now();
        if (std::system(find.c_str()) != 0) return 1;
        findBest = std::min(findBest, Seconds(start));

        auto fs = platform::MakeNativeFileSystem();
        filelist::PlainIconSource icons;
        filelist::IconCache cache(icons);
        filelist::FileList list(cache);
        Contents contents;
        filelist::FolderChoice choice;
        start = Clock::now();
        filelist::PendingEntries pending;
        filelist::Gatherer gatherer(list, *fs, contents, choice);
        gatherer.AddCandidate(pending, platform::Utf8ToUtf16(base));
        gatherer.AppendPendingRows(pending);
        oursBest = std::min(oursBest, Seconds(start));
        rows = list.Count();
        rssAfter = std::max(rssAfter, PeakRssKiB());
    }
    std::printf("gathered %zu rows\n", rows);
    std::printf("find -printf: %.3f s   gathering: %.3f s   ratio %.2f (goal <= 2)\n", findBest,
                oursBest, oursBest / findBest);
    std::printf("peak memory: %.0f bytes per row (pending entries and rows together)\n",
                double(rssAfter - rssBefore) * 1024.0 / double(std::max<std::size_t>(rows, 1)));
    std::filesystem::remove_all(base);
    return 0;
}
