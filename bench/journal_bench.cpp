// The commit journal's cost. Each round makes three identical trees of 100,000
// files and, in the same run, times
//   - the renaming pass over 100,000 changed rows without a journal and with one
//     (plan, identities and fsync before the first rename, outcomes, end mark);
//   - the undo of the journalled commit beside a plain C loop of
//     renameat2(RENAME_NOREPLACE) putting the third tree's renamed files back.
// Prints both pairs per round and the medians of the rounds' ratios.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "commit/History.h"
#include "commit/JournalledPass.h"
#include "commit/TargetCheck.h"
#include "commit/Undo.h"
#include "platform/Text.h"
#include "support/RenameTree.h"

namespace {

using namespace morvalent;
using bench::FileName;
using bench::MakeTree;
using bench::Median;
using bench::UserSeconds;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The renaming pass as the commit runs it, from the target check to the end mark;
// the journal's id, or 0 without a history.
std::uint64_t Commit(const std::string& folder, int count, commit::History* history,
                     double& seconds) {
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    filelist::IconCache cache(icons);
    filelist::FileList list(cache);
    const std::u16string base = platform::Utf8ToUtf16(folder) + u"/";
    for (int i = 0; i < count; ++i) {
        filelist::FileEntry entry;
        entry.path = base + platform::Utf8ToUtf16(FileName(i, ""));
        list.InsertEntryRow(entry);
        list.SetNewName(std::size_t(i), platform::Utf8ToUtf16(FileName(i, "_v2")));
    }
    const double user = UserSeconds();
    const auto start = Clock::now();
    commit::TargetCheck check = commit::CheckTargets(list);
    commit::JournalledPass pass(list, *fs, std::move(check.targets), history);
    if (!pass.Begin()) {
        fprintf(stderr, "no journal\n");
        exit(1);
    }
    const double plan = SecondsSince(start);
    {
        filelist::FileList::Batch batch(list);
        for (int row = 0; row < count; ++row) pass.RenameRow(std::size_t(row));
    }
    const double renames = SecondsSince(start) - plan;
    pass.Finish();
    seconds = SecondsSince(start);
    printf(
        "  commit %s journal: %.3f s (plan %.3f, renames %.3f, end %.3f), %.3f s in the "
        "program itself\n",
        history != nullptr ? "with" : "without", seconds, plan, renames, seconds - plan - renames,
        UserSeconds() - user);
    if (!pass.FailureReport().empty()) {
        fprintf(stderr, "the commit failed\n");
        exit(1);
    }
    return pass.JournalId().value_or(0);
}

double Undo(commit::History& history, std::uint64_t id, int count) {
    const double user = UserSeconds();
    const auto start = Clock::now();
    const commit::UndoOutcome outcome = commit::UndoCommit(history, id);
    const double seconds = SecondsSince(start);
    printf("  undo: %.3f s, %.3f s in the program itself\n", seconds, UserSeconds() - user);
    if (outcome.result != commit::UndoResult::Done || outcome.undone != std::size_t(count)) {
        fprintf(stderr, "the undo failed\n");
        exit(1);
    }
    return seconds;
}

double Loop(const std::string& folder, int count, const char* fromSuffix, const char* toSuffix,
            bool reverse) {
    const double user = UserSeconds();
    const auto start = Clock::now();
    char from[4096];
    char to[4096];
    for (int k = 0; k < count; ++k) {
        const int i = reverse ? count - 1 - k : k;
        snprintf(from, sizeof from, "%s/file%06d%s.txt", folder.c_str(), i, fromSuffix);
        snprintf(to, sizeof to, "%s/file%06d%s.txt", folder.c_str(), i, toSuffix);
        if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) != 0) {
            perror("renameat2");
            exit(1);
        }
    }
    const double seconds = SecondsSince(start);
    printf("  renameat2 loop: %.3f s, %.3f s in the program itself\n", seconds,
           UserSeconds() - user);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);
    const int count = argc > 1 ? atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? atoi(argv[2]) : 3;
    std::string root = (std::filesystem::temp_directory_path() / "morvalent-bench-XXXXXX").string();
    if (mkdtemp(root.data()) == nullptr) {
        perror("mkdtemp");
        return 1;
    }
    auto fs = platform::MakeNativeFileSystem();
    commit::History history(*fs, platform::Utf8ToUtf16(root + "/state/history"));
    std::vector<double> commitRatios;
    std::vector<double> undoRatios;
    for (int round = 0; round < rounds; ++round) {
        const std::string plain = root + "/plain" + std::to_string(round);
        const std::string journalled = root + "/journalled" + std::to_string(round);
        const std::string looped = root + "/loop" + std::to_string(round);
        MakeTree(plain, count);
        MakeTree(journalled, count);
        MakeTree(looped, count);
        Loop(looped, count, "", "_v2", false);
        sync();
        // Alternate which goes first, so neither always meets a busier disk.
        double without = 0;
        double with = 0;
        std::uint64_t id = 0;
        double undo = 0;
        double loop = 0;
        if (round % 2 == 0) {
            Commit(plain, count, nullptr, without);
            id = Commit(journalled, count, &history, with);
            undo = Undo(history, id, count);
            loop = Loop(looped, count, "_v2", "", true);
        } else {
            loop = Loop(looped, count, "_v2", "", true);
            id = Commit(journalled, count, &history, with);
            Commit(plain, count, nullptr, without);
            undo = Undo(history, id, count);
        }
        commitRatios.push_back(with / without);
        undoRatios.push_back(undo / loop);
        printf("round %d: commit with journal / without %.2f; undo / renameat2 loop %.2f\n",
               round + 1, commitRatios.back(), undoRatios.back());
        std::filesystem::remove_all(plain);
        std::filesystem::remove_all(journalled);
        std::filesystem::remove_all(looped);
    }
    std::filesystem::remove_all(root);
    printf(
        "%d rows: commit with journal / without, median %.2f (goal: within 1.10); "
        "undo / renameat2 loop, median %.2f (goal: within 1.50)\n",
        count, Median(commitRatios), Median(undoRatios));
    return 0;
}
