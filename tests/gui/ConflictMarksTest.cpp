#include <QTest>
#include <QTreeView>

#include "app/Commands.h"
#include "gui/GuiFixture.h"
#include "support/TempDir.h"

using namespace morvalent;
using testing::ScriptedWindow;

class ConflictMarksTest : public QObject {
    Q_OBJECT
  private slots:
    void markedNewNamesShowTheirReason();
    void f8GoesToTheNextMarkedRow();
};

namespace {

// Rows a.txt, b.txt, d.txt beside an unlisted c.txt; a -> c and d -> b: the first
// meets c.txt, the other two share b.txt.
void MakeConflicts(testing::TempDir& dir, ScriptedWindow& w) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) dir.WriteFile(name);
    w.window.Dialog().OnDropFiles({dir.Join(u"a.txt"), dir.Join(u"b.txt"), dir.Join(u"d.txt")});
    w.answers.inputAnswers.push_back({true, u"a.txt", u"c.txt"});
    w.window.Dialog().OnCommand(app::CommandId::ReplaceString);
    w.answers.inputAnswers.push_back({true, u"d.txt", u"b.txt"});
    w.window.Dialog().OnCommand(app::CommandId::ReplaceString);
}

}  // namespace

void ConflictMarksTest::markedNewNamesShowTheirReason() {
    testing::TempDir dir;
    ScriptedWindow w;
    MakeConflicts(dir, w);
    auto* m = w.window.Model();
    const QString tips[] = {QStringLiteral("같은 이름의 파일이 이미 있습니다."),
                            QStringLiteral("다른 항목과 바꿀이름이 같습니다."),
                            QStringLiteral("다른 항목과 바꿀이름이 같습니다.")};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(m->data(m->index(row, 1), Qt::ToolTipRole).toString(), tips[row]);
        QVERIFY(m->data(m->index(row, 1), Qt::ForegroundRole).isValid());
        QVERIFY(!m->data(m->index(row, 0), Qt::ForegroundRole).isValid());
    }
    // Put right, the marks go with the next command.
    w.answers.inputAnswers.push_back({true, u"c.txt", u"e.txt"});
    w.window.Dialog().OnCommand(app::CommandId::ReplaceString);
    QVERIFY(!m->data(m->index(0, 1), Qt::ToolTipRole).isValid());
    QVERIFY(!m->data(m->index(0, 1), Qt::ForegroundRole).isValid());
}

void ConflictMarksTest::f8GoesToTheNextMarkedRow() {
    testing::TempDir dir;
    ScriptedWindow w;
    MakeConflicts(dir, w);
    QTreeView* view = w.window.ListView();
    std::vector<int> focused;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(view, Qt::Key_F8);
        focused.push_back(view->currentIndex().row());
    }
    QCOMPARE(focused, (std::vector<int>{0, 1, 2, 0}));
    QCOMPARE(w.window.Dialog().List().SelectedCount(), std::size_t(1));
    QCOMPARE(w.window.CommandAction(app::CommandId::NextConflict)->text(),
             QStringLiteral("다음 충돌로 이동\tF8"));
    w.window.Dialog().OnCommand(app::CommandId::RevertNewNames);
    QTest::keyClick(view, Qt::Key_F8);
    QCOMPARE(w.answers.messages.back(), std::u16string(u"충돌이 없습니다."));
}

QTEST_MAIN(ConflictMarksTest)
#include "ConflictMarksTest.moc"
