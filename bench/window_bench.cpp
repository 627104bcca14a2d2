// The window at scale (offscreen): a drop of N files until the list is painted, an
// edit and a sort on all of them until painted, each beside its reference measured
// in the same process, in turns: the raw walk (getdents64 + statx) with an ICU key
// sort for the drop, the engine alone (no window) for the edit and the sort. Then,
// in child processes, the peak memory per row of the engine's gather + edit + sort
// and of the raw walk + sort.
//
//     bench_window [files=100000] [rounds=5] [tree folder]
//
// Given a tree folder, the files are made there once and kept for later runs
// (making a million files takes longer than all the rest).
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "filelist/IconCache.h"
#include "gui/MainWindow.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/QuietUi.h"

namespace {

using namespace morvalent;
using Clock = std::chrono::steady_clock;

// Answers the window's questions: folder contents, one queued input answer.
class Answers : public bench::QuietUi {
  public:
    int choice = 0;
    std::u16string text1;

    Answers() { yes = false; }
    app::DialogResult ShowInputDialog(app::InputDialog& dialog) override {
        dialog.text1 = text1;
        dialog.choice = choice;
        return app::DialogResult::Ok;
    }
};

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Folders named like "set.12" hold files with and without an extension, so a
// dot in the folder and none in the name is common, as in exported data sets.
void MakeTree(const std::string& base, int files) {
    int made = 0;
    for (int a = 0; made < files; ++a) {
        for (int b = 0; b < 10 && made < files; ++b) {
            auto folder = std::filesystem::path(base) / ("album " + std::to_string(a)) /
                          ("set." + std::to_string(10 + b));
            std::filesystem::create_directories(folder);
            for (int c = 0; c < 100 && made < files; ++c, ++made) {
                const std::string name = c % 2 == 0 ? "IMG_" + std::to_string(10000 + made) + ".jpg"
                                                    : "data_" + std::to_string(made);
                const int fd = open((folder / name).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
                if (fd < 0 || write(fd, "x", 1) != 1) std::exit(1);
                close(fd);
            }
        }
    }
}

// The reference: every entry read with getdents64 (readdir) and statx, its path
// made UTF-16, an ICU key for it in one buffer, then std::sort on the keys.
struct RawEntry {
    std::u16string path;
    std::uint64_t size;
    std::int64_t modified;
    std::size_t keyOffset;
    std::size_t keyLength;
};

void RawWalk(int parent, const char* name, const std::string& path, std::vector<RawEntry>& out) {
    const int fd = openat(parent, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return;
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return;
    }
    while (const dirent* d = readdir(dir)) {
        if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0) continue;
        struct statx st {};
        if (statx(fd, d->d_name, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &st) != 0)
            continue;
        const std::string full = path + "/" + d->d_name;
        if (S_ISDIR(st.stx_mode)) {
            RawWalk(fd, d->d_name, full, out);
            continue;
        }
        out.push_back({platform::Utf8ToUtf16(full), st.stx_size, st.stx_mtime.tv_sec, 0, 0});
    }
    closedir(dir);
}

std::size_t RawWalkAndSort(const std::string& base) {
    std::vector<RawEntry> entries;
    RawWalk(AT_FDCWD, base.c_str(), base, entries);
    const auto& collator = platform::DefaultCollator();
    std::string keys;
    for (RawEntry& e : entries) {
        e.keyOffset = keys.size();
        collator.AppendSortKey(e.path, keys);
        e.keyLength = keys.size() - e.keyOffset;
    }
    std::vector<std::uint32_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return std::string_view(keys.data() + entries[a].keyOffset, entries[a].keyLength) <
               std::string_view(keys.data() + entries[b].keyOffset, entries[b].keyLength);
    });
    return order.size();
}

// Lets the view lay out and paint what it was told, as the event loop would.
void Paint(gui::MainWindow& window) {
    QCoreApplication::processEvents();
    window.ListView()->viewport()->repaint();
    QCoreApplication::processEvents();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, const std::vector<double>& ours, const std::vector<double>& ref,
            const char* refName, double goal) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.size(); ++i) ratios.push_back(ours[i] / ref[i]);
    std::printf("%-28s %8.3f s   %-22s %8.3f s   ratio %.2f (median of %zu paired; goal <= %.1f)\n",
                what, Median(ours), refName, Median(ref), Median(ratios), ratios.size(), goal);
}

long CurrentRssKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs `work` in a child process and gives its peak memory above what it started with.
double PeakBytesInChild(const std::function<void()>& work) {
    malloc_trim(0);  // what the parent freed is not there for the child to reuse
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return 0;
    const pid_t child = fork();
    if (child == 0) {
        const long before = CurrentRssKiB();
        work();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double bytes = double(usage.ru_maxrss - before) * 1024.0;
        if (write(pipeFds[1], &bytes, sizeof bytes) != sizeof bytes) _exit(1);
        _exit(0);
    }
    close(pipeFds[1]);
    double bytes = 0;
    if (read(pipeFds[0], &bytes, sizeof bytes) != sizeof bytes) bytes = 0;
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return bytes;
}

void GatherInto(app::MainDialog& dialog, const std::string& base) {
    dialog.OnDropFiles({platform::Utf8ToUtf16(base)});
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::SetCollationLocale(platform::CollationLocaleFromEnvironment());
    std::string base;
    const bool kept = argc > 3;
    if (kept) {
        base = argv[3];
        if (!std::filesystem::exists(base)) MakeTree(base, files);
    } else {
        base = (std::filesystem::temp_directory_path() / "morvalent-window-XXXXXX").string();
        if (mkdtemp(base.data()) == nullptr) return 1;
        MakeTree(base, files);
    }
    auto fs = platform::MakeNativeFileSystem();
    // Memory first, in children forked before any window exists, each measured
    // from the same start (the tree may still be cold for the first).
    const double raw = PeakBytesInChild([&] { RawWalkAndSort(base); });
    const double engine = PeakBytesInChild([&] {
        Answers ui;
        filelist::PlainIconSource icons;
        app::MainDialog dialog(ui, ui, *fs, icons);
        GatherInto(dialog, base);
        ui.text1 = u"_1";
        dialog.AddSuffix();
        ui.choice = 0;
        dialog.SortList();
    });
    std::size_t rows = RawWalkAndSort(base);
    std::printf("%zu files in %s\n", rows, base.c_str());
    std::printf(
        "memory: engine gather + edit + sort %.0f B/row, raw walk + sort %.0f B/row, "
        "ratio %.2f (goal <= 1.2)\n",
        engine / double(rows), raw / double(rows), engine / raw);
    std::fflush(stdout);

    QApplication app(argc, argv);
    std::vector<double> drop, walk, windowEdit, engineEdit, windowSort, engineSort;
    for (int round = 0; round < rounds; ++round) {
        Answers answers;
        gui::MainWindow window(*fs, answers);
        window.resize(1000, 700);
        window.show();
        Paint(window);
        Answers engineUi;
        filelist::PlainIconSource plainIcons;
        app::MainDialog engine(engineUi, engineUi, *fs, plainIcons);

        // Alternate which goes first, so that load from elsewhere falls on both.
        const auto dropWindow = [&] {
            drop.push_back(Seconds([&] {
                GatherInto(window.Dialog(), base);
                Paint(window);
            }));
        };
        const auto rawWalk = [&] { walk.push_back(Seconds([&] { RawWalkAndSort(base); })); };
        if (round % 2 == 0) {
            dropWindow();
            rawWalk();
        } else {
            rawWalk();
            dropWindow();
        }
        rows = window.Dialog().List().Count();
        GatherInto(engine, base);

        answers.text1 = engineUi.text1 = u"_1";
        const auto editWindow = [&] {
            windowEdit.push_back(Seconds([&] {
                window.Dialog().AddSuffix();
                Paint(window);
            }));
        };
        const auto editEngine = [&] { engineEdit.push_back(Seconds([&] { engine.AddSuffix(); })); };
        answers.choice = engineUi.choice = round % 2 == 0 ? 0 : 2;  // by name, by path
        const auto sortWindow = [&] {
            windowSort.push_back(Seconds([&] {
                window.Dialog().SortList();
                Paint(window);
            }));
        };
        const auto sortEngine = [&] { engineSort.push_back(Seconds([&] { engine.SortList(); })); };
        if (round % 2 == 0) {
            editWindow();
            editEngine();
            sortWindow();
            sortEngine();
        } else {
            editEngine();
            editWindow();
            sortEngine();
            sortWindow();
        }
        // Scrolled to the middle, a later paint shows rows from the middle.
        window.ListView()->verticalScrollBar()->setValue(
            window.ListView()->verticalScrollBar()->maximum() / 2);
        Paint(window);
    }
    std::printf("%zu rows, wall time\n", rows);
    Report("drop until painted", drop, walk, "raw walk + key sort", 1.3);
    Report("edit (AddSuffix) painted", windowEdit, engineEdit, "the engine's edit", 1.3);
    Report("sort (name/path) painted", windowSort, engineSort, "the engine's sort", 1.3);
    if (!kept) std::filesystem::remove_all(base);
    return 0;
}
