#include "gui/BatchRenameApp.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

#include "gui/MainWindow.h"
#include "gui/QtPrompts.h"
#include "gui/StartArguments.h"
#include "platform/FileSystem.h"
#include "platform/StateFolder.h"

namespace morvalent::gui {

BatchRenameApp::BatchRenameApp(int& argc, char** argv) : app_(argc, argv) {
    // QApplication has removed its own options by now.
    for (int i = 1; i < argc; ++i) args_.emplace_back(argv[i]);
    QApplication::setApplicationName(QStringLiteral("Morvalent"));
    // Ties the window to its desktop entry (its icon on Wayland, the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.morvalent.Morvalent"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvalent.svg")));
    LoadKoreanTranslation(app_, translator_);
}

bool BatchRenameApp::LoadKoreanTranslation(QApplication& app, QTranslator& translator) {
    if (!translator.load(QLocale(QLocale::Korean, QLocale::SouthKorea), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    app.installTranslator(&translator);
    return true;
}

void BatchRenameApp::ShowWithPaths(MainWindow& window, const std::vector<std::u16string>& paths) {
    window.show();
    if (!paths.empty()) window.Dialog().OnDropFiles(paths);
}

int BatchRenameApp::Run() {
    const StartArguments start = ParseStartArguments(args_);
    if (start.error) {
        ReportUsageError(*start.error);
        return 2;
    }
    auto fs = platform::MakeNativeFileSystem();
    QtPrompts prompts;
    MainWindow window(*fs, prompts);
    prompts.SetParentWindow(&window);
    window.Dialog().SetStateFolder(platform::DefaultStateFolder());
    ShowWithPaths(window, start.paths);
    return app_.exec();
}

}  // namespace morvalent::gui
