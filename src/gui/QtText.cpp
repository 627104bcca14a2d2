#include "gui/QtText.h"

#include <QFile>

#include "platform/Text.h"

namespace morvalent::gui {

std::u16string PathFromLocalBytes(const QByteArray& bytes) {
    return platform::Utf8ToUtf16(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

std::u16string PathFromQString(const QString& path) {
    return PathFromLocalBytes(QFile::encodeName(path));
}

}  // namespace morvalent::gui
