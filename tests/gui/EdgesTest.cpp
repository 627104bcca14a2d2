#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <functional>

#include "app/Commands.h"
#include "gui/CellDelegate.h"
#include "gui/FolderBrowserWindow.h"
#include "gui/GuiFixture.h"
#include "gui/InputDialogWindow.h"
#include "gui/QtPrompts.h"
#include "gui/QtText.h"
#include "gui/ReleaseFilter.h"
#include "gui/ReportBox.h"
#include "platform/Text.h"
#include "support/ForwardingFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

using namespace morvalent;

namespace {

// The native file system, with one event sent to the window in the middle of
// the first walk of a folder, as if it came in while the window repainted.
class WalkInterrupter : public testing::ForwardingFileSystem {
  public:
    std::function<void()> duringFirstWalk;

    bool ListFolder(std::u16string_view folder, std::vector<platform::FolderItem>& items) override {
        if (auto interrupt = std::exchange(duringFirstWalk, nullptr)) interrupt();
        return ForwardingFileSystem::ListFolder(folder, items);
    }
};

// A file manager's drop: enter, then drop, offering Copy.
void Drop(QWidget& target, const std::filesystem::path& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

}  // namespace

class EdgesTest : public QObject {
    Q_OBJECT
  private slots:
    void longReportFitsTheScreen();
    void markupInNamesIsShownLiterally();
    void cutFolderCellHasItsWholeTextAsTooltip();
    void timeColumnsFitTheirText();
    void browserOpensOnTheRowsFolderAndListsRawNames();
    void dropsAreAnsweredLinkOrCopy_data();
    void dropsAreAnsweredLinkOrCopy();
    void dropDuringABatchIsGatheredAfterIt();
    void closeDuringABatchWaitsForItsEnd();
    void onlyARealReleaseRunsAChord();

  private:
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    testing::ScriptedUi answers;
};

void EdgesTest::longReportFitsTheScreen() {
    QString report;
    for (int i = 1; i <= 300; ++i) {
        report +=
            QStringLiteral("/tmp/gui-eval/f%1.txt -> /tmp/gui-eval/pf%1.txt 변경 실패.\n").arg(i);
    }
    gui::QtPrompts prompts(*fs);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<gui::ReportBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen = true;
        const QRect area = box->screen()->availableGeometry();
        QVERIFY(box->frameGeometry().height() <= area.height());
        QVERIFY(box->OkButton()->isVisible());
        QVERIFY(box->rect().contains(box->OkButton()->geometry()));
        QCOMPARE(box->Heading()->text(),
                 QStringLiteral("/tmp/gui-eval/f1.txt -> /tmp/gui-eval/pf1.txt 변경 실패."));
        QCOMPARE(box->Text()->toPlainText(), report);  // every line, as built
        box->OkButton()->click();
    });
    prompts.ShowMessage(gui::ToU16(report));
    QVERIFY(seen);
}

void EdgesTest::markupInNamesIsShownLiterally() {
    // Message box, input dialog, folder browser status: each shows the text as typed.
    gui::QtPrompts prompts(*fs);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        box->accept();
    });
    prompts.ShowMessage(u"중복되는 이름이 있습니다.\n/tmp/<b>big</b>.txt");

    app::InputDialog dialog(answers);
    dialog.SetPrompts(u"<s>strike.jpg 를", u"으로", u"");
    gui::InputDialogWindow window(dialog);
    QCOMPARE(window.Description()->textFormat(), Qt::PlainText);
    QCOMPARE(window.Description()->text(), QStringLiteral("<s>strike.jpg 를"));

    testing::TempDir dir;
    dir.MakeFolder("<i>x");
    app::FolderBrowser browser(answers, u"경로 선택", dir.Join(u"<i>x"));
    gui::FolderBrowserWindow browserWindow(browser, *fs);
    QCOMPARE(browserWindow.Status()->textFormat(), Qt::PlainText);

    QCOMPARE(gui::PlainToolTip(QStringLiteral("<b>big.txt")),
             QStringLiteral("<p>&lt;b&gt;big.txt</p>"));
}

void EdgesTest::cutFolderCellHasItsWholeTextAsTooltip() {
    testing::ScriptedWindow w;
    filelist::FileEntry entry;
    entry.path = u"/tmp/gui-eval/long-folder-name/사진/2020/a.jpg";
    w.window.Dialog().List().InsertEntryRow(entry);
    entry.path = u"/tmp/a.jpg";
    w.window.Dialog().List().InsertEntryRow(entry);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QTreeView* view = w.window.ListView();
    const struct {
        int row;
        QString tooltip;
    } rows[] = {
        {1, QString()},  // fits: no tooltip
        {0, QStringLiteral("/tmp/gui-eval/long-folder-name/사진/2020")},
    };
    for (const auto& row : rows) {
        const QRect cell = view->visualRect(w.window.Model()->index(row.row, filelist::ColFolder));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        view->viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(view->viewport(), &help);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), row.tooltip);
    }
    // The cut path keeps its first folder and its end.
    auto* delegate = qobject_cast<gui::CellDelegate*>(view->itemDelegate());
    QVERIFY(delegate != nullptr);
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.widget = view;
    option.rect = view->visualRect(w.window.Model()->index(0, filelist::ColFolder));
    const QString shown =
        delegate->ShownText(option, w.window.Model()->index(0, filelist::ColFolder));
    QVERIFY2(shown.startsWith(QStringLiteral("/tmp/…/")) && shown.endsWith(QStringLiteral("/2020")),
             qPrintable(shown));
}

void EdgesTest::timeColumnsFitTheirText() {
    testing::ScriptedWindow w;
    w.window.Dialog().OnCommand(app::CommandId::ShowModified);
    const int width = w.window.ListView()->header()->sectionSize(filelist::ColModified);
    QVERIFY(width >= 120);
    const QFontMetrics metrics = w.window.ListView()->fontMetrics();
    QVERIFY(width > metrics.horizontalAdvance(QStringLiteral("2026-12-08 12:34:56")));
}

void EdgesTest::browserOpensOnTheRowsFolderAndListsRawNames() {
    testing::TempDir dir;
    dir.MakeFolder("사진/2020");
    dir.MakeFolder("\xC7\xD1");  // not UTF-8
    dir.MakeFolder(".cache");
    app::FolderBrowser browser(answers, u"경로 선택");
    browser.openAt = dir.Join(u"사진/2020");
    gui::FolderBrowserWindow window(browser, *fs);
    QCOMPARE(window.Model()->PathOf(window.Tree()->currentIndex()), dir.Join(u"사진/2020"));
    QVERIFY(window.OkButton()->isEnabled());

    const QModelIndex top = window.Model()->IndexOf(dir.Text());
    QStringList names;
    for (int row = 0; row < window.Model()->rowCount(top); ++row) {
        names << window.Model()->index(row, 0, top).data().toString();
    }
    QCOMPARE(names, (QStringList{QStringLiteral("사진"), QStringLiteral("\uFFFD\uFFFD")}));
    window.Tree()->setCurrentIndex(window.Model()->index(1, 0, top));
    QCOMPARE(*platform::Utf16ToNative(browser.chosenPath), dir.Path().string() + "/\xC7\xD1");
}

void EdgesTest::dropsAreAnsweredLinkOrCopy_data() {
    QTest::addColumn<int>("offered");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("answer");
    QTest::newRow("copy or move") << int(Qt::CopyAction | Qt::MoveAction) << true
                                  << int(Qt::CopyAction);
    QTest::newRow("copy, move or link")
        << int(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) << true << int(Qt::LinkAction);
    QTest::newRow("move only") << int(Qt::MoveAction) << false << int(Qt::MoveAction);
}

void EdgesTest::dropsAreAnsweredLinkOrCopy() {
    QFETCH(int, offered);
    QFETCH(bool, accepted);
    QFETCH(int, answer);
    testing::ScriptedWindow w;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/nonexistent/a.txt"))});
    const auto actions = Qt::DropActions::fromInt(offered);
    QDragEnterEvent enter(QPoint(100, 100), actions, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(Qt::MoveAction);  // what the source would like
    QCoreApplication::sendEvent(&w.window, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QCOMPARE(int(enter.dropAction()), answer);
    QDropEvent drop(QPointF(100, 100), actions, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(&w.window, &drop);
    QCOMPARE(drop.isAccepted(), accepted);
    QCOMPARE(int(drop.dropAction()), answer);
}

void EdgesTest::dropDuringABatchIsGatheredAfterIt() {
    testing::TempDir dir;
    dir.WriteFile("first/a.txt");
    dir.WriteFile("first/b.txt");
    dir.WriteFile("later.txt");
    WalkInterrupter walker;
    gui::MainWindow window(walker, answers);
    walker.duringFirstWalk = [&] { Drop(window, dir.Path() / "later.txt"); };
    answers.yesNoAnswers = {false};  // the first folder's files
    Drop(window, dir.Path() / "first");
    auto& list = window.Dialog().List();
    QTRY_COMPARE(list.Count(), std::size_t(3));
    QCOMPARE(list.Entry(0).path, dir.Join(u"first/a.txt"));
    QCOMPARE(list.Entry(1).path, dir.Join(u"first/b.txt"));
    QCOMPARE(list.Entry(2).path, dir.Join(u"later.txt"));
}

void EdgesTest::closeDuringABatchWaitsForItsEnd() {
    testing::TempDir dir;
    dir.WriteFile("first/a.txt");
    WalkInterrupter walker;
    gui::MainWindow window(walker, answers);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool closedDuringWalk = true;
    walker.duringFirstWalk = [&] {
        window.close();
        closedDuringWalk = !window.isVisible();
    };
    answers.yesNoAnswers = {false};
    Drop(window, dir.Path() / "first");
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(!closedDuringWalk);
    // The batch ended, then the close cleared the list: no row outlives the window.
    QCOMPARE(window.Dialog().List().Count(), std::size_t(0));
}

void EdgesTest::onlyARealReleaseRunsAChord() {
    std::vector<app::Key> ran;
    gui::ReleaseFilter filter(1000,
                              [&](const app::KeyMessage& release) { ran.push_back(release.key); });
    app::KeyMessage release;
    release.type = app::KeyMessage::Type::Release;
    release.ctrl = true;
    release.key = app::Key::O;
    // Auto-repeat: a release and a press with one timestamp.
    QVERIFY(filter.HoldRelease(release, 100));
    QVERIFY(filter.IsRepeatPress(app::Key::O, 100));
    // The real release: the next key's press lets it run first.
    QVERIFY(filter.HoldRelease(release, 200));
    QVERIFY(!filter.IsRepeatPress(app::Key::S, 300));
    QCOMPARE(ran, (std::vector<app::Key>{app::Key::O}));
    // Without a wait, a release is not held.
    gui::ReleaseFilter direct(0, [](const app::KeyMessage&) {});
    QVERIFY(!direct.HoldRelease(release, 400));
}

QTEST_MAIN(EdgesTest)
#include "EdgesTest.moc"
