#pragma once

namespace morvalent::app::texts {

inline constexpr char16_t kTitle[] = u"Morvalent";
inline constexpr char16_t kVersionMessage[] = u"Morvalent 08.02.10 버전";
inline constexpr char16_t kProcessing[] = u"처리중...";
inline constexpr char16_t kRowCount[] = u"%s 개";
// After the row count while any new name is marked.
inline constexpr char16_t kConflictCount[] = u" · 충돌 %s";
inline constexpr char16_t kFolderQuestion[] =
    u"경로를 직접 추가려면 YES, 경로내 파일을 추가하려면 NO 선택.";
inline constexpr char16_t kAddFilesTitle[] = u"이름 붙일 파일 불러오기";
inline constexpr char16_t kAddFoldersTitle[] = u"이름 붙일 폴더 추가";
inline constexpr char16_t kAllFilesFilter[] = u"All Files(*.*)";
inline constexpr char16_t kTextFilesFilter[] = u"Text Files(*.txt)";
// A command that ran out of memory or met another unexpected error.
inline constexpr char16_t kOutOfMemory[] = u"메모리가 부족하여 명령을 마치지 못했습니다.";
inline constexpr char16_t kCommandFailed[] = u"명령을 마치지 못했습니다.\n%s";

// Why a marked new name would fail, shown over it; and the next-conflict command
// finding none.
inline constexpr char16_t kConflictEmpty[] = u"이름이 비어 있습니다.";
inline constexpr char16_t kConflictDuplicate[] = u"다른 항목과 바꿀이름이 같습니다.";
inline constexpr char16_t kConflictExists[] = u"같은 이름의 파일이 이미 있습니다.";
inline constexpr char16_t kConflictTooLong[] = u"이름이 너무 깁니다.";
inline constexpr char16_t kConflictInvalid[] = u"쓸 수 없는 이름입니다.";
inline constexpr char16_t kConflictNoFolder[] = u"옮겨 갈 폴더가 없습니다.";
inline constexpr char16_t kNoConflicts[] = u"충돌이 없습니다.";

// The input dialog's preview: its title and what it says of conflicts.
inline constexpr char16_t kPreviewTitle[] = u"미리 보기";
inline constexpr char16_t kPreviewConflicts[] = u"충돌 %s 개";
inline constexpr char16_t kPreviewNoConflicts[] = u"충돌 없음";
inline constexpr char16_t kPreviewCounting[] = u"충돌 확인 중...";

// Over a new name whose change does not show on screen.
inline constexpr char16_t kUnseenNormalization[] = u"유니코드 정규화만 다릅니다";
inline constexpr char16_t kUnseenWidth[] = u"전각 문자";
inline constexpr char16_t kUnseenEdgeSpaces[] = u"앞뒤 공백";
inline constexpr char16_t kUnseenSeparator[] = u", ";

// The list kept when the window last closed, offered back at the next start.
inline constexpr char16_t kOfferSavedList[] = u"지난 목록을 다시 불러올까요?\n%s개 항목, %s에 저장";
// The row count after rows whose items are gone were left out.
inline constexpr char16_t kRowCountDropped[] = u"%s 개 (없어진 항목 %s개는 뺐습니다)";
// After the row count (or alone) when gathering left out items it could not find or read.
inline constexpr char16_t kLeftOutCount[] = u"찾거나 읽을 수 없는 항목 %s개는 넣지 않았습니다";
inline constexpr char16_t kStatusJoint[] = u" · ";

// After a commit that could not rename every row: the count comes first.
inline constexpr char16_t kCommitCount[] = u"%s개 중 %s개를 바꿨습니다.\n";
// A failed row's tip when the system gave no reason.
inline constexpr char16_t kRenameFailed[] = u"이름을 바꾸지 못했습니다.";

inline constexpr char16_t kHeaders[7][5] = {u"현재이름", u"바꿀이름", u"파일위치", u"전체경로",
                                            u"파일크기", u"변경시각", u"생성시각"};

}  // namespace morvalent::app::texts
