#pragma once

// What the terminal front end says of its own, in UTF-8 as it is written out.
namespace morvalent::cli::texts {

// Usage errors: one line, then the pointer to the help.
inline constexpr char kSeeHelp[] = "자세한 내용은 'morvalent-cli --help'를 보십시오.";
// "--select: <n>번째 행이 없습니다 (목록에 <count>개)"
inline constexpr char kRowMissingMiddle[] = "번째 행이 없습니다 (목록에 ";
inline constexpr char kRowMissingTail[] = "개)";
// "<option>: <reason>" for a step whose command the window greys out.
inline constexpr char kListEmpty[] = "목록이 비어 있어 실행할 수 없습니다";
inline constexpr char kNothingSelected[] = "선택된 행이 없어 실행할 수 없습니다";

// "<n>개 항목은 ...": what gathering left out, after its count.
inline constexpr char kLeftOutTail[] = "개 항목은 찾거나 읽을 수 없어 목록에 넣지 않았습니다.";

// Before the name of a change the eye would miss, at the end of a table's row.
inline constexpr char kUnseenMark[] = "≈ ";

// After --apply's closing message: the number its --undo=ID takes.
inline constexpr char kJournalId[] = "변경 기록 번호: ";
inline constexpr char kUnknownJournal[] = "알 수 없는 변경 기록 번호: ";
inline constexpr char kNoHistoryFolder[] = "변경 기록을 둘 폴더를 알 수 없습니다.";

// The first column's header of the table; the others are the list's own.
inline constexpr char16_t kRowNumberHeader[] = u"번호";

}  // namespace morvalent::cli::texts

// --install-file-manager-actions: one line a file, "<what>: <path>".
namespace morvalent::cli::texts {
inline constexpr char kActionCreated[] = "만들었습니다: ";
inline constexpr char kActionAdded[] = "동작을 추가했습니다: ";
inline constexpr char kActionUnchanged[] = "이미 설치되어 있습니다: ";
inline constexpr char kActionKeptOther[] = "같은 이름의 다른 파일이 있어 그대로 두었습니다: ";
inline constexpr char kActionNotUnderstood[] =
    "Thunar 동작 파일을 알아볼 수 없어 그대로 두었습니다: ";
inline constexpr char kActionFailed[] = "쓰지 못했습니다: ";
inline constexpr char kNoHomeFolder[] =
    "홈 폴더를 알 수 없어 파일 관리자 동작을 설치하지 못했습니다.";
inline constexpr char kRestartThunar[] =
    "Thunar는 다시 시작해야 새 동작을 보여 줍니다 (thunar -q).";
}  // namespace morvalent::cli::texts

// --remove-file-manager-actions, and what only one system says.
namespace morvalent::cli::texts {
inline constexpr char kActionReplaced[] =
    "다른 위치의 프로그램을 가리키던 항목을 이 프로그램으로 바꾸었습니다: ";
inline constexpr char kActionRemoved[] = "지웠습니다: ";
inline constexpr char kActionNotThere[] = "설치되어 있지 않습니다: ";
inline constexpr char kNoHomeFolderToRemove[] =
    "홈 폴더를 알 수 없어 파일 관리자 동작을 지우지 못했습니다.";
inline constexpr char kRestartThunarAfterRemoval[] =
    "Thunar는 다시 시작해야 메뉴에서 동작을 뺍니다 (thunar -q).";
inline constexpr char kWindowProgramMissing[] =
    "이 프로그램과 같은 폴더에 morvalent.exe가 없어 탐색기 메뉴를 설치하지 못했습니다: ";
}  // namespace morvalent::cli::texts
