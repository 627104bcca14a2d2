// The list kept after every command, at 1,000,000 rows: one edit command (add a
// prefix) run through the command table with and without a state folder, in
// turns, wall time; then the copy of the rows taken on the window's thread alone,
// and the whole write to disk (which runs on its own thread) for scale.
//
//     bench_keep_list_bench [rows=1000000] [rounds=5]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "app/Commands.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/SavedList.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "platform/FileTime.h"
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

void Fill(app::MainDialog& dialog, std::size_t rows) {
    filelist::FileList::Batch batch(dialog.List());
    for (std::size_t i = 0; i < rows; ++i) {
        filelist::FileEntry entry;
        entry.path = u"/bench/Album " + platform::DecimalText(std::uint64_t(i / 1000)) + u"/IMG_" +
                     platform::DecimalText(std::uint64_t(i)) + u" (2).jpeg";
        dialog.List().InsertEntryRow(std::move(entry));
    }
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

    double without = 1e9, with = 1e9, copy = 1e9, write = 1e9;
    for (int r = 0; r < rounds; ++r) {
        without = std::min(without, Seconds([&] { plain.OnCommand(app::CommandId::AddPrefix); }));
        // The previous round's write has ended: a command waits only for its own copy.
        keeping.KeepListNow();
        with = std::min(with, Seconds([&] { keeping.OnCommand(app::CommandId::AddPrefix); }));
        copy = std::min(copy, Seconds([&] {
                            const auto bytes =
                                app::SerialiseList(keeping.List(), platform::CurrentFileTime());
                            if (bytes.empty()) std::abort();
                        }));
        app::ListKeeper keeper(platform::Utf8ToUtf16(state.string()));
        write = std::min(write, Seconds([&] { keeper.KeepNow(keeping.List()); }));
    }
    std::printf("rows %zu, best of %d rounds (wall time)\n", rows, rounds);
    std::printf("add prefix, nothing kept     %8.1f ms\n", without * 1e3);
    std::printf("add prefix, list kept        %8.1f ms  (%+.1f%%)\n", with * 1e3,
                (with / without - 1) * 100);
    std::printf("copy of the rows alone       %8.1f ms\n", copy * 1e3);
    std::printf("whole write, for scale       %8.1f ms  (on its own thread)\n", write * 1e3);
    std::filesystem::remove_all(state);
    return 0;
}
