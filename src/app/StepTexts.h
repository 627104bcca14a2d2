#pragma once

// What the parser of options and recipes says, in UTF-8 as the terminal writes it.
namespace morvalent::app::texts {

inline constexpr char kUnknownOption[] = "알 수 없는 옵션: ";
inline constexpr char kNoPathMatches[] = "이 이름과 맞는 파일이나 폴더가 없습니다: ";
inline constexpr char kUnknownPrintMode[] = "알 수 없는 출력 형식: ";
inline constexpr char kUnknownFolderAnswer[] = "알 수 없는 폴더 처리 방식 (contents 또는 self): ";
inline constexpr char kUnknownSortKey[] = "알 수 없는 정렬 기준: ";
inline constexpr char kSortKeyMissing[] = "--sort 다음에 정렬 기준이 필요합니다";
inline constexpr char kRowsMissing[] = "--select 다음에 행 번호가 필요합니다";
inline constexpr char kBadRows[] = "잘못된 행 번호: ";
// "--case에 쓸 수 없는 값: <words>"
inline constexpr char kUnknownWordMiddle[] = "에 쓸 수 없는 값: ";
// "<option> 다음에 값이 <n>개 필요합니다"
inline constexpr char kValuesMissingMiddle[] = " 다음에 값이 ";
inline constexpr char kValuesMissingTail[] = "개 필요합니다";

// Recipes. A refusal reads "<file> <n>번째 줄: <reason>".
inline constexpr char kRecipeFileMissing[] = "--recipe 다음에 작업 순서 파일이 필요합니다";
inline constexpr char kRecipeUnreadable[] = "작업 순서 파일을 읽지 못했습니다: ";
inline constexpr char kLineTail[] = "번째 줄";
inline constexpr char kRecipeNoPaths[] = "작업 순서에는 경로를 쓸 수 없습니다: ";
inline constexpr char kRecipeNoApply[] = "작업 순서에는 --apply를 쓸 수 없습니다";
inline constexpr char kRecipeNoRecipe[] = "작업 순서 안에서는 --recipe를 쓸 수 없습니다";
inline constexpr char kRecipeNotAStep[] = "작업 순서에는 단계만 쓸 수 있습니다: ";
inline constexpr char kRecipeOutsideList[] =
    "작업 순서에는 목록 밖의 파일을 다루는 옵션을 쓸 수 없습니다: ";
inline constexpr char kUnclosedQuote[] = "따옴표가 닫히지 않았습니다";
// The first line of a recipe file.
inline constexpr char kRecipeHeader[] = "# Morvalent 08.02.10 작업 순서";

}  // namespace morvalent::app::texts
