#pragma once

namespace morvalent::win32ui::texts {

// What only the Windows window says; everything else comes from app::texts.
inline constexpr char16_t kUnknownOption[] = u"알 수 없는 옵션: %s\n\n";
inline constexpr char16_t kUsage[] =
    u"사용법: morvalent [경로]...\n"
    u"Morvalent 창을 엽니다. 여러 파일과 폴더의 이름을 한꺼번에 바꿉니다.\n\n"
    u"경로: 창에 끌어 놓은 것처럼 한 묶음으로 목록에 추가합니다 "
    u"(폴더가 있으면 폴더 자체를 추가할지 한 번만 묻습니다). "
    u"Morvalent 창이 이미 열려 있으면 그 창에 추가합니다.\n"
    u"'--' 뒤의 인수는 모두 경로입니다.\n\n"
    u"창 없이 이름을 바꾸려면 morvalent-cli --help 를 보십시오.";
inline constexpr char16_t kWindowFailed[] = u"창을 만들지 못했습니다.";

}  // namespace morvalent::win32ui::texts
