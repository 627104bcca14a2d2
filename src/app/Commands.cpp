#include "app/Commands.h"

#include <algorithm>
#include <array>

#include "app/HistoryTexts.h"
#include "app/MainDialog.h"

namespace morvalent::app {
namespace {

using D = MainDialog;
using filelist::ColCreated;
using filelist::ColFullPath;
using filelist::ColModified;
using filelist::ColSize;
using transfer::ExportMode;

constexpr Chord Ctrl(Key key, const char16_t* label) { return {key, true, false, label, false}; }
constexpr Chord CtrlShift(Key key, const char16_t* label) {
    return {key, true, true, label, false};
}
// A plain key acts on press and is the window's whether or not the command runs.
constexpr Chord Plain(Key key, const char16_t* label) { return {key, false, false, label, true}; }

// One row per command: everything the window, the keys and the terminal need.
constexpr CommandInfo kCommands[] = {
    {CmdApplyRenames,
     u"실제 파일 변경",
     Ctrl(Key::S, u"Ctrl+S"),
     Needs::Rows,
     u"apply-renames.svg",
     &D::ApplyRenames,
     nullptr,
     {}},
    {CmdReplaceString,
     u"문자열 바꾸기",
     {},
     Needs::Rows,
     u"replace-string.svg",
     &D::ReplaceString,
     nullptr,
     {"--replace", 2, "찾을문자 바꿀문자"}},
    {CmdAddPrefix,
     u"앞이름 붙이기",
     {},
     Needs::Rows,
     u"add-prefix.svg",
     &D::AddPrefix,
     nullptr,
     {"--prefix", 1, "문자열"}},
    {CmdAddSuffix,
     u"뒷이름 붙이기",
     {},
     Needs::Rows,
     u"add-suffix.svg",
     &D::AddSuffix,
     nullptr,
     {"--suffix", 1, "문자열"}},
    {CmdEraseName,
     u"이름 지우기",
     {},
     Needs::Rows,
     u"erase-name.svg",
     &D::EraseName,
     nullptr,
     {"--erase-name", 0}},
    {CmdDeleteByPosition,
     u"위치 지우기",
     {},
     Needs::Rows,
     u"delete-by-position.svg",
     &D::DeleteByPosition,
     nullptr,
     {}},
    {CmdDeleteEnclosed,
     u"묶인곳 지우기",
     {},
     Needs::Rows,
     u"delete-enclosed.svg",
     &D::DeleteEnclosed,
     nullptr,
     {"--delete-enclosed", 2, "시작문자 끝문자"}},
    {CmdKeepDigitsOnly,
     u"숫자만 남기기",
     {},
     Needs::Rows,
     u"keep-digits-only.svg",
     &D::KeepDigitsOnly,
     nullptr,
     {"--keep-digits", 0}},
    {CmdPadDigits,
     u"자리수 맞추기",
     {},
     Needs::Rows,
     u"pad-digits.svg",
     &D::PadDigits,
     nullptr,
     {}},
    {CmdNumberRows,
     u"번호 붙이기",
     {},
     Needs::Rows,
     u"number-rows.svg",
     &D::NumberRows,
     nullptr,
     {}},
    {CmdRevertNewNames,
     u"원래 이름으로",
     Ctrl(Key::Z, u"Ctrl+Z"),
     Needs::Rows,
     u"revert-new-names.svg",
     &D::RevertNewNames,
     nullptr,
     {"--revert", 0}},
    {CmdClearList,
     u"경로목록 지우기",
     Ctrl(Key::L, u"Ctrl+L"),
     Needs::Rows,
     u"clear-list.svg",
     &D::ClearList,
     nullptr,
     {"--clear", 0, "", false}},
    {CmdDirectRename,
     u"직접 바꾸기",
     {},
     Needs::Selection,
     u"direct-rename.svg",
     &D::DirectRename,
     nullptr,
     {"--direct-rename", 1, "이름"}},
    {CmdSortList,
     u"경로목록 정렬",
     Ctrl(Key::A, u"Ctrl+A"),
     Needs::Rows,
     u"sort-list.svg",
     &D::SortList,
     nullptr,
     {}},
    {CmdPrefixFolderName,
     u"경로명 앞에",
     {},
     Needs::Rows,
     u"prefix-folder-name.svg",
     &D::PrefixFolderName,
     nullptr,
     {"--folder-name-front", 0}},
    {CmdSuffixFolderName,
     u"경로명 뒤에",
     {},
     Needs::Rows,
     u"suffix-folder-name.svg",
     &D::SuffixFolderName,
     nullptr,
     {"--folder-name-behind", 0}},
    {CmdUnifyFolder,
     u"경로 통일하기",
     {},
     Needs::Rows,
     u"unify-folder.svg",
     &D::UnifyFolder,
     nullptr,
     {"--unify-folder", 1, "폴더"}},
    {CmdDeleteExtension,
     u"확장자 삭제",
     {},
     Needs::Rows,
     u"delete-extension.svg",
     &D::DeleteExtension,
     nullptr,
     {"--delete-extension", 0}},
    {CmdAddExtension,
     u"확장자 추가",
     {},
     Needs::Rows,
     u"add-extension.svg",
     &D::AddExtension,
     nullptr,
     {"--add-extension", 1, "확장자"}},
    {CmdChangeExtension,
     u"확장자 변경",
     {},
     Needs::Rows,
     u"change-extension.svg",
     &D::ChangeExtension,
     nullptr,
     {"--change-extension", 1, "확장자"}},
    {CmdAddFiles,
     u"경로목록에 파일 추가하기",
     Ctrl(Key::O, u"Ctrl+O"),
     Needs::Always,
     u"",
     &D::AddFiles,
     nullptr,
     {}},
    {CmdCopyNames,
     u"클립보드로 바꿀이름 복사",
     Ctrl(Key::C, u"Ctrl+C"),
     Needs::Rows,
     u"",
     &D::Export<ExportMode::NewNamesToClipboard>,
     nullptr,
     {}},
    {CmdSaveNames,
     u"문서파일로 바꿀이름 저장",
     Ctrl(Key::X, u"Ctrl+X"),
     Needs::Rows,
     u"",
     &D::Export<ExportMode::NewNamesToFile>,
     nullptr,
     {"--save-names", 1, "파일", false}},
    {CmdCopyPaths,
     u"클립보드로 경로목록 복사",
     CtrlShift(Key::C, u"Ctrl+Shift+C"),
     Needs::Rows,
     u"",
     &D::Export<ExportMode::PathsToClipboard>,
     nullptr,
     {}},
    {CmdSavePaths,
     u"문서파일로 경로목록 저장",
     CtrlShift(Key::X, u"Ctrl+Shift+X"),
     Needs::Rows,
     u"",
     &D::Export<ExportMode::PathsToFile>,
     nullptr,
     {"--save-paths", 1, "파일", false}},
    // Ctrl+V is the window's even on an empty list.
    {CmdLoadNewNames,
     u"바꿀이름 불러오기",
     {Key::V, true, false, u"Ctrl+V", true},
     Needs::Rows,
     u"",
     &D::LoadNewNames,
     nullptr,
     {"--load-names", 1, "파일"}},
    {CmdLoadPathList,
     u"경로목록 불러오기",
     CtrlShift(Key::V, u"Ctrl+Shift+V"),
     Needs::Always,
     u"",
     &D::LoadPathList,
     nullptr,
     {"--load-paths", 1, "파일", false}},
    {CmdMoveUp,
     u"위로 올림",
     Plain(Key::Comma, u"<"),
     Needs::Selection,
     u"",
     &D::MoveSelectionUp,
     nullptr,
     {"--move-up", 0}},
    {CmdMoveDown,
     u"아래로 내림",
     Plain(Key::Period, u">"),
     Needs::Selection,
     u"",
     &D::MoveSelectionDown,
     nullptr,
     {"--move-down", 0}},
    {CmdShowFullPath,
     u"전체 경로 표시",
     {},
     Needs::Always,
     u"",
     &D::ToggleColumn<ColFullPath>,
     &D::ShowsColumn<ColFullPath>,
     {}},
    {CmdShowSize,
     u"파일 크기 표시",
     {},
     Needs::Always,
     u"",
     &D::ToggleColumn<ColSize>,
     &D::ShowsColumn<ColSize>,
     {}},
    {CmdShowModified,
     u"변경 시각 표시",
     {},
     Needs::Always,
     u"",
     &D::ToggleColumn<ColModified>,
     &D::ShowsColumn<ColModified>,
     {}},
    {CmdShowCreated,
     u"생성 시각 표시",
     {},
     Needs::Always,
     u"",
     &D::ToggleColumn<ColCreated>,
     &D::ShowsColumn<ColCreated>,
     {}},
    {CmdChangeCase, u"대소문자 바꾸기", {}, Needs::Rows, u"", &D::ChangeCase, nullptr, {}},
    {CmdReplacePattern,
     u"정규식으로 바꾸기",
     {},
     Needs::RowsAndRegex,
     u"",
     &D::ReplacePattern,
     nullptr,
     {"--regex-replace", 2, "정규식 바꿀문자"}},
    {CmdNormalizeNames, u"유니코드 정규화", {}, Needs::Rows, u"", &D::NormalizeNames, nullptr, {}},
    {CmdRepairEncoding,
     u"깨진 이름 복구",
     {},
     Needs::Rows,
     u"",
     &D::RepairEncoding,
     nullptr,
     {"--repair-encoding", 0}},
    {CmdAddDate, u"날짜 붙이기", {}, Needs::Rows, u"", &D::AddDate, nullptr, {}},
    {CmdUndoCommit,
     texts::kUndoCaption,
     CtrlShift(Key::Z, u"Ctrl+Shift+Z"),
     Needs::Always,
     u"",
     &D::UndoLastCommit,
     nullptr,
     {}},
    {CmdShowHistory, texts::kHistoryCaption, {}, Needs::Always, u"", &D::ShowHistory, nullptr, {}},
    {CmdNextConflict,
     u"다음 충돌로 이동",
     Plain(Key::F8, u"F8"),
     Needs::Rows,
     u"",
     &D::NextConflict,
     nullptr,
     {}},
    {CmdSaveRecipe, u"작업 순서 저장...", {}, Needs::Rows, u"", &D::SaveRecipe, nullptr, {}},
    {CmdRunRecipe, u"작업 순서 실행...", {}, Needs::Rows, u"", &D::RunRecipe, nullptr, {}},
    {CmdRecentRecipes, u"최근 작업 순서", {}, Needs::Rows, u"", &D::OpenSubmenu, nullptr, {}},
    // Captions are the recipes' paths, set while the program runs.
    {CmdRecentRecipe1, u"", {}, Needs::Rows, u"", &D::RunRecentRecipe<0>, nullptr, {}},
    {CmdRecentRecipe2, u"", {}, Needs::Rows, u"", &D::RunRecentRecipe<1>, nullptr, {}},
    {CmdRecentRecipe3, u"", {}, Needs::Rows, u"", &D::RunRecentRecipe<2>, nullptr, {}},
    {CmdRecentRecipe4, u"", {}, Needs::Rows, u"", &D::RunRecentRecipe<3>, nullptr, {}},
    {CmdRecentRecipe5, u"", {}, Needs::Rows, u"", &D::RunRecentRecipe<4>, nullptr, {}},
    {CmdVersion, u"버전(&H)", {}, Needs::Always, u"", &D::ShowVersion, nullptr, {}},
    {CmdExit, u"종료(&X)", Plain(Key::Escape, u"Esc"), Needs::Always, u"", &D::Exit, nullptr, {}},
};

constexpr int kFileMenu[] = {CmdAddFiles,
                             0,
                             CmdApplyRenames,
                             CmdUndoCommit,
                             CmdShowHistory,
                             CmdRevertNewNames,
                             CmdClearList,
                             CmdSortList,
                             0,
                             CmdCopyNames,
                             CmdSaveNames,
                             0,
                             CmdCopyPaths,
                             CmdSavePaths,
                             0,
                             CmdLoadNewNames,
                             CmdLoadPathList,
                             0,
                             CmdSaveRecipe,
                             CmdRunRecipe,
                             CmdRecentRecipes,
                             0,
                             CmdExit};
constexpr int kRecentRecipesMenu[] = {CmdRecentRecipe1, CmdRecentRecipe2, CmdRecentRecipe3,
                                      CmdRecentRecipe4, CmdRecentRecipe5};
constexpr int kEditMenu[] = {CmdMoveUp, CmdMoveDown, 0, CmdDirectRename, 0, CmdNextConflict};
constexpr int kViewMenu[] = {CmdShowFullPath, CmdShowSize, CmdShowModified, CmdShowCreated};
constexpr int kToolsMenu[] = {
    CmdReplaceString,    CmdAddPrefix,        CmdAddSuffix,       0,
    CmdEraseName,        CmdDeleteByPosition, CmdDeleteEnclosed,  0,
    CmdKeepDigitsOnly,   CmdPadDigits,        CmdNumberRows,      0,
    CmdDeleteExtension,  CmdAddExtension,     CmdChangeExtension, 0,
    CmdPrefixFolderName, CmdSuffixFolderName, CmdUnifyFolder,     0,
    CmdChangeCase,       CmdReplacePattern,   CmdNormalizeNames,  CmdRepairEncoding,
    CmdAddDate};
constexpr int kVersionItem[] = {CmdVersion};

constexpr std::array<MenuInfo, 5> kMenus{{
    {u"파일(&F)", kFileMenu},
    {u"편집(&E)", kEditMenu},
    {u"보기(&V)", kViewMenu},
    {u"기능(&T)", kToolsMenu},
    // A command directly on the bar rather than a pop-up.
    {u"", kVersionItem},
}};

constexpr int kLeft[] = {CmdApplyRenames,   0, CmdReplaceString,  CmdAddPrefix,
                         CmdAddSuffix,      0, CmdEraseName,      CmdDeleteByPosition,
                         CmdDeleteEnclosed, 0, CmdKeepDigitsOnly, CmdPadDigits,
                         CmdNumberRows};
constexpr int kRight[] = {CmdRevertNewNames, 0, CmdClearList,        CmdDirectRename,
                          CmdSortList,       0, CmdPrefixFolderName, CmdSuffixFolderName,
                          CmdUnifyFolder,    0, CmdDeleteExtension,  CmdAddExtension,
                          CmdChangeExtension};

const CommandInfo* FindIf(auto matches) {
    auto it = std::find_if(std::begin(kCommands), std::end(kCommands), matches);
    return it == std::end(kCommands) ? nullptr : &*it;
}

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
    return FindIf([id](const CommandInfo& c) { return c.id == id; });
}

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

std::span<const int> SubmenuItems(int id) {
    if (id == CmdRecentRecipes) return kRecentRecipesMenu;
    return {};
}
std::span<const int> LeftToolbar() { return kLeft; }
std::span<const int> RightToolbar() { return kRight; }

}  // namespace morvalent::app
