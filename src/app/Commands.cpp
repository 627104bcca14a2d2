#include "app/Commands.h"

#include <algorithm>
#include <array>

namespace morvalent::app {
namespace {

constexpr std::array<CommandInfo, 35> kCommands{{
    {CmdApplyRenames, u"실제 파일 변경", u"Ctrl+S", Needs::Rows},
    {CmdReplaceString, u"문자열 바꾸기", u"", Needs::Rows},
    {CmdAddPrefix, u"앞이름 붙이기", u"", Needs::Rows},
    {CmdAddSuffix, u"뒷이름 붙이기", u"", Needs::Rows},
    {CmdEraseName, u"이름 지우기", u"", Needs::Rows},
    {CmdDeleteByPosition, u"위치 지우기", u"", Needs::Rows},
    {CmdDeleteEnclosed, u"묶인곳 지우기", u"", Needs::Rows},
    {CmdKeepDigitsOnly, u"숫자만 남기기", u"", Needs::Rows},
    {CmdPadDigits, u"자리수 맞추기", u"", Needs::Rows},
    {CmdNumberRows, u"번호 붙이기", u"", Needs::Rows},
    {CmdRevertNewNames, u"원래 이름으로", u"Ctrl+Z", Needs::Rows},
    {CmdClearList, u"경로목록 지우기", u"Ctrl+L", Needs::Rows},
    {CmdDirectRename, u"직접 바꾸기", u"", Needs::Selection},
    {CmdSortList, u"경로목록 정렬", u"Ctrl+A", Needs::Rows},
    {CmdPrefixFolderName, u"경로명 앞에", u"", Needs::Rows},
    {CmdSuffixFolderName, u"경로명 뒤에", u"", Needs::Rows},
    {CmdUnifyFolder, u"경로 통일하기", u"", Needs::Rows},
    {CmdDeleteExtension, u"확장자 삭제", u"", Needs::Rows},
    {CmdAddExtension, u"확장자 추가", u"", Needs::Rows},
    {CmdChangeExtension, u"확장자 변경", u"", Needs::Rows},
    {CmdAddFiles, u"경로목록에 파일 추가하기", u"Ctrl+O", Needs::Always},
    {CmdCopyNames, u"클립보드로 바꿀이름 복사", u"Ctrl+C", Needs::Rows},
    {CmdSaveNames, u"문서파일로 바꿀이름 저장", u"Ctrl+X", Needs::Rows},
    {CmdCopyPaths, u"클립보드로 경로목록 복사", u"Ctrl+Shift+C", Needs::Rows},
    {CmdSavePaths, u"문서파일로 경로목록 저장", u"Ctrl+Shift+X", Needs::Rows},
    {CmdLoadNewNames, u"바꿀이름 불러오기", u"Ctrl+V", Needs::Rows},
    {CmdLoadPathList, u"경로목록 불러오기", u"Ctrl+Shift+V", Needs::Always},
    {CmdMoveUp, u"위로 올림", u"<", Needs::Selection},
    {CmdMoveDown, u"아래로 내림", u">", Needs::Selection},
    {CmdShowFullPath, u"전체 경로 표시", u"", Needs::Always},
    {CmdShowSize, u"파일 크기 표시", u"", Needs::Always},
    {CmdShowModified, u"변경 시각 표시", u"", Needs::Always},
    {CmdShowCreated, u"생성 시각 표시", u"", Needs::Always},
    {CmdVersion, u"버전(H)", u"", Needs::Always},
    {CmdExit, u"종료(&X)", u"Esc", Needs::Always},
}};

constexpr int kFileMenu[] = {CmdAddFiles,
                             0,
                             CmdApplyRenames,
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
                             CmdExit};
constexpr int kEditMenu[] = {CmdMoveUp, CmdMoveDown, 0, CmdDirectRename};
constexpr int kViewMenu[] = {CmdShowFullPath, CmdShowSize, CmdShowModified, CmdShowCreated};
constexpr int kToolsMenu[] = {CmdReplaceString,    CmdAddPrefix,        CmdAddSuffix,       0,
                              CmdEraseName,        CmdDeleteByPosition, CmdDeleteEnclosed,  0,
                              CmdKeepDigitsOnly,   CmdPadDigits,        CmdNumberRows,      0,
                              CmdDeleteExtension,  CmdAddExtension,     CmdChangeExtension, 0,
                              CmdPrefixFolderName, CmdSuffixFolderName, CmdUnifyFolder};
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

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
    auto it = std::find_if(kCommands.begin(), kCommands.end(),
                           [id](const CommandInfo& c) { return c.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::span<const MenuInfo> MenuBar() { return kMenus; }
std::span<const int> LeftToolbar() { return kLeft; }
std::span<const int> RightToolbar() { return kRight; }

}  // namespace morvalent::app
