// The list's repaint after an edit with the changed parts emphasised, beside the
// same repaint drawn the plain way, offscreen.
// Usage: bench_window_preview_bench [rows=1000000] [repaints=30]
//
// A window of 1000 x 700 holds ROWS rows (synthetic paths, not on disk); a suffix
// is added to every name, then the visible rows are repainted REPAINTS times with
// the program's cell delegate (changed part bold and coloured, worked out for
// each visible row as it is drawn) and as many times with a delegate that draws
// every cell plainly, in turns. Wall time, median of each. Goal: within 1.3x.

#include <QApplication>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/InputDialog.h"
#include "gui/CellDelegate.h"
#include "gui/MainWindow.h"
#include "platform/FileSystem.h"
#include "support/QuietUi.h"

namespace {

using namespace morvalent;

// Answers the suffix dialog.
class SuffixUi : public bench::QuietUi {
  public:
    app::DialogResult ShowInputDialog(app::InputDialog& dialog) override {
        dialog.text1 = u"_v2";
        return app::DialogResult::Ok;
    }
};

// Today's cells before the emphasis: the style draws the whole text.
class PlainCells : public gui::CellDelegate {
  public:
    using gui::CellDelegate::CellDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
    }
};

double Wall() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double Repaint(QTreeView* view) {
    const double start = Wall();
    view->viewport()->repaint();
    return Wall() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t rows = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const int repaints = argc > 2 ? std::atoi(argv[2]) : 30;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    auto fs = platform::MakeNativeFileSystem();
    SuffixUi ui;
    gui::MainWindow window(*fs, ui);
    window.resize(1000, 700);
    window.show();
    {
        auto& list = window.Dialog().List();
        filelist::FileList::Batch batch(list);
        list.Reserve(rows);
        for (std::size_t i = 0; i < rows; ++i) {
            filelist::FileEntry entry;
            const std::string name = "/nonexistent/사진 " + std::to_string(i % 1000) + "/IMG_" +
                                     std::to_string(i) + ".jpg";
            entry.path = platform::Utf8ToUtf16(name);
            list.InsertEntryRow(std::move(entry));
        }
    }
    QCoreApplication::processEvents();
    window.Dialog().OnCommand(app::CommandId::AddSuffix);
    QCoreApplication::processEvents();

    QTreeView* view = window.ListView();
    auto* emphasis = new gui::CellDelegate(view);
    auto* plain = new PlainCells(view);
    std::vector<double> ours;
    std::vector<double> before;
    for (int i = 0; i < repaints; ++i) {
        for (const bool emphasised : {i % 2 == 0, i % 2 != 0}) {
            view->setItemDelegate(emphasised ? static_cast<QAbstractItemDelegate*>(emphasis)
                                             : static_cast<QAbstractItemDelegate*>(plain));
            QCoreApplication::processEvents();
            (emphasised ? ours : before).push_back(Repaint(view));
        }
    }
    const double o = Median(ours);
    const double b = Median(before);
    std::printf(
        "%zu rows: repaint after an edit, emphasised %.2f ms, plain %.2f ms, ratio %.2f "
        "(goal <= 1.3)\n",
        rows, o * 1e3, b * 1e3, o / b);
    return 0;
}
