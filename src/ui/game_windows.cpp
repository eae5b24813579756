#include "ui/game_windows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "core/main_window.h"
#include "ui/accessibility.h"
#include "ui/file_dialog.h"
#include "ui/game_keys.h"
#include "ui/info_window.h"
#include "ui/main_window.h"
#include "ui/menu_window.h"
#include "ui/outcome.h"
#include "ui/version_window.h"
#include "ui/win_frame.h"

namespace kararion::ui {
namespace {

// A window manager that keeps a side window from its place must not make us
// fight it forever: past this many snap-backs in a second we give up until
// the main window moves again.
constexpr int kMaxSnapsPerSecond = 20;

}  // namespace

GameWindows::GameWindows(Effects& effects, TimerHost& timers, std::string programDir)
    : game_(effects, timers, std::move(programDir)) {
    InstallAccessibility();
    main_ = std::make_unique<MainWindow>(*this);
    menu_ = new MenuWindow(*this, main_.get());
    info_ = new InfoWindow(*this, main_.get());
    onEnd_ = [] { QCoreApplication::exit(0); };
    keys_ = std::make_unique<GameKeys>(*this);
    winFrame_ = new WinFrame(main_.get());
    announcer_ = new Announcer(main_.get());
    outcome_ = std::make_unique<OutcomeWatch>(game_, *announcer_, *winFrame_);
}

// The game stops its own timers as it goes.
GameWindows::~GameWindows() = default;

void GameWindows::Start() {
    Form1::Form_Load(game_);
    RefreshAll();
    PlaceGroup();
    menu_->show();
    info_->show();
    Dock();
    main_->show();
    main_->activateWindow();
}

void GameWindows::PlaceGroup() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // Frames are not known before the windows are shown; the docking then
    // adds them on, so the group stays centred to within a frame's width.
    const QRect area = screen->availableGeometry();
    const int width = info_->frameGeometry().width() + main_->frameGeometry().width() + menu_->frameGeometry().width();
    const int height =
        std::max({info_->frameGeometry().height(), main_->frameGeometry().height(), menu_->frameGeometry().height()});
    const int left = area.left() + std::max(0, (area.width() - width) / 2) + info_->frameGeometry().width();
    const int top = area.top() + std::max(0, (area.height() - height) / 2);
    main_->move(left, top);
}

void GameWindows::RefreshAll() {
    main_->Refresh();
    info_->Refresh();
    menu_->Refresh();
    if (save_ && save_->isVisible()) save_->Refresh();
    if (load_ && load_->isVisible()) load_->Refresh();
    outcome_->Refreshed();
}

void GameWindows::ShowModal(QWidget* dialog) {
    // Over the main window rather than wherever the screen's middle is.
    const QRect over = main_->frameGeometry();
    dialog->move(over.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    static_cast<QDialog*>(dialog)->exec();
    RefreshAll();
}

void GameWindows::OpenSaveDialog() {
    if (!save_) save_ = std::make_unique<FileDialog>(*this, FileDialogKind::Save());
    save_->Load();
    ShowModal(save_.get());
}

void GameWindows::OpenLoadDialog() {
    if (!load_) load_ = std::make_unique<FileDialog>(*this, FileDialogKind::Load());
    load_->Load();
    ShowModal(load_.get());
}

void GameWindows::OpenVersionWindow() {
    if (!version_) version_ = std::make_unique<VersionWindow>();
    ShowModal(version_.get());
}

void GameWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    // Nothing is saved and no handler runs again: the timers stop first.
    for (GameTimer* timer : game_.Timers()) timer->SetEnabled(false);
    for (QWidget* dialog : {static_cast<QWidget*>(save_.get()), static_cast<QWidget*>(load_.get()),
                            static_cast<QWidget*>(version_.get())}) {
        if (dialog != nullptr) dialog->hide();
    }
    menu_->hide();
    info_->hide();
    main_->hide();
    if (onEnd_) onEnd_();
}

bool GameWindows::Docked() const {
    const QRect m = main_->frameGeometry();
    return menu_->pos() == QPoint(m.left() + m.width(), m.top()) &&
           info_->pos() == QPoint(m.left() - info_->frameGeometry().width(), m.top());
}

void GameWindows::Dock() {
    const QRect m = main_->frameGeometry();
    const QPoint menuAt(m.left() + m.width(), m.top());
    const QPoint infoAt(m.left() - info_->frameGeometry().width(), m.top());
    if (menu_->pos() != menuAt) menu_->move(menuAt);
    if (info_->pos() != infoAt) info_->move(infoAt);
}

void GameWindows::MainWindowMoved() {
    snapAttempts_ = 0;
    Dock();
}

void GameWindows::MainWindowStateChanged() {
    if (ended_) return;
    if (main_->isMinimized()) {
        menu_->hide();
        info_->hide();
    } else if (main_->isVisible() && !menu_->isVisible()) {
        menu_->show();
        info_->show();
        Dock();
    }
}

void GameWindows::SideWindowMoved() {
    if (ended_ || snapQueued_ || Docked()) return;
    if (!snapClock_.isValid() || snapClock_.elapsed() > 1000) {
        snapClock_.start();
        snapAttempts_ = 0;
    }
    if (snapAttempts_ >= kMaxSnapsPerSecond) return;
    // Queued: the window system finishes the move it is reporting before we
    // put the window back.
    snapQueued_ = true;
    QTimer::singleShot(0, &queue_, [this] {
        snapQueued_ = false;
        ++snapAttempts_;
        Dock();
    });
}

}  // namespace kararion::ui
