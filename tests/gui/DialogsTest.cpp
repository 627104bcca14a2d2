#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "gui/FolderBrowserWindow.h"
#include "gui/InputDialogWindow.h"
#include "gui/QtText.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

using namespace morvalent;

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void showAndHideRules_data();
    void showAndHideRules();
    void listOnlyLayout();
    void longDescriptionWraps();
    void okReadsTextsAndChoice();
    void enterIsOkEscapeIsCancel();
    void folderBrowserShowsAndReturnsTheFolder();
    void shortenForStatus();
    void screenshots();

  private:
    testing::ScriptedUi ui;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
};

void DialogsTest::showAndHideRules_data() {
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<bool>("field1Shown");
    QTest::addColumn<bool>("field2Shown");
    QTest::addColumn<QString>("focused");
    QTest::newRow("both") << "찾을 문자"
                          << "바꿀 문자" << true << true << "field1";
    QTest::newRow("only label 1") << "앞이름"
                                  << "" << true << false << "field1";
    QTest::newRow("only label 2") << ""
                                  << "끝" << false << true << "field2";
}

void DialogsTest::showAndHideRules() {
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(bool, field1Shown);
    QFETCH(bool, field2Shown);
    QFETCH(QString, focused);
    app::InputDialog dialog(ui);
    dialog.SetPrompts(u"설명", gui::ToU16(label1), gui::ToU16(label2));
    dialog.SetTexts(u"old text", u"");
    gui::InputDialogWindow window(dialog);
    const QRect field2Place = window.Field2()->geometry();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("입력창"));
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(window.Description()->text(), QStringLiteral("설명"));
    QCOMPARE(window.Field1()->isVisible(), field1Shown);
    QCOMPARE(window.Label1()->isVisible(), field1Shown);
    QCOMPARE(window.Field2()->isVisible(), field2Shown);
    QCOMPARE(window.Label2()->isVisible(), field2Shown);
    QCOMPARE(window.Field2()->geometry(), field2Place);  // a hidden field 1 moves nothing
    QVERIFY(!window.Choices()->isVisible());
    // Labels sit right of their fields.
    QVERIFY(window.Label1()->geometry().left() >= window.Field1()->geometry().right());
    QWidget* expected = focused == QLatin1String("field1") ? static_cast<QWidget*>(window.Field1())
                                                           : static_cast<QWidget*>(window.Field2());
    QCOMPARE(QApplication::focusWidget(), expected);
    if (focused == QLatin1String("field1"))
        QCOMPARE(window.Field1()->selectedText(), QStringLiteral("old text"));
}

void DialogsTest::listOnlyLayout() {
    app::InputDialog dialog(ui);
    dialog.SetPrompts(u"정렬 기준 설정", u"", u"");
    dialog.choices = {u"하나", u"둘", u"셋"};
    gui::InputDialogWindow window(dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.Choices()->isVisible());
    QCOMPARE(window.Choices()->geometry().topLeft(), QPoint(20, 40));
    QCOMPARE(window.Choices()->width(), 300);
    QCOMPARE(window.Choices()->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.Choices()));
    QVERIFY(!window.Field1()->isVisible());
    QVERIFY(!window.Field2()->isVisible());
}

void DialogsTest::longDescriptionWraps() {
    app::InputDialog dialog(ui);
    const char16_t description[] =
        u"파일 속 정보로 이름을 만듭니다. ({artist} {title} {track} {camera} "
        u"{taken:YYYY-MM-DD} {recorded:YYYY-MM-DD} {duration} 등)";
    dialog.SetPrompts(description, u"형식", u"");
    gui::InputDialogWindow window(dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.Description()->text(), gui::ToQString(description));
    QVERIFY(window.Description()->height() >= 3 * window.fontMetrics().height());
    QVERIFY(window.Description()->geometry().bottom() < window.Field1()->geometry().top());
    QVERIFY(window.Field1()->geometry().bottom() < window.height());
}

void DialogsTest::okReadsTextsAndChoice() {
    struct Case {
        std::vector<std::u16string> choices;
        int expectedChoice;
    };
    for (const Case& c : {Case{{}, -1}, Case{{u"a", u"b"}, 1}}) {
        app::InputDialog dialog(ui);
        dialog.SetPrompts(u"d", u"1", u"2");
        dialog.SetTexts(u"old", u"");
        dialog.choices = c.choices;
        gui::InputDialogWindow window(dialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The initial text is selected, so typing replaces it.
        QTest::keyClicks(window.Field1(), QStringLiteral("new name"));
        window.Field2()->setText(QStringLiteral("  둘  "));
        if (!c.choices.empty()) window.Choices()->setCurrentIndex(1);
        window.OkButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.text1, std::u16string(u"new name"));
        QCOMPARE(dialog.text2, std::u16string(u"  둘  "));  // nothing trimmed
        QCOMPARE(dialog.choice, c.expectedChoice);
    }
}

void DialogsTest::enterIsOkEscapeIsCancel() {
    app::InputDialog dialog(ui);
    dialog.SetPrompts(u"d", u"1", u"");
    {
        gui::InputDialogWindow window(dialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Field1()->setText(QStringLiteral("x"));
        QTest::keyClick(window.Field1(), Qt::Key_Return);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.text1, std::u16string(u"x"));
    }
    {
        gui::InputDialogWindow window(dialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(window.Field1(), Qt::Key_Escape);
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }
}

void DialogsTest::folderBrowserShowsAndReturnsTheFolder() {
    testing::TempDir dir;
    dir.MakeFolder("target");
    app::FolderBrowser browser(ui, u"경로 선택");
    gui::FolderBrowserWindow window(browser, *fs);
    QCOMPARE(window.windowTitle(), QStringLiteral("경로 선택"));
    QVERIFY(window.SelectFolder(dir.Join(u"target")));
    QVERIFY(window.OkButton()->isEnabled());
    QCOMPARE(browser.chosenPath, dir.Join(u"target"));
    QCOMPARE(window.Status()->text(),
             gui::ToQString(app::FolderBrowser::ShortenForStatus(dir.Join(u"target"))));
}

void DialogsTest::shortenForStatus() {
    const std::u16string p35(35, u'a');
    QCOMPARE(app::FolderBrowser::ShortenForStatus(p35), p35);
    QCOMPARE(app::FolderBrowser::ShortenForStatus(p35 + u"b"), p35 + u"...");
}

void DialogsTest::screenshots() {
    // Pictures to look at: MORVALENT_SCREENSHOT_DIR=folder
    const QString folder = QString::fromLocal8Bit(qgetenv("MORVALENT_SCREENSHOT_DIR"));
    if (folder.isEmpty()) QSKIP("MORVALENT_SCREENSHOT_DIR not set");
    app::InputDialog fields(ui);
    fields.SetPrompts(u"바꿀 문자열을 입력하세요", u"찾을 문자", u"바꿀 문자");
    fields.choices = {u"앞에서부터", u"뒤에서부터"};
    gui::InputDialogWindow a(fields);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QVERIFY(a.grab().save(folder + QStringLiteral("/input-fields.png")));
    app::InputDialog list(ui);
    list.SetPrompts(u"정렬 기준 설정", u"", u"");
    list.choices = {u"이름 오름차순", u"이름 내림차순"};
    gui::InputDialogWindow b(list);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QVERIFY(b.grab().save(folder + QStringLiteral("/input-list.png")));
    app::FolderBrowser browser(ui, u"경로 선택");
    gui::FolderBrowserWindow c(browser, *fs);
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    QVERIFY(c.SelectFolder(u"/usr/share"));
    QVERIFY(c.grab().save(folder + QStringLiteral("/folder-browser.png")));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
