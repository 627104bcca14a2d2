#pragma once

namespace morvalent::app::texts {

inline constexpr char16_t kTitle[] = u"Morvalent";
inline constexpr char16_t kVersionMessage[] = u"Morvalent 08.02.10 버전";
inline constexpr char16_t kProcessing[] = u"처리중...";
inline constexpr char16_t kRowCount[] = u"%s 개";
inline constexpr char16_t kFolderQuestion[] =
    u"경로를 직접 추가려면 YES, 경로내 파일을 추가하려면 NO 선택.";
inline constexpr char16_t kAddFilesTitle[] = u"이름 붙일 파일 불러오기";
inline constexpr char16_t kAllFilesFilter[] = u"All Files(*.*)";
inline constexpr char16_t kTextFilesFilter[] = u"Text Files(*.txt)";
// A command that ran out of memory or met another unexpected error.
inline constexpr char16_t kOutOfMemory[] = u"메모리가 부족하여 명령을 마치지 못했습니다.";
inline constexpr char16_t kCommandFailed[] = u"명령을 마치지 못했습니다.\n%s";

inline constexpr char16_t kHeaders[7][5] = {u"현재이름", u"바꿀이름", u"파일위치", u"전체경로",
                                            u"파일크기", u"변경시각", u"생성시각"};

}  // namespace morvalent::app::texts
