// Export and import of a million paths, each beside plain file I/O of the same
// bytes in the same run. Prints the times and their ratios (goal: within 3x).
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "filelist/IconCache.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "support/QuietUi.h"
#include "transfer/Lines.h"
#include "transfer/TextFile.h"

namespace {

using namespace morvalent;

constexpr std::size_t kRows = 1'000'000;
constexpr int kRepeats = 5;

// Answers every file dialog with one path; says nothing.
class BenchUi : public bench::QuietUi {
  public:
    std::u16string chosen;
    std::vector<std::u16string> ChooseFiles(const app::FileDialogRequest&) override {
        return {chosen};
    }
};

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

struct Times {
    double ours = 1e300;
    double plain = 1e300;
};

// The fastest of a few rounds of each, taken in turns so that both see the same
// load on a shared machine.
Times Compare(const std::function<void()>& ours, const std::function<void()>& plain) {
    Times times;
    for (int i = 0; i < kRepeats; ++i) {
        times.ours = std::min(times.ours, Milliseconds(ours));
        times.plain = std::min(times.plain, Milliseconds(plain));
    }
    return times;
}

void PlainWrite(const std::string& path, const std::string& bytes, bool sync) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
        std::puts("plain write failed");
    }
    if (sync) fsync(fd);
    close(fd);
}

std::string PlainRead(const std::string& path) {
    std::string bytes(std::filesystem::file_size(path), '\0');
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || read(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
        std::puts("plain read failed");
    }
    close(fd);
    return bytes;
}

void Report(const char* what, Times times, const char* reference) {
    std::printf("%-28s %8.1f ms   %-22s %8.1f ms   ratio %5.2fx\n", what, times.ours, reference,
                times.plain, times.ours / times.plain);
}

}  // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "morvalent-transfer-bench";
    std::filesystem::create_directories(folder);
    const std::string pathsFile = (folder / "paths.txt").string();
    const std::string plainFile = (folder / "plain.txt").string();
    const std::string utf8File = (folder / "paths-utf8.txt").string();

    BenchUi ui;
    filelist::PlainIconSource icons;
    auto fs = platform::MakeNativeFileSystem();
    app::MainDialog dialog(ui, ui, *fs, icons);
    {
        filelist::FileList::Batch batch(dialog.List());
        char buffer[96];
        for (std::size_t i = 0; i < kRows; ++i) {
            std::snprintf(buffer, sizeof buffer, "/home/user/사진/%04zu/holiday/IMG_%07zu.jpg",
                          i / 1000, i);
            filelist::FileEntry entry;
            entry.path = platform::Utf8ToUtf16(buffer);
            dialog.List().InsertEntryRow(std::move(entry));
        }
    }
    ui.chosen = platform::Utf8ToUtf16(pathsFile);

    // Export: the rows' paths encoded and written in pieces beside the chosen
    // name, made durable and renamed over it.
    dialog.ExportList(transfer::ExportMode::PathsToFile);
    const std::string bytes = PlainRead(pathsFile);
    const Times exportSynced =
        Compare([&] { dialog.ExportList(transfer::ExportMode::PathsToFile); },
                [&] { PlainWrite(plainFile, bytes, true); });
    const Times exportUnsynced =
        Compare([&] { dialog.ExportList(transfer::ExportMode::PathsToFile); },
                [&] { PlainWrite(plainFile, bytes, false); });

    // Import of new names onto every row: read, decode, split, set.
    const Times loadNames = Compare([&] { dialog.LoadNewNames(); }, [&] { PlainRead(pathsFile); });

    // Import of a path list up to the gathering: read, decode, split into lines,
    // and (as handed to the gathering) each line in the one form of a path, a view
    // into the text where the line has that form already (these all do).
    std::size_t count = 0;
    std::size_t handedUnits = 0;
    auto readLines = [&](const std::string& file, bool handed) {
        const auto text = transfer::ReadTextFile(platform::Utf8ToUtf16(file));
        const auto lines = transfer::ReadLines(text.text);
        count = lines.size();
        if (!handed) return;
        std::u16string room;
        for (const auto line : lines) handedUnits += platform::NormalisePath(line, room).size();
    };
    const Times readList =
        Compare([&] { readLines(pathsFile, false); }, [&] { PlainRead(pathsFile); });
    const Times readHanded =
        Compare([&] { readLines(pathsFile, true); }, [&] { PlainRead(pathsFile); });
    const std::size_t utf16Count = count;

    // The same list as UTF-8 without a mark, as other programs write it.
    const std::string utf8 = platform::Utf16ToUtf8Lossy(transfer::ReadTextFile(ui.chosen).text);
    PlainWrite(utf8File, utf8, false);
    const Times readUtf8List =
        Compare([&] { readLines(utf8File, false); }, [&] { PlainRead(utf8File); });

    std::printf("%zu paths, %zu bytes UTF-16LE, %zu bytes UTF-8; best of %d rounds\n", kRows,
                bytes.size(), utf8.size(), kRepeats);
    Report("export paths to file", exportSynced, "plain write + fsync");
    Report("export paths to file", exportUnsynced, "plain write, no fsync");
    Report("load new names (UTF-16LE)", loadNames, "plain read");
    Report("path list to lines", readList, "plain read");
    Report("path list to the gathering", readHanded, "plain read");
    Report("UTF-8 path list to lines", readUtf8List, "plain read");
    if (utf16Count != kRows || count != kRows || handedUnits == 0) std::puts("line count mismatch");

    std::filesystem::remove_all(folder);
    return 0;
}
