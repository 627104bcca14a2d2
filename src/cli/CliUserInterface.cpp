#include "cli/CliUserInterface.h"

#include <ostream>

#include "app/FolderBrowser.h"
#include "app/InputDialog.h"
#include "app/Texts.h"
#include "platform/Text.h"

namespace morvalent::cli {
namespace {

using app::DialogResult;
// A progress line is redrawn at most this often.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
// Back to the start of the line and clear to its end.
constexpr char kClearLine[] = "\r\x1b[K";

}  // namespace

std::string OutputBytes(std::u16string_view text) {
    if (auto native = platform::Utf16ToNative(text)) return std::move(*native);
    return platform::Utf16ToUtf8Lossy(text);
}

CliUserInterface::CliUserInterface(std::ostream& err, bool showProgress,
                                   std::function<std::size_t()> progressCount)
    : err_(err), showProgress_(showProgress), progressCount_(std::move(progressCount)) {}

void CliUserInterface::BeginStep(const Step& step) { step_ = &step; }

void CliUserInterface::ShowMessage(const std::u16string& text) {
    ClearProgress();
    // A recipe's step says which line it came from.
    if (step_ != nullptr && !step_->where.empty())
        err_ << step_->where << " (" << step_->option << "):\n";
    err_ << OutputBytes(text) << '\n';
    err_.flush();
}

void CliUserInterface::ShowMessage(const std::u16string& text, const std::u16string&) {
    ShowMessage(text);
}

bool CliUserInterface::AskYesNo(const std::u16string&, const std::u16string&) {
    // The only yes/no question is the folder question.
    return folderItself_;
}

bool CliUserInterface::AskOkCancel(const std::u16string&) {
    // Asked by --apply, whose very meaning is the confirmation.
    return true;
}

DialogResult CliUserInterface::ShowInputDialog(app::InputDialog& dialog) {
    if (step_ == nullptr) return DialogResult::Cancel;
    // Fields the step does not give keep what the program put in them.
    if (step_->texts.size() >= 1) dialog.text1 = step_->texts[0];
    if (step_->texts.size() >= 2) dialog.text2 = step_->texts[1];
    dialog.choice = step_->choice;
    return DialogResult::Ok;
}

DialogResult CliUserInterface::ShowFolderBrowser(app::FolderBrowser& browser) {
    if (step_ == nullptr || step_->texts.empty()) return DialogResult::Cancel;
    browser.chosenPath = step_->texts.front();
    return DialogResult::Ok;
}

std::vector<std::u16string> CliUserInterface::ChooseFiles(const app::FileDialogRequest&) {
    // A file named on the command line is the user's choice, replacing included.
    if (step_ == nullptr || step_->texts.empty()) return {};
    return {step_->texts.front()};
}

std::vector<std::u16string> CliUserInterface::ChooseFolders(const std::u16string&) {
    // The terminal names its folders as paths; a step may give them.
    if (step_ == nullptr) return {};
    return step_->texts;
}

void CliUserInterface::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) {
            countAtBusy_ = progressCount_ ? progressCount_() : 0;
            lastDrawn_ = std::chrono::steady_clock::now();
        }
        return;
    }
    if (busyDepth_ > 0 && --busyDepth_ == 0) ClearProgress();
}

void CliUserInterface::KeepResponsive() {
    if (!showProgress_ || busyDepth_ == 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (progressDrawn_ && now - lastDrawn_ < kRedrawInterval) return;
    lastDrawn_ = now;
    DrawProgress();
}

void CliUserInterface::DrawProgress() {
    const std::size_t count = progressCount_ ? progressCount_() - countAtBusy_ : 0;
    err_ << kClearLine << platform::Utf16ToUtf8Lossy(app::texts::kProcessing) << ' ' << count;
    err_.flush();
    progressDrawn_ = true;
}

void CliUserInterface::ClearProgress() {
    if (!progressDrawn_) return;
    err_ << kClearLine;
    err_.flush();
    progressDrawn_ = false;
}

}  // namespace morvalent::cli
