#pragma once

// What the rename commit says to the user.
namespace morvalent::commit::texts {

inline constexpr char16_t kConfirm[] = u"실제 파일 이름을 변경하시겠습니까?";
inline constexpr char16_t kEmptyName[] = u"이름이 지정되지 않은 경우가 있습니다.";
inline constexpr char16_t kDuplicate[] = u"중복되는 이름이 있습니다.\n%s";
inline constexpr char16_t kInternalError[] = u"정체불명의 내부 오류 발생.";
inline constexpr char16_t kFailureLine[] = u"%s -> %s 변경 실패.\n";
inline constexpr char16_t kErrorLine[] = u"%s를 %s로 바꾸는데 실패.\n";
inline constexpr char16_t kDone[] = u"파일 이름을 변경하였습니다.";
// The journal could not be written: nothing was renamed.
inline constexpr char16_t kJournalFailed[] =
    u"변경 기록을 저장하지 못해 이름을 바꾸지 않았습니다.\n%s";

}  // namespace morvalent::commit::texts
