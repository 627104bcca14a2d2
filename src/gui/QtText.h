#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace morvalent::gui {

// Both are UTF-16: the units pass through unchanged, escaped bytes included.
inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}
inline std::u16string ToU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          std::size_t(text.size()));
}

// A local path as the program holds it: from the file system's bytes, so names
// that are not valid UTF-8 keep every byte.
std::u16string PathFromLocalBytes(const QByteArray& bytes);
std::u16string PathFromQString(const QString& path);

// A tooltip that shows `text` as it is, even when it looks like markup ("<b>x.txt").
QString PlainToolTip(const QString& text);

}  // namespace morvalent::gui
