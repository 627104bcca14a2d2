#include "gui/BatchRenameApp.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>

#include "commit/History.h"
#include "gui/InstanceLink.h"
#include "gui/MainWindow.h"
#include "gui/QtPrompts.h"
#include "gui/StartArguments.h"
#include "gui/StopSignals.h"
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
    QApplication::installTranslator(&missingTexts_);
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
    if (!paths.empty()) window.GatherPaths(paths);
}

int BatchRenameApp::Run() {
    const StartArguments start = ParseStartArguments(args_);
    if (start.error) {
        ReportUsageError(*start.error);
        return 2;
    }
    // A window is open already: it takes the paths, and this start ends.
    const QString socket = InstanceLink::SocketPath();
    if (InstanceLink::HandOver(socket, start.paths)) return 0;
    auto fs = platform::MakeNativeFileSystem();
    const auto stateFolder = platform::DefaultStateFolder();
    std::optional<commit::History> history;
    if (stateFolder) history.emplace(*fs, commit::History::FolderIn(*stateFolder));
    QtPrompts prompts(*fs);
    MainWindow window(*fs, prompts, history ? &*history : nullptr);
    prompts.SetParentWindow(&window);
    window.Dialog().SetStateFolder(stateFolder);
    window.RestorePlacement();
    InstanceLink link;
    link.Listen(socket, [&window](std::vector<std::u16string> paths) {
        window.ReceivePaths(std::move(paths));
    });
    StopSignals stop([&window] { window.RequestStop(); });
    QObject::connect(&app_, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.KeepForSessionEnd(); });
    ShowWithPaths(window, start.paths);
    window.Dialog().NoticeInterruptedCommit();
    // Once the window is on screen, so the question stands over it.
    if (start.paths.empty()) QTimer::singleShot(0, &window, [&window] { window.OfferSavedList(); });
    return app_.exec();
}

}  // namespace morvalent::gui
