// Recipes in the window: the recorded steps saved, offered again under the recent
// recipes, and run on another list; a step that stops says its line.
#include <QMenu>
#include <QTest>

#include "app/Commands.h"
#include "gui/GuiFixture.h"
#include "support/TempDir.h"

using namespace morvalent;
using testing::ScriptedUi;
using testing::ScriptedWindow;
using testing::TempDir;

class RecipesTest : public QObject {
    Q_OBJECT
  private slots:
    void savedRecipeRunsFromTheRecentMenuOnAnotherList();
    void stoppedStepNamesItsLine();
};

namespace {

void AddFiles(ScriptedWindow& w, const TempDir& dir, std::initializer_list<const char*> names) {
    std::vector<std::u16string> paths;
    for (const char* name : names) {
        dir.WriteFile(name);
        paths.push_back(dir.Join(testing::U16(name)));
    }
    w.window.Dialog().OnDropFiles(paths);
}

QString NewName(ScriptedWindow& w, int row) {
    return w.window.Model()->index(row, 1).data().toString();
}

}  // namespace

void RecipesTest::savedRecipeRunsFromTheRecentMenuOnAnotherList() {
    TempDir dir;
    ScriptedWindow w;
    w.window.Dialog().SetStateFolder(dir.Join(u"state"));
    QVERIFY(!w.window.CommandAction(app::CommandId::RecentRecipes)->isEnabled());
    AddFiles(w, dir, {"b 1.txt", "a 2.txt"});
    w.answers.inputAnswers = {{true, u" ", u"-", 0}, {true, u"2", u"1", 1}};
    w.window.CommandAction(app::CommandId::ReplaceString)->trigger();
    w.window.CommandAction(app::CommandId::NumberRows)->trigger();
    QCOMPARE(NewName(w, 0), QStringLiteral("01a-2.txt"));

    w.answers.fileAnswers = {{dir.Join(u"steps.mvr")}};
    w.window.CommandAction(app::CommandId::SaveRecipe)->trigger();
    QCOMPARE(w.answers.fileRequests.back().defaultExtension, std::u16string(u"mvr"));
    QCOMPARE(dir.ReadFile("steps.mvr"),
             std::string("# Morvalent 08.02.10 작업 순서\n--replace ' ' -\n--number-front 2 1\n"));
    QAction* recent = w.window.CommandAction(app::CommandId::RecentRecipe1);
    QVERIFY(recent->isVisible());
    QCOMPARE(recent->text(),
             QStringLiteral("&1 ") + QString::fromStdString(testing::U8(dir.Join(u"steps.mvr"))));
    QVERIFY(!w.window.CommandAction(app::CommandId::RecentRecipe2)->isVisible());

    // Another list, in a window that reads the same state folder.
    ScriptedWindow other;
    other.window.Dialog().SetStateFolder(dir.Join(u"state"));
    AddFiles(other, dir, {"x y.jpg"});
    QVERIFY(other.window.CommandAction(app::CommandId::RecentRecipes)->isEnabled());
    other.window.CommandAction(app::CommandId::RecentRecipe1)->trigger();
    QVERIFY(other.answers.messages.empty());
    QCOMPARE(NewName(other, 0), QStringLiteral("01x-y.jpg"));
    QCOMPARE(int(other.window.Dialog().Recording().size()), 2);
}

void RecipesTest::stoppedStepNamesItsLine() {
    TempDir dir;
    dir.WriteFile("bad.mvr", "--prefix a\n# comment\n--delete-enclosed '' ]\n--suffix b\n");
    ScriptedWindow w;
    AddFiles(w, dir, {"c.txt"});
    w.answers.fileAnswers = {{dir.Join(u"bad.mvr")}};
    w.window.CommandAction(app::CommandId::RunRecipe)->trigger();
    QCOMPARE(int(w.answers.messages.size()), 1);
    QVERIFY(w.answers.messages[0].starts_with(u"bad.mvr 3번째 줄 (--delete-enclosed):\n"));
    QCOMPARE(NewName(w, 0), QStringLiteral("ac.txt"));
}

QTEST_MAIN(RecipesTest)
#include "RecipesTest.moc"
