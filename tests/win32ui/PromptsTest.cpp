#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogAnswer.h"
#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "support/TempDir.h"
#include "win32ui/DialogIds.h"
#include "win32ui/DialogSupport.h"
#include "win32ui/Wide.h"
#include "win32ui/Win32Prompts.h"

namespace morvalent::win32ui {
namespace {

using testing::DialogAnswer;
using testing::PressButton;
using testing::Shown;
using testing::TextOf;
using testing::TypeInto;

// The text control of a message box.
constexpr int kMessageBoxText = 0xFFFF;

POINT CentreOf(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// Where a control is, in the dialog's client pixels.
RECT PlaceOf(HWND dialog, int id) {
    RECT place{};
    GetWindowRect(GetDlgItem(dialog, id), &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

struct PromptsTest : ::testing::Test {
    void TearDown() override { DestroyWindow(owner); }
    void ExpectCentredOnOwner(HWND dialog) const {
        const POINT box = CentreOf(dialog);
        const POINT around = CentreOf(owner);
        EXPECT_NEAR(box.x, around.x, 1);
        EXPECT_NEAR(box.y, around.y, 1);
    }

    HWND owner = testing::MakeOwnerWindow();
    Win32Prompts prompts{GetModuleHandleW(nullptr), [this] { return owner; }};
};

TEST_F(PromptsTest, InputDialogHandsBackWhatTheUserTypedAndChose) {
    ASSERT_NE(owner, nullptr);
    app::InputDialog dialog(prompts);
    dialog.SetPrompts(u"바꿀 문자열을 입력하세요", u"찾을 문자", u"바꿀 문자");
    dialog.choices = {u"앞에서", u"뒤에서", u"모두"};
    DialogAnswer answer([&](HWND window) {
        EXPECT_EQ(WindowText(window), u"입력창");
        EXPECT_EQ(TextOf(window, IDC_INPUT_DESCRIPTION), u"바꿀 문자열을 입력하세요");
        EXPECT_EQ(TextOf(window, IDC_INPUT_LABEL1), u"찾을 문자");
        EXPECT_EQ(TextOf(window, IDC_INPUT_LABEL2), u"바꿀 문자");
        EXPECT_EQ(SendDlgItemMessageW(window, IDC_INPUT_CHOICES, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(SendDlgItemMessageW(window, IDC_INPUT_CHOICES, CB_GETCURSEL, 0, 0), 0);
        ExpectCentredOnOwner(window);
        TypeInto(window, IDC_INPUT_TEXT1, u"R&D");
        TypeInto(window, IDC_INPUT_TEXT2, u"연구");
        SendDlgItemMessageW(window, IDC_INPUT_CHOICES, CB_SETCURSEL, 2, 0);
        PressButton(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), app::DialogResult::Ok);
    EXPECT_EQ(dialog.text1, u"R&D");
    EXPECT_EQ(dialog.text2, u"연구");
    EXPECT_EQ(dialog.choice, 2);
}

struct FieldRulesRow {
    const char* name;
    std::u16string label1;
    std::u16string label2;
    std::vector<std::u16string> choices;
    bool field1Shown;
    bool field2Shown;
    bool listShown;
    int focused;
    int choiceAfterOk;
};

TEST_F(PromptsTest, FieldsAndListShowAsTheirLabelsAndChoicesSay) {
    ASSERT_NE(owner, nullptr);
    const FieldRulesRow rows[] = {
        {"only label 1", u"붙일 문자", u"", {}, true, false, false, IDC_INPUT_TEXT1, -1},
        {"only label 2", u"", u"자릿수", {}, false, true, false, IDC_INPUT_TEXT2, -1},
        {"label 2 and a list", u"", u"위치", {u"앞", u"뒤"}, false, true, true, IDC_INPUT_TEXT2, 0},
        {"the list alone",
         u"",
         u"",
         {u"이름", u"경로", u"크기"},
         false,
         false,
         true,
         IDC_INPUT_CHOICES,
         0},
    };
    for (const FieldRulesRow& row : rows) {
        SCOPED_TRACE(row.name);
        app::InputDialog dialog(prompts);
        dialog.SetPrompts(u"설명", row.label1, row.label2);
        dialog.choices = row.choices;
        DialogAnswer answer([&](HWND window) {
            EXPECT_EQ(Shown(window, IDC_INPUT_TEXT1), row.field1Shown);
            EXPECT_EQ(Shown(window, IDC_INPUT_LABEL1), row.field1Shown);
            EXPECT_EQ(Shown(window, IDC_INPUT_TEXT2), row.field2Shown);
            EXPECT_EQ(Shown(window, IDC_INPUT_LABEL2), row.field2Shown);
            EXPECT_EQ(Shown(window, IDC_INPUT_CHOICES), row.listShown);
            EXPECT_EQ(GetFocus(), GetDlgItem(window, row.focused));
            // A hidden field 1 leaves field 2 in its own row.
            RECT field2{5, 41, 141, 55};
            MapDialogRect(window, &field2);
            EXPECT_EQ(PlaceOf(window, IDC_INPUT_TEXT2).top, field2.top);
            if (row.label1.empty() && row.label2.empty()) {
                const RECT list = PlaceOf(window, IDC_INPUT_CHOICES);
                EXPECT_EQ(list.left, MulDiv(20, GetDpiForWindow(window), 96));
                EXPECT_EQ(list.top, MulDiv(40, GetDpiForWindow(window), 96));
                EXPECT_EQ(list.right - list.left, MulDiv(300, GetDpiForWindow(window), 96));
                RECT client{};
                GetClientRect(window, &client);
                EXPECT_GE(client.right, list.right);
            }
            PressButton(window, IDOK);
        });
        ASSERT_EQ(dialog.DoModal(), app::DialogResult::Ok);
        EXPECT_EQ(dialog.choice, row.choiceAfterOk);
    }
}

TEST_F(PromptsTest, LongDescriptionWrapsAndPushesTheFieldsDown) {
    ASSERT_NE(owner, nullptr);
    app::InputDialog dialog(prompts);
    dialog.SetPrompts(
        u"파일 속 정보로 이름을 만듭니다. ({artist} {title} {track} {camera} "
        u"{taken:YYYY-MM-DD} {recorded:YYYY-MM-DD} {duration} 등)",
        u"형식", u"");
    DialogAnswer answer([&](HWND window) {
        const RECT description = PlaceOf(window, IDC_INPUT_DESCRIPTION);
        RECT oneLine{6, 8, 168, 16};
        MapDialogRect(window, &oneLine);
        EXPECT_GE(description.bottom - description.top, 3 * (oneLine.bottom - oneLine.top));
        EXPECT_LE(description.bottom, PlaceOf(window, IDC_INPUT_TEXT1).top);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_LE(PlaceOf(window, IDOK).bottom, client.bottom);
        PressButton(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), app::DialogResult::Cancel);
}

TEST_F(PromptsTest, GivenTextIsSelectedAndEnterAcceptsEscCancels) {
    ASSERT_NE(owner, nullptr);
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        app::InputDialog dialog(prompts);
        dialog.SetPrompts(u"새 이름", u"이름", u"");
        dialog.SetTexts(u"사진.jpg", u"");
        DialogAnswer answer([&](HWND window) {
            DWORD start = 1, end = 0;
            SendDlgItemMessageW(window, IDC_INPUT_TEXT1, EM_GETSEL, WPARAM(&start), LPARAM(&end));
            EXPECT_EQ(start, 0u);
            EXPECT_EQ(end, 6u);
            TypeInto(window, IDC_INPUT_TEXT1, u"그림.jpg");
            PostMessageW(GetDlgItem(window, IDC_INPUT_TEXT1), WM_KEYDOWN, key, 0);
        });
        const bool ok = key == VK_RETURN;
        EXPECT_EQ(dialog.DoModal(), ok ? app::DialogResult::Ok : app::DialogResult::Cancel);
        EXPECT_EQ(dialog.text1, ok ? u"그림.jpg" : u"사진.jpg");
    }
}

TEST_F(PromptsTest, MessageHasTheProgramsCaptionOverItsWindow) {
    ASSERT_NE(owner, nullptr);
    DialogAnswer answer([&](HWND box) {
        EXPECT_EQ(WindowText(box), u"Morvalent");
        EXPECT_EQ(TextOf(box, kMessageBoxText), u"파일 이름을 변경하였습니다.");
        EXPECT_EQ(GetDlgItem(box, IDC_REPORT_TEXT), nullptr);
        ExpectCentredOnOwner(box);
        PressButton(box, IDOK);
    });
    prompts.ShowMessage(u"파일 이름을 변경하였습니다.");
}

TEST_F(PromptsTest, QuestionsAnswerAsTheButtonPressed) {
    ASSERT_NE(owner, nullptr);
    for (const int button : {IDYES, IDNO}) {
        DialogAnswer answer([&](HWND box) {
            EXPECT_EQ(WindowText(box), u"확인");
            PressButton(box, button);
        });
        EXPECT_EQ(prompts.AskYesNo(u"폴더를 추가할까요?", u"확인"), button == IDYES);
    }
    for (const int button : {IDOK, IDCANCEL}) {
        DialogAnswer answer([&](HWND box) { PressButton(box, button); });
        EXPECT_EQ(prompts.AskOkCancel(u"이름을 바꿀까요?"), button == IDOK);
    }
}

TEST_F(PromptsTest, LongReportOpensScrollableInsideTheScreen) {
    ASSERT_NE(owner, nullptr);
    std::u16string text = u"다음 파일의 이름을 바꾸지 못했습니다.";
    std::u16string shown = text;
    for (int i = 0; i < 40; ++i) {
        const std::u16string line = u"C:\\사진\\" + std::u16string(60, u'가') + u".jpg";
        text += u"\n" + line;
        shown += u"\r\n" + line;
    }
    DialogAnswer answer([&](HWND box) {
        EXPECT_EQ(WindowText(box), u"결과");
        EXPECT_EQ(TextOf(box, IDC_REPORT_HEADING), u"다음 파일의 이름을 바꾸지 못했습니다.");
        EXPECT_EQ(TextOf(box, IDC_REPORT_TEXT), shown);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &monitor);
        RECT place{};
        GetWindowRect(box, &place);
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &place, &monitor.rcWork));
        EXPECT_TRUE(EqualRect(&inside, &place)) << "the box reaches beyond the screen";
        PressButton(box, IDOK);
    });
    prompts.ShowMessage(text, u"결과");
}

TEST_F(PromptsTest, FolderBrowserOpensWhereTheProgramSays) {
    ASSERT_NE(owner, nullptr);
    // The shell's own controls of its folder browser.
    constexpr int kBrowserTitle = 0x3742;
    constexpr int kBrowserStatus = 0x3743;
    const std::u16string start = u"C:\\windows\\system32";
    app::FolderBrowser browser(prompts, u"경로 선택");
    browser.openAt = start;
    DialogAnswer answer([&](HWND window) {
        EXPECT_EQ(TextOf(window, kBrowserTitle), u"경로 선택");
        EXPECT_EQ(TextOf(window, kBrowserStatus), app::FolderBrowser::ShortenForStatus(start));
        ExpectCentredOnOwner(window);
        PressButton(window, IDOK);
    });
    ASSERT_EQ(browser.Browse(), app::DialogResult::Ok);
    EXPECT_EQ(browser.GetPath(), start);
}

TEST_F(PromptsTest, SaveDialogGivesTheTypedNameWithItsExtension) {
    ASSERT_NE(owner, nullptr);
    testing::TempDir dir;
    const std::u16string typed = dir.Join(u"새 목록");
    DialogAnswer answer([&](HWND window) {
        EXPECT_EQ(WindowText(window), u"새 이름 저장");
        // The name field is the dialog's only edit control.
        HWND name = FindWindowExW(window, nullptr, L"Edit", nullptr);
        for (HWND child = GetWindow(window, GW_CHILD); name == nullptr && child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            name = FindWindowExW(child, nullptr, L"Edit", nullptr);
        }
        ASSERT_NE(name, nullptr);
        SetWindowTextW(name, Wide(typed));
        PressButton(window, IDOK);
    });
    app::FileDialogRequest request;
    request.mode = app::FileDialogRequest::Mode::Save;
    request.title = u"새 이름 저장";
    request.filters = {{u"Text Files(*.txt)", u"*.txt"}};
    request.defaultExtension = u"txt";
    EXPECT_EQ(prompts.ChooseFiles(request), std::vector<std::u16string>{typed + u".txt"});
}

TEST_F(PromptsTest, ClipboardHoldsTheTextGiven) {
    const std::u16string text = u"가.txt\r\n나 다.txt\r\n";
    prompts.SetClipboardText(text);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* held = static_cast<const wchar_t*>(data != nullptr ? GlobalLock(data) : nullptr);
    EXPECT_EQ(held != nullptr ? FromWide(held) : u"(none)", text);
    if (held != nullptr) GlobalUnlock(data);
    CloseClipboard();
}

}  // namespace
}  // namespace morvalent::win32ui
