#pragma once

// What the undo of commits and the history of commits say to the user.
namespace morvalent::app::texts {

inline constexpr char16_t kUndoCaption[] = u"이름 변경 되돌리기";
inline constexpr char16_t kHistoryCaption[] = u"변경 기록...";
inline constexpr char16_t kUndoConfirm[] = u"이름 변경을 되돌리시겠습니까?";
inline constexpr char16_t kNothingToUndo[] = u"되돌릴 이름 변경이 없습니다.";
inline constexpr char16_t kUndone[] = u"이름 변경을 되돌렸습니다.";
inline constexpr char16_t kUnknownCommit[] = u"변경 기록을 찾을 수 없습니다.";
inline constexpr char16_t kUndoUnrecorded[] = u"변경 기록에 쓸 수 없어 되돌리지 않았습니다.";
// The undo's records could no longer be written part-way: it stopped there.
inline constexpr char16_t kUndoStopped[] = u"변경 기록에 쓸 수 없어 되돌리기를 멈췄습니다.";
// A journal with a line that is no record: the rows before it can still be undone.
inline constexpr char16_t kJournalDamaged[] = u"변경 기록이 손상되었습니다: %s번째 줄";
inline constexpr char16_t kUndoIntactPart[] = u"손상되지 않은 부분까지 되돌리시겠습니까?";
// A later commit changed this one's items: that one, by its number and its time,
// goes back first.
inline constexpr char16_t kUndoFirst[] = u"먼저 %s번 변경을 되돌려야 합니다. (%s)";
inline constexpr char16_t kInterruptedCommit[] =
    u"지난 이름 변경이 중간에 멈췄습니다.\n파일 메뉴의 변경 기록에서 되돌릴 수 있습니다.";

// The history dialog.
inline constexpr char16_t kHistoryTitle[] = u"변경 기록";
inline constexpr char16_t kHistoryWhen[] = u"날짜";
inline constexpr char16_t kHistoryCount[] = u"개수";
inline constexpr char16_t kHistoryFolder[] = u"폴더";
inline constexpr char16_t kHistoryState[] = u"상태";
inline constexpr char16_t kHistoryFrom[] = u"이전 이름";
inline constexpr char16_t kHistoryTo[] = u"바꾼 이름";
inline constexpr char16_t kHistoryUndo[] = u"되돌리기";
inline constexpr char16_t kHistoryClose[] = u"닫기";

inline constexpr char16_t kStateComplete[] = u"완료";
inline constexpr char16_t kStateSomeFailed[] = u"일부 실패";
inline constexpr char16_t kStateFailed[] = u"실패";
// The count column of a commit with failed rows: renamed, then failed.
inline constexpr char16_t kCountWithFailed[] = u"%s (실패 %s)";
inline constexpr char16_t kStateInterrupted[] = u"중단됨";
inline constexpr char16_t kStateUndone[] = u"되돌림";
inline constexpr char16_t kStatePartlyUndone[] = u"일부 되돌림";

}  // namespace morvalent::app::texts
