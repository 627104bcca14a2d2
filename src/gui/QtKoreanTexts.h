#pragma once

#include <QTranslator>

namespace morvalent::gui {

// Korean for the few texts of Qt's own dialogs that Qt's Korean translation lacks
// (the type column of the open and save dialogs says "Folder"). Installed after
// Qt's translation, so it is asked first and answers only what it knows.
class QtKoreanTexts : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

}  // namespace morvalent::gui
