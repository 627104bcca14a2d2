// Commit of 100,000 changed rows (a suffix before the extension) beside a plain C
// loop of renameat2(RENAME_NOREPLACE) doing the same renames on an identical tree,
// in the same run. Prints both times per round and the median of the rounds' ratios.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "cli/ListPrinter.h"
#include "commit/ConflictMarks.h"
#include "platform/Text.h"
#include "support/QuietUi.h"
#include "support/RenameTree.h"

namespace {

using namespace morvalent;
using bench::FileName;
using bench::MakeTree;
using bench::Median;
using bench::UserSeconds;
using Clock = std::chrono::steady_clock;

// Answers OK and keeps the last message.
class QuietUi : public bench::QuietUi {
  public:
    using bench::QuietUi::ShowMessage;
    void ShowMessage(const std::u16string& text) override { last = text; }

    std::u16string last;
};

double CommitSeconds(const std::string& folder, int count) {
    QuietUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog dialog(ui, ui, *fs, icons);
    auto& list = dialog.List();
    const std::u16string base = platform::Utf8ToUtf16(folder) + u"/";
    for (int i = 0; i < count; ++i) {
        filelist::FileEntry entry;
        entry.path = base + platform::Utf8ToUtf16(FileName(i, ""));
        list.InsertEntryRow(entry);
        list.SetNewName(std::size_t(i), platform::Utf8ToUtf16(FileName(i, "_v2")));
    }
    const double user = UserSeconds();
    const auto start = Clock::now();
    dialog.ApplyRenames();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    printf("  commit: %.3f s in the program itself\n", UserSeconds() - user);
    if (ui.last != u"파일 이름을 변경하였습니다.") {
        fprintf(stderr, "the commit failed\n");
        exit(1);
    }
    return seconds;
}

// Processor time (program and kernel) of this process or of its finished children.
double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The loop's last processor time, beside which the terminal's is set: on a machine
// shared with other work, wall time mostly says how long each waited for a core.
double lastLoopCpu = 0;

double LoopSeconds(const std::string& folder, int count) {
    const double user = UserSeconds();
    const double cpu = CpuSeconds(RUSAGE_SELF);
    const auto start = Clock::now();
    char from[4096];
    char to[4096];
    for (int i = 0; i < count; ++i) {
        snprintf(from, sizeof from, "%s/file%06d.txt", folder.c_str(), i);
        snprintf(to, sizeof to, "%s/file%06d_v2.txt", folder.c_str(), i);
        if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) != 0) {
            perror("renameat2");
            exit(1);
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    printf("  loop: %.3f s in the program itself\n", UserSeconds() - user);
    lastLoopCpu = CpuSeconds(RUSAGE_SELF) - cpu;
    return seconds;
}

// The terminal front end run on a folder, output thrown away; processor time.
double CliSeconds(const std::string& cli, const std::string& folder, const char* options) {
    const std::string command = "'" + cli + "' --folders=contents '" + folder + "' --number 4 1 " +
                                options + " > /dev/null 2>&1";
    const double cpu = CpuSeconds(RUSAGE_CHILDREN);
    if (system(command.c_str()) != 0) {
        fprintf(stderr, "failed: %s\n", command.c_str());
        exit(1);
    }
    return CpuSeconds(RUSAGE_CHILDREN) - cpu;
}

// The terminal's table of `count` changed rows written to /dev/null, in process
// (processor time): the print alone, without a process start or a gathering.
double TablePrintSeconds(int count) {
    QuietUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog dialog(ui, ui, *fs, icons);
    auto& list = dialog.List();
    for (int i = 0; i < count; ++i) {
        filelist::FileEntry entry;
        entry.path = u"/home/user/사진/" + platform::Utf8ToUtf16(FileName(i, ""));
        list.InsertEntryRow(entry);
        list.SetNewName(std::size_t(i), platform::Utf8ToUtf16(FileName(i, "_v2")));
    }
    std::ofstream out("/dev/null");
    const double user = UserSeconds();
    cli::PrintList(list, commit::ConflictMarks{}, cli::PrintMode::Table, out);
    return UserSeconds() - user;
}

}  // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);
    const int count = argc > 1 ? atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? atoi(argv[2]) : 3;
    // Given the terminal program, each round also times it on a third tree.
    const std::string cli = argc > 3 ? argv[3] : "";
    std::vector<double> cliApplies;
    std::vector<double> cliRatios;
    std::vector<double> tablePrints;
    std::string root = (std::filesystem::temp_directory_path() / "morvalent-bench-XXXXXX").string();
    if (mkdtemp(root.data()) == nullptr) {
        perror("mkdtemp");
        return 1;
    }
    std::vector<double> commits;
    std::vector<double> loops;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        const std::string a = root + "/commit" + std::to_string(round);
        const std::string b = root + "/loop" + std::to_string(round);
        MakeTree(a, count);
        MakeTree(b, count);
        sync();
        // Alternate which goes first, so neither always meets a busier journal.
        if (round % 2 == 0) {
            commits.push_back(CommitSeconds(a, count));
            loops.push_back(LoopSeconds(b, count));
        } else {
            loops.push_back(LoopSeconds(b, count));
            commits.push_back(CommitSeconds(a, count));
        }
        ratios.push_back(commits.back() / loops.back());
        printf("round %d: commit %.3f s, renameat2 loop %.3f s, ratio %.2f\n", round + 1,
               commits.back(), loops.back(), ratios.back());
        if (!cli.empty()) {
            const std::string c = root + "/cli" + std::to_string(round);
            MakeTree(c, count);
            sync();
            // Two dry runs on the same tree: their difference is the table print.
            const double none = CliSeconds(cli, c, "--print=none");
            const double table = CliSeconds(cli, c, "--print=table");
            tablePrints.push_back(std::max(0.0, table - none));
            cliApplies.push_back(CliSeconds(cli, c, "--print=none --apply"));
            cliRatios.push_back(cliApplies.back() / lastLoopCpu);
            printf(
                "  terminal (processor time): dry run %.3f s, with the table %.3f s; --apply "
                "--print=none %.3f s, the loop %.3f s, ratio %.2f\n",
                none, table, cliApplies.back(), lastLoopCpu, cliRatios.back());
            std::filesystem::remove_all(c);
        }
        std::filesystem::remove_all(a);
        std::filesystem::remove_all(b);
    }
    std::filesystem::remove_all(root);
    std::vector<double> prints;
    for (int i = 0; i < 5; ++i) prints.push_back(TablePrintSeconds(count));
    printf(
        "terminal table of %d rows printed in process: %.3f s (median of 5; goal 0.1 s per "
        "100,000)\n",
        count, Median(prints));
    if (!cli.empty()) {
        printf(
            "terminal --apply --print=none: median %.3f s of processor time, median ratio to "
            "the loop's %.2f (goal 1.30); the table's share of a dry run %.3f s\n",
            Median(cliApplies), Median(cliRatios), Median(tablePrints));
    }
    printf(
        "%d rows: commit %.3f s, renameat2 loop %.3f s (medians); median ratio %.2f "
        "(goal: within 1.50)\n",
        count, Median(commits), Median(loops), Median(ratios));
    return 0;
}
