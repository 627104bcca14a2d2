#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <thread>
#include <variant>

#include "WindowFixture.h"
#include "app/Commands.h"
#include "app/ConflictTip.h"
#include "platform/Regex.h"
#include "win32ui/HandOver.h"
#include "win32ui/Wide.h"

using namespace morvalent;
using morvalent::testing::U16;
using morvalent::testing::Win32Window;

namespace {

// A data object that offers one HDROP, as the shell's does.
class FileData final : public IDataObject {
  public:
    explicit FileData(std::vector<std::u16string> paths) : paths_(std::move(paths)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!IsEqualIID(id, IID_IUnknown) && !IsEqualIID(id, IID_IDataObject)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = morvalent::testing::MakeDrop(paths_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK
                                                                               : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

  private:
    std::vector<std::u16string> paths_;
};

void Drop(Win32Window& w, const std::vector<std::u16string>& paths) {
    SendMessageW(w.window.Handle(), WM_DROPFILES, WPARAM(morvalent::testing::MakeDrop(paths)), 0);
    w.Pump();
}

std::u16string HeaderText(HWND list, int column) {
    wchar_t buffer[64] = {};
    LVCOLUMNW header{};
    header.mask = LVCF_TEXT | LVCF_FMT;
    header.pszText = buffer;
    header.cchTextMax = int(std::size(buffer));
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
    return win32ui::FromWide(buffer) + (header.fmt & LVCFMT_RIGHT ? u" >" : u"");
}

// Every command in the menus that is enabled now.
// Every command in the menus, or those enabled now.
std::set<app::CommandId> MenuCommands(const Win32Window* enabledIn) {
    std::set<app::CommandId> commands;
    for (const app::MenuInfo& menu : app::MenuBar()) {
        for (const app::MenuEntry& entry : menu.entries) {
            const auto* id = std::get_if<app::CommandId>(&entry);
            if (id == nullptr || *id == app::CommandId::RecentRecipes) continue;
            if (enabledIn == nullptr || enabledIn->MenuEnabled(*id)) {
                commands.insert(*id);
            }
        }
    }
    return commands;
}

}  // namespace

TEST(Win32MainWindow, StartsWithColumnsMenusAndEmptyStatus) {
    Win32Window w;
    const std::u16string headers[] = {u"현재이름",   u"바꿀이름", u"파일위치", u"전체경로",
                                      u"파일크기 >", u"변경시각", u"생성시각"};
    // The folder column takes what the list's width leaves (at least 100).
    RECT list{};
    GetClientRect(w.window.List(), &list);
    const int folder = std::max(w.window.Scale(100), int(list.right) - w.window.Scale(300));
    const int widths[] = {w.window.Scale(150), w.window.Scale(150), folder, 0, 0, 0, 0};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(HeaderText(w.window.List(), column), headers[column]);
        EXPECT_EQ(SendMessageW(w.window.List(), LVM_GETCOLUMNWIDTH, column, 0), widths[column]);
    }
    EXPECT_EQ(w.Status(), u"");
    EXPECT_EQ(GetDlgCtrlID(w.window.StatusLine()), 1007);
    EXPECT_TRUE(GetWindowLongW(w.window.List(), GWL_STYLE) & LVS_OWNERDATA);
    wchar_t title[64] = {};
    HMENU bar = GetMenu(w.window.Handle());
    std::vector<std::u16string> titles;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        GetMenuStringW(bar, UINT(i), title, int(std::size(title)), MF_BYPOSITION);
        titles.push_back(win32ui::FromWide(title));
    }
    EXPECT_EQ(titles, (std::vector<std::u16string>{u"파일(&F)", u"편집(&E)", u"보기(&V)",
                                                   u"기능(&T)", u"버전(&H)"}));
    GetMenuStringW(bar, app::IdNumber(app::CommandId::ApplyRenames), title, int(std::size(title)),
                   MF_BYCOMMAND);
    EXPECT_EQ(win32ui::FromWide(title), u"실제 파일 변경\tCtrl+S");
}

TEST(Win32MainWindow, MenuStatesOnEmptyAndFullList) {
    Win32Window w;
    using app::CommandId;
    const std::set<CommandId> always = {
        CommandId::AddFiles,     CommandId::AddFolders,   CommandId::UndoCommit,
        CommandId::ShowHistory,  CommandId::LoadPathList, CommandId::Exit,
        CommandId::ShowFullPath, CommandId::ShowSize,     CommandId::ShowModified,
        CommandId::ShowCreated,  CommandId::Version};
    EXPECT_EQ(MenuCommands(&w), always);
    EXPECT_FALSE(SendMessageW(w.window.LeftToolbar(), TB_ISBUTTONENABLED,
                              app::IdNumber(app::CommandId::ApplyRenames), 0));

    w.dir.WriteFile("a.txt");
    w.dir.WriteFile("b.txt");
    Drop(w, {w.dir.Join(u"a.txt"), w.dir.Join(u"b.txt")});
    ASSERT_EQ(w.RowCount(), 2);
    std::set<CommandId> full = MenuCommands(nullptr);
    // Without a selection only the row commands that need one stay greyed.
    for (CommandId id : {CommandId::MoveUp, CommandId::MoveDown, CommandId::DirectRename}) {
        full.erase(id);
    }
    // Regular expressions are offered where the build has them.
    if (!platform::Regex::Supported()) full.erase(CommandId::ReplacePattern);
    EXPECT_EQ(MenuCommands(&w), full);
    EXPECT_TRUE(SendMessageW(w.window.LeftToolbar(), TB_ISBUTTONENABLED,
                             app::IdNumber(app::CommandId::ApplyRenames), 0));
    EXPECT_FALSE(SendMessageW(w.window.RightToolbar(), TB_ISBUTTONENABLED,
                              app::IdNumber(app::CommandId::DirectRename), 0));

    // Selecting in the control reaches the rows and the states at once.
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED;
    SendMessageW(w.window.List(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    EXPECT_TRUE(w.window.Dialog().List().IsSelected(1));
    EXPECT_TRUE(w.MenuEnabled(app::CommandId::MoveUp));
    EXPECT_TRUE(SendMessageW(w.window.RightToolbar(), TB_ISBUTTONENABLED,
                             app::IdNumber(app::CommandId::DirectRename), 0));

    w.Command(app::CommandId::ShowSize);
    EXPECT_EQ(GetMenuState(GetMenu(w.window.Handle()), app::IdNumber(app::CommandId::ShowSize),
                           MF_BYCOMMAND) &
                  MF_CHECKED,
              UINT(MF_CHECKED));
    EXPECT_EQ(SendMessageW(w.window.List(), LVM_GETCOLUMNWIDTH, 4, 0), w.window.Scale(80));
}

TEST(Win32MainWindow, DroppedFilesAreGatheredAfterTheDropReturns) {
    Win32Window w;
    w.dir.WriteFile("가.txt");
    w.dir.WriteFile("b.txt");
    SendMessageW(
        w.window.Handle(), WM_DROPFILES,
        WPARAM(morvalent::testing::MakeDrop({w.dir.Join(u"b.txt"), w.dir.Join(u"가.txt")})), 0);
    EXPECT_EQ(w.RowCount(), 0);
    w.Pump();
    ASSERT_EQ(w.RowCount(), 2);
    EXPECT_EQ(w.Text(0, 0), u"b.txt");
    EXPECT_EQ(w.Text(1, 1), u"가.txt");
    EXPECT_EQ(w.Text(1, 2), w.dir.Text());
    EXPECT_EQ(w.Status(), u"2 개");
}

TEST(Win32MainWindow, ADropDuringACommandWaitsForItsEnd) {
    // Drops while the commit's question is open, as the window's modal loop lets it.
    struct DropWhileAsking : morvalent::testing::ScriptedUi {
        std::function<void()> during;
        bool AskOkCancel(const std::u16string& text) override {
            if (during) during();
            return ScriptedUi::AskOkCancel(text);
        }
    };
    morvalent::testing::TempDir dir;
    dir.WriteFile("a.txt");
    dir.WriteFile("b.txt");
    auto fs = platform::MakeNativeFileSystem();
    DropWhileAsking ui;
    win32ui::MainWindow window(GetModuleHandleW(nullptr), *fs, ui);
    window.QueueDrop({dir.Join(u"a.txt")});
    morvalent::testing::Pump(window);
    ASSERT_EQ(window.Dialog().List().Count(), 1u);
    std::size_t rowsDuring = 0;
    ui.during = [&] {
        SendMessageW(window.Handle(), WM_DROPFILES,
                     WPARAM(morvalent::testing::MakeDrop({dir.Join(u"b.txt")})), 0);
        morvalent::testing::Pump(window);
        rowsDuring = window.Dialog().List().Count();
    };
    ui.okCancelAnswers.push_back(false);
    SendMessageW(window.Handle(), WM_COMMAND, app::IdNumber(app::CommandId::ApplyRenames), 0);
    EXPECT_EQ(rowsDuring, 1u);
    morvalent::testing::Pump(window);
    EXPECT_EQ(window.Dialog().List().Count(), 2u);
}

TEST(Win32MainWindow, OleDropAnswersCopyOrLinkNeverMove) {
    Win32Window w;
    w.dir.MakeFolder("folder");
    FileData data({w.dir.Join(u"folder")});
    IDropTarget* target = w.window.Drops();
    struct Case {
        DWORD offered;
        DWORD answer;
    };
    const Case cases[] = {
        {DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {DROPEFFECT_MOVE | DROPEFFECT_COPY, DROPEFFECT_COPY},
        {DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_LINK},
        {DROPEFFECT_MOVE | DROPEFFECT_COPY | DROPEFFECT_LINK, DROPEFFECT_COPY},
    };
    for (const Case& c : cases) {
        DWORD effect = c.offered;
        target->DragEnter(&data, MK_LBUTTON, {0, 0}, &effect);
        EXPECT_EQ(effect, c.answer) << c.offered;
        effect = c.offered;
        target->DragOver(MK_LBUTTON, {0, 0}, &effect);
        EXPECT_EQ(effect, c.answer) << c.offered;
        target->DragLeave();
    }
    DWORD effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    target->DragEnter(&data, MK_LBUTTON, {0, 0}, &effect);
    effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    target->Drop(&data, MK_LBUTTON, {0, 0}, &effect);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_COPY));
    // The folder question comes after the drop call, from the message loop.
    EXPECT_TRUE(w.answers.questions.empty());
    w.answers.yesNoAnswers.push_back(true);
    w.Pump();
    ASSERT_EQ(w.answers.questions.size(), 1u);
    ASSERT_EQ(w.RowCount(), 1);
    EXPECT_EQ(w.Text(0, 0), u"folder");
}

TEST(Win32MainWindow, CommitReportsAndUndoPutsTheNameBack) {
    Win32Window w;
    w.dir.WriteFile("a.txt", "A");
    Drop(w, {w.dir.Join(u"a.txt")});
    w.answers.inputAnswers.push_back({true, u"새_", u"", 0});
    w.Command(app::CommandId::AddPrefix);
    EXPECT_EQ(w.Text(0, 1), u"새_a.txt");
    w.answers.okCancelAnswers.push_back(true);
    w.Command(app::CommandId::ApplyRenames);
    EXPECT_EQ(w.answers.messages.back(), u"파일 이름을 변경하였습니다.");
    EXPECT_TRUE(w.dir.Exists("새_a.txt"));
    EXPECT_EQ(w.Text(0, 0), u"새_a.txt");

    w.answers.okCancelAnswers.push_back(true);
    w.Command(app::CommandId::UndoCommit);
    EXPECT_EQ(w.answers.messages.back(), u"이름 변경을 되돌렸습니다.");
    EXPECT_TRUE(w.dir.Exists("a.txt"));
    EXPECT_EQ(w.Text(0, 0), u"a.txt");
}

TEST(Win32MainWindow, ConflictsAreRedWithTheirReasonAsTip) {
    Win32Window w;
    w.dir.WriteFile("a.txt");
    w.dir.WriteFile("b.txt");
    Drop(w, {w.dir.Join(u"a.txt"), w.dir.Join(u"b.txt")});
    w.answers.inputAnswers.push_back({true, u"b.txt", u"a.txt", 0});
    w.Command(app::CommandId::ReplaceString);  // a.txt -> a.txt, b.txt -> a.txt: both "a.txt"
    ASSERT_EQ(w.Text(1, 1), u"a.txt");

    const auto colourOf = [&](int row, int column) {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.hdr = {w.window.List(), 1000, UINT(NM_CUSTOMDRAW)};
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
        draw.nmcd.dwItemSpec = DWORD_PTR(row);
        draw.iSubItem = column;
        SendMessageW(w.window.Handle(), WM_NOTIFY, 1000, reinterpret_cast<LPARAM>(&draw));
        return draw.clrText;
    };
    EXPECT_EQ(colourOf(0, 1), RGB(0xD0, 0x30, 0x20));
    EXPECT_EQ(colourOf(1, 1), RGB(0xD0, 0x30, 0x20));
    EXPECT_EQ(colourOf(0, 0), GetSysColor(COLOR_WINDOWTEXT));

    wchar_t text[256] = {};
    NMLVGETINFOTIPW tip{};
    tip.hdr = {w.window.List(), 1000, UINT(LVN_GETINFOTIPW)};
    tip.dwFlags = LVGIT_UNFOLDED;
    tip.pszText = text;
    tip.cchTextMax = int(std::size(text));
    tip.iItem = 1;
    SendMessageW(w.window.Handle(), WM_NOTIFY, 1000, reinterpret_cast<LPARAM>(&tip));
    EXPECT_NE(win32ui::FromWide(text), u"");
    EXPECT_EQ(win32ui::FromWide(text), app::ConflictTip(commit::Conflict::Duplicate));

    // F8: the next marked row after the focused one is selected.
    w.window.Dialog().List().SetFocusedRow(0);
    MSG f8{w.window.List(), WM_KEYDOWN, VK_F8, 1, 0, {}};
    EXPECT_TRUE(w.window.PreTranslateMessage(f8));
    EXPECT_EQ(w.window.Dialog().List().FocusedRow(), std::optional<std::size_t>(1));
    EXPECT_EQ(SendMessageW(w.window.List(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 1);
}

TEST(Win32MainWindow, AMillionRowsCostNoControlItems) {
    Win32Window w;
    filelist::FileList& list = w.window.Dialog().List();
    {
        filelist::FileList::Batch batch(list);
        list.Reserve(1'000'000);
        for (int i = 0; i < 1'000'000; ++i) {
            filelist::FileEntry entry;
            entry.path = w.dir.Join(U16("f" + std::to_string(i) + ".txt"));
            list.InsertEntryRow(std::move(entry));
        }
    }
    ASSERT_EQ(w.RowCount(), 1'000'000);
    EXPECT_EQ(w.Text(999'999, 0), u"f999999.txt");
    SendMessageW(w.window.List(), LVM_ENSUREVISIBLE, 999'999, FALSE);
    EXPECT_EQ(w.Text(999'999, 1), u"f999999.txt");
}

TEST(Win32MainWindow, CommonControlsSixComeFromWinSxS) {
    Win32Window w;
    HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(controls, path, MAX_PATH);
    std::wstring lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::towlower);
    EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos)
        << "loaded from " << morvalent::testing::U8(win32ui::FromWide(path));
    // The side-by-side folder of version 6, which only the manifest asks for.
    EXPECT_NE(lower.find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos);
}

TEST(Win32MainWindow, LaterStartsHandTheirPathsOverAsOneBatch) {
    Win32Window w;
    w.dir.MakeFolder("one");
    w.dir.MakeFolder("two");
    bool handed[2] = {};
    // Two starts, one per item, as Explorer makes them: one folder question.
    std::thread starts([&] {
        handed[0] = win32ui::HandOverToOpenWindow({w.dir.Join(u"one")});
        handed[1] = win32ui::HandOverToOpenWindow({w.dir.Join(u"two")});
    });
    w.answers.yesNoAnswers.push_back(true);
    EXPECT_TRUE(w.PumpUntil([&] { return w.RowCount() == 2; }));
    starts.join();
    EXPECT_TRUE(handed[0] && handed[1]);
    EXPECT_EQ(w.answers.questions.size(), 1u);
    EXPECT_EQ(w.Text(0, 0), u"one");
    EXPECT_EQ(w.Text(1, 0), u"two");
}

TEST(Win32MainWindow, ASecondStartOfTheProgramHandsItsPathsOverAndEnds) {
    Win32Window w;
    w.dir.WriteFile("a.txt");
    w.dir.WriteFile("b.txt");
    std::wstring line = L"\"" MORVALENT_PROGRAM "\" a.txt b.txt";
    std::wstring folder(win32ui::Wide(w.dir.Text()));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &started));
    CloseHandle(started.hThread);
    // The program waits for the window to take the paths, so the window is pumped.
    EXPECT_TRUE(
        w.PumpUntil([&] { return WaitForSingleObject(started.hProcess, 0) == WAIT_OBJECT_0; }));
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hProcess);
    EXPECT_EQ(status, 0u);
    EXPECT_TRUE(w.PumpUntil([&] { return w.RowCount() == 2; }));
    EXPECT_EQ(w.Text(0, 0), u"a.txt");
    EXPECT_EQ(w.Text(1, 2), w.dir.Text());
}

TEST(Win32MainWindow, HandOverDataOtherThanPathsIsRefused) {
    const std::vector<std::u16string> paths = {u"C:\\가", u"D:\\b c"};
    std::vector<wchar_t> data = win32ui::EncodePaths(paths);
    COPYDATASTRUCT message{win32ui::kHandOverTag, DWORD(data.size() * sizeof(wchar_t)),
                           data.data()};
    EXPECT_EQ(win32ui::DecodePaths(message), paths);
    message.dwData = 1;
    EXPECT_EQ(win32ui::DecodePaths(message), std::nullopt);
    message.dwData = win32ui::kHandOverTag;
    message.cbData -= sizeof(wchar_t);  // the last path without its end
    EXPECT_EQ(win32ui::DecodePaths(message), std::nullopt);
}

TEST(Win32MainWindow, CtrlChordsActOnReleaseAndEscapeCloses) {
    Win32Window w;
    w.dir.WriteFile("a.txt");
    Drop(w, {w.dir.Join(u"a.txt")});
    ShowWindow(w.window.Handle(), SW_SHOW);
    SetForegroundWindow(w.window.Handle());
    SetFocus(w.window.List());
    const auto send = [](WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof input);
    };
    send(VK_RETURN, false);
    send(VK_RETURN, true);
    send(VK_CONTROL, false);
    send('L', false);
    bool pressed = false;
    ASSERT_TRUE(w.PumpUntil([&] { return (pressed = GetKeyState('L') < 0); }));
    EXPECT_EQ(w.RowCount(), 1) << "Ctrl+L acted on its press";
    send('L', true);
    send(VK_CONTROL, true);
    EXPECT_TRUE(w.PumpUntil([&] { return w.RowCount() == 0; }));
    EXPECT_TRUE(IsWindow(w.window.Handle()));
    send(VK_ESCAPE, false);
    send(VK_ESCAPE, true);
    EXPECT_TRUE(w.PumpUntil([&] { return w.window.Handle() == nullptr; }));
}
