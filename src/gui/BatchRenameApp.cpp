#include "gui/BatchRenameApp.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

#include "gui/MainWindow.h"
#include "gui/QtPrompts.h"
#include "platform/FileSystem.h"

namespace morvalent::gui {

BatchRenameApp::BatchRenameApp(int& argc, char** argv) : app_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Morvalent"));
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

int BatchRenameApp::Run() {
    auto fs = platform::MakeNativeFileSystem();
    QtPrompts prompts;
    MainWindow window(*fs, prompts);
    prompts.SetParentWindow(&window);
    window.show();
    return app_.exec();
}

}  // namespace morvalent::gui
