#pragma once

#include <QApplication>

#include "gui/MainWindow.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"

namespace morvalent::testing {

// A main window whose questions are answered by a script.
struct ScriptedWindow {
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    ScriptedUi answers;
    gui::MainWindow window{*fs, answers};
};

}  // namespace morvalent::testing
