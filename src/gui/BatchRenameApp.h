#pragma once

#include <QApplication>
#include <QTranslator>
#include <string>
#include <vector>

#include "gui/QtKoreanTexts.h"

namespace morvalent::gui {

class MainWindow;

// Runs the main window; the process ends when it closes. No settings; the paths
// on the command line are gathered at start.
class BatchRenameApp {
  public:
    // Qt takes its own options out of `argc`/`argv`; the rest are the program's.
    BatchRenameApp(int& argc, char** argv);
    int Run();

    // Loads Qt's own Korean texts (확인, 취소, 예, 아니요); false when missing.
    static bool LoadKoreanTranslation(QApplication& app, QTranslator& translator);

    // Shows the window and gathers `paths` as one batch, exactly like a drop of
    // the same items, so a folder among them asks its question once.
    static void ShowWithPaths(MainWindow& window, const std::vector<std::u16string>& paths);

  private:
    QApplication app_;
    QTranslator translator_;
    QtKoreanTexts missingTexts_;
    std::vector<std::string> args_;
};

}  // namespace morvalent::gui
