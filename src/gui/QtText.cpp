#include "gui/QtText.h"

#include <QFile>
#include <QTextDocument>

#include "platform/Text.h"

namespace morvalent::gui {

std::u16string PathFromLocalBytes(const QByteArray& bytes) {
    return platform::Utf8ToUtf16(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

std::u16string PathFromQString(const QString& path) {
    return PathFromLocalBytes(QFile::encodeName(path));
}

QString PlainToolTip(const QString& text) {
    // Tooltips take text that might be markup as markup; only that is escaped, since
    // escaped text is laid out as a document and wraps.
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap) : text;
}

}  // namespace morvalent::gui
