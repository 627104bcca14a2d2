#pragma once

#include <QIcon>
#include <QMimeDatabase>
#include <vector>

#include "filelist/IconCache.h"

namespace morvalent::gui {

// Icons for rows: by file name from the MIME database and the icon theme, with our
// own file and folder pictures where the theme has none.
class GuiIconSource : public filelist::IconSource {
  public:
    GuiIconSource();
    std::int32_t IconIndexFor(std::u16string_view extension, bool isFolder) override;
    QIcon Icon(std::int32_t index) const;

  private:
    QMimeDatabase mime_;
    std::vector<QIcon> icons_;
};

}  // namespace morvalent::gui
