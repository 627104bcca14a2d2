#include "win32ui/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

#include "ToolbarImages.h"
#include "app/Commands.h"
#include "app/ConflictTip.h"
#include "app/Texts.h"
#include "app/WindowState.h"
#include "platform/FileTime.h"
#include "win32ui/DropTarget.h"
#include "win32ui/HandOver.h"
#include "win32ui/Resource.h"
#include "win32ui/Wide.h"

namespace morvalent::win32ui {
namespace {

// Sizes in pixels at 96 dpi, scaled for the window's monitor.
constexpr int kToolbarWidth = 44;
constexpr int kStatusHeight = 18;
constexpr int kBottomBand = 20;  // the status line and a 2-pixel gap above it
constexpr int kButtonWidth = 38;
constexpr int kButtonHeight = 24;
constexpr int kButtonPadding = 6;
constexpr int kStartWidth = 640;
constexpr int kStartHeight = 520;

constexpr UINT kGatherMessage = WM_APP + 1;
constexpr UINT_PTR kArrivalTimer = 1;
// Explorer starts the program once per chosen item: arrivals this close together
// are one batch, so the folder question is asked once.
constexpr UINT kArrivalQuietMs = 300;

// Readable on light and dark list backgrounds alike.
constexpr COLORREF kConflictColour = RGB(0xD0, 0x30, 0x20);

app::Key KeyOf(WPARAM key) {
    switch (key) {
        case VK_DELETE:
            return app::Key::Delete;
        case VK_ESCAPE:
            return app::Key::Escape;
        case VK_F8:
            return app::Key::F8;
        case VK_OEM_COMMA:
            return app::Key::Comma;
        case VK_OEM_PERIOD:
            return app::Key::Period;
        case 'O':
            return app::Key::O;
        case 'S':
            return app::Key::S;
        case 'Z':
            return app::Key::Z;
        case 'L':
            return app::Key::L;
        case 'A':
            return app::Key::A;
        case 'C':
            return app::Key::C;
        case 'X':
            return app::Key::X;
        case 'V':
            return app::Key::V;
        default:
            return app::Key::Other;
    }
}

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// A menu item's text: the caption, and its key after a tab.
std::wstring MenuText(const app::CommandInfo& command) {
    std::wstring text = Wide(command.caption);
    if (command.chord.label[0] != u'\0') text += L'\t' + std::wstring(Wide(command.chord.label));
    return text;
}

// A path shown in a menu: '&' is a letter there, not a mnemonic.
std::wstring MenuEscaped(const std::u16string& text) {
    std::wstring escaped;
    for (char16_t c : text) {
        if (c == u'&') escaped += L'&';
        escaped += wchar_t(c);
    }
    return escaped;
}

std::wstring TooltipText(const char16_t* caption) {
    std::wstring text = Wide(caption);
    if (const auto at = text.find(L"(&"); at != std::wstring::npos) text.erase(at, 4);
    return text;
}

int ToolbarImageIndex(const char16_t* icon) {
    const std::u16string_view name(icon);
    for (int i = 0; i < int(std::size(kToolbarImageNames)); ++i) {
        if (name == kToolbarImageNames[i]) return i;
    }
    return I_IMAGENONE;
}

void CopyText(std::wstring_view text, wchar_t* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    const std::size_t count = std::min(text.size(), std::size_t(size - 1));
    std::copy_n(text.data(), count, buffer);
    buffer[count] = L'\0';
}

ATOM RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kMainWindowClass, &windowClass)) return 1;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MORVALENT));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&windowClass);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, platform::FileSystem& fs, app::UserPrompts& prompts,
                       commit::History* history)
    : instance_(instance) {
    dialog_ = std::make_unique<app::MainDialog>(prompts, *this, fs, icons_);
    dialog_->SetHistory(history);
    dialog_->List().SetObserver(this);
    columnWidths_ = app::kStartColumnWidths;
    if (RegisterWindowClass(instance, &MainWindow::WindowProc) == 0) {
        throw std::runtime_error("RegisterClassExW failed: " + std::to_string(GetLastError()));
    }
    dpi_ = GetDpiForSystem();
    // WS_EX_ACCEPTFILES: shells that drop without OLE send WM_DROPFILES.
    window_ = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, kMainWindowClass,
                              Wide(app::texts::kTitle), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, Scale(kStartWidth), Scale(kStartHeight),
                              nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("CreateWindowExW failed: " + std::to_string(GetLastError()));
    }
    dpi_ = GetDpiForWindow(window_);
    BuildMenu();
    BuildToolbars();
    BuildList();
    status_ = CreateWindowExW(
        0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, 0, 0, 0,
        0, window_, reinterpret_cast<HMENU>(IDC_STATUS_LINE), instance, nullptr);
    ApplyFonts();
    ApplyIcons();
    auto* target =
        new DropTarget([this](std::vector<std::u16string> paths) { QueueDrop(std::move(paths)); });
    dropTarget_ = target;
    // Without OLE (a caller that did not initialise it) WM_DROPFILES still works.
    RegisterDragDrop(window_, dropTarget_);
    dialog_->OnInitDialog();
    LayoutControls();
}

MainWindow::~MainWindow() {
    dialog_->List().SetObserver(nullptr);
    if (window_ != nullptr) {
        closing_ = true;
        DestroyWindow(window_);
    }
    if (dropTarget_ != nullptr) dropTarget_->Release();
    if (toolbarImages_ != nullptr) ImageList_Destroy(toolbarImages_);
    if (font_ != nullptr) DeleteObject(font_);
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

IDropTarget* MainWindow::Drops() const { return dropTarget_; }

// ---- building -------------------------------------------------------------------------------

void MainWindow::BuildMenu() {
    menu_ = CreateMenu();
    for (const app::MenuInfo& menuInfo : app::MenuBar()) {
        if (menuInfo.caption[0] == u'\0') {
            // Commands directly on the bar.
            for (const app::MenuEntry& entry : menuInfo.entries) {
                if (const auto* id = std::get_if<app::CommandId>(&entry)) {
                    AppendMenuW(menu_, MF_STRING, UINT_PTR(app::IdNumber(*id)),
                                MenuText(*app::FindCommand(*id)).c_str());
                }
            }
            continue;
        }
        HMENU popup = CreatePopupMenu();
        for (const app::MenuEntry& entry : menuInfo.entries) {
            const auto* id = std::get_if<app::CommandId>(&entry);
            if (id == nullptr) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const app::CommandInfo& command = *app::FindCommand(*id);
            if (!app::SubmenuItems(*id).empty()) {
                recentMenu_ = CreatePopupMenu();
                MENUITEMINFOW item{};
                item.cbSize = sizeof item;
                item.fMask = MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
                item.wID = UINT(app::IdNumber(*id));
                item.hSubMenu = recentMenu_;
                std::wstring text = MenuText(command);
                item.dwTypeData = text.data();
                InsertMenuItemW(popup, UINT(GetMenuItemCount(popup)), TRUE, &item);
                continue;
            }
            AppendMenuW(popup, MF_STRING, UINT_PTR(app::IdNumber(*id)), MenuText(command).c_str());
        }
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(menuInfo.caption));
    }
    SetMenu(window_, menu_);
}

void MainWindow::RebuildRecentRecipes() {
    if (recentMenu_ == nullptr) return;
    while (GetMenuItemCount(recentMenu_) > 0) DeleteMenu(recentMenu_, 0, MF_BYPOSITION);
    for (app::CommandId id : app::SubmenuItems(app::CommandId::RecentRecipes)) {
        auto text = recentTexts_.find(id);
        if (text == recentTexts_.end() || text->second.empty()) continue;
        const bool on = enabled_.count(id) == 0 || enabled_[id];
        AppendMenuW(recentMenu_, MF_STRING | (on ? MF_ENABLED : MF_GRAYED),
                    UINT_PTR(app::IdNumber(id)), text->second.c_str());
    }
}

void MainWindow::BuildToolbars() {
    const std::span<const app::MenuEntry> bars[] = {app::LeftToolbar(), app::RightToolbar()};
    for (std::size_t bar = 0; bar < 2; ++bar) {
        HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                       WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                           TBSTYLE_WRAPABLE | CCS_VERT | CCS_NORESIZE |
                                           CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                       0, 0, 0, 0, window_, nullptr, instance_, nullptr);
        SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        std::vector<TBBUTTON> buttons;
        for (const app::MenuEntry& entry : bars[bar]) {
            TBBUTTON button{};
            button.fsState = TBSTATE_ENABLED | TBSTATE_WRAP;
            if (const auto* id = std::get_if<app::CommandId>(&entry)) {
                button.idCommand = app::IdNumber(*id);
                button.iBitmap = ToolbarImageIndex(app::FindCommand(*id)->icon);
                button.fsStyle = BTNS_BUTTON;
            } else {
                button.fsStyle = BTNS_SEP;
            }
            buttons.push_back(button);
        }
        SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(),
                     reinterpret_cast<LPARAM>(buttons.data()));
        toolbars_[bar] = toolbar;
    }
    LoadToolbarImages();
}

void MainWindow::LoadToolbarImages() {
    // The largest strip made for at most this scale; buttons grow with the scale.
    const int percent = Scale(100);
    int chosen = 0;
    for (int i = 0; i < int(std::size(kToolbarScales)); ++i) {
        if (kToolbarScales[i] <= percent) chosen = i;
    }
    const int scale = kToolbarScales[chosen];
    const int resource = IDB_TOOLBAR_100 + chosen;
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HIMAGELIST images = ImageList_Create(kButtonWidth * scale / 100, kButtonHeight * scale / 100,
                                         ILC_COLOR32, int(std::size(kToolbarImageNames)), 0);
    if (bitmap != nullptr) {
        ImageList_Add(images, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    for (HWND toolbar : toolbars_) {
        SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
        SendMessageW(toolbar, TB_SETBUTTONSIZE, 0,
                     MAKELPARAM(Scale(kToolbarWidth - 2), Scale(kButtonHeight + kButtonPadding)));
    }
    if (toolbarImages_ != nullptr) ImageList_Destroy(toolbarImages_);
    toolbarImages_ = images;
}

void MainWindow::BuildList() {
    list_ = CreateWindowExW(
        0, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS |
            LVS_NOSORTHEADER | LVS_OWNERDATA | LVS_SHAREIMAGELISTS,
        0, 0, 0, 0, window_, reinterpret_cast<HMENU>(IDC_FILE_LIST), instance_, nullptr);
    // Info tips carry the conflict reasons; double buffering keeps big lists from flickering.
    const DWORD extended =
        LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    // The system's small icons: the row icon indices are indices into this list.
    SHFILEINFOW info{};
    auto systemIcons = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (systemIcons != nullptr) {
        SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(systemIcons));
    }
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        LVCOLUMNW header{};
        header.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        header.fmt = column == filelist::ColSize ? LVCFMT_RIGHT : LVCFMT_LEFT;
        std::wstring text = Wide(app::texts::kHeaders[column]);
        header.pszText = text.data();
        header.cx = ShownColumnWidth(column, columnWidths_[std::size_t(column)]);
        header.iSubItem = column;
        SendMessageW(list_, LVM_INSERTCOLUMNW, WPARAM(column), reinterpret_cast<LPARAM>(&header));
    }
}

void MainWindow::ApplyFonts() {
    // The system's message font at this monitor's DPI (Segoe UI, Malgun Gothic on
    // Korean Windows); font linking supplies Hangul where the face lacks it.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    HFONT font = nullptr;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_)) {
        font = CreateFontIndirectW(&metrics.lfMessageFont);
    }
    if (font == nullptr) {
        LOGFONTW fallback{};
        fallback.lfHeight = -MulDiv(9, int(dpi_), 72);
        fallback.lfCharSet = DEFAULT_CHARSET;
        wcscpy_s(fallback.lfFaceName, L"MS Shell Dlg 2");
        font = CreateFontIndirectW(&fallback);
    }
    for (HWND control : {list_, status_, toolbars_[0], toolbars_[1]}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (font_ != nullptr) DeleteObject(font_);
    font_ = font;
}

void MainWindow::ApplyIcons() {
    const auto load = [this](int metricX, int metricY) {
        return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_MORVALENT), IMAGE_ICON,
                                             GetSystemMetricsForDpi(metricX, dpi_),
                                             GetSystemMetricsForDpi(metricY, dpi_), 0));
    };
    HICON big = load(SM_CXICON, SM_CYICON);
    HICON small = load(SM_CXSMICON, SM_CYSMICON);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
    bigIcon_ = big;
    smallIcon_ = small;
}

int MainWindow::ShownColumnWidth(int column, int width) const {
    if (width <= 0) return 0;
    int shown = Scale(width);
    if (column == filelist::ColModified || column == filelist::ColCreated) {
        // At least the whole time text in the list's font, with every digit the widest.
        const std::u16string sample = platform::FormatFileTime(0);
        std::wstring widest(sample.size(), L'0');
        for (std::size_t i = 0; i < sample.size(); ++i) {
            if (sample[i] < u'0' || sample[i] > u'9') widest[i] = wchar_t(sample[i]);
        }
        std::replace(widest.begin(), widest.end(), L'0', L'8');
        const int text = int(
            SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(widest.c_str())));
        shown = std::max(shown, text + Scale(14));
    }
    return shown;
}

// ---- layout and messages ----------------------------------------------------------------------

void MainWindow::LayoutControls() {
    if (window_ == nullptr || list_ == nullptr || status_ == nullptr) return;
    RECT client{};
    GetClientRect(window_, &client);
    const int w = client.right;
    const int h = client.bottom;
    const int bar = Scale(kToolbarWidth);
    const int band = Scale(kBottomBand);
    MoveWindow(toolbars_[0], 0, 0, bar, h - band, TRUE);
    MoveWindow(toolbars_[1], w - bar, 0, bar, h - band, TRUE);
    MoveWindow(list_, bar, 0, w - 2 * bar, h - band, TRUE);
    MoveWindow(status_, 0, h - Scale(kStatusHeight), w, Scale(kStatusHeight), TRUE);
    FitColumns();
}

void MainWindow::FitColumns() {
    if (list_ == nullptr || fittingColumns_) return;
    RECT client{};
    GetClientRect(list_, &client);
    std::array<int, filelist::ColumnCount> widths{};
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        if (columnWidths_[std::size_t(column)] > 0)
            widths[std::size_t(column)] = int(SendMessageW(list_, LVM_GETCOLUMNWIDTH, column, 0));
    }
    const auto fitted = app::FittedColumnWidths(widths, client.right, int(dpi_));
    fittingColumns_ = true;
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        const int width = fitted[std::size_t(column)];
        if (width <= 0) continue;
        // As the user left it, for a change of screen.
        columnWidths_[std::size_t(column)] = MulDiv(width, 96, int(dpi_));
        if (width != widths[std::size_t(column)])
            SendMessageW(list_, LVM_SETCOLUMNWIDTH, column, width);
    }
    fittingColumns_ = false;
}

int MainWindow::RestorePlacement(int show) {
    const auto state = dialog_->SavedWindowState();
    if (!state) return show;
    WINDOWPLACEMENT place{};
    place.length = sizeof place;
    if (GetWindowPlacement(window_, &place)) {
        const RECT kept{state->x, state->y, state->x + state->width, state->y + state->height};
        // A place on a screen no longer there keeps its size, not its place.
        if (MonitorFromRect(&kept, MONITOR_DEFAULTTONULL) != nullptr) {
            place.rcNormalPosition = kept;
        } else {
            place.rcNormalPosition.right = place.rcNormalPosition.left + state->width;
            place.rcNormalPosition.bottom = place.rcNormalPosition.top + state->height;
        }
        place.showCmd = SW_HIDE;
        place.flags = 0;
        SetWindowPlacement(window_, &place);
    }
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        if (column != filelist::ColFolder)
            SetColumnWidth(filelist::Column(column), state->widths[std::size_t(column)]);
    }
    LayoutControls();
    const bool plain = show == SW_SHOWNORMAL || show == SW_SHOWDEFAULT || show == SW_SHOW;
    return state->maximised && plain ? SW_SHOWMAXIMIZED : show;
}

void MainWindow::KeepPlacement() {
    if (window_ == nullptr) return;
    WINDOWPLACEMENT place{};
    place.length = sizeof place;
    if (!GetWindowPlacement(window_, &place)) return;
    app::WindowState state;
    // A maximised window keeps the place it returns to.
    state.x = place.rcNormalPosition.left;
    state.y = place.rcNormalPosition.top;
    state.width = place.rcNormalPosition.right - place.rcNormalPosition.left;
    state.height = place.rcNormalPosition.bottom - place.rcNormalPosition.top;
    state.maximised = IsZoomed(window_) != FALSE;
    // Widths at 96 dots per inch, so they come back the same on another screen.
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        const bool shown = columnWidths_[std::size_t(column)] > 0;
        state.widths[std::size_t(column)] =
            shown ? MulDiv(int(SendMessageW(list_, LVM_GETCOLUMNWIDTH, column, 0)), 96, int(dpi_))
                  : 0;
    }
    dialog_->KeepWindowState(state);
}

void MainWindow::OfferSavedList() {
    Dispatch([this] { dialog_->OfferSavedList(); });
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            LayoutControls();
            return 0;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            // The close box, Esc in the menu loop and the exit item all end the same way.
            if (id == IDCANCEL) {
                OnClose();
                return 0;
            }
            if (running_ > 0 || closing_) return 0;
            Dispatch([this, id] { dialog_->OnCommand(app::CommandId(id)); });
            return 0;
        }
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_DROPFILES: {
            auto drop = reinterpret_cast<HDROP>(wParam);
            std::vector<std::u16string> paths = PathsOfDrop(drop);
            DragFinish(drop);
            if (!paths.empty()) QueueDrop(std::move(paths));
            return 0;
        }
        case WM_COPYDATA: {
            bool taken = false;
            OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam), taken);
            return taken ? TRUE : FALSE;
        }
        case WM_TIMER:
            if (wParam == kArrivalTimer) {
                OnArrivalsDue();
                return 0;
            }
            break;
        case kGatherMessage:
            GatherQueuedDrops();
            return 0;
        case WM_SETCURSOR:
            if (busyDepth_ > 0) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_SETFOCUS:
            SetFocus(list_);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The session ends: the process may end without another message.
            if (wParam != FALSE && !closing_) {
                KeepPlacement();
                dialog_->KeepListNow();
            }
            return 0;
        case WM_DESTROY:
            RevokeDragDrop(window_);
            KillTimer(window_, kArrivalTimer);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = list_ = status_ = nullptr;
            toolbars_ = {};
            menu_ = recentMenu_ = nullptr;
            if (onDestroyed) onDestroyed();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT MainWindow::OnNotify(NMHDR& header) {
    if (header.hwndFrom == list_) return OnListNotify(header);
    if (list_ != nullptr && header.hwndFrom == ListView_GetHeader(list_) &&
        (header.code == HDN_ITEMCHANGEDW || header.code == HDN_ITEMCHANGEDA)) {
        // The user widened or narrowed a column: the folder column takes up the rest.
        const auto& change = reinterpret_cast<const NMHEADERW&>(header);
        if (!fittingColumns_ && change.iItem != filelist::ColFolder && change.pitem != nullptr &&
            (change.pitem->mask & HDI_WIDTH)) {
            FitColumns();
        }
        return 0;
    }
    if (header.code == TTN_GETDISPINFOW) {
        // A toolbar button's tip: its command's caption.
        auto& tip = reinterpret_cast<NMTTDISPINFOW&>(header);
        if (const app::CommandInfo* command =
                app::FindCommand(app::CommandId(int(header.idFrom)))) {
            tipText_ = TooltipText(command->caption);
            tip.lpszText = tipText_.data();
        }
        return 0;
    }
    return 0;
}

LRESULT MainWindow::OnListNotify(NMHDR& header) {
    const filelist::FileList& list = dialog_->List();
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
            if (item.iItem < 0 || std::size_t(item.iItem) >= list.Count()) return 0;
            const auto row = std::size_t(item.iItem);
            if (item.mask & LVIF_TEXT) {
                const std::u16string text = list.ColumnText(row, item.iSubItem);
                CopyText(std::wstring_view(Wide(text), text.size()), item.pszText, item.cchTextMax);
            }
            if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) item.iImage = list.At(row).icon;
            return 0;
        }
        case LVN_GETINFOTIPW: {
            auto& tip = reinterpret_cast<NMLVGETINFOTIPW&>(header);
            if (tip.iItem < 0) return 0;
            const auto row = std::size_t(tip.iItem);
            // Why the commit would refuse the row, or why it failed when it ran.
            std::u16string reason(app::ConflictTip(dialog_->Conflicts().At(row)));
            if (reason.empty()) reason = dialog_->FailureTextAt(row);
            if (reason.empty()) return 0;
            // The cut-off text the list put in, if any, then the reason.
            std::wstring text = tip.dwFlags == 0 && tip.pszText != nullptr ? tip.pszText : L"";
            if (!text.empty()) text += L'\n';
            text.append(reinterpret_cast<const wchar_t*>(reason.data()), reason.size());
            CopyText(text, tip.pszText, tip.cchTextMax);
            return 0;
        }
        case NM_CUSTOMDRAW:
            return OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
        case LVN_ITEMCHANGED: {
            auto& change = reinterpret_cast<NMLISTVIEW&>(header);
            if (syncing_ || !(change.uChanged & LVIF_STATE)) return 0;
            filelist::FileList& rows = dialog_->List();
            const bool selected = change.uNewState & LVIS_SELECTED;
            if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) {
                if (change.iItem < 0) {
                    if (!rows.Empty()) dialog_->SelectRowsFromView(0, rows.Count() - 1, selected);
                } else {
                    dialog_->SelectRowsFromView(std::size_t(change.iItem),
                                                std::size_t(change.iItem), selected);
                }
            }
            if ((change.uNewState & LVIS_FOCUSED) && change.iItem >= 0) {
                rows.SetFocusedFromView(std::size_t(change.iItem));
            }
            dialog_->OnSelectionChanged();
            return 0;
        }
        case LVN_ODSTATECHANGED: {
            auto& change = reinterpret_cast<NMLVODSTATECHANGE&>(header);
            if (syncing_ || !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) return 0;
            const bool selected = change.uNewState & LVIS_SELECTED;
            if (change.iTo >= 0)
                dialog_->SelectRowsFromView(std::size_t(std::max(change.iFrom, 0)),
                                            std::size_t(change.iTo), selected);
            dialog_->OnSelectionChanged();
            return 0;
        }
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<NMITEMACTIVATE&>(header);
            if (click.iItem >= 0 && running_ == 0)
                Dispatch([this] { dialog_->OnRowDoubleClicked(); });
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT MainWindow::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const auto row = std::size_t(draw.nmcd.dwItemSpec);
            const bool marked = draw.iSubItem == filelist::ColNewName &&
                                (dialog_->Conflicts().At(row) != commit::Conflict::None ||
                                 dialog_->FailureAt(row) != nullptr);
            // Every cell sets its colour: a changed colour would carry on to the next.
            draw.clrText = marked ? kConflictColour : GetSysColor(COLOR_WINDOWTEXT);
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

// ---- commands, keys, drops ---------------------------------------------------------------------

void MainWindow::HandleMessage(MSG& message) {
    if (PreTranslateMessage(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
    if (window_ == nullptr || closing_) return false;
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    // A key that arrives while a command runs starts nothing.
    if (running_ > 0) return true;
    const bool press = message.message == WM_KEYDOWN;
    if (press && message.wParam == VK_RETURN) {
        dialog_->OnOK();
        return true;
    }
    const app::Key key = KeyOf(message.wParam);
    if (key == app::Key::Other) return false;
    app::KeyMessage keyMessage;
    keyMessage.type = press ? app::KeyMessage::Type::Press : app::KeyMessage::Type::Release;
    keyMessage.key = key;
    keyMessage.ctrl = Held(VK_CONTROL);
    keyMessage.shift = Held(VK_SHIFT);
    keyMessage.autoRepeat = press && (message.lParam & (1 << 30)) != 0;
    // A Ctrl chord acts on release; the list must not run its own Ctrl+A or Ctrl+C.
    if (press && keyMessage.ctrl && app::IsCtrlChordKey(key)) return true;
    bool taken = false;
    Dispatch([&] { taken = dialog_->PreTranslateMessage(keyMessage); });
    return taken;
}

void MainWindow::Dispatch(const std::function<void()>& run) {
    ++running_;
    run();
    if (--running_ > 0) return;
    if (destroyPending_) {
        destroyPending_ = false;
        DestroyWindow(window_);
        return;
    }
    if (closeRequested_) {
        closeRequested_ = false;
        OnClose();
        return;
    }
    if (!queuedDrops_.empty() && window_ != nullptr) PostMessageW(window_, kGatherMessage, 0, 0);
}

void MainWindow::QueueDrop(std::vector<std::u16string> paths) {
    if (closing_ || window_ == nullptr || paths.empty()) return;
    // Gathered once the drop call has returned, so the source is not held up by the
    // folder question, and never inside another command.
    queuedDrops_.push_back(std::move(paths));
    if (running_ == 0) PostMessageW(window_, kGatherMessage, 0, 0);
}

void MainWindow::GatherQueuedDrops() {
    if (running_ > 0 || closing_ || queuedDrops_.empty()) return;
    const std::vector<std::u16string> paths = std::move(queuedDrops_.front());
    queuedDrops_.pop_front();
    Dispatch([&] { dialog_->OnDropFiles(paths); });
}

void MainWindow::OnCopyData(const COPYDATASTRUCT& data, bool& taken) {
    auto paths = DecodePaths(data);
    if (!paths || closing_) return;
    taken = true;
    arrivals_.insert(arrivals_.end(), paths->begin(), paths->end());
    // Each arrival restarts the wait, so a burst of starts is one batch.
    SetTimer(window_, kArrivalTimer, kArrivalQuietMs, nullptr);
}

void MainWindow::OnArrivalsDue() {
    KillTimer(window_, kArrivalTimer);
    if (arrivals_.empty()) return;
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    SetForegroundWindow(window_);
    QueueDrop(std::exchange(arrivals_, {}));
}

void MainWindow::OnClose() {
    if (closing_ || window_ == nullptr) return;
    if (running_ > 0) {
        // Clearing the list under a running batch would pull its rows away: the
        // batch ends first, then the window closes.
        closeRequested_ = true;
        return;
    }
    queuedDrops_.clear();
    arrivals_.clear();
    Dispatch([this] { dialog_->OnCancel(); });
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyFonts();
    ApplyIcons();
    LoadToolbarImages();
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        SetColumnWidth(filelist::Column(column), columnWidths_[std::size_t(column)]);
    }
    LayoutControls();
}

// ---- the rows ---------------------------------------------------------------------------------

void MainWindow::CountChanged() {
    if (list_ == nullptr) return;
    SendMessageW(list_, LVM_SETITEMCOUNT, dialog_->List().Count(), LVSICF_NOSCROLL);
}

void MainWindow::OnRowsInserted(std::size_t, std::size_t) { CountChanged(); }

void MainWindow::OnRowsRemoved(std::size_t, std::size_t) {
    CountChanged();
    // The control keeps marks by position: they follow the rows that are left.
    SyncSelectionFromList();
    InvalidateRect(list_, nullptr, FALSE);
}

void MainWindow::OnRowsChanged(std::size_t, std::size_t) {
    // One invalidation: asking the control to redraw a range costs a call per row,
    // and only the rows on screen are drawn anyway.
    if (list_ != nullptr) InvalidateRect(list_, nullptr, FALSE);
}

void MainWindow::OnListReset() { OnRowsRemoved(0, 0); }

void MainWindow::OnRowsReordered() {
    SyncSelectionFromList();
    if (list_ != nullptr) InvalidateRect(list_, nullptr, FALSE);
}

void MainWindow::OnMarksChanged() { SyncSelectionFromList(); }

void MainWindow::SyncSelectionFromList() {
    if (list_ == nullptr) return;
    const filelist::FileList& list = dialog_->List();
    syncing_ = true;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    const bool all = list.SelectedCount() == list.Count() && !list.Empty();
    state.state = all ? LVIS_SELECTED : 0;
    SendMessageW(list_, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    if (!all) {
        state.state = LVIS_SELECTED;
        state.stateMask = LVIS_SELECTED;
        for (std::size_t row : list.SelectedRows()) {
            SendMessageW(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
        }
    }
    if (auto focused = list.FocusedRow(); focused && *focused < list.Count()) {
        state.state = state.stateMask = LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, *focused, reinterpret_cast<LPARAM>(&state));
        SendMessageW(list_, LVM_SETSELECTIONMARK, 0, LPARAM(*focused));
    }
    syncing_ = false;
}

// ---- app::StateView ---------------------------------------------------------------------------

void MainWindow::SetStatusText(const std::u16string& text) {
    if (status_ != nullptr) SetWindowTextW(status_, Wide(text));
}

void MainWindow::SetCommandEnabled(app::CommandId command, bool enabled) {
    enabled_[command] = enabled;
    if (menu_ == nullptr) return;
    const int id = app::IdNumber(command);
    if (command == app::CommandId::RecentRecipes) {
        // The submenu's entry is found by its submenu.
        HMENU file = GetSubMenu(menu_, 0);
        for (int i = 0; i < GetMenuItemCount(file); ++i) {
            if (GetSubMenu(file, i) == recentMenu_) {
                EnableMenuItem(file, UINT(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
            }
        }
    } else {
        EnableMenuItem(menu_, UINT(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    for (HWND toolbar : toolbars_) SendMessageW(toolbar, TB_ENABLEBUTTON, id, enabled);
}

void MainWindow::SetCommandChecked(app::CommandId command, bool checked) {
    if (menu_ == nullptr) return;
    const int id = app::IdNumber(command);
    CheckMenuItem(menu_, UINT(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    for (HWND toolbar : toolbars_) SendMessageW(toolbar, TB_CHECKBUTTON, id, checked);
}

void MainWindow::SetCommandText(app::CommandId command, const std::u16string& text) {
    std::wstring escaped = MenuEscaped(text);
    if (recentTexts_[command] == escaped) return;
    recentTexts_[command] = std::move(escaped);
    RebuildRecentRecipes();
}

void MainWindow::SetColumnWidth(filelist::Column column, int width) {
    if (column < 0 || column >= filelist::ColumnCount) return;
    columnWidths_[std::size_t(column)] = width;
    if (list_ == nullptr) return;
    {
        const bool fitting = std::exchange(fittingColumns_, true);
        SendMessageW(list_, LVM_SETCOLUMNWIDTH, column, ShownColumnWidth(column, width));
        fittingColumns_ = fitting;
    }
    // A column shown or hidden changes what the folder column has left.
    if (column != filelist::ColFolder) FitColumns();
}

void MainWindow::FocusList() {
    if (list_ != nullptr) SetFocus(list_);
}

void MainWindow::EnsureRowVisible(std::size_t row) {
    if (list_ != nullptr) SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
}

void MainWindow::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

void MainWindow::KeepResponsive() {
    // Repaint and answer sent messages (a later start's hand-over), but take no
    // input: the operation is still running.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) {
        DispatchMessageW(&message);
    }
}

void MainWindow::CloseWindow() {
    // Every close ends here (Esc, the close box, the exit item): the place is kept.
    if (!closing_) KeepPlacement();
    closing_ = true;
    if (window_ == nullptr) return;
    if (running_ > 0) {
        destroyPending_ = true;
        return;
    }
    DestroyWindow(window_);
}

void MainWindow::ConflictsChanged() {
    if (list_ != nullptr) InvalidateRect(list_, nullptr, FALSE);
}

}  // namespace morvalent::win32ui
