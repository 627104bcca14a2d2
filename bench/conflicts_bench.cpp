// Marking conflicts after a name edit on 100,000 rows of real files (100 folders
// of 1,000), beside the same edit alone, in the same run. Prints both times per
// edit and the ratio (edit + marking) / edit.
//
//     bench_conflicts_bench [tree]   (a tree folder given is made once and kept)
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "commit/ConflictMarks.h"
#include "edits/TextEdits.h"
#include "filelist/FileList.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace {

using namespace morvalent;

constexpr int kFolders = 100;
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
    for (int f = 0; f < kFolders; ++f) {
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

// An edit as its command runs it: every row's new name rewritten in one batch.
void Rewrite(filelist::FileList& list,
             const std::function<std::u16string(std::u16string_view, std::size_t)>& rule) {
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); ++i) list.SetNewName(i, rule(list.NewName(i), i));
}

void Reset(filelist::FileList& list) {
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); ++i) list.SetNewName(i, list.CurrentName(i));
}

struct Edit {
    const char* name;
    std::function<std::u16string(std::u16string_view, std::size_t)> rule;
};

}  // namespace

int main(int argc, char** argv) {
    // A tree named on the command line is kept for the next run; else a fresh one.
    std::string root;
    if (argc > 1) {
        root = argv[1];
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
    };

    const double coldBegin = CpuSeconds();
    marks.Update(list, disk);
    std::printf("%zu rows in %d folders; first marking, reading every folder: %.1f ms\n",
                list.Count(), kFolders, (CpuSeconds() - coldBegin) * 1e3);
    std::printf("%-26s %10s %14s %8s %8s\n", "edit", "edit ms", "edit+mark ms", "ratio", "marked");
    double worst = 0;
    for (const Edit& edit : edits) {
        double alone = 1e9;
        double marked = 1e9;
        // Both in turns from the same starting rows; the best of each counts.
        for (int r = 0; r < kRounds; ++r) {
            Reset(list);
            double begin = CpuSeconds();
            Rewrite(list, edit.rule);
            alone = std::min(alone, CpuSeconds() - begin);
            Reset(list);
            begin = CpuSeconds();
            Rewrite(list, edit.rule);
            marks.Update(list, disk);
            marked = std::min(marked, CpuSeconds() - begin);
        }
        const double ratio = marked / alone;
        worst = std::max(worst, ratio);
        std::printf("%-26s %10.1f %14.1f %7.2fx %8zu\n", edit.name, alone * 1e3, marked * 1e3,
                    ratio, marks.MarkedCount());
    }
    std::printf("worst ratio %.2fx (goal: within 1.3x)\n", worst);
    if (argc <= 1) std::filesystem::remove_all(root);
    return 0;
}
