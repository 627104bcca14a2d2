#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/Commands.h"
#include "app/HistoryDialog.h"
#include "commit/History.h"
#include "gui/HistoryWindow.h"
#include "gui/MainWindow.h"
#include "gui/QtText.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/TreeListing.h"

using namespace morvalent;
using testing::TempDir;

class UndoTest : public QObject {
    Q_OBJECT
  private slots:
    void commitThenUndoFromTheMenu();
    void historyOpensFromTheFileMenuAndUndoesTheChosenCommit();
    void historyListsCommitsAndTheirRenames();
};

namespace {

// A window over a state folder of its own, with one committed rename of a.txt
// to b.txt in `dir`.
struct CommittedWindow {
    CommittedWindow() {
        dir.WriteFile("a.txt", "A");
        dir.WriteFile("keep.txt", "K");
        window.Dialog().OnDropFiles({dir.Join(u"a.txt"), dir.Join(u"keep.txt")});
        window.Dialog().List().SetNewName(0, u"b.txt");
        answers.okCancelAnswers.push_back(true);
        window.CommandAction(app::CommandId::ApplyRenames)->trigger();
    }

    TempDir dir;
    TempDir state;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    commit::History history{*fs, state.Join(u"history")};
    testing::ScriptedUi answers;
    gui::MainWindow window{*fs, answers, &history};
};

}  // namespace

void UndoTest::commitThenUndoFromTheMenu() {
    CommittedWindow w;
    QCOMPARE(testing::Listing(w.dir.Path()), std::string("b.txt=A\nkeep.txt=K\n"));
    QAction* undo = w.window.CommandAction(app::CommandId::UndoCommit);
    QCOMPARE(undo->text(), QStringLiteral("이름 변경 되돌리기\tCtrl+Shift+Z"));
    QVERIFY(undo->isEnabled());
    w.answers.okCancelAnswers.push_back(true);
    undo->trigger();
    QCOMPARE(testing::Listing(w.dir.Path()), std::string("a.txt=A\nkeep.txt=K\n"));
    QCOMPARE(gui::ToQString(w.answers.messages.back()),
             QStringLiteral("이름 변경을 되돌렸습니다."));
    const QModelIndex name = w.window.Model()->index(0, 0);
    QCOMPARE(name.data().toString(), QStringLiteral("a.txt"));
    QCOMPARE(w.window.Model()->index(0, 1).data().toString(), QStringLiteral("a.txt"));
}

// Through the menu as the user finds it: the window hands the question to its
// prompts through the same recording wrapper as every other dialog.
void UndoTest::historyOpensFromTheFileMenuAndUndoesTheChosenCommit() {
    CommittedWindow w;
    QAction* history = nullptr;
    for (QAction* menu : w.window.menuBar()->actions()) {
        if (menu->text() != QStringLiteral("파일(&F)")) continue;
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == QStringLiteral("변경 기록...")) history = item;
        }
    }
    QVERIFY(history != nullptr);
    QVERIFY(history->isEnabled());
    w.answers.historyAnswers.push_back(0);
    w.answers.okCancelAnswers.push_back(true);
    history->trigger();
    QCOMPARE(w.answers.shownHistories.size(), std::size_t(1));
    QCOMPARE(w.answers.shownHistories[0].size(), std::size_t(1));
    QCOMPARE(testing::Listing(w.dir.Path()), std::string("a.txt=A\nkeep.txt=K\n"));
}

void UndoTest::historyListsCommitsAndTheirRenames() {
    CommittedWindow w;
    app::HistoryDialog dialog(w.history);
    gui::HistoryWindow window(dialog);
    QCOMPARE(window.Commits()->topLevelItemCount(), 1);
    QTreeWidgetItem* commit = window.Commits()->topLevelItem(0);
    QCOMPARE(commit->text(1), QStringLiteral("1"));
    QCOMPARE(commit->text(2), gui::ToQString(w.dir.Text()));
    QCOMPARE(commit->text(3), QStringLiteral("완료"));
    QCOMPARE(window.Renames()->topLevelItemCount(), 1);
    QCOMPARE(window.Renames()->topLevelItem(0)->text(1), gui::ToQString(w.dir.Join(u"b.txt")));
    QVERIFY(window.UndoButton()->isEnabled());
    window.UndoButton()->click();
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Chosen(), std::optional<std::size_t>(0));
}

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
