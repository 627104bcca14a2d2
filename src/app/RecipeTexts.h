#pragma once

namespace morvalent::app::texts {

inline constexpr char16_t kSaveRecipeTitle[] = u"작업 순서 저장";
inline constexpr char16_t kRunRecipeTitle[] = u"작업 순서 실행";
inline constexpr char16_t kRecipeFilter[] = u"작업 순서(*.mvr)";
inline constexpr char16_t kRecipePattern[] = u"*.mvr";
inline constexpr char16_t kRecipeExtension[] = u"mvr";
inline constexpr char16_t kNothingRecorded[] =
    u"저장할 작업 순서가 없습니다.\n목록을 비운 뒤로 이름이나 행을 바꾼 명령이 없습니다.";
// Why a recipe's step cannot run on the list; the step's line comes first.
inline constexpr char16_t kStepListEmpty[] = u"목록이 비어 있어 실행할 수 없습니다";
inline constexpr char16_t kStepNothingSelected[] = u"선택된 행이 없어 실행할 수 없습니다";
inline constexpr char16_t kStepRowMissing[] = u"%s번째 행이 없습니다 (목록에 %s개)";

}  // namespace morvalent::app::texts
