#include <QAbstractItemModelTester>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/Commands.h"
#include "gui/BatchRenameApp.h"
#include "gui/GuiFixture.h"
#include "support/TempDir.h"

using namespace morvalent;
using testing::ScriptedWindow;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startsWithTitleColumnsAndEmptyStatus();
    void menusCarryCaptionsAndLabels();
    void toolbarsHoldButtonsInOrder();
    void commandStatesAtStart();
    void layoutFollowsTheClientSize_data();
    void layoutFollowsTheClientSize();
    void escapeClearsRowsAndCloses();
    void enterDoesNotClose();
    void modelPassesTheTester();
    void koreanFontAndTranslationsAreInstalled();
    void screenshot();
};

void MainWindowTest::startsWithTitleColumnsAndEmptyStatus() {
    ScriptedWindow w;
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Morvalent"));
    QHeaderView* header = w.window.ListView()->header();
    const QStringList headers = {QStringLiteral("현재이름"), QStringLiteral("바꿀이름"),
                                 QStringLiteral("파일위치"), QStringLiteral("전체경로"),
                                 QStringLiteral("파일크기"), QStringLiteral("변경시각"),
                                 QStringLiteral("생성시각")};
    const int widths[] = {150, 150, 100, 0, 0, 0, 0};
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(w.window.Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                 headers[c]);
        const int shown = header->isSectionHidden(c) ? 0 : header->sectionSize(c);
        QCOMPARE(shown, widths[c]);
    }
    QCOMPARE(w.window.Model()
                     ->headerData(4, Qt::Horizontal, Qt::TextAlignmentRole)
                     .value<Qt::Alignment>() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QVERIFY(!header->sectionsClickable());
    QVERIFY(w.window.ListView()->uniformRowHeights());
    QCOMPARE(w.window.ListView()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(w.window.ListView()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(w.window.StatusLine()->text(), QString());
    QCOMPARE(w.window.StatusLine()->alignment(), Qt::AlignCenter);
    for (app::CommandId id : {app::CommandId::ShowFullPath, app::CommandId::ShowSize,
                              app::CommandId::ShowModified, app::CommandId::ShowCreated}) {
        QVERIFY(w.window.CommandAction(id)->isCheckable());
        QVERIFY(!w.window.CommandAction(id)->isChecked());
    }
}

void MainWindowTest::menusCarryCaptionsAndLabels() {
    ScriptedWindow w;
    QStringList titles;
    for (QAction* a : w.window.menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("파일(&F)"), QStringLiteral("편집(&E)"),
                                  QStringLiteral("보기(&V)"), QStringLiteral("기능(&T)"),
                                  QStringLiteral("버전(&H)")}));
    QMenu* file = w.window.menuBar()->actions()[0]->menu();
    QStringList items;
    for (QAction* a : file->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, (QStringList{QStringLiteral("경로목록에 파일 추가하기\tCtrl+O"),
                                 QStringLiteral("폴더 추가..."),
                                 QStringLiteral("-"),
                                 QStringLiteral("실제 파일 변경\tCtrl+S"),
                                 QStringLiteral("이름 변경 되돌리기\tCtrl+Shift+Z"),
                                 QStringLiteral("변경 기록..."),
                                 QStringLiteral("원래 이름으로\tCtrl+Z"),
                                 QStringLiteral("경로목록 지우기\tCtrl+L"),
                                 QStringLiteral("경로목록 정렬\tCtrl+A"),
                                 QStringLiteral("-"),
                                 QStringLiteral("클립보드로 바꿀이름 복사\tCtrl+C"),
                                 QStringLiteral("문서파일로 바꿀이름 저장\tCtrl+X"),
                                 QStringLiteral("-"),
                                 QStringLiteral("클립보드로 경로목록 복사\tCtrl+Shift+C"),
                                 QStringLiteral("문서파일로 경로목록 저장\tCtrl+Shift+X"),
                                 QStringLiteral("-"),
                                 QStringLiteral("바꿀이름 불러오기\tCtrl+V"),
                                 QStringLiteral("경로목록 불러오기\tCtrl+Shift+V"),
                                 QStringLiteral("-"),
                                 QStringLiteral("작업 순서 저장..."),
                                 QStringLiteral("작업 순서 실행..."),
                                 QStringLiteral("최근 작업 순서"),
                                 QStringLiteral("-"),
                                 QStringLiteral("종료(&X)\tEsc")}));
    QMenu* edit = w.window.menuBar()->actions()[1]->menu();
    QCOMPARE(edit->actions()[0]->text(), QStringLiteral("위로 올림\t<"));
    QCOMPARE(edit->actions()[1]->text(), QStringLiteral("아래로 내림\t>"));
    QCOMPARE(edit->actions()[3]->text(), QStringLiteral("직접 바꾸기"));
    QMenu* tools = w.window.menuBar()->actions()[3]->menu();
    QCOMPARE(tools->actions().size(), 26);
    QCOMPARE(tools->actions()[18]->text(), QStringLiteral("경로 통일하기"));
    // The edits beyond the original set follow after a separator.
    QVERIFY(tools->actions()[19]->isSeparator());
    QStringList added;
    for (int i = 20; i < 26; ++i) added << tools->actions()[i]->text();
    QCOMPARE(added,
             (QStringList{QStringLiteral("대소문자 바꾸기"), QStringLiteral("정규식으로 바꾸기"),
                          QStringLiteral("유니코드 정규화"), QStringLiteral("깨진 이름 복구"),
                          QStringLiteral("날짜 붙이기"), QStringLiteral("정보 붙이기")}));
    // No shortcut is registered: the keys act on release through the filter.
    for (const auto& command : app::AllCommands()) {
        QVERIFY(w.window.CommandAction(command.id)->shortcut().isEmpty());
    }
}

void MainWindowTest::toolbarsHoldButtonsInOrder() {
    ScriptedWindow w;
    auto ids = [&](QToolBar* bar) {
        QList<int> out;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator()) {
                out << 0;
                continue;
            }
            for (const auto& command : app::AllCommands()) {
                if (w.window.CommandAction(command.id) == a) out << app::IdNumber(command.id);
            }
        }
        return out;
    };
    QCOMPARE(ids(w.window.LeftToolBar()), (QList<int>{32771, 0, 32772, 32773, 32774, 0, 32775,
                                                      32776, 32777, 0, 32778, 32779, 32780}));
    QCOMPARE(ids(w.window.RightToolBar()), (QList<int>{32781, 0, 32782, 32783, 32784, 0, 32785,
                                                       32786, 32787, 0, 32788, 32789, 32790}));
    for (QAction* a : w.window.LeftToolBar()->actions()) {
        if (!a->isSeparator())
            QVERIFY2(!a->icon().pixmap(38, 24).isNull(), qPrintable(a->toolTip()));
    }
    QCOMPARE(w.window.CommandAction(app::CommandId::ReplaceString)->toolTip(),
             QStringLiteral("문자열 바꾸기"));
}

void MainWindowTest::commandStatesAtStart() {
    ScriptedWindow w;
    for (const auto& command : app::AllCommands()) {
        const bool expected = command.needs == app::Needs::Always;
        QVERIFY2(w.window.CommandAction(command.id)->isEnabled() == expected,
                 qPrintable(QString::number(app::IdNumber(command.id))));
    }
}

void MainWindowTest::layoutFollowsTheClientSize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("start") << QSize(600, 460);
    QTest::newRow("large") << QSize(1000, 700);
}

void MainWindowTest::layoutFollowsTheClientSize() {
    QFETCH(QSize, size);
    ScriptedWindow w;
    w.window.show();
    w.window.resize(size);
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCoreApplication::processEvents();
    const QSize client = w.window.centralWidget()->size();
    const int W = client.width();
    const int H = client.height();
    QCOMPARE(w.window.LeftToolBar()->geometry(), QRect(0, 0, 44, H - 20));
    QCOMPARE(w.window.RightToolBar()->geometry(), QRect(W - 44, 0, 44, H - 20));
    QCOMPARE(w.window.ListView()->geometry(), QRect(44, 0, W - 88, H - 20));
    QCOMPARE(w.window.StatusLine()->geometry(), QRect(0, H - 18, W, 18));
    // The three visible columns fit at the start size.
    QVERIFY(W - 88 >= 400);
}

void MainWindowTest::escapeClearsRowsAndCloses() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    filelist::FileEntry entry;
    entry.path = u"/tmp/a.txt";
    w.window.Dialog().List().InsertEntryRow(entry);
    QCOMPARE(w.window.Model()->rowCount(), 1);
    QTest::keyClick(w.window.ListView(), Qt::Key_Escape);
    QCOMPARE(w.window.Dialog().List().Count(), std::size_t(0));
    QVERIFY(!w.window.isVisible());
    QVERIFY(w.answers.messages.empty());
}

void MainWindowTest::enterDoesNotClose() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QTest::keyClick(w.window.ListView(), Qt::Key_Return);
    QTest::keyClick(&w.window, Qt::Key_Enter);
    QVERIFY(w.window.isVisible());
}

void MainWindowTest::modelPassesTheTester() {
    ScriptedWindow w;
    QAbstractItemModelTester tester(w.window.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto& list = w.window.Dialog().List();
    filelist::FileEntry e;
    e.path = u"/x/one.txt";
    list.InsertEntryRow(e);
    {
        filelist::FileList::Batch batch(list);
        e.path = u"/x/two.txt";
        list.InsertEntryRow(e);
        e.path = u"/x/three";
        e.isFolder = true;
        list.InsertEntryRow(e);
        list.SetNewName(0, u"uno.txt");
    }
    QCOMPARE(w.window.Model()->rowCount(), 3);
    QCOMPARE(w.window.Model()->index(0, 1).data().toString(), QStringLiteral("uno.txt"));
    list.SwapRows(0, 2);
    list.RemoveRow(1);
    QCOMPARE(w.window.Model()->rowCount(), 2);
    // Deleting many scattered rows resets the view in one go.
    e.isFolder = false;
    for (int i = 0; i < 60; ++i) {
        e.path = u"/y/" + std::u16string(1, char16_t(u'a' + i % 26)) +
                 std::u16string(1, char16_t(u'0' + i / 26));
        list.InsertEntryRow(e);
    }
    for (std::size_t i = 0; i < list.Count(); i += 2) list.SetSelected(i, true);
    w.window.Dialog().DeleteSelectedRows();
    QCOMPARE(w.window.Model()->rowCount(), 31);
    QCOMPARE(w.window.ListView()->selectionModel()->selectedRows().size(), 0);
    list.Clear();
    QCOMPARE(w.window.Model()->rowCount(), 0);
}

void MainWindowTest::koreanFontAndTranslationsAreInstalled() {
    // Without a Hangul font every Korean caption is a row of empty boxes.
    bool found = false;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Korean)) {
        if (family.contains(QStringLiteral("Nanum"), Qt::CaseInsensitive)) found = true;
    }
    QVERIFY2(found, "no Korean font family (fonts-nanum) is installed");
    QTranslator translator;
    QVERIFY(gui::BatchRenameApp::LoadKoreanTranslation(*qApp, translator));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("취소"));
    qApp->removeTranslator(&translator);
}

void MainWindowTest::screenshot() {
    // Writes the README picture when asked to: MORVALENT_SCREENSHOT=path.png
    const QByteArray target = qgetenv("MORVALENT_SCREENSHOT");
    if (target.isEmpty()) QSKIP("MORVALENT_SCREENSHOT not set");
    testing::TempDir dir;
    for (const char* name :
         {"사진 001.jpg", "사진 002.jpg", "여행/바다.png", "여행/산.png", "메모.txt"}) {
        dir.WriteFile(name, "data");
    }
    ScriptedWindow w;
    w.answers.yesNoAnswers.push_back(false);
    w.window.Dialog().OnDropFiles({dir.Text()});
    auto& list = w.window.Dialog().List();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        list.SetNewName(i, u"2026_" + list.NewName(i));
    }
    w.window.Dialog().OnCommand(app::CommandId::ShowSize);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.window.Dialog().List().SetSelected(1, true);
    w.window.Dialog().OnSelectionChanged();
    QCoreApplication::processEvents();
    QVERIFY(w.window.grab().save(QString::fromLocal8Bit(target)));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
