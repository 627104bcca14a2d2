// Every name edit over 1,000,000 rows, beside a reference pass that only copies
// each row's new name once (read it, write the copy back, in one batch). Prints
// each edit's time and its ratio to the reference, all measured in this run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DialogChoices.h"
#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "filelist/IconCache.h"
#include "filelist/NameParts.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/QuietUi.h"

namespace {

using namespace morvalent;

constexpr std::size_t kRows = 1'000'000;
constexpr std::size_t kRowsPerFolder = 1000;
constexpr int kRepeats = 3;

struct Answer {
    Answer(std::u16string t1, std::u16string t2 = {}, int c = 0)
        : text1(std::move(t1)), text2(std::move(t2)), choice(c) {}
    std::u16string text1;
    std::u16string text2;
    int choice;
};

// Answers every dialog from queued values; anything else is a no-op.
class BenchUi : public bench::QuietUi {
  public:
    std::deque<Answer> answers;
    std::deque<std::u16string> folders;

    app::DialogResult ShowInputDialog(app::InputDialog& dialog) override {
        if (answers.empty()) return app::DialogResult::Cancel;
        dialog.text1 = answers.front().text1;
        dialog.text2 = answers.front().text2;
        dialog.choice = answers.front().choice;
        answers.pop_front();
        return app::DialogResult::Ok;
    }
    app::DialogResult ShowFolderBrowser(app::FolderBrowser& browser) override {
        if (folders.empty()) return app::DialogResult::Cancel;
        browser.chosenPath = folders.front();
        folders.pop_front();
        return app::DialogResult::Ok;
    }
};

struct Edit {
    const char* name;
    std::function<void(app::MainDialog&, BenchUi&)> run;
};

// Processor time of this process: steadier than wall time on a machine shared
// with other work.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double Seconds(const std::function<void()>& work) {
    const double begin = CpuSeconds();
    work();
    return CpuSeconds() - begin;
}

// Freed small blocks wait in the allocator's lists until the next large request
// sorts them all. Asking for one large block here makes each side pay for sorting
// what it freed itself, instead of whichever side asks first.
void SettleHeap() {
    // Volatile, or the compiler drops the pair.
    void* volatile block = std::malloc(64 * 1024);
    std::free(block);
}

// Puts every row back as gathered: current name as new name, entry folder as folder.
void ResetRows(app::MainDialog& dialog) {
    auto& list = dialog.List();
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        list.SetNewName(i, list.CurrentName(i));
        list.SetFolderText(i, filelist::GetFolderPart(list.Entry(i).path));
    }
    SettleHeap();
}

void CopyNewNames(app::MainDialog& dialog) {
    auto& list = dialog.List();
    filelist::FileList::Batch batch(list);
    for (std::size_t i = 0; i < list.Count(); ++i)
        list.SetNewName(i, std::u16string(list.NewName(i)));
}

struct Timing {
    double reference = 1e9;
    double edit = 1e9;
};

// The edit and the reference in turns, from the same starting rows, so both see
// the same load on the machine; the best of each counts.
Timing Measure(app::MainDialog& dialog, const std::function<void()>& work) {
    Timing timing;
    for (int r = 0; r < kRepeats; ++r) {
        ResetRows(dialog);
        timing.reference = std::min(timing.reference, Seconds([&] {
                                        CopyNewNames(dialog);
                                        SettleHeap();
                                    }));
        ResetRows(dialog);
        timing.edit = std::min(timing.edit, Seconds([&] {
                                   work();
                                   SettleHeap();
                               }));
    }
    return timing;
}

Edit Asking(const char* name, app::Outcome (app::MainDialog::*operation)(), Answer answer) {
    return {name, [operation, answer](app::MainDialog& dialog, BenchUi& ui) {
                ui.answers.push_back(answer);
                (dialog.*operation)();
            }};
}

Edit Plain(const char* name, app::Outcome (app::MainDialog::*operation)()) {
    return {name, [operation](app::MainDialog& dialog, BenchUi&) { (dialog.*operation)(); }};
}

}  // namespace

int main(int argc, char** argv) {
    BenchUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    app::MainDialog dialog(ui, ui, *fs, icons);
    {
        filelist::FileList::Batch batch(dialog.List());
        for (std::size_t i = 0; i < kRows; ++i) {
            filelist::FileEntry entry;
            const auto folder = platform::DecimalText(std::uint64_t(i / kRowsPerFolder));
            const auto number = platform::DecimalText(std::uint64_t(i));
            entry.path = u"/bench/Album " + folder + u"/IMG_" + number + u" (2).jpeg";
            dialog.List().InsertEntryRow(std::move(entry));
        }
    }

    using M = app::MainDialog;
    const std::vector<Edit> edits = {
        Asking("ReplaceString", &M::ReplaceString, {u"IMG", u"Photo"}),
        Asking("AddPrefix", &M::AddPrefix, {u"x_"}),
        Asking("AddSuffix", &M::AddSuffix, {u"_1"}),
        Plain("EraseName", &M::EraseName),
        {"DirectRename (one row)",
         [](app::MainDialog& d, BenchUi& u) {
             d.List().SetSelected(0, true);
             u.answers.push_back(Answer(u"renamed.jpeg"));
             d.DirectRename();
         }},
        Asking("DeleteByPosition front", &M::DeleteByPosition, {u"2", u"4", 0}),
        Asking("DeleteByPosition end", &M::DeleteByPosition, {u"", u"3", 1}),
        Asking("DeleteEnclosed", &M::DeleteEnclosed, {u"(", u")"}),
        Plain("KeepDigitsOnly", &M::KeepDigitsOnly),
        Asking("PadDigits last", &M::PadDigits, {u"8", u"", 0}),
        Asking("PadDigits first", &M::PadDigits, {u"8", u"", 1}),
        Asking("NumberRows across", &M::NumberRows, {u"6", u"1", 0}),
        Asking("NumberRows per folder", &M::NumberRows, {u"6", u"1", 3}),
        Plain("DeleteExtension", &M::DeleteExtension),
        Asking("AddExtension", &M::AddExtension, {u"bak"}),
        Asking("ChangeExtension", &M::ChangeExtension, {u"jpg"}),
        Plain("PrefixFolderName", &M::PrefixFolderName),
        Plain("SuffixFolderName", &M::SuffixFolderName),
        {"UnifyFolder",
         [](app::MainDialog& d, BenchUi& u) {
             u.folders.push_back(u"/tmp/out/");
             d.UnifyFolder();
         }},
        Asking("ChangeCase lower", &M::ChangeCase,
               {u"", u"", app::ChoiceOf(app::CaseChoices(), edits::CaseChange::NameLower)}),
        Asking("ChangeCase title", &M::ChangeCase,
               {u"", u"", app::ChoiceOf(app::CaseChoices(), edits::CaseChange::NameTitle)}),
        Asking("ReplacePattern", &M::ReplacePattern, {u"IMG_(\\d+)", u"P$1"}),
        Asking("NormalizeNames nfc", &M::NormalizeNames,
               {u"", u"", app::ChoiceOf(app::NormalFormChoices(), platform::NormalForm::Nfc)}),
        Plain("RepairEncoding", &M::RepairEncoding),
        Asking("AddDate modified", &M::AddDate,
               {u"YYYY-MM-DD_hhmmss", u"",
                app::ChoiceOf(app::DateChoices(), app::DatePlacement{edits::DateSource::Modified,
                                                                     edits::DatePlace::Front})}),
    };

    std::printf("%zu rows; reference: copy every row's new name once, measured beside each edit\n",
                kRows);
    std::printf("%-26s %10s %10s %8s\n", "edit", "edit ms", "ref ms", "ratio");
    // Names on the command line measure only the edits whose name contains one of them.
    const auto chosen = [&](const Edit& edit) {
        if (argc < 2) return true;
        for (int a = 1; a < argc; ++a) {
            if (std::strstr(edit.name, argv[a]) != nullptr) return true;
        }
        return false;
    };
    // One untimed round first, so the first edit measured does not meet a heap that
    // no other edit has stirred yet.
    for (const Edit& edit : edits) {
        ResetRows(dialog);
        edit.run(dialog, ui);
    }
    double worst = 0;
    for (const Edit& edit : edits) {
        if (!chosen(edit)) continue;
        const Timing t = Measure(dialog, [&] { edit.run(dialog, ui); });
        const double ratio = t.edit / t.reference;
        worst = std::max(worst, ratio);
        std::printf("%-26s %10.1f %10.1f %7.2fx\n", edit.name, t.edit * 1e3, t.reference * 1e3,
                    ratio);
    }
    std::printf("worst ratio %.2fx (goal: within 2x)\n", worst);
    return 0;
}
