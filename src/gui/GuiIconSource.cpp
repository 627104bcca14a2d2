#include "gui/GuiIconSource.h"

#include "gui/QtText.h"

namespace morvalent::gui {

GuiIconSource::GuiIconSource() {
    icons_.push_back(QIcon(QStringLiteral(":/icons/file.svg")));
    icons_.push_back(
        QIcon::fromTheme(QStringLiteral("folder"), QIcon(QStringLiteral(":/icons/folder.svg"))));
}

std::int32_t GuiIconSource::IconIndexFor(std::u16string_view extension, bool isFolder) {
    if (isFolder) return 1;
    const QString name = QStringLiteral("x") + ToQString(extension);
    const QMimeType type = mime_.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull()) return 0;
    icons_.push_back(icon);
    return std::int32_t(icons_.size() - 1);
}

QIcon GuiIconSource::Icon(std::int32_t index) const {
    if (index < 0 || std::size_t(index) >= icons_.size()) return icons_[0];
    return icons_[std::size_t(index)];
}

}  // namespace morvalent::gui
