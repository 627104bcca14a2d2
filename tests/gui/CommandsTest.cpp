#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <QHeaderView>
#include <QScrollBar>
#include "app/Commands.h"
#include "gui/GuiFixture.h"
#include "platform/Text.h"
#include "support/TempDir.h"

using namespace morvalent;
using testing::ScriptedUi;
using testing::ScriptedWindow;
using testing::TempDir;

class CommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void ctrlOActsOnReleaseNotPress();
    void listDoesNotRunItsOwnSelectAll();
    void deleteKeyRemovesSelectedRows();
    void mouseSelectionEnablesRowCommands();
    void dropAddsLocalFilesInPathOrder();
    void menuActionReachesTheCommand();
    void sortKeepsSelectionAndScrollPosition();
    void doubleClickOpensDirectRename();
};

void CommandsTest::ctrlOActsOnReleaseNotPress() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.window.ListView()->setFocus();
    TempDir dir;
    dir.WriteFile("a.txt");
    w.answers.fileAnswers.push_back({dir.Join(u"a.txt")});
    QTest::keyPress(w.window.ListView(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(w.answers.fileRequests.empty());
    QTest::keyRelease(w.window.ListView(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(int(w.answers.fileRequests.size()), 1);
    QCOMPARE(w.window.Model()->rowCount(), 1);
    QCOMPARE(w.window.StatusLine()->text(), QStringLiteral("1 개"));
    QVERIFY(w.window.CommandAction(app::CommandId::ApplyRenames)->isEnabled());
}

void CommandsTest::listDoesNotRunItsOwnSelectAll() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    for (const char16_t* p : {u"/a", u"/b"}) {
        filelist::FileEntry e;
        e.path = p;
        w.window.Dialog().List().InsertEntryRow(e);
    }
    w.window.ListView()->setFocus();
    ScriptedUi::InputAnswer cancel;
    cancel.ok = false;
    w.answers.inputAnswers.push_back(cancel);  // Ctrl+A asks for a sort order
    QTest::keyPress(w.window.ListView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.window.ListView()->selectionModel()->selectedRows().size(), 0);
    QTest::keyRelease(w.window.ListView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.window.ListView()->selectionModel()->selectedRows().size(), 0);
}

void CommandsTest::deleteKeyRemovesSelectedRows() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    for (const char16_t* p : {u"/0", u"/1", u"/2", u"/3"}) {
        filelist::FileEntry e;
        e.path = p;
        w.window.Dialog().List().InsertEntryRow(e);
    }
    auto* view = w.window.ListView();
    auto* model = w.window.Model();
    view->selectionModel()->select(model->index(1, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(model->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(w.window.Dialog().List().SelectedCount(), std::size_t(2));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("2"));
    QCOMPARE(w.window.StatusLine()->text(), QStringLiteral("2 개"));
    // '.' with nothing selected changes nothing and does not reach the list.
    QTest::keyClick(view, Qt::Key_Period);
    QCOMPARE(model->rowCount(), 2);
}

void CommandsTest::mouseSelectionEnablesRowCommands() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    filelist::FileEntry e;
    e.path = u"/a.txt";
    w.window.Dialog().List().InsertEntryRow(e);
    w.window.Dialog().UpdateCommandStates();
    QVERIFY(!w.window.CommandAction(app::CommandId::DirectRename)->isEnabled());
    auto* view = w.window.ListView();
    const QRect rect = view->visualRect(w.window.Model()->index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(w.window.CommandAction(app::CommandId::DirectRename)->isEnabled());
    QVERIFY(w.window.CommandAction(app::CommandId::MoveUp)->isEnabled());
    QVERIFY(w.window.CommandAction(app::CommandId::MoveDown)->isEnabled());
}

void CommandsTest::dropAddsLocalFilesInPathOrder() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    TempDir dir;
    dir.WriteFile("b.txt");
    dir.WriteFile("a.txt");
    dir.WriteFile("\xC7\xD1.txt");  // not UTF-8
    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(QString::fromStdString((dir.Path() / "b.txt").string())),
         QUrl(QStringLiteral("https://example.invalid/x.txt")),
         QUrl::fromEncoded(QByteArray("file://") + QByteArray(dir.Path().c_str()) + "/%C7%D1.txt"),
         QUrl::fromLocalFile(QString::fromStdString((dir.Path() / "a.txt").string()))});
    // As a file manager's drag arrives: enter, then drop.
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w.window, &drop);
    auto& list = w.window.Dialog().List();
    QTRY_COMPARE(list.Count(), std::size_t(3));  // gathered once the drop has returned
    QCOMPARE(list.Entry(0).path, dir.Join(u"a.txt"));
    QCOMPARE(list.Entry(1).path, dir.Join(u"b.txt"));
    QCOMPARE(*platform::Utf16ToNative(list.CurrentName(2)), std::string("\xC7\xD1.txt"));
    QVERIFY(w.window.CommandAction(app::CommandId::ApplyRenames)->isEnabled());
}

void CommandsTest::menuActionReachesTheCommand() {
    ScriptedWindow w;
    w.window.CommandAction(app::CommandId::Version)->trigger();
    QCOMPARE(int(w.answers.messages.size()), 1);
    QCOMPARE(w.answers.messages[0], std::u16string(u"Morvalent 08.02.10 버전"));
    w.window.CommandAction(app::CommandId::ShowSize)->trigger();
    QVERIFY(w.window.CommandAction(app::CommandId::ShowSize)->isChecked());
    QCOMPARE(w.window.ListView()->header()->sectionSize(4), 80);
    QVERIFY(!w.window.ListView()->header()->isSectionHidden(4));
}

void CommandsTest::sortKeepsSelectionAndScrollPosition() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    auto& list = w.window.Dialog().List();
    for (int i = 0; i < 500; ++i) {
        filelist::FileEntry e;
        e.path = u"/f" + platform::DecimalText(std::uint64_t(100000 + i));
        list.InsertEntryRow(e);
    }
    auto* view = w.window.ListView();
    view->scrollTo(w.window.Model()->index(250, 0), QAbstractItemView::PositionAtTop);
    const int top = view->verticalScrollBar()->value();
    QVERIFY(top > 0);
    list.SetSelected(3, true);
    list.SetFocusedRow(3);
    ScriptedUi::InputAnswer descending;
    descending.choice = 3;  // path, descending
    w.answers.inputAnswers.push_back(descending);
    w.window.Dialog().OnCommand(app::CommandId::SortList);
    QCOMPARE(list.Entry(0).path, std::u16string(u"/f100499"));
    QCOMPARE(view->verticalScrollBar()->value(), top);
    const auto rows = view->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].row(), 496);
    QCOMPARE(view->currentIndex().row(), 496);
}

void CommandsTest::doubleClickOpensDirectRename() {
    ScriptedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    filelist::FileEntry e;
    e.path = u"/a.txt";
    w.window.Dialog().List().InsertEntryRow(e);
    ScriptedUi::InputAnswer answer;
    answer.text1 = u"b.txt";
    w.answers.inputAnswers.push_back(answer);
    auto* view = w.window.ListView();
    const QPoint at = view->visualRect(w.window.Model()->index(0, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(int(w.answers.shownDialogs.size()), 1);
    QCOMPARE(w.answers.shownDialogs[0].text1, std::u16string(u"a.txt"));
    QCOMPARE(w.window.Model()->index(0, 1).data().toString(), QStringLiteral("b.txt"));
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
