#include <QDir>
#include <QTest>

#include "gui/BatchRenameApp.h"
#include "gui/GuiFixture.h"
#include "gui/StartArguments.h"
#include "support/TempDir.h"

using namespace morvalent;
using testing::ScriptedWindow;
using testing::U16;

namespace {

// Runs the test from `folder`, as a file manager starts the program.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::filesystem::path& folder) : saved_(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(folder.string()));
    }
    ~CurrentFolder() { QDir::setCurrent(saved_); }

  private:
    QString saved_;
};

QString Cell(ScriptedWindow& w, int row, int column) {
    return w.window.Model()->data(w.window.Model()->index(row, column), Qt::DisplayRole).toString();
}

}  // namespace

class StartArgumentsTest : public QObject {
    Q_OBJECT
  private slots:
    void readsPathsAndOptions_data();
    void readsPathsAndOptions();
    void pathsOnTheCommandLineAreListedLikeOneDrop();
};

void StartArgumentsTest::readsPathsAndOptions_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("relativePaths");  // under the current folder
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("error");
    QTest::newRow("none") << QStringList{} << QStringList{} << false << QString();
    QTest::newRow("relative and dotted")
        << QStringList{"a.txt", "./sub/../b.txt", "사진"} << QStringList{"a.txt", "b.txt", "사진"}
        << false << QString();
    QTest::newRow("after -- every argument is a path")
        << QStringList{"--", "--help", "-x"} << QStringList{"--help", "-x"} << false << QString();
    QTest::newRow("help") << QStringList{"--help"} << QStringList{} << true << QString();
    QTest::newRow("unknown option") << QStringList{"a.txt", "--frobnicate"} << QStringList{}
                                    << false << QStringLiteral("알 수 없는 옵션: --frobnicate");
}

void StartArgumentsTest::readsPathsAndOptions() {
    QFETCH(QStringList, args);
    QFETCH(QStringList, relativePaths);
    QFETCH(bool, help);
    QFETCH(QString, error);
    testing::TempDir dir;
    dir.MakeFolder("sub");
    CurrentFolder here(dir.Path());
    std::vector<std::string> raw;
    for (const QString& arg : args) raw.push_back(arg.toStdString());

    const gui::StartArguments parsed = gui::ParseStartArguments(raw);

    std::vector<std::u16string> expected;
    for (const QString& path : relativePaths) expected.push_back(dir.Join(U16(path.toStdString())));
    QCOMPARE(parsed.paths, expected);
    QCOMPARE(parsed.help, help);
    QCOMPARE(QString::fromStdString(parsed.error.value_or("")), error);
}

void StartArgumentsTest::pathsOnTheCommandLineAreListedLikeOneDrop() {
    testing::TempDir dir;
    dir.WriteFile("b.txt");
    dir.WriteFile("one/x.txt");
    dir.WriteFile("two/y.txt");
    CurrentFolder here(dir.Path());
    ScriptedWindow w;
    w.answers.yesNoAnswers = {false};  // the folders' contents

    gui::BatchRenameApp::ShowWithPaths(
        w.window, gui::ParseStartArguments({"two", "b.txt", "missing.txt", "one"}).paths);

    QVERIFY(w.window.isVisible());
    QCOMPARE(w.answers.questions.size(), std::size_t(1));
    QCOMPARE(w.answers.questions[0].second, dir.Join(u"two"));
    QCOMPARE(w.window.Model()->rowCount(), 3);
    QCOMPARE(Cell(w, 0, 0), QStringLiteral("b.txt"));
    QCOMPARE(Cell(w, 1, 0), QStringLiteral("x.txt"));
    QCOMPARE(Cell(w, 2, 0), QStringLiteral("y.txt"));
    // missing.txt is counted, not listed.
    QCOMPARE(w.window.StatusLine()->text(),
             QStringLiteral("3 개 · 찾거나 읽을 수 없는 항목 1개는 넣지 않았습니다"));
}

QTEST_MAIN(StartArgumentsTest)
#include "StartArgumentsTest.moc"
