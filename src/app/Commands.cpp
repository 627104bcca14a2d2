#include "app/Commands.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

#include "app/HistoryTexts.h"
#include "app/MainDialog.h"
#include "app/RecentRecipes.h"

namespace morvalent::app {
namespace {

using D = MainDialog;
using filelist::ColCreated;
using filelist::ColFullPath;
using filelist::ColModified;
using filelist::ColSize;
using transfer::ExportMode;

constexpr Chord Ctrl(Key key, const char16_t* label) {
    return {.key = key, .ctrl = true, .label = label};
}
constexpr Chord CtrlShift(Key key, const char16_t* label) {
    return {.key = key, .ctrl = true, .shift = true, .label = label};
}
// A plain key acts on press and is the window's whether or not the command runs.
constexpr Chord Plain(Key key, const char16_t* label) {
    return {.key = key, .label = label, .alwaysTaken = true};
}

using enum CommandId;

// One row per command: everything the window, the keys and the terminal need.
constexpr CommandInfo kCommands[] = {
    {.id = ApplyRenames,
     .caption = u"실제 파일 변경",
     .chord = Ctrl(Key::S, u"Ctrl+S"),
     .needs = Needs::Rows,
     .icon = u"apply-renames.svg",
     .run = &D::ApplyRenames},
    {.id = ReplaceString,
     .caption = u"문자열 바꾸기",
     .needs = Needs::Rows,
     .icon = u"replace-string.svg",
     .run = &D::ReplaceString,
     .option = {.name = "--replace", .values = 2, .valueNames = "찾을문자 바꿀문자"}},
    {.id = AddPrefix,
     .caption = u"앞이름 붙이기",
     .needs = Needs::Rows,
     .icon = u"add-prefix.svg",
     .run = &D::AddPrefix,
     .option = {.name = "--prefix", .values = 1, .valueNames = "문자열"}},
    {.id = AddSuffix,
     .caption = u"뒷이름 붙이기",
     .needs = Needs::Rows,
     .icon = u"add-suffix.svg",
     .run = &D::AddSuffix,
     .option = {.name = "--suffix", .values = 1, .valueNames = "문자열"}},
    {.id = EraseName,
     .caption = u"이름 지우기",
     .needs = Needs::Rows,
     .icon = u"erase-name.svg",
     .run = &D::EraseName,
     .option = {.name = "--erase-name"}},
    {.id = DeleteByPosition,
     .caption = u"위치 지우기",
     .needs = Needs::Rows,
     .icon = u"delete-by-position.svg",
     .run = &D::DeleteByPosition},
    {.id = DeleteEnclosed,
     .caption = u"묶인곳 지우기",
     .needs = Needs::Rows,
     .icon = u"delete-enclosed.svg",
     .run = &D::DeleteEnclosed,
     .option = {.name = "--delete-enclosed", .values = 2, .valueNames = "시작문자 끝문자"}},
    {.id = KeepDigitsOnly,
     .caption = u"숫자만 남기기",
     .needs = Needs::Rows,
     .icon = u"keep-digits-only.svg",
     .run = &D::KeepDigitsOnly,
     .option = {.name = "--keep-digits"}},
    {.id = PadDigits,
     .caption = u"자리수 맞추기",
     .needs = Needs::Rows,
     .icon = u"pad-digits.svg",
     .run = &D::PadDigits},
    {.id = NumberRows,
     .caption = u"번호 붙이기",
     .needs = Needs::Rows,
     .icon = u"number-rows.svg",
     .run = &D::NumberRows},
    {.id = RevertNewNames,
     .caption = u"원래 이름으로",
     .chord = Ctrl(Key::Z, u"Ctrl+Z"),
     .needs = Needs::Rows,
     .icon = u"revert-new-names.svg",
     .run = &D::RevertNewNames,
     .option = {.name = "--revert"}},
    {.id = ClearList,
     .caption = u"경로목록 지우기",
     .chord = Ctrl(Key::L, u"Ctrl+L"),
     .needs = Needs::Rows,
     .icon = u"clear-list.svg",
     .run = &D::ClearList,
     .option = {.name = "--clear", .recorded = false}},
    {.id = DirectRename,
     .caption = u"직접 바꾸기",
     .needs = Needs::Selection,
     .icon = u"direct-rename.svg",
     .run = &D::DirectRename,
     .option = {.name = "--direct-rename", .values = 1, .valueNames = "이름"}},
    {.id = SortList,
     .caption = u"경로목록 정렬",
     .chord = Ctrl(Key::A, u"Ctrl+A"),
     .needs = Needs::Rows,
     .icon = u"sort-list.svg",
     .run = &D::SortList},
    {.id = PrefixFolderName,
     .caption = u"경로명 앞에",
     .needs = Needs::Rows,
     .icon = u"prefix-folder-name.svg",
     .run = &D::PrefixFolderName,
     .option = {.name = "--folder-name-front"}},
    {.id = SuffixFolderName,
     .caption = u"경로명 뒤에",
     .needs = Needs::Rows,
     .icon = u"suffix-folder-name.svg",
     .run = &D::SuffixFolderName,
     .option = {.name = "--folder-name-behind"}},
    {.id = UnifyFolder,
     .caption = u"경로 통일하기",
     .needs = Needs::Rows,
     .icon = u"unify-folder.svg",
     .run = &D::UnifyFolder,
     .option = {.name = "--unify-folder", .values = 1, .valueNames = "폴더"}},
    {.id = DeleteExtension,
     .caption = u"확장자 삭제",
     .needs = Needs::Rows,
     .icon = u"delete-extension.svg",
     .run = &D::DeleteExtension,
     .option = {.name = "--delete-extension"}},
    {.id = AddExtension,
     .caption = u"확장자 추가",
     .needs = Needs::Rows,
     .icon = u"add-extension.svg",
     .run = &D::AddExtension,
     .option = {.name = "--add-extension", .values = 1, .valueNames = "확장자"}},
    {.id = ChangeExtension,
     .caption = u"확장자 변경",
     .needs = Needs::Rows,
     .icon = u"change-extension.svg",
     .run = &D::ChangeExtension,
     .option = {.name = "--change-extension", .values = 1, .valueNames = "확장자"}},
    {.id = AddFiles,
     .caption = u"경로목록에 파일 추가하기",
     .chord = Ctrl(Key::O, u"Ctrl+O"),
     .needs = Needs::Always,
     .run = &D::AddFiles},
    {.id = CopyNames,
     .caption = u"클립보드로 바꿀이름 복사",
     .chord = Ctrl(Key::C, u"Ctrl+C"),
     .needs = Needs::Rows,
     .run = &D::Export<ExportMode::NewNamesToClipboard>},
    {.id = SaveNames,
     .caption = u"문서파일로 바꿀이름 저장",
     .chord = Ctrl(Key::X, u"Ctrl+X"),
     .needs = Needs::Rows,
     .run = &D::Export<ExportMode::NewNamesToFile>,
     .option = {.name = "--save-names", .values = 1, .valueNames = "파일", .recorded = false}},
    {.id = CopyPaths,
     .caption = u"클립보드로 경로목록 복사",
     .chord = CtrlShift(Key::C, u"Ctrl+Shift+C"),
     .needs = Needs::Rows,
     .run = &D::Export<ExportMode::PathsToClipboard>},
    {.id = SavePaths,
     .caption = u"문서파일로 경로목록 저장",
     .chord = CtrlShift(Key::X, u"Ctrl+Shift+X"),
     .needs = Needs::Rows,
     .run = &D::Export<ExportMode::PathsToFile>,
     .option = {.name = "--save-paths", .values = 1, .valueNames = "파일", .recorded = false}},
    // Ctrl+V is the window's even on an empty list.
    {.id = LoadNewNames,
     .caption = u"바꿀이름 불러오기",
     .chord = {.key = Key::V, .ctrl = true, .label = u"Ctrl+V", .alwaysTaken = true},
     .needs = Needs::Rows,
     .run = &D::LoadNewNames,
     .option = {.name = "--load-names", .values = 1, .valueNames = "파일", .recorded = false}},
    {.id = LoadPathList,
     .caption = u"경로목록 불러오기",
     .chord = CtrlShift(Key::V, u"Ctrl+Shift+V"),
     .needs = Needs::Always,
     .run = &D::LoadPathList,
     .option = {.name = "--load-paths", .values = 1, .valueNames = "파일", .recorded = false}},
    {.id = MoveUp,
     .caption = u"위로 올림",
     .chord = Plain(Key::Comma, u"<"),
     .needs = Needs::Selection,
     .run = &D::MoveSelectionUp,
     .option = {.name = "--move-up"}},
    {.id = MoveDown,
     .caption = u"아래로 내림",
     .chord = Plain(Key::Period, u">"),
     .needs = Needs::Selection,
     .run = &D::MoveSelectionDown,
     .option = {.name = "--move-down"}},
    {.id = ShowFullPath,
     .caption = u"전체 경로 표시",
     .needs = Needs::Always,
     .run = &D::ToggleColumn<ColFullPath>,
     .checked = &D::ShowsColumn<ColFullPath>},
    {.id = ShowSize,
     .caption = u"파일 크기 표시",
     .needs = Needs::Always,
     .run = &D::ToggleColumn<ColSize>,
     .checked = &D::ShowsColumn<ColSize>},
    {.id = ShowModified,
     .caption = u"변경 시각 표시",
     .needs = Needs::Always,
     .run = &D::ToggleColumn<ColModified>,
     .checked = &D::ShowsColumn<ColModified>},
    {.id = ShowCreated,
     .caption = u"생성 시각 표시",
     .needs = Needs::Always,
     .run = &D::ToggleColumn<ColCreated>,
     .checked = &D::ShowsColumn<ColCreated>},
    {.id = ChangeCase, .caption = u"대소문자 바꾸기", .needs = Needs::Rows, .run = &D::ChangeCase},
    {.id = ReplacePattern,
     .caption = u"정규식으로 바꾸기",
     .needs = Needs::RowsAndRegex,
     .run = &D::ReplacePattern,
     .option = {.name = "--regex-replace", .values = 2, .valueNames = "정규식 바꿀문자"}},
    {.id = NormalizeNames,
     .caption = u"유니코드 정규화",
     .needs = Needs::Rows,
     .run = &D::NormalizeNames},
    {.id = RepairEncoding,
     .caption = u"깨진 이름 복구",
     .needs = Needs::Rows,
     .run = &D::RepairEncoding,
     .option = {.name = "--repair-encoding"}},
    {.id = AddDate, .caption = u"날짜 붙이기", .needs = Needs::Rows, .run = &D::AddDate},
    {.id = AddInfo, .caption = u"정보 붙이기", .needs = Needs::Rows, .run = &D::AddInfo},
    {.id = UndoCommit,
     .caption = texts::kUndoCaption,
     .chord = CtrlShift(Key::Z, u"Ctrl+Shift+Z"),
     .needs = Needs::Always,
     .run = &D::UndoLastCommit},
    {.id = ShowHistory,
     .caption = texts::kHistoryCaption,
     .needs = Needs::Always,
     .run = &D::ShowHistory},
    {.id = NextConflict,
     .caption = u"다음 충돌로 이동",
     .chord = Plain(Key::F8, u"F8"),
     .needs = Needs::Rows,
     .run = &D::NextConflict},
    // Folders chosen in a dialog, gathered as a drop of them.
    {.id = AddFolders,
     .caption = u"폴더 추가...",
     .needs = Needs::Always,
     .run = &D::AddFolders,
     .option = {.recorded = false}},
    {.id = SaveRecipe,
     .caption = u"작업 순서 저장...",
     .needs = Needs::Rows,
     .run = &D::SaveRecipe},
    {.id = RunRecipe, .caption = u"작업 순서 실행...", .needs = Needs::Rows, .run = &D::RunRecipe},
    {.id = RecentRecipes,
     .caption = u"최근 작업 순서",
     .needs = Needs::Rows,
     .run = &D::OpenSubmenu},
    // Captions are the recipes' paths, set while the program runs.
    {.id = RecentRecipe1, .caption = u"", .needs = Needs::Rows, .run = &D::RunRecentRecipe<0>},
    {.id = RecentRecipe2, .caption = u"", .needs = Needs::Rows, .run = &D::RunRecentRecipe<1>},
    {.id = RecentRecipe3, .caption = u"", .needs = Needs::Rows, .run = &D::RunRecentRecipe<2>},
    {.id = RecentRecipe4, .caption = u"", .needs = Needs::Rows, .run = &D::RunRecentRecipe<3>},
    {.id = RecentRecipe5, .caption = u"", .needs = Needs::Rows, .run = &D::RunRecentRecipe<4>},
    {.id = Version, .caption = u"버전(&H)", .needs = Needs::Always, .run = &D::ShowVersion},
    {.id = Exit,
     .caption = u"종료(&X)",
     .chord = Plain(Key::Escape, u"Esc"),
     .needs = Needs::Always,
     .run = &D::Exit},
};

// One group of a menu or toolbar per line.
// clang-format off
constexpr MenuEntry kFileMenu[] = {
    AddFiles, AddFolders, kSeparator,
    ApplyRenames, UndoCommit, ShowHistory, RevertNewNames, ClearList, SortList, kSeparator,
    CopyNames, SaveNames, kSeparator,
    CopyPaths, SavePaths, kSeparator,
    LoadNewNames, LoadPathList, kSeparator,
    SaveRecipe, RunRecipe, RecentRecipes, kSeparator,
    Exit};
constexpr CommandId kRecentRecipesMenu[] = {
    RecentRecipe1, RecentRecipe2, RecentRecipe3, RecentRecipe4, RecentRecipe5};
constexpr MenuEntry kEditMenu[] = {
    MoveUp, MoveDown, kSeparator,
    DirectRename, kSeparator,
    NextConflict};
constexpr MenuEntry kViewMenu[] = {ShowFullPath, ShowSize, ShowModified, ShowCreated};
constexpr MenuEntry kToolsMenu[] = {
    ReplaceString, AddPrefix, AddSuffix, kSeparator,
    EraseName, DeleteByPosition, DeleteEnclosed, kSeparator,
    KeepDigitsOnly, PadDigits, NumberRows, kSeparator,
    DeleteExtension, AddExtension, ChangeExtension, kSeparator,
    PrefixFolderName, SuffixFolderName, UnifyFolder, kSeparator,
    ChangeCase, ReplacePattern, NormalizeNames, RepairEncoding, AddDate, AddInfo};
constexpr MenuEntry kHelpItems[] = {Version};

constexpr MenuEntry kLeft[] = {
    ApplyRenames, kSeparator,
    ReplaceString, AddPrefix, AddSuffix, kSeparator,
    EraseName, DeleteByPosition, DeleteEnclosed, kSeparator,
    KeepDigitsOnly, PadDigits, NumberRows};
constexpr MenuEntry kRight[] = {
    RevertNewNames, kSeparator,
    ClearList, DirectRename, SortList, kSeparator,
    PrefixFolderName, SuffixFolderName, UnifyFolder, kSeparator,
    DeleteExtension, AddExtension, ChangeExtension};
// clang-format on

constexpr MenuInfo kMenus[] = {
    {.id = MenuId::File, .caption = u"파일(&F)", .entries = kFileMenu},
    {.id = MenuId::Edit, .caption = u"편집(&E)", .entries = kEditMenu},
    {.id = MenuId::View, .caption = u"보기(&V)", .entries = kViewMenu},
    {.id = MenuId::Tools, .caption = u"기능(&T)", .entries = kToolsMenu},
    // A command directly on the bar rather than a pop-up.
    {.id = MenuId::Help, .caption = u"", .entries = kHelpItems},
};

// The table's promises, checked while compiling: a slip in a new row does not build.
constexpr bool Same(const char16_t* a, const char16_t* b) {
    return std::u16string_view(a) == std::u16string_view(b);
}
constexpr bool Same(const char* a, const char* b) {
    return std::string_view(a) == std::string_view(b);
}
constexpr const CommandInfo* Row(CommandId id) {
    for (const CommandInfo& command : kCommands) {
        if (command.id == id) return &command;
    }
    return nullptr;
}

consteval bool IdsAreUnique() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (kCommands[i].id == kCommands[j].id) return false;
        }
    }
    return true;
}
static_assert(IdsAreUnique(), "every command has one row");

consteval bool ChordsAreUnique() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        const Chord& a = kCommands[i].chord;
        if (a.key == Key::Other) continue;
        for (std::size_t j = 0; j < i; ++j) {
            const Chord& b = kCommands[j].chord;
            if (a.key == b.key && a.ctrl == b.ctrl && (a.shift == b.shift || !a.ctrl)) return false;
        }
    }
    return true;
}
static_assert(ChordsAreUnique(), "a key runs one command");

consteval bool OptionsAreUnique() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        const char* a = kCommands[i].option.name;
        if (a == nullptr) continue;
        if (!std::string_view(a).starts_with("--")) return false;
        for (std::size_t j = 0; j < i; ++j) {
            const char* b = kCommands[j].option.name;
            if (b != nullptr && Same(a, b)) return false;
        }
    }
    return true;
}
static_assert(OptionsAreUnique(), "a terminal option names one command");

// Every entry names a row; no caption is shown twice in one menu.
consteval bool EntriesAreKnownAndCaptionsUnique(std::span<const MenuEntry> entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CommandId* id = std::get_if<CommandId>(&entries[i]);
        if (id == nullptr) continue;
        const CommandInfo* row = Row(*id);
        if (row == nullptr) return false;
        for (std::size_t j = 0; j < i; ++j) {
            const CommandId* other = std::get_if<CommandId>(&entries[j]);
            if (other != nullptr && (*other == *id || Same(Row(*other)->caption, row->caption)))
                return false;
        }
    }
    return true;
}
consteval bool MenusAreSound() {
    for (const MenuInfo& menu : kMenus) {
        if (!EntriesAreKnownAndCaptionsUnique(menu.entries)) return false;
        for (std::size_t j = 0; &kMenus[j] != &menu; ++j) {
            if (kMenus[j].id == menu.id || Same(kMenus[j].caption, menu.caption)) return false;
        }
    }
    for (CommandId id : kRecentRecipesMenu) {
        if (Row(id) == nullptr) return false;
    }
    return EntriesAreKnownAndCaptionsUnique(kLeft) && EntriesAreKnownAndCaptionsUnique(kRight);
}
static_assert(MenusAreSound(), "menus and toolbars name known commands, each once");
static_assert(std::size(kRecentRecipesMenu) == app::RecentRecipes::kMostKept);

const CommandInfo* FindIf(auto matches) {
    auto it = std::find_if(std::begin(kCommands), std::end(kCommands), matches);
    return it == std::end(kCommands) ? nullptr : &*it;
}

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

const CommandInfo* FindCommand(CommandId id) { return Row(id); }

const CommandInfo* FindChord(const KeyMessage& message) {
    const Key key = message.key;
    if (key == Key::Other) return nullptr;
    if (message.type == KeyMessage::Type::Press) {
        return FindIf([key](const CommandInfo& c) { return c.chord.key == key && !c.chord.ctrl; });
    }
    // Ctrl chords act on release; a held key's repeats do not count.
    if (message.autoRepeat || !message.ctrl) return nullptr;
    auto ctrlChord = [key](bool shift) {
        return FindIf([key, shift](const CommandInfo& c) {
            return c.chord.key == key && c.chord.ctrl && c.chord.shift == shift;
        });
    };
    if (const CommandInfo* exact = ctrlChord(message.shift)) return exact;
    return message.shift ? ctrlChord(false) : nullptr;
}

bool IsCtrlChordKey(Key key) {
    return FindIf([key](const CommandInfo& c) { return c.chord.key == key && c.chord.ctrl; }) !=
           nullptr;
}

std::span<const MenuInfo> MenuBar() { return kMenus; }

const MenuInfo& FindMenu(MenuId id) { return *std::ranges::find(kMenus, id, &MenuInfo::id); }

std::span<const CommandId> SubmenuItems(CommandId id) {
    if (id == CommandId::RecentRecipes) return kRecentRecipesMenu;
    return {};
}
std::span<const MenuEntry> LeftToolbar() { return kLeft; }
std::span<const MenuEntry> RightToolbar() { return kRight; }

std::ostream& operator<<(std::ostream& out, CommandId id) { return out << IdNumber(id); }

}  // namespace morvalent::app
