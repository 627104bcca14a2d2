#include <gtest/gtest.h>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "support/ScriptedUi.h"

namespace morvalent::app {
namespace {

using Type = KeyMessage::Type;

// The key event a chord stands for: Ctrl chords on release, plain keys on press.
KeyMessage EventOf(const Chord& chord) {
    return {chord.ctrl ? Type::Release : Type::Press, chord.key, chord.ctrl, chord.shift, false};
}

TEST(CommandTable, EveryChordReachesItsOwnCommand) {
    for (const CommandInfo& command : AllCommands()) {
        if (command.chord.key == Key::Other) continue;
        EXPECT_EQ(FindChord(EventOf(command.chord)), &command) << command.id;
    }
}

TEST(CommandTable, KeyEventsFindTheirCommand) {
    struct Row {
        const char* name;
        KeyMessage message;
        int command;  // 0: none
    };
    const Row rows[] = {
        {"Ctrl+S", {Type::Release, Key::S, true, false, false}, CmdApplyRenames},
        {"Shift held in vain", {Type::Release, Key::S, true, true, false}, CmdApplyRenames},
        {"Ctrl+Shift+C", {Type::Release, Key::C, true, true, false}, CmdCopyPaths},
        {"Ctrl+Shift+V", {Type::Release, Key::V, true, true, false}, CmdLoadPathList},
        {"Ctrl+O on press", {Type::Press, Key::O, true, false, false}, 0},
        {"O without Ctrl", {Type::Release, Key::O, false, false, false}, 0},
        {"repeated release", {Type::Release, Key::O, true, false, true}, 0},
        {"comma with Shift", {Type::Press, Key::Comma, false, true, false}, CmdMoveUp},
        {"comma released", {Type::Release, Key::Comma, true, false, false}, 0},
        {"Escape", {Type::Press, Key::Escape, false, false, false}, CmdExit},
        {"Delete is no command", {Type::Press, Key::Delete, false, false, false}, 0},
    };
    for (const Row& row : rows) {
        const CommandInfo* found = FindChord(row.message);
        EXPECT_EQ(found == nullptr ? 0 : found->id, row.command) << row.name;
    }
}

TEST(CommandTable, ChordsThatNeedRowsDoNothingOnAnEmptyList) {
    testing::ScriptedUi ui;
    auto fs = platform::MakeNativeFileSystem();
    filelist::PlainIconSource icons;
    MainDialog dialog(ui, ui, *fs, icons);
    for (const CommandInfo& command : AllCommands()) {
        if (command.chord.key == Key::Other || command.needs != Needs::Rows) continue;
        // Taken only where the window keeps the key anyway; no question is asked.
        EXPECT_EQ(dialog.PreTranslateMessage(EventOf(command.chord)), command.chord.alwaysTaken)
            << command.id;
    }
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_TRUE(ui.okCancelQuestions.empty());
    EXPECT_TRUE(ui.shownDialogs.empty());
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace morvalent::app
