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
    announcer_ = std::make_unique<Announcer>(main_.get());
    outcome_ = std::make_unique<OutcomeWatch>(game_.events, game_.counters, game_.reels, *announcer_, *winFrame_);

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
        machine::StartProgram(g);
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
    // Said before the redraw tells the bus of every counter and lamp it
    // changes: a screen reader takes its events in turn.
    announcer_->Flush();
    Redraw();
}

void GameWindows::SayState() {
    outcome_->SayState();
    announcer_->Flush();
}

void GameWindows::Redraw() {
    main_->Refresh();
    info_->Refresh();
    menu_->Refresh();
    if (save_ && save_->isVisible()) save_->Refresh();
    if (load_ && load_->isVisible()) load_->Refresh();
    if (data_ && data_->isVisible()) data_->Refresh();
}

void GameWindows::ShowModal(QDialog* dialog) {
    // Over the main window rather than wherever the screen's middle is.
    const QRect over = main_->frameGeometry();
    dialog->move(over.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    dialog->exec();
    // The entry that opened it stayed red behind it; the pointer is elsewhere now.
    Act([](Game& g) { g.menu.HoverBackground(); });
}

bool GameWindows::SaveFolderReady() {
    if (!saveFolderCheck_) return true;
    const std::string problem = saveFolderCheck_();
    if (problem.empty()) return true;
    Act([&problem](Game& g) { g.fx.MessageBox(problem, "エラー"); });
    return false;
}

void GameWindows::OpenSaveDialog() {
    if (!SaveFolderReady()) return;
    if (save_ == nullptr) save_ = new FileDialog(*this, FileDialogKind::Save(), main_.get());
    save_->Reopen();
    ShowModal(save_);
}

void GameWindows::OpenLoadDialog() {
    if (!SaveFolderReady()) return;
    if (load_ == nullptr) load_ = new FileDialog(*this, FileDialogKind::Load(), main_.get());
    load_->Reopen();
    ShowModal(load_);
}

void GameWindows::OpenVersionWindow() {
    if (version_ == nullptr) version_ = new VersionWindow(main_.get());
    ShowModal(version_);
}

void GameWindows::OpenDataWindow() {
    if (ended_) return;
    const bool fresh = !data_;
    if (fresh) {
        data_ = std::make_unique<DataWindow>(record_.history());
        keys_->Watch(data_.get());
    }
    PlaceDataWindow(fresh);
    // Worked out each time it opens, from the strips the reels spin on.
    data_->SetOdds(session::WorkOutOdds(session::SheetOfGame(game_.reels)));
    data_->Refresh();
    data_->show();
    data_->raise();
    data_->activateWindow();
    // Its frame is known once the window manager has framed it: a place
    // reckoned with a guessed frame is put right then.
    if (fresh) QTimer::singleShot(100, data_.get(), [this] { PlaceDataWindow(false); });
}

void GameWindows::PlaceDataWindow(bool fresh) {
    // Clear of the three game windows, where they stand now; a place the
    // player gave it stays as long as it covers none of them.
    const QRect group = DeviceFrame(info_) | DeviceFrame(main_.get()) | DeviceFrame(menu_);
    if (!fresh && !DeviceFrame(data_.get()).intersects(group)) return;
    QSize frame = DeviceFrame(data_.get()).size();
    if (!data_->testAttribute(Qt::WA_WState_Created)) {
        // Not yet on the screen: its size to be, in a frame like the main window's.
        data_->adjustSize();
        const qreal ratio = main_->devicePixelRatioF();
        const QSize mainInside(qRound(main_->width() * ratio), qRound(main_->height() * ratio));
        frame = QSize(qRound(data_->width() * ratio), qRound(data_->height() * ratio)) +
                (DeviceFrame(main_.get()).size() - mainInside);
    }
    MoveFrame(data_.get(), BesideGroup(frame, group, DeviceArea(main_.get())));
}

void GameWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    // Nothing is saved and no handler runs again: the timers stop first.
    Act(machine::EndProgram);
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
