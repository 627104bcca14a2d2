#pragma once

namespace morvalent::transfer::texts {

inline constexpr char16_t kSaveNamesTitle[] = u"파일명 저장";
inline constexpr char16_t kSavePathsTitle[] = u"경로명 저장";
inline constexpr char16_t kLoadNewNamesTitle[] = u"바꿀 파일 이름 불러오기";
inline constexpr char16_t kLoadPathListTitle[] = u"파일에서 경로목록 읽어 추가하기";
inline constexpr char16_t kSaveFailed[] = u"파일을 저장하지 못했습니다.\n%s";
inline constexpr char16_t kReadFailed[] = u"파일을 읽지 못했습니다.\n%s";
// The size is kMaxTextFileBytes.
inline constexpr char16_t kListTooLarge[] = u"목록 파일이 너무 큽니다 (최대 256 MiB).\n%s";
inline constexpr char16_t kZeroInList[] = u"목록에 NUL 문자가 있습니다: %s번째 줄\n%s";
inline constexpr char16_t kNotLoadingBack[] =
    u"빈 이름, 줄바꿈이나 앞뒤 공백이 있는 이름은 저장할 수 없습니다.\n%s";
inline constexpr char16_t kTextExtension[] = u"txt";
inline constexpr char16_t kTextPattern[] = u"*.txt";
inline constexpr char16_t kAllPattern[] = u"*";

}  // namespace morvalent::transfer::texts
