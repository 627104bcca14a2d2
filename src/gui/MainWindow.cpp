#include "gui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <array>
#include <variant>

#include "app/Commands.h"
#include "app/Texts.h"
#include "gui/CellDelegate.h"
#include "gui/FlatListView.h"
#include "gui/QtText.h"
#include "gui/ReleaseFilter.h"
#include "platform/FileTime.h"

// Resources of a static library are registered by hand, once.
static void InitMorvalentResources() { Q_INIT_RESOURCE(morvalent); }

namespace morvalent::gui {
namespace {

constexpr int kToolbarWidth = 44;
constexpr int kStatusHeight = 18;
constexpr int kBottomBand = 20;  // status line plus a 2-pixel gap above it
// How long a Ctrl chord's release waits for the press that would make it an auto-repeat.
constexpr int kRepeatWaitMs = 40;

QString IconPath(const char16_t* name) { return QStringLiteral(":/icons/") + ToQString(name); }

app::Key KeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Delete:
            return app::Key::Delete;
        case Qt::Key_Escape:
            return app::Key::Escape;
        case Qt::Key_F8:
            return app::Key::F8;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return app::Key::Comma;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return app::Key::Period;
        case Qt::Key_O:
            return app::Key::O;
        case Qt::Key_S:
            return app::Key::S;
        case Qt::Key_Z:
            return app::Key::Z;
        case Qt::Key_L:
            return app::Key::L;
        case Qt::Key_A:
            return app::Key::A;
        case Qt::Key_C:
            return app::Key::C;
        case Qt::Key_X:
            return app::Key::X;
        case Qt::Key_V:
            return app::Key::V;
        default:
            return app::Key::Other;
    }
}

}  // namespace

MainWindow::MainWindow(platform::FileSystem& fs, app::UserPrompts& prompts,
                       commit::History* history, QWidget* parent)
    : QMainWindow(parent) {
    InitMorvalentResources();
    dialog_ = std::make_unique<app::MainDialog>(prompts, *this, fs, icons_);
    dialog_->SetHistory(history);
    setWindowTitle(ToQString(app::texts::kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/morvalent.svg")));
    setAcceptDrops(true);
    client_ = new QWidget(this);
    setCentralWidget(client_);
    BuildActions();
    BuildMenus();
    left_ = BuildToolBar(app::LeftToolbar());
    right_ = BuildToolBar(app::RightToolbar());
    BuildList();
    status_ = new QLabel(client_);
    status_->setAlignment(Qt::AlignCenter);
    status_->setTextFormat(Qt::PlainText);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Only X11 sends a release for every auto-repeat; elsewhere a release acts at once.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    releases_ = new ReleaseFilter(
        x11 ? kRepeatWaitMs : 0,
        [this](const app::KeyMessage& release) {
            Dispatch([&] { dialog_->PreTranslateMessage(release); });
        },
        this);
    qApp->installEventFilter(this);
    resize(600, 460);
    dialog_->OnInitDialog();
    LayoutControls();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The view goes before the model it shows, and the model before the list.
    delete view_;
    view_ = nullptr;
    delete model_;
    model_ = nullptr;
}

void MainWindow::BuildActions() {
    for (const app::CommandInfo& command : app::AllCommands()) {
        QString text = ToQString(command.caption);
        if (command.chord.label[0] != u'\0') {
            // The label only: the keys reach the command through the event filter.
            text += QLatin1Char('\t') + ToQString(command.chord.label);
        }
        auto* action = new QAction(text, this);
        action->setToolTip(ToQString(command.caption).remove(QStringLiteral("(&X)")));
        if (command.icon[0] != u'\0') action->setIcon(QIcon(IconPath(command.icon)));
        action->setCheckable(command.checked != nullptr);
        const app::CommandId id = command.id;
        connect(action, &QAction::triggered, this,
                [this, id] { Dispatch([this, id] { dialog_->OnCommand(id); }); });
        actions_[id] = action;
    }
}

void MainWindow::BuildMenus() {
    for (const app::MenuInfo& menuInfo : app::MenuBar()) {
        if (menuInfo.caption[0] == u'\0') {
            for (const app::MenuEntry& entry : menuInfo.entries) {
                if (const auto* id = std::get_if<app::CommandId>(&entry))
                    menuBar()->addAction(actions_.at(*id));
            }
            continue;
        }
        QMenu* menu = menuBar()->addMenu(ToQString(menuInfo.caption));
        for (const app::MenuEntry& entry : menuInfo.entries) {
            const auto* item = std::get_if<app::CommandId>(&entry);
            if (item == nullptr) {
                menu->addSeparator();
                continue;
            }
            const app::CommandId id = *item;
            const auto items = app::SubmenuItems(id);
            if (items.empty()) {
                menu->addAction(actions_.at(id));
                continue;
            }
            // The submenu's own entry stands for the command from now on.
            QMenu* submenu = menu->addMenu(actions_.at(id)->text());
            delete actions_.at(id);
            actions_[id] = submenu->menuAction();
            for (app::CommandId item : items) submenu->addAction(actions_.at(item));
        }
    }
}

QToolBar* MainWindow::BuildToolBar(std::span<const app::MenuEntry> entries) {
    auto* bar = new QToolBar(client_);
    bar->setOrientation(Qt::Vertical);
    bar->setIconSize(QSize(38, 24));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setContentsMargins(0, 0, 0, 0);
    for (const app::MenuEntry& entry : entries) {
        if (const auto* id = std::get_if<app::CommandId>(&entry))
            bar->addAction(actions_.at(*id));
        else
            bar->addSeparator();
    }
    return bar;
}

void MainWindow::BuildList() {
    model_ = new ListModel(dialog_->List(), icons_, this);
    model_->onMarksChanged = [this] { SyncSelectionFromList(); };
    model_->SetConflicts(&dialog_->Conflicts());
    model_->failureOf = [this](std::size_t row) { return dialog_->FailureTextAt(row); };
    view_ = new FlatListView(client_);
    view_->setModel(model_);
    view_->setItemDelegate(new CellDelegate(view_));
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setUniformRowHeights(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSortingEnabled(false);
    view_->setAllColumnsShowFocus(true);
    view_->setTextElideMode(Qt::ElideRight);
    view_->setAcceptDrops(false);
    view_->setIconSize(QSize(16, 16));
    QHeaderView* header = view_->header();
    header->setSectionsClickable(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setMinimumSectionSize(0);
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        SetColumnWidth(filelist::Column(column), app::kStartColumnWidths[column]);
    }
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int) {
        // The user widened or narrowed a column: the folder column takes up the rest.
        if (!fittingColumns_ && column != filelist::ColFolder) FitColumns();
    });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::OnViewSelectionChanged);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (syncingSelection_) return;
                dialog_->List().SetFocusedFromView(
                    current.isValid() ? std::optional<std::size_t>(current.row()) : std::nullopt);
            });
    connect(view_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex&) { Dispatch([this] { dialog_->OnRowDoubleClicked(); }); });
}

QAction* MainWindow::CommandAction(app::CommandId id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::LayoutControls() {
    const int w = client_->width();
    const int h = client_->height();
    left_->setGeometry(0, 0, kToolbarWidth, h - kBottomBand);
    right_->setGeometry(w - kToolbarWidth, 0, kToolbarWidth, h - kBottomBand);
    view_->setGeometry(kToolbarWidth, 0, w - 2 * kToolbarWidth, h - kBottomBand);
    status_->setGeometry(0, h - kStatusHeight, w, kStatusHeight);
    FitColumns();
}

void MainWindow::FitColumns() {
    if (view_ == nullptr || fittingColumns_) return;
    QHeaderView* header = view_->header();
    std::array<int, filelist::ColumnCount> widths{};
    for (int column = 0; column < filelist::ColumnCount; ++column)
        widths[column] = header->isSectionHidden(column) ? 0 : header->sectionSize(column);
    const auto fitted = app::FittedColumnWidths(widths, view_->viewport()->width());
    fittingColumns_ = true;
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        if (fitted[column] > 0 && fitted[column] != header->sectionSize(column))
            header->resizeSection(column, fitted[column]);
    }
    fittingColumns_ = false;
}

void MainWindow::RestorePlacement() {
    const auto state = dialog_->SavedWindowState();
    if (!state) {
        // A place of its own from the start, so the first question can stand over it.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        return;
    }
    // The place first, so a maximised window comes back to it when restored.
    setGeometry(state->x, state->y, state->width, state->height);
    for (int column = 0; column < filelist::ColumnCount; ++column) {
        if (column != filelist::ColFolder)
            SetColumnWidth(filelist::Column(column), state->widths[column]);
    }
    if (state->maximised) setWindowState(windowState() | Qt::WindowMaximized);
    FitColumns();
}

void MainWindow::KeepPlacement() {
    app::WindowState state;
    // A maximised window keeps the place it returns to.
    const QRect place = isMaximized() ? normalGeometry() : geometry();
    state.x = place.x();
    state.y = place.y();
    state.width = place.width();
    state.height = place.height();
    state.maximised = isMaximized();
    QHeaderView* header = view_->header();
    for (int column = 0; column < filelist::ColumnCount; ++column)
        state.widths[column] = header->isSectionHidden(column) ? 0 : header->sectionSize(column);
    dialog_->KeepWindowState(state);
}

void MainWindow::RequestStop() {
    if (closing_) return;
    if (running_ == 0) {
        close();
        return;
    }
    closeRequested_ = true;
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

void MainWindow::KeepForSessionEnd() {
    if (closing_) return;
    KeepPlacement();
    dialog_->KeepListNow();
}

void MainWindow::OfferSavedList() {
    Dispatch([this] { dialog_->OfferSavedList(); });
}

void MainWindow::ReceivePaths(std::vector<std::u16string> paths) {
    if (closing_) return;
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (paths.empty()) return;
    queuedDrops_.push_back(std::move(paths));
    if (running_ == 0) QTimer::singleShot(0, this, &MainWindow::GatherQueuedDrops);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (view_ != nullptr) LayoutControls();
}

void MainWindow::OnViewSelectionChanged(const QItemSelection& selected,
                                        const QItemSelection& deselected) {
    if (syncingSelection_) return;
    for (const QItemSelectionRange& range : deselected)
        dialog_->SelectRowsFromView(std::size_t(range.top()), std::size_t(range.bottom()), false);
    for (const QItemSelectionRange& range : selected)
        dialog_->SelectRowsFromView(std::size_t(range.top()), std::size_t(range.bottom()), true);
    dialog_->OnSelectionChanged();
}

void MainWindow::SyncSelectionFromList() {
    const auto& list = dialog_->List();
    QItemSelection selection;
    const int lastColumn = filelist::ColumnCount - 1;
    std::size_t i = 0;
    while (i < list.Count()) {
        if (!list.IsSelected(i)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end + 1 < list.Count() && list.IsSelected(end + 1)) ++end;
        selection.select(model_->index(int(i), 0), model_->index(int(end), lastColumn));
        i = end + 1;
    }
    syncingSelection_ = true;
    // Marks follow their rows, but the view stays where the user left it.
    const bool autoScroll = view_->hasAutoScroll();
    view_->setAutoScroll(false);
    const int top = view_->verticalScrollBar()->value();
    const int left = view_->horizontalScrollBar()->value();
    QItemSelectionModel* model = view_->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    if (auto focused = list.FocusedRow(); focused && *focused < list.Count()) {
        model->setCurrentIndex(model_->index(int(*focused), 0), QItemSelectionModel::NoUpdate);
    }
    view_->verticalScrollBar()->setValue(top);
    view_->horizontalScrollBar()->setValue(left);
    view_->setAutoScroll(autoScroll);
    syncingSelection_ = false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && view_ != nullptr) {
        LayoutControls();
        return false;
    }
    if (view_ != nullptr && watched == view_->viewport() && event->type() == QEvent::Resize) {
        // The list's visible width is known only now (a scroll bar may take some).
        FitColumns();
        return false;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        // Only keys meant for this window, not for its own modal dialogs.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this &&
            QApplication::activeModalWidget() == nullptr) {
            return FilterKey(static_cast<QKeyEvent*>(event));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::FilterKey(QKeyEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    // A key that arrives while a command runs (its repaint lets it through) starts nothing.
    if (running_ > 0) return true;
    if (press && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        dialog_->OnOK();
        return true;
    }
    const app::Key key = KeyOf(event->key());
    if (key == app::Key::Other) return false;
    app::KeyMessage message;
    message.type = press ? app::KeyMessage::Type::Press : app::KeyMessage::Type::Release;
    message.key = key;
    message.ctrl = ctrl;
    message.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    message.autoRepeat = event->isAutoRepeat();
    if (press && releases_->IsRepeatPress(key, event->timestamp())) return true;
    if (!press && ctrl && !message.autoRepeat && app::IsCtrlChordKey(key) &&
        releases_->HoldRelease(message, event->timestamp())) {
        return true;  // runs once it is known to be the key's real release
    }
    if (press && ctrl && app::IsCtrlChordKey(key)) {
        // The chord acts on release; the view must not run its own Ctrl+A or Ctrl+C.
        return true;
    }
    bool taken = false;
    Dispatch([&] { taken = dialog_->PreTranslateMessage(message); });
    return taken;
}

void MainWindow::Dispatch(const std::function<void()>& run) {
    ++running_;
    run();
    if (--running_ > 0) return;
    if (closeRequested_) {
        closeRequested_ = false;
        close();
        return;
    }
    if (!queuedDrops_.empty()) QTimer::singleShot(0, this, &MainWindow::GatherQueuedDrops);
}

void MainWindow::GatherPaths(const std::vector<std::u16string>& paths) {
    Dispatch([&] { dialog_->OnDropFiles(paths); });
}

void MainWindow::GatherQueuedDrops() {
    if (running_ > 0 || closing_ || queuedDrops_.empty()) return;
    const std::vector<std::u16string> paths = std::move(queuedDrops_.front());
    queuedDrops_.pop_front();
    GatherPaths(paths);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_ && running_ > 0) {
        // Clearing the list under a running batch would pull its rows away: the
        // batch ends first, then the window closes.
        closeRequested_ = true;
        event->ignore();
        return;
    }
    if (!closing_) {
        closing_ = true;
        queuedDrops_.clear();
        KeepPlacement();
        dialog_->OnCancel();
    }
    event->accept();
}

void MainWindow::CloseWindow() {
    if (!closing_) KeepPlacement();
    closing_ = true;
    close();
}

void MainWindow::ConflictsChanged() {
    if (model_ != nullptr) model_->ConflictsChanged();
}

namespace {

// Link, else Copy: a drop never asks its source to delete what it dropped.
bool AcceptLinkOrCopy(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) return false;
    const Qt::DropActions offered = event->possibleActions();
    if (offered.testFlag(Qt::LinkAction)) {
        event->setDropAction(Qt::LinkAction);
    } else if (offered.testFlag(Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
    } else {
        event->ignore();
        return false;
    }
    event->accept();
    return true;
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) { AcceptLinkOrCopy(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { AcceptLinkOrCopy(event); }

void MainWindow::dropEvent(QDropEvent* event) {
    if (!AcceptLinkOrCopy(event)) return;
    std::vector<std::u16string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        // The raw bytes of the path, so a name that is not UTF-8 keeps them.
        paths.push_back(PathFromLocalBytes(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())));
    }
    if (paths.empty() || closing_) return;
    // Gathered once the drop has returned, so the drag source is not held up by
    // the folder question, and never inside another command.
    queuedDrops_.push_back(std::move(paths));
    if (running_ == 0) QTimer::singleShot(0, this, &MainWindow::GatherQueuedDrops);
}

void MainWindow::SetStatusText(const std::u16string& text) { status_->setText(ToQString(text)); }

void MainWindow::SetCommandEnabled(app::CommandId command, bool enabled) {
    if (QAction* action = CommandAction(command)) action->setEnabled(enabled);
}

void MainWindow::SetCommandChecked(app::CommandId command, bool checked) {
    if (QAction* action = CommandAction(command)) action->setChecked(checked);
}

void MainWindow::SetCommandText(app::CommandId command, const std::u16string& text) {
    if (QAction* action = CommandAction(command)) {
        action->setText(ToQString(text));
        action->setVisible(!text.empty());
    }
}

void MainWindow::SetColumnWidth(filelist::Column column, int width) {
    QHeaderView* header = view_->header();
    if (width <= 0) {
        header->setSectionHidden(column, true);
        FitColumns();
        return;
    }
    header->setSectionHidden(column, false);
    if (column == filelist::ColModified || column == filelist::ColCreated) {
        // The given width is the least; the whole time text must fit the font in use.
        width = std::max(width, TimeColumnWidth());
    }
    header->resizeSection(column, width);
    FitColumns();
}

int MainWindow::TimeColumnWidth() const {
    // Every digit drawn as the widest one, so no time of any date is cut.
    const QFontMetrics metrics = view_->fontMetrics();
    QChar widest = QLatin1Char('0');
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
            widest = QChar(digit);
    }
    QString sample = ToQString(platform::FormatFileTime(0));
    for (QChar& c : sample) {
        if (c.isDigit()) c = widest;
    }
    const int margins = 2 * (view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    return metrics.horizontalAdvance(sample) + margins + 8;
}

void MainWindow::FocusList() { view_->setFocus(Qt::OtherFocusReason); }

void MainWindow::EnsureRowVisible(std::size_t row) {
    if (row < std::size_t(model_->rowCount())) view_->scrollTo(model_->index(int(row), 0));
}

void MainWindow::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::KeepResponsive() {
    // Repaint, but take no input: the operation is still running.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace morvalent::gui
