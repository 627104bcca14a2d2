// The window keeps the user's work: the list comes back after a close, the window
// where it was, a second start's paths join the open window, failed rows stay
// marked, and a refused value returns to its dialog.
#include <QEventLoop>
#include <QHeaderView>
#include <QProcess>
#include <QTest>

#include "app/Commands.h"
#include "gui/InstanceLink.h"
#include "gui/MainWindow.h"
#include "gui/QtText.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

using namespace morvalent;
using testing::U16;

namespace {

// A window whose questions a script answers, keeping its state in `state`.
struct Window {
    explicit Window(const std::u16string& state) { window.Dialog().SetStateFolder(state); }
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    testing::ScriptedUi ui;
    gui::MainWindow window{*fs, ui};
};

QString Cell(gui::MainWindow& w, int row, int column) {
    return w.Model()->index(row, column).data().toString();
}

}  // namespace

class KeepWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void listClosedWithEscComesBackWithoutGoneItems();
    void placeAndWidthsComeBack();
    void secondStartHandsItsPathsToTheOpenWindow();
    void failedRowsStayMarkedAfterTheCountLine();
    void refusedPatternReturnsToItsDialog();
};

void KeepWorkTest::listClosedWithEscComesBackWithoutGoneItems() {
    testing::TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    dir.WriteFile("c.txt");
    {
        Window first(dir.Join(u"state"));
        first.window.GatherPaths({dir.Join(u"a.txt"), dir.Join(u"b.txt"), dir.Join(u"c.txt")});
        // Rows changed by hand below: the keeping in the background is done with them first.
        first.window.Dialog().KeepListNow();
        first.window.Dialog().List().SetNewName(2, u"new c.txt");
        first.window.Dialog().List().SetSelected(2, true);
        first.window.show();
        QTest::keyClick(first.window.ListView(), Qt::Key_Escape);
        QVERIFY(first.ui.questions.empty());  // Esc closes at once
        QCOMPARE(first.window.Dialog().List().Count(), std::size_t(0));
    }
    std::filesystem::remove(dir.Path() / "a.txt");

    Window second(dir.Join(u"state"));
    second.ui.yesNoAnswers = {true};
    second.window.OfferSavedList();
    QCOMPARE(second.ui.questions.size(), std::size_t(1));
    QVERIFY(second.ui.questions[0].first.starts_with(u"지난 목록을 다시 불러올까요?\n3개 항목, "));
    QCOMPARE(Cell(second.window, 0, filelist::ColCurrentName), QStringLiteral("b.txt"));
    QCOMPARE(Cell(second.window, 1, filelist::ColNewName), QStringLiteral("new c.txt"));
    QVERIFY(second.window.Dialog().List().IsSelected(1));
    QCOMPARE(second.window.StatusLine()->text(),
             QStringLiteral("2 개 (없어진 항목 1개는 뺐습니다)"));
}

void KeepWorkTest::placeAndWidthsComeBack() {
    testing::TempDir dir;
    {
        Window first(dir.Join(u"state"));
        first.window.setGeometry(40, 50, 1000, 500);
        first.window.show();
        first.window.ListView()->header()->resizeSection(filelist::ColCurrentName, 260);
        first.window.close();
    }
    Window second(dir.Join(u"state"));
    second.window.RestorePlacement();
    second.window.show();
    QCOMPARE(second.window.size(), QSize(1000, 500));
    QHeaderView* header = second.window.ListView()->header();
    QCOMPARE(header->sectionSize(filelist::ColCurrentName), 260);
    QCOMPARE(header->sectionSize(filelist::ColNewName), 150);
    // The folder column takes what is left.
    QCOMPARE(header->sectionSize(filelist::ColFolder),
             second.window.ListView()->viewport()->width() - 260 - 150);
    QVERIFY(header->isSectionHidden(filelist::ColSize));
}

void KeepWorkTest::secondStartHandsItsPathsToTheOpenWindow() {
    testing::TempDir dir;
    dir.WriteFile("in first.txt");
    dir.MakeFolder("runtime");
    std::filesystem::permissions(dir.Path() / "runtime", std::filesystem::perms::owner_all);
    Window open(dir.Join(u"state"));
    gui::InstanceLink link;
    const QString socket = gui::ToQString(dir.Join(u"runtime/morvalent-window"));
    QVERIFY(link.Listen(socket, [&](std::vector<std::u16string> paths) {
        open.window.ReceivePaths(std::move(paths));
    }));

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), gui::ToQString(dir.Join(u"runtime")));
    env.insert(QStringLiteral("XDG_STATE_HOME"), gui::ToQString(dir.Join(u"other-state")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(gui::ToQString(dir.Text()));
    QEventLoop loop;
    connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    connect(&second, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    second.start(QStringLiteral(MORVALENT_WINDOW_PROGRAM), {QStringLiteral("in first.txt")});
    loop.exec();
    QCOMPARE(second.exitCode(), 0);
    QCoreApplication::processEvents();  // the queued arrival is gathered
    QCOMPARE(open.window.Dialog().List().Count(), std::size_t(1));
    QCOMPARE(Cell(open.window, 0, filelist::ColCurrentName), QStringLiteral("in first.txt"));
}

void KeepWorkTest::failedRowsStayMarkedAfterTheCountLine() {
    testing::TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    dir.WriteFile("taken.txt");
    Window w(dir.Join(u"state"));
    w.window.GatherPaths({dir.Join(u"a.txt"), dir.Join(u"b.txt")});
    w.window.Dialog().KeepListNow();
    w.window.Dialog().List().SetNewName(0, u"taken.txt");
    w.window.Dialog().List().SetNewName(1, u"b2.txt");
    w.ui.okCancelAnswers = {true};
    w.window.Dialog().OnCommand(app::CommandId::ApplyRenames);
    QVERIFY(w.ui.messages.back().starts_with(u"2개 중 1개를 바꿨습니다.\n"));
    QVERIFY(w.ui.messages.back().find(u"taken.txt 변경 실패.") != std::u16string::npos);
    QVERIFY(w.window.Dialog().FailureAt(0) != nullptr);
    QVERIFY(w.window.Dialog().FailureAt(1) == nullptr);
    QVERIFY(!w.window.Model()->index(0, filelist::ColCurrentName).data(Qt::ToolTipRole).isNull());
    // F8 goes to the failed row.
    w.window.Dialog().List().SetFocusedRow(1);
    w.window.Dialog().OnCommand(app::CommandId::NextConflict);
    QCOMPARE(w.window.Dialog().List().FocusedRow(), std::optional<std::size_t>(0));
}

void KeepWorkTest::refusedPatternReturnsToItsDialog() {
    testing::TempDir dir;
    dir.WriteFile("photo.jpg");
    Window w(dir.Join(u"state"));
    w.window.GatherPaths({dir.Join(u"photo.jpg")});
    w.ui.inputAnswers = {{true, u"(pho", u"x"}, {true, u"pho", u"x"}};
    w.window.Dialog().OnCommand(app::CommandId::ReplacePattern);
    QCOMPARE(w.ui.messages.size(), std::size_t(1));
    QCOMPARE(
        w.ui.messages[0],
        std::u16string(u"정규식이 올바르지 않습니다: 5번째 글자에서 괄호가 닫히지 않았습니다"));
    QCOMPARE(w.ui.shownDialogs.size(), std::size_t(2));
    QCOMPARE(w.ui.shownDialogs[1].text1, std::u16string(u"(pho"));
    QCOMPARE(w.ui.shownDialogs[1].text2, std::u16string(u"x"));
    QCOMPARE(Cell(w.window, 0, filelist::ColNewName), QStringLiteral("xto.jpg"));
}

QTEST_MAIN(KeepWorkTest)
#include "KeepWorkTest.moc"
