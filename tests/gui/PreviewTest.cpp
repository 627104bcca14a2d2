// Typing in the real input dialog, asked through the window's real prompts: the
// preview shows what OK will do, and after OK the list shows what changed.
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/Commands.h"
#include "gui/InputDialogWindow.h"
#include "gui/MainWindow.h"
#include "gui/QtPrompts.h"
#include "gui/QtText.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

using namespace morvalent;

namespace {

void OnNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        act(modal);
    });
}

QStringList PreviewNames(gui::InputDialogWindow* dialog) {
    QStringList names;
    for (int i = 0; i < dialog->PreviewRows()->topLevelItemCount(); ++i)
        names << dialog->PreviewRows()->topLevelItem(i)->text(1);
    return names;
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void typingShowsTheResultBeforeOk();
};

void PreviewTest::typingShowsTheResultBeforeOk() {
    testing::TempDir dir;
    const std::string nfd = "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB.txt";  // 한.txt, decomposed
    for (const std::string name : {"IMG_1.jpg", "IMG_2.jpg", "photo.jpg", nfd.c_str()})
        dir.WriteFile(name, "x");
    auto fs = platform::MakeNativeFileSystem();
    gui::QtPrompts prompts(*fs);
    gui::MainWindow window(*fs, prompts);
    prompts.SetParentWindow(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::vector<std::u16string> paths;
    for (const std::string name : {"IMG_1.jpg", "IMG_2.jpg", "photo.jpg", nfd.c_str()})
        paths.push_back(gui::PathFromQString(QString::fromStdString((dir.Path() / name).string())));
    window.GatherPaths(paths);
    QCOMPARE(window.Model()->rowCount(), 4);

    bool looked = false;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::InputDialogWindow*>(modal);
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->PreviewRows()->isVisible());
        QTest::keyClicks(dialog->Field1(), QStringLiteral("IMG_1"));
        QTest::keyClicks(dialog->Field2(), QStringLiteral("photo"));
        // IMG_1.jpg would become photo.jpg, the name of another row: both collide.
        QCOMPARE(PreviewNames(dialog).first(), QStringLiteral("photo.jpg"));
        QCOMPARE(dialog->PreviewConflicts()->text(), QStringLiteral("충돌 2 개"));
        dialog->Field1()->setText(QStringLiteral("IMG"));
        dialog->Field2()->setText(QStringLiteral("P"));
        QCOMPARE(PreviewNames(dialog).mid(0, 3),
                 (QStringList{QStringLiteral("P_1.jpg"), QStringLiteral("P_2.jpg"),
                              QStringLiteral("photo.jpg")}));
        QCOMPARE(dialog->PreviewConflicts()->text(), QStringLiteral("충돌 없음"));
        looked = true;
        dialog->OkButton()->click();
    });
    window.Dialog().OnCommand(app::CommandId::ReplaceString);
    QVERIFY(looked);
    QCOMPARE(window.Dialog().List().NewName(0), u"P_1.jpg");
    // "IMG" became "P": the first unit is the change.
    const QModelIndex first = window.Model()->index(0, filelist::ColNewName);
    QCOMPARE(first.data(gui::ListModel::kChangeRole).toList(), (QVariantList{0LL, 1LL, 0}));

    // A refused value shows why, in place of the rows.
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::InputDialogWindow*>(modal);
        QVERIFY(dialog != nullptr);
        QTest::keyClicks(dialog->Field1(), QStringLiteral("0"));
        QVERIFY(!dialog->PreviewRows()->isVisible());
        QCOMPARE(dialog->PreviewRefusal()->text(), QStringLiteral("자리수 입력이 잘못되었습니다."));
        dialog->CancelButton()->click();
    });
    window.Dialog().OnCommand(app::CommandId::PadDigits);

    // Decomposed Hangul made whole: nothing to see, so the row says what changed.
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::InputDialogWindow*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(PreviewNames(dialog).last(), QStringLiteral("\uD55C.txt"));
        dialog->OkButton()->click();  // NFC, the first item
    });
    window.Dialog().OnCommand(app::CommandId::NormalizeNames);
    const QModelIndex repaired = window.Model()->index(3, filelist::ColNewName);
    QCOMPARE(repaired.data(gui::ListModel::kChangeRole).toList().value(2).toInt(), 1);
    QCOMPARE(repaired.data(Qt::ToolTipRole).toString(),
             QStringLiteral("유니코드 정규화만 다릅니다"));
}

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
