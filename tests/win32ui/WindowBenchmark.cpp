// Not a test: the window's cost over the engine's for a large gather and one edit.
// Run by hand: test_win32ui --gtest_also_run_disabled_tests --gtest_filter='*Benchmark*'
// MORVALENT_BENCH_FOLDER names a folder of 100,000 files made beforehand (making
// them under Wine takes longer than the work measured).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "WindowFixture.h"
#include "app/Commands.h"
#include "app/MainDialog.h"
#include "win32ui/Wide.h"

using namespace morvalent;

namespace {

constexpr int kFiles = 100'000;

template <typename Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(Win32WindowBenchmark, DISABLED_GatherAndEditInTheWindowAgainstTheEngine) {
    morvalent::testing::TempDir tree;
    std::vector<std::u16string> folder = {tree.Join(u"f")};
    wchar_t given[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"MORVALENT_BENCH_FOLDER", given, MAX_PATH) != 0) {
        folder = {win32ui::FromWide(given)};
    } else {
        for (int i = 0; i < kFiles; ++i) tree.WriteFile("f/" + std::to_string(i) + ".txt");
    }

    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    // The engine's run, twice: the first warms the system's caches for both.
    double alone = 0;
    for (int run = 0; run < 2; ++run) {
        morvalent::testing::ScriptedUi engineUi;
        app::MainDialog engine(engineUi, engineUi, *fs, icons);
        engineUi.yesNoAnswers.push_back(false);  // the folder's contents
        engineUi.inputAnswers.push_back({true, u"새_", u"", 0});
        alone = Seconds([&] {
            engine.OnDropFiles(folder);
            engine.OnCommand(app::CommandId::AddPrefix);
        });
        ASSERT_EQ(engine.List().Count(), std::size_t(kFiles));
    }

    morvalent::testing::Win32Window w;
    w.answers.yesNoAnswers.push_back(false);
    w.answers.inputAnswers.push_back({true, u"새_", u"", 0});
    const double window = Seconds([&] {
        w.window.QueueDrop(folder);
        w.Pump();
        w.Command(app::CommandId::AddPrefix);
    });
    ASSERT_EQ(w.RowCount(), kFiles);
    std::printf("engine %.2f s, window %.2f s, ratio %.2f\n", alone, window, window / alone);
}
