// The terminal's commit (`--apply`) beside the least any renamer must do for the same
// renames: walk the folder (getdents64 and one statx per entry), sort the names, one
// renameat2(RENAME_NOREPLACE) each, one fsync. Each runs in a child process of its
// own on an identical fresh tree, in turns (which goes first alternates); the
// figures are the child's processor time and peak memory.
//
//     bench_apply_bench morvalent-cli [rows=100000] [rounds=3]
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/RenameTree.h"

namespace {

using morvalent::bench::MakeTree;
using morvalent::bench::Median;

struct Usage {
    double cpuSeconds = 0;
    double peakMb = 0;
};

// Runs `work` in a child and returns what the child used.
template <typename Work>
Usage InChild(Work work) {
    const pid_t child = fork();
    if (child < 0) {
        perror("fork");
        exit(1);
    }
    if (child == 0) _exit(work());
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        fprintf(stderr, "the child failed\n");
        exit(1);
    }
    return {double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6,
            double(usage.ru_maxrss) / 1024.0};
}

// The least: one walk with the details a renamer looks at, the names sorted, the
// renames, one fsync of the folder.
int Composite(const std::string& folder) {
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    DIR* listing = fdopendir(dup(dir));
    if (dir < 0 || listing == nullptr) return 1;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct statx details {};
        if (statx(dir, entry->d_name, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &details) != 0)
            return 1;
        names.emplace_back(name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string to = "v2_" + name;
        if (renameat2(dir, name.c_str(), dir, to.c_str(), RENAME_NOREPLACE) != 0) return 1;
    }
    const int synced = fsync(dir);
    close(dir);
    return synced == 0 ? 0 : 1;
}

int Terminal(const std::string& cli, const std::string& folder) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execl(cli.c_str(), cli.c_str(), "--folders=contents", folder.c_str(), "--prefix", "v2_",
          "--print=none", "--apply", static_cast<char*>(nullptr));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: bench_apply_bench morvalent-cli [rows] [rounds]\n");
        return 2;
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);  // each round's line as it ends
    const std::string cli = argv[1];
    const int rows = argc > 2 ? atoi(argv[2]) : 100000;
    const int rounds = argc > 3 ? atoi(argv[3]) : 3;
    // On the disk, not in memory: /var/tmp unless TMPDIR says otherwise.
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/var/tmp") +
                          "/morvalent-apply-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        perror("mkdtemp");
        return 1;
    }
    const std::string root = pattern;
    std::vector<double> ratios;
    std::vector<double> terminalCpu;
    std::vector<double> compositeCpu;
    double terminalPeak = 0;
    double compositePeak = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::string a = root + "/a" + std::to_string(round);
        const std::string b = root + "/b" + std::to_string(round);
        MakeTree(a, rows);
        MakeTree(b, rows);
        sync();
        Usage terminal;
        Usage composite;
        if (round % 2 == 0) {
            terminal = InChild([&] { return Terminal(cli, a); });
            composite = InChild([&] { return Composite(b); });
        } else {
            composite = InChild([&] { return Composite(b); });
            terminal = InChild([&] { return Terminal(cli, a); });
        }
        terminalCpu.push_back(terminal.cpuSeconds);
        compositeCpu.push_back(composite.cpuSeconds);
        ratios.push_back(terminal.cpuSeconds / composite.cpuSeconds);
        terminalPeak = std::max(terminalPeak, terminal.peakMb);
        compositePeak = std::max(compositePeak, composite.peakMb);
        printf("round %d: --apply %.3f s, composite %.3f s: %.2fx; peak %.0f MB / %.0f MB\n",
               round + 1, terminal.cpuSeconds, composite.cpuSeconds, ratios.back(), terminal.peakMb,
               composite.peakMb);
        std::filesystem::remove_all(a);
        std::filesystem::remove_all(b);
    }
    printf(
        "%d rows: --apply %.3f s, composite %.3f s (medians), median ratio %.2fx "
        "(goal 1.2x); peak memory %.0f MB vs %.0f MB: %.2fx\n",
        rows, Median(terminalCpu), Median(compositeCpu), Median(ratios), terminalPeak,
        compositePeak, terminalPeak / compositePeak);
    std::filesystem::remove_all(root);
    return 0;
}
