// The list kept after every command, at 1,000,000 rows: one edit command (add a
// prefix) run through the command table on a list with and without a state
// folder, in turns. Two cases: a command after the background write has ended
// (as when a person reads the screen between commands), and two commands back to
// back (the second stops the write the first started). Wall time, and the
// processor time of the window's thread, which the machine's other load leaves
// alone. Also the longest wait of a change of selection made while the write
// reads the rows, and the whole write (rows and disk) for scale.
//
//     bench_keep_list_bench [rows=1000000] [rounds=5]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "app/Commands.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/QuietUi.h"

namespace {

using namespace morvalent;
using Clock = std::chrono::steady_clock;

class PrefixUi : public bench::QuietUi {
  public:
    app::DialogResult ShowInputDialog(app::InputDialog& dialog) override {
        dialog.text1 = u"x";
        return app::DialogResult::Ok;
    }
};

double Seconds(const std::function<void()>& work) {
    const auto begin = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

// Processor time of this thread alone: what the command costs the window's thread,
// whatever else the machine runs.
double ThreadSeconds(const std::function<void()>& work) {
    timespec begin{}, end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &begin);
    work();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    return double(end.tv_sec - begin.tv_sec) + double(end.tv_nsec - begin.tv_nsec) * 1e-9;
}

void Fill(app::MainDialog& dialog, std::size_t rows) {
    filelist::FileList::Batch batch(dialog.List());
    for (std::size_t i = 0; i < rows; ++i) {
        filelist::FileEntry entry;
        entry.path = u"/bench/Album " + platform::DecimalText(std::uint64_t(i / 1000)) + u"/IMG_" +
                     platform::DecimalText(std::uint64_t(i)) + u" (2).jpeg";
        dialog.List().InsertEntryRow(std::move(entry));
    }
}

// Best wall time and best processor time of the window's thread.
struct Best {
    double wall = 1e9;
    double thread = 1e9;
};

// One command, or several back to back.
void Prefix(Best& best, app::MainDialog& dialog, int times) {
    double thread = 0;
    const double wall = Seconds([&] {
        thread = ThreadSeconds([&] {
            for (int i = 0; i < times; ++i) dialog.OnCommand(app::CommandId::AddPrefix);
        });
    });
    best.wall = std::min(best.wall, wall);
    best.thread = std::min(best.thread, thread);
}

void Line(const char* what, const Best& best, const Best* reference) {
    std::printf("%-34s %8.1f ms wall %8.1f ms thread", what, best.wall * 1e3, best.thread * 1e3);
    if (reference != nullptr) {
        std::printf("  (%+.1f%% / %+.1f%%)", (best.wall / reference->wall - 1) * 100,
                    (best.thread / reference->thread - 1) * 100);
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t rows = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::filesystem::path state =
        std::filesystem::temp_directory_path() / "morvalent-keep-bench";
    std::filesystem::create_directories(state);

    PrefixUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog plain(ui, ui, *fs, icons);
    app::MainDialog keeping(ui, ui, *fs, icons);
    keeping.SetStateFolder(platform::Utf8ToUtf16(state.string()));
    Fill(plain, rows);
    Fill(keeping, rows);

    Best without, with, pairWithout, pairWith;
    double wait = 0, write = 1e9;
    for (int r = 0; r < rounds; ++r) {
        // Every figure starts with no write under way (KeepListNow writes at once);
        // which list goes first alternates.
        for (int turn = 0; turn < 2; ++turn) {
            keeping.KeepListNow();
            if ((r + turn) % 2 == 0) {
                Prefix(without, plain, 1);
                Prefix(pairWithout, plain, 2);
            } else {
                Prefix(with, keeping, 1);
                keeping.KeepListNow();
                Prefix(pairWith, keeping, 2);
                // The write the second command asked for is reading the rows now.
                wait =
                    std::max(wait, Seconds([&] { keeping.SelectRowsFromView(0, 0, r % 2 == 0); }));
            }
        }
        keeping.KeepListNow();
        write = std::min(write, Seconds([&] { keeping.KeepListNow(); }));
    }
    std::printf("rows %zu, best of %d rounds\n", rows, rounds);
    Line("add prefix, nothing kept", without, nullptr);
    Line("add prefix, list kept", with, &without);
    Line("two back to back, nothing kept", pairWithout, nullptr);
    Line("two back to back, list kept", pairWith, &pairWithout);
    std::printf("selection during a write, longest %8.2f ms\n", wait * 1e3);
    std::printf("whole write, for scale            %8.1f ms  (on its own thread in use)\n",
                write * 1e3);
    std::filesystem::remove_all(state);
    return 0;
}
