#pragma once

// Every text the name edits show, exactly as the user sees it.
namespace morvalent::edits::texts {

// Replace a string.
inline constexpr char16_t kReplaceDescription[] = u"이름에 들어있는 문자열을 바꿉니다.";
inline constexpr char16_t kReplaceFindLabel[] = u"를";
inline constexpr char16_t kReplaceWithLabel[] = u"으로";

// Add front name / back name.
inline constexpr char16_t kPrefixDescription[] = u"이름의 앞에 지정한 문자열을 붙여줍니다.";
inline constexpr char16_t kSuffixDescription[] = u"이름의 뒤에 지정한 문자열을 붙여줍니다.";
inline constexpr char16_t kAttachLabel[] = u"붙일 문자열";

// Change directly: "<name> 를" / "으로".
inline constexpr char16_t kDirectDescriptionTail[] = u" 를";
inline constexpr char16_t kDirectLabel[] = u"으로";

// Delete by position.
inline constexpr char16_t kPositionDescription[] = u"지정위치를 삭제합니다.(첫글자는 1번째)";
inline constexpr char16_t kPositionFromLabel[] = u"번째부터";
inline constexpr char16_t kPositionToLabel[] = u"번째까지";
inline constexpr char16_t kPositionFromFront[] = u"앞에서부터 삭제";
inline constexpr char16_t kPositionFromEnd[] = u"제일 뒤부터 삭제";
inline constexpr char16_t kNegativeValue[] = u"음수값이나 잘못된 값이 입력되었습니다.";
inline constexpr char16_t kStartBehindEnd[] = u"시작점이 끝점보다 뒤에 있습니다.";
inline constexpr char16_t kOnlyUpToNeeded[] = u"맨 뒤에서부터 삭제할때는 '~까지'만 필요합니다.";

// Delete the enclosed part.
inline constexpr char16_t kEnclosedDescription[] = u"지정된 문자로 묶인 부분을 삭제합니다.";
inline constexpr char16_t kEnclosedStartLabel[] = u":시작문자";
inline constexpr char16_t kEnclosedEndLabel[] = u":끝문자";
inline constexpr char16_t kEnclosedMissing[] = u"시작/끝 문자가 정확하게 지정되지 않았습니다.";

// Pad digits and number the rows.
inline constexpr char16_t kPadDescription[] = u"숫자부분의 자리수를 맞춰 0을 붙입니다.";
inline constexpr char16_t kWidthLabel[] = u"자리수";
inline constexpr char16_t kPadLastRun[] = u"제일 뒷번호 맞춤";
inline constexpr char16_t kPadFirstRun[] = u"제일 앞번호 맞춤";
inline constexpr char16_t kNumberDescription[] = u"붙일 숫자의 자리수와 시작값을 지정합니다.";
inline constexpr char16_t kStartLabel[] = u"시작값";
inline constexpr char16_t kNumberBehind[] = u"이름뒤에 번호붙임";
inline constexpr char16_t kNumberInFront[] = u"이름앞에 번호붙임";
inline constexpr char16_t kNumberBehindPerFolder[] = u"폴더별로 뒤 번호붙임";
inline constexpr char16_t kNumberInFrontPerFolder[] = u"폴더별로 앞 번호붙임";
inline constexpr char16_t kBadWidth[] = u"자리수 입력이 잘못되었습니다.";

// Extensions.
inline constexpr char16_t kAddExtensionDescription[] = u"확장자를 뒤에 붙입니다.";
inline constexpr char16_t kAddExtensionLabel[] = u"붙일 확장자";
inline constexpr char16_t kChangeExtensionDescription[] = u"확장자를 바꿔 줍니다.";
inline constexpr char16_t kChangeExtensionLabel[] = u"바꿀 확장자";

// Folder names and unifying the folder.
inline constexpr char16_t kFolderNameSeparator[] = u"_";
inline constexpr char16_t kChooseFolderTitle[] = u"경로 선택";

// Letter case.
inline constexpr char16_t kCaseDescription[] = u"이름의 대소문자를 바꿉니다.";
inline constexpr char16_t kCaseNameLower[] = u"이름: 소문자";
inline constexpr char16_t kCaseNameUpper[] = u"이름: 대문자";
inline constexpr char16_t kCaseNameTitle[] = u"이름: 단어 첫 글자만 대문자";
inline constexpr char16_t kCaseExtensionLower[] = u"확장자: 소문자";
inline constexpr char16_t kCaseExtensionUpper[] = u"확장자: 대문자";

// Regular expressions.
inline constexpr char16_t kRegexDescription[] =
    u"정규식에 맞는 부분을 모두 바꿉니다. ($1, ${이름}, (?i))";
inline constexpr char16_t kRegexPatternLabel[] = u"를";
inline constexpr char16_t kRegexReplacementLabel[] = u"으로";
inline constexpr char16_t kRegexInvalid[] = u"정규식이 올바르지 않습니다: %s";
// The rest of kRegexInvalid: where (counted from 1) and what is wrong there.
inline constexpr char16_t kRegexErrorAt[] = u"%s번째 글자에서 %s";
inline constexpr char16_t kRegexOpenParenthesis[] = u"괄호가 닫히지 않았습니다";
inline constexpr char16_t kRegexOpenBracket[] = u"대괄호가 닫히지 않았습니다";
inline constexpr char16_t kRegexBadRepeat[] = u"반복할 것이 없거나 반복 횟수가 잘못되었습니다";
inline constexpr char16_t kRegexBadEscape[] = u"\\ 뒤의 글자를 쓸 수 없습니다";
inline constexpr char16_t kRegexBadRange[] = u"글자 범위가 거꾸로입니다";
inline constexpr char16_t kRegexBadGroupName[] = u"묶음 이름을 쓸 수 없습니다";
inline constexpr char16_t kRegexBadProperty[] = u"문자 속성 이름이 잘못되었습니다";
inline constexpr char16_t kRegexBadFlag[] = u"없는 옵션입니다";
inline constexpr char16_t kRegexUnboundedLookBehind[] = u"뒤쪽 찾기의 길이가 정해지지 않았습니다";
// Anything else, with the library's own word for it.
inline constexpr char16_t kRegexOther[] = u"쓸 수 없는 표현입니다 (%s)";
// Matching one name ran past the time or memory limit (nested repeats).
inline constexpr char16_t kRegexTooHard[] =
    u"정규식이 너무 복잡하여 이름 하나를 찾는 데 한도를 넘었습니다. 표현을 단순하게 바꿔 주십시오.";
inline constexpr char16_t kRegexBadReplacement[] =
    u"바꿀 문자열이 정규식에 없는 묶음을 가리킵니다.\n%s";
inline constexpr char16_t kRegexUnsupported[] = u"이 빌드에는 정규식 기능이 없습니다.";

// Unicode normalisation.
inline constexpr char16_t kNormalizeDescription[] = u"이름의 유니코드 정규화 형식을 바꿉니다.";
inline constexpr char16_t kNormalizeNfc[] = u"NFC: 한글 자모 합치기";
inline constexpr char16_t kNormalizeNfd[] = u"NFD: 한글 자모 나누기";
inline constexpr char16_t kNormalizeNfkc[] = u"NFKC: 전각 문자를 반각으로";

// Dates.
inline constexpr char16_t kDateDescription[] = u"이름에 날짜를 붙입니다. (YYYY YY MM DD hh mm ss)";
inline constexpr char16_t kDateFormatLabel[] = u"형식";
inline constexpr char16_t kDateTakenFront[] = u"찍은 날짜를 이름 앞에";
inline constexpr char16_t kDateTakenBehind[] = u"찍은 날짜를 이름 뒤에";
inline constexpr char16_t kDateTakenReplace[] = u"찍은 날짜로 이름 바꾸기";
inline constexpr char16_t kDateModifiedFront[] = u"변경 시각을 이름 앞에";
inline constexpr char16_t kDateModifiedBehind[] = u"변경 시각을 이름 뒤에";
inline constexpr char16_t kDateModifiedReplace[] = u"변경 시각으로 이름 바꾸기";
inline constexpr char16_t kDateCreatedFront[] = u"생성 시각을 이름 앞에";
inline constexpr char16_t kDateCreatedBehind[] = u"생성 시각을 이름 뒤에";
inline constexpr char16_t kDateCreatedReplace[] = u"생성 시각으로 이름 바꾸기";

// What the files say about themselves.
inline constexpr char16_t kInfoDescription[] =
    u"파일 속 정보로 이름을 만듭니다. ({artist} {title} {track} {camera} {taken:YYYY-MM-DD} "
    u"{recorded:YYYY-MM-DD} {duration} 등)";
inline constexpr char16_t kInfoFormatLabel[] = u"형식";
inline constexpr char16_t kDefaultInfoFormat[] = u"{artist} - {title}";
inline constexpr char16_t kInfoFront[] = u"정보를 이름 앞에";
inline constexpr char16_t kInfoBehind[] = u"정보를 이름 뒤에";
inline constexpr char16_t kInfoReplace[] = u"정보로 이름 바꾸기";
inline constexpr char16_t kInfoUnknownField[] = u"알 수 없는 정보입니다.\n%s";
inline constexpr char16_t kInfoNoMusicTags[] = u"이 빌드에서는 음악 태그를 읽을 수 없습니다.";
inline constexpr char16_t kInfoNoPhotoInfo[] = u"이 빌드에서는 사진 정보를 읽을 수 없습니다.";
inline constexpr char16_t kInfoMissing[] = u"%s개 파일에는 정보가 없어 그대로 두었습니다.";

}  // namespace morvalent::edits::texts
