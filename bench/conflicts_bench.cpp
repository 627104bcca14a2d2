// Marking conflicts after a name edit on rows of real files (folders of 1,000),
// beside the same edit alone, in the same run. Prints both times per edit and the
// ratio (edit + marking) / edit.
//
//     bench_conflicts_bench [folders=100] [tree] [morvalent-cli]
//
// A tree folder given is made once and kept. Given the terminal program, it also
// times its dry run on the tree with a prefix into a missing folder beside a plain one.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "commit/ConflictMarks.h"
#include "commit/FolderNames.h"
#include "edits/TextEdits.h"
#include "filelist/FileList.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace {

using namespace morvalent;

int folderCount = 100;
constexpr int kFilesPerFolder = 1000;
constexpr int kRounds = 5;

// Processor time of this process: steadier than wall time on a shared machine.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

std::string FileName(int i) {
    char name[64];
    snprintf(name, sizeof name, "IMG_%06d (2).jpeg", i);
    return name;
}

// Makes the files unless they are there already, and lists them all.
void MakeTree(const std::string& root, filelist::FileList& list) {
    filelist::FileList::Batch batch(list);
    for (int f = 0; f < folderCount; ++f) {
        const std::string folder = root + "/Album " + std::to_string(f);
        std::filesystem::create_directories(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const std::string path = folder + "/" + FileName(f * kFilesPerFolder + i);
            const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0644);
            if (fd < 0) {
                perror("creating the tree");
                exit(1);
            }
            close(fd);
            list.InsertEntryRow({platform::Utf8ToUtf16(path)});
        }
    }
}

// An edit as its command runs it: the new names of every `step`th row (every row,
// or a selection spread over the list) rewritten in one batch.
void Rewrite(filelist::FileList& list,
             const std::function<std::u16string(std::u16string_view, std::size_t)>& rule,
             std::size_t step) {
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); i += step) {
        list.SetNewName(i, rule(list.NewName(i), i));
    }
}

void Reset(filelist::FileList& list) {
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); ++i) list.SetNewName(i, list.CurrentName(i));
}

// Processor time of the finished children (the terminal program runs).
double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A dry run of the terminal program on the whole tree: gathering, the edit, the
// marks (which reach every folder of the tree), no table.
double CliSeconds(const std::string& cli, const std::string& root, const char* prefix) {
    const std::string command = "'" + cli + "' --folders=contents '" + root + "' --prefix '" +
                                prefix + "' --print=none > /dev/null 2>&1";
    const double begin = ChildrenCpuSeconds();
    if (system(command.c_str()) != 0) {
        fprintf(stderr, "failed: %s\n", command.c_str());
        exit(1);
    }
    return ChildrenCpuSeconds() - begin;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Edit {
    const char* name;
    std::function<std::u16string(std::u16string_view, std::size_t)> rule;
    std::size_t step = 1;
};

}  // namespace

int main(int argc, char** argv) {
    // A tree named on the command line is kept for the next run; else a fresh one.
    if (argc > 1) folderCount = std::max(1, std::atoi(argv[1]));
    std::string root;
    if (argc > 2) {
        root = argv[2];
    } else {
        char pattern[] = "/tmp/morvalent-conflicts-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            perror("mkdtemp");
            return 1;
        }
        root = pattern;
    }
    filelist::PlainIconSource icons;
    filelist::IconCache iconCache(icons);
    filelist::FileList list(iconCache);
    MakeTree(root, list);
    auto fs = platform::MakeNativeFileSystem();
    commit::FolderNames disk(*fs);
    commit::ConflictMarks marks;

    const std::vector<Edit> edits = {
        {"AddPrefix",
         [](std::u16string_view n, std::size_t) { return edits::AddPrefix(n, u"x_"); }},
        {"ReplaceString", [](std::u16string_view n,
                             std::size_t) { return edits::ReplaceString(n, u"IMG", u"Photo"); }},
        {"AddSuffix",
         [](std::u16string_view n, std::size_t) { return edits::AddSuffix(n, false, u"_1"); }},
        // Every target is the next row's item: each row meets an item on disk.
        {"shift onto the next row",
         [](std::u16string_view, std::size_t i) {
             return platform::Utf8ToUtf16(FileName(int(i) + 1));
         }},
        // Into a subfolder of each folder that is not there: one missing folder per folder.
        {"into new/ (missing folders)",
         [](std::u16string_view n, std::size_t) { return edits::AddPrefix(n, u"new/"); }},
        // A selection: the marks are weighed again only around the rows that changed.
        {"AddPrefix, 1 row in 1,000",
         [](std::u16string_view n, std::size_t) { return edits::AddPrefix(n, u"x_"); }, 1000},
        {"AddPrefix, 1 row in 100,000",
         [](std::u16string_view n, std::size_t) { return edits::AddPrefix(n, u"x_"); }, 100000},
        {"shift, 1 row in 1,000",
         [](std::u16string_view, std::size_t i) {
             return platform::Utf8ToUtf16(FileName(int(i) + 1));
         },
         1000},
    };

    const double coldBegin = CpuSeconds();
    marks.Update(list, disk);
    std::printf("%zu rows in %d folders; first marking, reading every folder: %.1f ms\n",
                list.Count(), folderCount, (CpuSeconds() - coldBegin) * 1e3);
    std::printf("%-30s %10s %14s %8s %8s %8s\n", "edit", "edit ms", "edit+mark ms", "ratio",
                "floor", "marked");
    double worst = 0;
    for (const Edit& edit : edits) {
        double alone = 1e9;
        double marked = 1e9;
        double hashed = 1e9;
        // Both in turns from the same starting rows; the best of each counts.
        // Each side starts from rows whose marks are up to date.
        for (int r = 0; r < kRounds; ++r) {
            Reset(list);
            marks.Update(list, disk);
            double begin = CpuSeconds();
            Rewrite(list, edit.rule, edit.step);
            alone = std::min(alone, CpuSeconds() - begin);
            // The least any check of every target does after the edit: read each new
            // name once (one hash of it).
            Reset(list);
            marks.Update(list, disk);
            begin = CpuSeconds();
            Rewrite(list, edit.rule, edit.step);
            std::uint64_t sum = 0;
            for (std::size_t i = 0; i < list.Count(); i += edit.step) {
                sum += commit::FoldedHash(list.NewName(i));
            }
            hashed = std::min(hashed, CpuSeconds() - begin);
            if (sum == 42) std::printf(" ");
            Reset(list);
            marks.Update(list, disk);
            begin = CpuSeconds();
            Rewrite(list, edit.rule, edit.step);
            marks.Update(list, disk);
            marked = std::min(marked, CpuSeconds() - begin);
        }
        const double ratio = marked / alone;
        if (edit.step == 1) worst = std::max(worst, ratio);
        std::printf("%-30s %10.3f %14.3f %7.2fx %7.2fx %8zu\n", edit.name, alone * 1e3,
                    marked * 1e3, ratio, hashed / alone, marks.MarkedCount());
    }
    if (argc > 3) {
        // The terminal: a prefix that reaches into a missing subfolder of every folder,
        // beside one that does not; in turns, processor time, median of three.
        std::vector<double> flat;
        std::vector<double> missing;
        for (int r = 0; r < 3; ++r) {
            flat.push_back(CliSeconds(argv[3], root, "new_"));
            missing.push_back(CliSeconds(argv[3], root, "new/"));
        }
        std::printf("terminal --prefix new_ %.2f s, --prefix new/ %.2f s: %.2fx\n", Median(flat),
                    Median(missing), Median(missing) / Median(flat));
    }
    std::printf("worst ratio of the edits of every row %.2fx (goal: within 1.3x)\n", worst);
    if (argc <= 2) std::filesystem::remove_all(root);
    return 0;
}
