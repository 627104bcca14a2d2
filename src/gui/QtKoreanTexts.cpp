#include "gui/QtKoreanTexts.h"

#include <cstring>

namespace morvalent::gui {
namespace {

struct Text {
    const char* context;
    const char* source;
    const char16_t* korean;
};

constexpr Text kTexts[] = {
    {"QAbstractFileIconProvider", "Folder", u"폴더"},
    {"QAbstractFileIconProvider", "Drive", u"드라이브"},
    {"QAbstractFileIconProvider", "Shortcut", u"바로 가기"},
    {"QAbstractFileIconProvider", "Alias", u"별칭"},
};

}  // namespace

QString QtKoreanTexts::translate(const char* context, const char* sourceText, const char*,
                                 int) const {
    if (context == nullptr || sourceText == nullptr) return {};
    for (const Text& text : kTexts) {
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return QString::fromUtf16(text.korean);
    }
    return {};
}

}  // namespace morvalent::gui
