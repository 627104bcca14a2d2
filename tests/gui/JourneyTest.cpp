// A user's way through the window with the real dialogs: drop a folder, answer the
// folder question, add a prefix, sort, and look at the result.
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/Commands.h"
#include "gui/InputDialogWindow.h"
#include "gui/MainWindow.h"
#include "gui/QtPrompts.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

using namespace morvalent;

namespace {

// Acts on the next modal dialog once it runs its own loop.
void OnNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        act(modal);
    });
}

void Drop(QWidget& target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

QString Cell(gui::MainWindow& w, int row, int column) {
    return w.Model()->index(row, column).data().toString();
}

}  // namespace

class JourneyTest : public QObject {
    Q_OBJECT
  private slots:
    void dropEditAndSort();
    void recipeSavedAndRunOnNextMonth();
};

void JourneyTest::dropEditAndSort() {
    testing::TempDir dir;
    dir.WriteFile("photos/b.jpg", "bb");
    dir.WriteFile("photos/a.jpg", "a");
    dir.WriteFile("photos/trip/c.jpg", "ccc");
    auto fs = platform::MakeNativeFileSystem();
    gui::QtPrompts prompts(*fs);
    gui::MainWindow window(*fs, prompts);
    prompts.SetParentWindow(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QString caption;
    // The drop returns first; the question comes after it.
    Drop(window, {QUrl::fromLocalFile(QString::fromStdString((dir.Path() / "photos").string()))});
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        caption = box->windowTitle();
        QCOMPARE(box->text(),
                 QStringLiteral("경로를 직접 추가려면 YES, 경로내 파일을 추가하려면 NO 선택."));
        box->button(QMessageBox::No)->click();  // the folder's contents
    });
    QTRY_COMPARE(window.Model()->rowCount(), 3);
    QCOMPARE(caption, QString::fromStdString((dir.Path() / "photos").string()));
    QCOMPARE(Cell(window, 0, 0), QStringLiteral("a.jpg"));
    QCOMPARE(Cell(window, 2, 0), QStringLiteral("c.jpg"));
    QCOMPARE(window.StatusLine()->text(), QStringLiteral("3 개"));

    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<gui::InputDialogWindow*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->Description()->text(),
                 QStringLiteral("이름의 앞에 지정한 문자열을 붙여줍니다."));
        dialog->Field1()->setText(QStringLiteral("2026_"));
        QTest::keyClick(dialog->Field1(), Qt::Key_Return);
    });
    window.CommandAction(app::CommandId::AddPrefix)->trigger();
    QCOMPARE(Cell(window, 0, 1), QStringLiteral("2026_a.jpg"));
    QCOMPARE(Cell(window, 2, 1), QStringLiteral("2026_c.jpg"));
    QCOMPARE(Cell(window, 0, 0), QStringLiteral("a.jpg"));

    // Sort by size, descending: the sixth criterion.
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<gui::InputDialogWindow*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->Choices()->count(), 12);
        dialog->Choices()->setCurrentIndex(5);
        dialog->OkButton()->click();
    });
    window.ListView()->setFocus();
    QTest::keyPress(window.ListView(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyRelease(window.ListView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Cell(window, 0, 0), QStringLiteral("c.jpg"));
    QCOMPARE(Cell(window, 2, 0), QStringLiteral("a.jpg"));

    // Move the first row down, number the rows in front, and commit: each file
    // takes the name in its own row.
    window.Dialog().List().SetSelected(0, true);
    QTest::keyClick(window.ListView(), Qt::Key_Period);
    QCOMPARE(Cell(window, 0, 0), QStringLiteral("b.jpg"));
    QCOMPARE(Cell(window, 1, 0), QStringLiteral("c.jpg"));
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<gui::InputDialogWindow*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->Field1()->setText(QStringLiteral("2"));
        dialog->Field2()->setText(QStringLiteral("1"));
        dialog->Choices()->setCurrentIndex(1);
        dialog->OkButton()->click();
    });
    window.CommandAction(app::CommandId::NumberRows)->trigger();
    QStringList messages;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        messages << box->text();
        OnNextModal([&](QWidget* done) {
            auto* closing = qobject_cast<QMessageBox*>(done);
            QVERIFY(closing != nullptr);
            messages << closing->text();
            closing->accept();
        });
        box->button(QMessageBox::Ok)->click();
    });
    QTest::keyPress(window.ListView(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyRelease(window.ListView(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(messages, (QStringList{QStringLiteral("실제 파일 이름을 변경하시겠습니까?"),
                                    QStringLiteral("파일 이름을 변경하였습니다.")}));
    const QString names[] = {Cell(window, 0, 0), Cell(window, 1, 0), Cell(window, 2, 0)};
    for (int row = 0; row < 3; ++row) QCOMPARE(Cell(window, row, 1), names[row]);
    QVERIFY(names[0].startsWith(QStringLiteral("01")) &&
            names[0].endsWith(QStringLiteral("2026_b.jpg")));
    QCOMPARE(dir.ReadFile("photos/" + names[0].toStdString()), std::string("bb"));
    QCOMPARE(dir.ReadFile("photos/trip/" + names[1].toStdString()), std::string("ccc"));
    QCOMPARE(dir.ReadFile("photos/" + names[2].toStdString()), std::string("a"));
    QVERIFY(!dir.Exists("photos/a.jpg"));

    const QByteArray shot = qgetenv("MORVALENT_SCREENSHOT_DIR");
    if (!shot.isEmpty()) QVERIFY(window.grab().save(QString::fromLocal8Bit(shot) + "/journey.png"));
}

// The steps taken on one month's photos, saved as a recipe through the real save
// dialog, then run on the next month's photos from the recent recipes.
void JourneyTest::recipeSavedAndRunOnNextMonth() {
    testing::TempDir dir;
    dir.WriteFile("11월/IMG 1.jpg");
    dir.WriteFile("12월/IMG 7.jpg");
    auto fs = platform::MakeNativeFileSystem();
    gui::QtPrompts prompts(*fs);
    gui::MainWindow window(*fs, prompts);
    prompts.SetParentWindow(&window);
    window.Dialog().SetStateFolder(dir.Join(u"state"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Dialog().OnDropFiles({dir.Join(u"11월/IMG 1.jpg")});
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<gui::InputDialogWindow*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->Field1()->setText(QStringLiteral("IMG "));
        dialog->Field2()->setText(QStringLiteral("사진 '월' "));
        dialog->OkButton()->click();
    });
    window.CommandAction(app::CommandId::ReplaceString)->trigger();
    QCOMPARE(Cell(window, 0, 1), QStringLiteral("사진 '월' 1.jpg"));

    const QString recipe = QString::fromStdString((dir.Path() / "매달").string());
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setText(recipe);
        QTest::keyClick(name, Qt::Key_Return);
    });
    window.CommandAction(app::CommandId::SaveRecipe)->trigger();
    QCOMPARE(
        dir.ReadFile("매달.mvr"),
        std::string("# Morvalent 08.02.10 작업 순서\n--replace 'IMG ' '사진 '\\''월'\\'' '\n"));

    window.CommandAction(app::CommandId::ClearList)->trigger();
    window.Dialog().OnDropFiles({dir.Join(u"12월/IMG 7.jpg")});
    QAction* recent = window.CommandAction(app::CommandId::RecentRecipe1);
    QVERIFY(recent->isVisible() && recent->isEnabled());
    recent->trigger();
    QCOMPARE(Cell(window, 0, 1), QStringLiteral("사진 '월' 7.jpg"));
}

QTEST_MAIN(JourneyTest)
#include "JourneyTest.moc"
