#pragma once

// What the rename commit says to the user.
namespace morvalent::commit::texts {

inline constexpr char16_t kConfirm[] = u"실제 파일 이름을 변경하시겠습니까?";
inline constexpr char16_t kEmptyName[] = u"이름이 지정되지 않은 경우가 있습니다.";
inline constexpr char16_t kDuplicate[] = u"중복되는 이름이 있습니다.\n%s";
inline constexpr char16_t kInternalError[] = u"정체불명의 내부 오류 발생.";
inline constexpr char16_t kFailureLine[] = u"%s -> %s 변경 실패.\n";
// The reason after a failure line's text, before its line break.
inline constexpr char16_t kReasonAfterLine[] = u" (%s)\n";
inline constexpr char16_t kErrorLine[] = u"%s를 %s로 바꾸는데 실패.\n";
inline constexpr char16_t kDone[] = u"파일 이름을 변경하였습니다.";
// The journal could not be written: nothing was renamed.
inline constexpr char16_t kJournalFailed[] =
    u"변경 기록을 저장하지 못해 이름을 바꾸지 않았습니다.\n%s";

// The journal could no longer be written during the commit: it stopped there.
inline constexpr char16_t kJournalStopped[] =
    u"변경 기록에 쓰지 못해 이름 변경을 멈췄습니다. 나머지는 바꾸지 않았습니다.\n%s";

// Another window or terminal is renaming or undoing: this one does not start.
inline constexpr char16_t kBusy[] =
    u"다른 창이나 명령에서 이름을 바꾸거나 되돌리는 중입니다. 끝난 뒤에 다시 해 주십시오.";

// Why a rename failed, by its common causes; other causes show the system's text.
inline constexpr char16_t kReasonPermission[] = u"권한이 없습니다";
inline constexpr char16_t kReasonReadOnly[] = u"읽기 전용 파일 시스템입니다";
inline constexpr char16_t kReasonNoSpace[] = u"저장 공간이 부족합니다";
inline constexpr char16_t kReasonNameTooLong[] = u"이름이 너무 깁니다";
inline constexpr char16_t kReasonInUse[] = u"다른 프로그램이 사용 중입니다";
inline constexpr char16_t kReasonNotFound[] = u"파일이나 폴더를 찾을 수 없습니다";
inline constexpr char16_t kReasonCrossDevice[] = u"폴더는 다른 드라이브로 옮길 수 없습니다";
inline constexpr char16_t kReasonTargetExists[] = u"같은 이름이 이미 있습니다";
inline constexpr char16_t kReasonUnwritableName[] = u"이름을 그대로 쓸 수 없습니다";
// The system gave a number without words.
inline constexpr char16_t kReasonCode[] = u"오류 %s";

}  // namespace morvalent::commit::texts
