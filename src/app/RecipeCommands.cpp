#include <string>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "app/RecipeFile.h"
#include "app/RecipeTexts.h"
#include "app/StateView.h"
#include "app/Texts.h"
#include "app/UserPrompts.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "transfer/TransferTexts.h"

// Recipes in the window: the recorded steps saved as a file, and a file's steps
// run on the list as the terminal runs them.
namespace morvalent::app {
namespace {

FileDialogRequest RecipeFileRequest(FileDialogRequest::Mode mode, const char16_t* title) {
    FileDialogRequest request;
    request.mode = mode;
    request.title = title;
    request.filters = {{texts::kRecipeFilter, texts::kRecipePattern},
                       {texts::kAllFilesFilter, transfer::texts::kAllPattern}};
    if (mode == FileDialogRequest::Mode::Save) request.defaultExtension = texts::kRecipeExtension;
    return request;
}

// The dialogs are answered from the step while it runs, whatever way it ends.
class StepAnswering {
  public:
    StepAnswering(StepPrompts& prompts, const Step& step) : prompts_(prompts) {
        prompts_.BeginStep(step);
    }
    ~StepAnswering() { prompts_.EndStep(); }
    StepAnswering(const StepAnswering&) = delete;
    StepAnswering& operator=(const StepAnswering&) = delete;

  private:
    StepPrompts& prompts_;
};

std::u16string FileName(const std::u16string& path) {
    const std::size_t slash = path.find_last_of(u"/\\");
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

// "&1 path", with the path's own ampersands shown as they are.
std::u16string RecentLabel(std::size_t index, const std::u16string& path) {
    std::u16string label = u"&" + platform::DecimalText(std::uint64_t(index + 1)) + u" ";
    for (char16_t c : path) {
        if (c == u'&') label += u'&';
        label += c;
    }
    return label;
}

}  // namespace

void MainDialog::SetStateFolder(std::optional<std::u16string> folder) {
    stateFolder_ = folder;
    keeper_ = std::make_unique<ListKeeper>(folder, list_);
    recent_ = RecentRecipes(std::move(folder));
    ShowRecentRecipes();
}

void MainDialog::ShowRecentRecipes() {
    const auto& paths = recent_.Paths();
    for (std::size_t i = 0; i < RecentRecipes::kMostKept; ++i) {
        view_.SetCommandText(RecentRecipeCommand(i),
                             i < paths.size() ? RecentLabel(i, paths[i]) : std::u16string());
    }
    view_.SetCommandEnabled(CommandId::RecentRecipes, !list_.Empty() && !paths.empty());
}

Outcome MainDialog::SaveRecipe() {
    if (recording_.empty()) return Refuse(texts::kNothingRecorded);
    const auto chosen = prompts_.ChooseFiles(
        RecipeFileRequest(FileDialogRequest::Mode::Save, texts::kSaveRecipeTitle));
    if (chosen.empty()) return Outcome::Cancelled();
    const std::u16string& path = chosen.front();
    view_.SetBusy(true);
    const bool written = WriteRecipeFile(path, RecipeText(recording_));
    view_.SetBusy(false);
    if (!written) return Refuse(platform::FormatText(transfer::texts::kSaveFailed, path));
    recent_.Add(path);
    return Outcome::Done();
}

Outcome MainDialog::RunRecipe() {
    const auto chosen = prompts_.ChooseFiles(
        RecipeFileRequest(FileDialogRequest::Mode::OpenOne, texts::kRunRecipeTitle));
    if (chosen.empty()) return Outcome::Cancelled();
    return RunRecipeFile(chosen.front());
}

Outcome MainDialog::RunRecentRecipeAt(std::size_t index) {
    if (index >= recent_.Paths().size()) return Outcome::Done();
    const std::u16string path = recent_.Paths()[index];
    return RunRecipeFile(path);
}

Outcome MainDialog::RunRecipeFile(const std::u16string& path) {
    view_.SetBusy(true);
    const auto bytes = ReadRecipeFile(path);
    view_.SetBusy(false);
    if (!bytes) return Refuse(platform::FormatText(transfer::texts::kReadFailed, path));
    // Every line is checked before any step runs.
    const RecipeSteps recipe = ParseRecipe(*bytes, platform::Utf16ToUtf8Lossy(FileName(path)));
    if (recipe.error) return Refuse(platform::Utf8ToUtf16(*recipe.error));
    recent_.Add(path);
    filelist::FileList::Batch batch(list_);
    for (const Step& step : recipe.steps) {
        const StepAnswering answering(prompts_, step);
        Outcome outcome = RunRecipeStep(step);
        if (outcome.kind == Outcome::Kind::Refused) return outcome;
    }
    return Outcome::Done();
}

Outcome MainDialog::RunRecipeStep(const Step& step) {
    switch (step.kind) {
        case Step::Kind::Select: {
            for (std::size_t row : step.rows) {
                if (row == 0 || row > list_.Count()) {
                    return Refuse(platform::FormatText(
                        texts::kStepRowMissing, platform::DecimalText(std::uint64_t(row)),
                        platform::DecimalText(std::uint64_t(list_.Count()))));
                }
            }
            list_.ClearSelection();
            for (std::size_t row : step.rows) list_.SetSelected(row - 1, true);
            return Outcome::Done();
        }
        case Step::Kind::DeleteRows:
            DeleteRowsAsStep();
            return Outcome::Done();
        case Step::Kind::Command:
            break;
        case Step::Kind::Gather:
        case Step::Kind::FolderAnswer:
        case Step::Kind::Apply:
            // Refused when the recipe was read; nothing to gather or commit here.
            return Outcome::Done();
    }
    const CommandInfo* command = FindCommand(step.command);
    if (command == nullptr) return Outcome::Done();
    if (!CanRun(*command)) {
        return Refuse(command->needs == Needs::Selection ? texts::kStepNothingSelected
                                                         : texts::kStepListEmpty);
    }
    return RunCommand(*command);
}

}  // namespace morvalent::app
