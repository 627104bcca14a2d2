#pragma once

namespace morvalent::organise::texts {

inline constexpr char16_t kSortDescription[] = u"정렬 기준 설정";

inline constexpr char16_t kByNameAscending[] = u"파일 이름에 따라 오름차순";
inline constexpr char16_t kByNameDescending[] = u"파일 이름에 따라 내림차순";
inline constexpr char16_t kByPathAscending[] = u"전체경로에 따라 오름차순";
inline constexpr char16_t kByPathDescending[] = u"전체경로에 따라 내림차순";
inline constexpr char16_t kBySizeAscending[] = u"파일 크기에 따라 오름차순";
inline constexpr char16_t kBySizeDescending[] = u"파일 크기에 따라 내림차순";
inline constexpr char16_t kByModifiedAscending[] = u"수정한 시각에 따라 오름차순";
inline constexpr char16_t kByModifiedDescending[] = u"수정한 시각에 따라 내림차순";
inline constexpr char16_t kByCreatedAscending[] = u"만든 시각에 따라 오름차순";
inline constexpr char16_t kByCreatedDescending[] = u"만든 시각에 따라 내림차순";
// Beyond those ten: numbers in names by their value, as file managers order them.
inline constexpr char16_t kByNaturalNameAscending[] = u"이름 (숫자 순)";
inline constexpr char16_t kByNaturalNameDescending[] = u"이름 (숫자 역순)";

}  // namespace morvalent::organise::texts
