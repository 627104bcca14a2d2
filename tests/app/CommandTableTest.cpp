#include <gtest/gtest.h>

#include <optional>

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
        std::optional<CommandId> command;
    };
    const Row rows[] = {
        {"Ctrl+S", {Type::Release, Key::S, true, false, false}, CommandId::ApplyRenames},
        {"Shift held in vain", {Type::Release, Key::S, true, true, false}, CommandId::ApplyRenames},
        {"Ctrl+Shift+C", {Type::Release, Key::C, true, true, false}, CommandId::CopyPaths},
        {"Ctrl+Shift+V", {Type::Release, Key::V, true, true, false}, CommandId::LoadPathList},
        {"Ctrl+O on press", {Type::Press, Key::O, true, false, false}, std::nullopt},
        {"O without Ctrl", {Type::Release, Key::O, false, false, false}, std::nullopt},
        {"repeated release", {Type::Release, Key::O, true, false, true}, std::nullopt},
        {"comma with Shift", {Type::Press, Key::Comma, false, true, false}, CommandId::MoveUp},
        {"comma released", {Type::Release, Key::Comma, true, false, false}, std::nullopt},
        {"Escape", {Type::Press, Key::Escape, false, false, false}, CommandId::Exit},
        {"Delete is no command", {Type::Press, Key::Delete, false, false, false}, std::nullopt},
    };
    for (const Row& row : rows) {
        const CommandInfo* found = FindChord(row.message);
        EXPECT_EQ(found == nullptr ? std::nullopt : std::optional(found->id), row.command)
            << row.name;
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
