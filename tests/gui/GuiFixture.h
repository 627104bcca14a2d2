#pragma once

#include <QApplication>

#include "gui/MainWindow.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"

namespace morvalent::testing {

// A main window whose modal questions are answered by a script.
struct ScriptedWindow {
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    ScriptedUi answers;
    gui::MainWindow window{*fs};
    ScriptedWindow() { window.SetModalAnswerer(&answers); }
};

}  // namespace morvalent::testing
