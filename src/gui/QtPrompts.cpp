#include "gui/QtPrompts.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListView>
#include <QMessageBox>
#include <QTreeView>

#include "app/Texts.h"
#include "gui/FolderBrowserWindow.h"
#include "gui/HistoryWindow.h"
#include "gui/InputDialogWindow.h"
#include "gui/QtText.h"
#include "gui/ReportBox.h"

namespace morvalent::gui {
namespace {

// "Text Files(*.txt)" with its pattern, for Qt's filter syntax. The caption is
// shown as it is; the real pattern follows in parentheses and is hidden.
QString QtFilter(const app::FileFilter& filter) {
    return ToQString(filter.caption) + QStringLiteral(" (") + ToQString(filter.pattern) +
           QStringLiteral(")");
}

app::DialogResult ResultOf(int code) {
    return code == QDialog::Accepted ? app::DialogResult::Ok : app::DialogResult::Cancel;
}

}  // namespace

void QtPrompts::ShowMessage(const std::u16string& text) { ShowMessage(text, app::texts::kTitle); }

void QtPrompts::ShowMessage(const std::u16string& text, const std::u16string& caption) {
    const QString shown = ToQString(text);
    if (ReportBox::IsLong(shown)) {
        ReportBox box(ToQString(caption), shown, parent_);
        box.exec();
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ToQString(caption), shown, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);  // names are never markup
    box.exec();
}

bool QtPrompts::AskYesNo(const std::u16string& text, const std::u16string& caption) {
    QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Yes);  // closing the box counts as Yes
    return box.exec() != QMessageBox::No;
}

bool QtPrompts::AskOkCancel(const std::u16string& text) {
    QMessageBox box(QMessageBox::Question, ToQString(app::texts::kTitle), ToQString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

app::DialogResult QtPrompts::ShowInputDialog(app::InputDialog& dialog) {
    InputDialogWindow window(dialog, parent_);
    return ResultOf(window.exec());
}

app::DialogResult QtPrompts::ShowHistory(app::HistoryDialog& dialog) {
    HistoryWindow window(dialog, parent_);
    return ResultOf(window.exec());
}

app::DialogResult QtPrompts::ShowFolderBrowser(app::FolderBrowser& browser) {
    FolderBrowserWindow window(browser, fs_, parent_);
    return ResultOf(window.exec());
}

std::vector<std::u16string> QtPrompts::ChooseFiles(const app::FileDialogRequest& request) {
    QFileDialog dialog(parent_, ToQString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const auto& filter : request.filters) filters << QtFilter(filter);
    dialog.setNameFilters(filters);
    using Mode = app::FileDialogRequest::Mode;
    if (request.mode == Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.mode == Mode::OpenMany ? QFileDialog::ExistingFiles
                                                          : QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    std::vector<std::u16string> paths;
    for (const QString& file : dialog.selectedFiles()) paths.push_back(PathFromQString(file));
    return paths;
}

std::vector<std::u16string> QtPrompts::ChooseFolders(const std::u16string& title) {
    QFileDialog dialog(parent_, ToQString(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog picks one folder; its lists take several with Ctrl and Shift.
    for (auto* view : dialog.findChildren<QAbstractItemView*>()) {
        if (qobject_cast<QListView*>(view) != nullptr || qobject_cast<QTreeView*>(view) != nullptr)
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    std::vector<std::u16string> paths;
    for (const QString& folder : dialog.selectedFiles()) paths.push_back(PathFromQString(folder));
    return paths;
}

void QtPrompts::SetClipboardText(const std::u16string& text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

}  // namespace morvalent::gui
