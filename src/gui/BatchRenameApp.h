#pragma once

#include <QApplication>
#include <QTranslator>

namespace morvalent::gui {

// Runs the main window; the process ends when it closes. No command line, no settings.
class BatchRenameApp {
  public:
    BatchRenameApp(int& argc, char** argv);
    int Run();

    // Loads Qt's own Korean texts (확인, 취소, 예, 아니요); false when missing.
    static bool LoadKoreanTranslation(QApplication& app, QTranslator& translator);

  private:
    QApplication app_;
    QTranslator translator_;
};

}  // namespace morvalent::gui
