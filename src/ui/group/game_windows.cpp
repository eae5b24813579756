#include "ui/group/game_windows.h"

#include <algorithm>

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "session/game_sheet.h"
#include "ui/access/accessibility.h"
#include "ui/access/game_keys.h"
#include "ui/access/outcome.h"
#include "ui/controls/win_frame.h"
#include "ui/group/group_geometry.h"
#include "ui/windows/data_window.h"
#include "ui/windows/file_dialog.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"
#include "ui/windows/version_window.h"

namespace kararion::ui {
namespace {

// A window manager that keeps a side window from its place must not make us
// fight it forever: past this many snap-backs in a second we give up until
// the main window moves again.
constexpr int kMaxSnapsPerSecond = 20;

// Where the group belongs, led by where the main window stands now.
GroupPlaces Docking(const QWidget* main, const QWidget* info, const QWidget* menu) {
    const QRect at = DeviceFrame(main);
    return DockedGroup({.info = DeviceFrame(info).size(), .main = at.size(), .menu = DeviceFrame(menu).size()},
                       at.topLeft(), DeviceArea(main));
}

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

    // The data counter: the main window's context menu (its key, D, is one of
    // the game's keys). The right button never reaches the click cycle, which
    // takes the left alone.
    auto* showData = new QAction(QStringLiteral("データ表示"), main_.get());
    QObject::connect(showData, &QAction::triggered, main_.get(), [this] { OpenDataWindow(); });
    // The controls keep their mouse events from the window, so each offers the entry itself.
    QList<QWidget*> surfaces = main_->findChildren<QWidget*>();
    surfaces.append(main_.get());
    for (QWidget* surface : surfaces) {
        surface->addAction(showData);
        surface->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

// The game stops its own timers as it goes.
GameWindows::~GameWindows() = default;

void GameWindows::Start() {
    Act([this](Game& g) {
        machine::Load(g);
        record_.StartSession();  // the data counter's session starts with the program
    });
    PlaceGroup();
    menu_->show();
    info_->show();
    Dock();
    main_->show();
    Dock();
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
    if (data_ && data_->isVisible()) data_->Refresh();
    outcome_->Refreshed();
}

void GameWindows::ShowModal(QDialog* dialog) {
    // Over the main window rather than wherever the screen's middle is.
    const QRect over = main_->frameGeometry();
    dialog->move(over.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    dialog->exec();
    // The entry that opened it stayed red behind it; the pointer is elsewhere now.
    Act(&menu::HoverBackground);
}

void GameWindows::OpenSaveDialog() {
    if (save_ == nullptr) save_ = new FileDialog(*this, FileDialogKind::Save(), main_.get());
    save_->Load();
    ShowModal(save_);
}

void GameWindows::OpenLoadDialog() {
    if (load_ == nullptr) load_ = new FileDialog(*this, FileDialogKind::Load(), main_.get());
    load_->Load();
    ShowModal(load_);
}

void GameWindows::OpenVersionWindow() {
    if (version_ == nullptr) version_ = new VersionWindow(main_.get());
    ShowModal(version_);
}

void GameWindows::OpenDataWindow() {
    if (ended_) return;
    if (!data_) {
        data_ = std::make_unique<DataWindow>(record_.history());
        keys_->Watch(data_.get());
        // Beside the game rather than over it, but on the screen: where the
        // screen has no room to the right, it goes to the left of the group.
        const QRect game = main_->frameGeometry();
        const QRect area = main_->screen()->availableGeometry();
        const QSize size = data_->sizeHint();
        int left = menu_->frameGeometry().right() + 1;
        if (left + size.width() > area.right() + 1) left = info_->frameGeometry().left() - size.width();
        left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
        const int top = std::clamp(game.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
        data_->move(left, top);
    }
    // Worked out each time it opens, from the strips the reels spin on.
    data_->SetOdds(session::WorkOutOdds(session::SheetOfGame(game_)));
    data_->Refresh();
    data_->show();
    data_->raise();
    data_->activateWindow();
}

void GameWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    // Nothing is saved and no handler runs again: the timers stop first.
    for (GameTimer* timer : game_.Timers()) timer->SetEnabled(false);
    for (QWidget* dialog : {static_cast<QWidget*>(save_), static_cast<QWidget*>(load_), static_cast<QWidget*>(version_),
                            static_cast<QWidget*>(data_.get())}) {
        if (dialog != nullptr) dialog->hide();
    }
    menu_->hide();
    info_->hide();
    main_->hide();
    if (onEnd_) onEnd_();
}

bool GameWindows::Docked() const {
    const GroupPlaces at = Docking(main_.get(), info_, menu_);
    return DeviceFrame(main_.get()).topLeft() == at.main && DeviceFrame(info_).topLeft() == at.info &&
           DeviceFrame(menu_).topLeft() == at.menu;
}

void GameWindows::Dock() {
    const GroupPlaces at = Docking(main_.get(), info_, menu_);
    // The main window first: when it has to move, its move docks the others.
    MoveFrame(main_.get(), at.main);
    MoveFrame(menu_, at.menu);
    MoveFrame(info_, at.info);
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
