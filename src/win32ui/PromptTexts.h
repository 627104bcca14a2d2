#pragma once

// What the Windows window's own prompts say beyond the program's texts.
namespace morvalent::win32ui::texts {

inline constexpr char16_t kClipboardFailed[] = u"클립보드에 복사하지 못했습니다.";

}  // namespace morvalent::win32ui::texts
