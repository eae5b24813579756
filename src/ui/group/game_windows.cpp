#include "ui/group/game_windows.h"

#include <algorithm>
#include <memory>

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>

#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "session/game_sheet.h"
#include "ui/access/accessibility.h"
#include "ui/access/game_keys.h"
#include "ui/access/outcome.h"
#include "ui/controls/look.h"
#include "ui/controls/win_frame.h"
#include "ui/dialogs/data_window.h"
#include "ui/dialogs/file_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/version_window.h"
#include "ui/group/group_geometry.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

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

// In the desktop's settings folder ($XDG_CONFIG_HOME/kararion/kararion.conf).
QSettings Settings() { return QSettings(QStringLiteral("kararion"), QStringLiteral("kararion")); }
const QString kZoomKey = QStringLiteral("view/zoom");
const QString kSoundKey = QStringLiteral("sound/on");
// The help window's size at 100%; the text scrolls within it.
constexpr QSize kHelpSize(480, 560);

// The group's width and height at `percent`: the windows scale, their frames do not.
QSize GroupSize(const QWidget* info, const QWidget* main, const QWidget* menu, int percent) {
    int width = 0;
    int height = 0;
    for (const QWidget* window : {info, main, menu}) {
        const QSize base = BaseSize(window);
        const QSize frame = window->frameGeometry().size() - window->size();
        width += base.width() * percent / 100 + frame.width();
        height = std::max(height, base.height() * percent / 100 + frame.height());
    }
    return QSize(width, height);
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

    AddContextMenu();
}

void GameWindows::AddContextMenu() {
    // The main window's context menu: the data counter, the view, the sound
    // and the help (each also has its key). The right button never reaches
    // the click cycle, which takes the left alone.
    QWidget* owner = main_.get();
    auto* showData = new QAction(QStringLiteral("データ表示"), owner);
    QObject::connect(showData, &QAction::triggered, owner, [this] { OpenDataWindow(); });

    auto* zoomMenu = new QMenu(owner);
    auto* zoom = new QAction(QStringLiteral("表示サイズ"), owner);
    zoom->setMenu(zoomMenu);
    // Offered afresh each time: the steps that fit depend on the screen the group is on.
    QObject::connect(zoomMenu, &QMenu::aboutToShow, owner, [this, zoomMenu] {
        zoomMenu->clear();
        auto* steps = new QActionGroup(zoomMenu);
        for (int percent : ZoomChoices()) {
            QAction* step = zoomMenu->addAction(QStringLiteral("%1%").arg(percent));
            step->setCheckable(true);
            step->setChecked(percent == ZoomPercent());
            steps->addAction(step);
            QObject::connect(step, &QAction::triggered, main_.get(), [this, percent] { SetZoom(percent); });
        }
    });

    auto* sound = new QAction(QStringLiteral("サウンド"), owner);
    sound->setCheckable(true);
    sound->setChecked(soundOn_);
    QObject::connect(sound, &QAction::triggered, owner, [this](bool on) { SetSoundOn(on); });
    soundAction_ = sound;

    auto* help = new QAction(QStringLiteral("遊び方"), owner);
    QObject::connect(help, &QAction::triggered, owner, [this] { OpenHelpWindow(); });

    // The controls keep their mouse events from the window, so each offers the entries itself.
    QList<QWidget*> surfaces = main_->findChildren<QWidget*>();
    surfaces.append(owner);
    for (QWidget* surface : surfaces) {
        if (qobject_cast<QMenu*>(surface) != nullptr) continue;
        surface->addActions({showData, zoom, sound, help});
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
    const QSettings settings = Settings();
    const std::vector<int> choices = ZoomChoices();
    const int chosen = settings.value(kZoomKey, 0).toInt();
    SetZoomPercent(std::find(choices.begin(), choices.end(), chosen) != choices.end() ? chosen : DefaultZoom());
    for (QWidget* window :
         {static_cast<QWidget*>(main_.get()), static_cast<QWidget*>(info_), static_cast<QWidget*>(menu_)})
        ApplyZoom(window);
    soundOn_ = settings.value(kSoundKey, true).toBool();
    soundAction_->setChecked(soundOn_);
    if (soundSwitch_) soundSwitch_(soundOn_);
    PlaceGroup();
    menu_->show();
    info_->show();
    Dock();
    main_->show();
    Dock();
    main_->activateWindow();
    Greet();
}

void GameWindows::Greet() {
    // Once the machine has the keyboard: a screen reader names the window
    // it comes to first, and a greeting before that would be cut off.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto greet = [this] {
        Say(QStringLiteral("カラリオン。コイン %1。エフワンで あそびかた、エスで じょうたい、エンターで スタート")
                .arg(QString::fromStdString(game_.counters.Coin)));
    };
    if (app == nullptr || QGuiApplication::focusWindow() == main_->windowHandle()) {
        greet();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(app, &QGuiApplication::focusWindowChanged, main_.get(),
                                   [this, connection, greet](QWindow* window) {
                                       if (window != main_->windowHandle()) return;
                                       QObject::disconnect(*connection);
                                       greet();
                                   });
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

void GameWindows::Act(const std::function<void(Game&)>& rule) {
    rule(game_);
    RefreshAll();
}

std::vector<int> GameWindows::ZoomChoices() const {
    const QScreen* screen = main_->screen();
    std::vector<int> choices{kZoomSteps[0]};
    if (screen == nullptr) return choices;
    const QSize room = screen->availableGeometry().size();
    for (int percent : kZoomSteps) {
        const QSize group = GroupSize(info_, main_.get(), menu_, percent);
        if (percent > kZoomSteps[0] && group.width() <= room.width() && group.height() <= room.height())
            choices.push_back(percent);
    }
    return choices;
}

int GameWindows::DefaultZoom() const {
    const QScreen* screen = main_->screen();
    int best = kZoomSteps[0];
    if (screen == nullptr) return best;
    for (int percent : ZoomChoices()) {
        if (GroupSize(info_, main_.get(), menu_, percent).width() <= screen->geometry().width() / 2) best = percent;
    }
    return best;
}

void GameWindows::SetZoom(int percent) {
    const std::vector<int> choices = ZoomChoices();
    if (std::find(choices.begin(), choices.end(), percent) == choices.end()) return;
    Settings().setValue(kZoomKey, percent);
    const auto said = qScopeGuard([this] { Say(QStringLiteral("ひょうじ %1パーセント").arg(ZoomPercent())); });
    if (percent == ZoomPercent()) return;
    SetZoomPercent(percent);
    for (QWidget* window : {static_cast<QWidget*>(main_.get()), static_cast<QWidget*>(info_),
                            static_cast<QWidget*>(menu_), static_cast<QWidget*>(save_), static_cast<QWidget*>(load_),
                            static_cast<QWidget*>(version_), static_cast<QWidget*>(data_.get())}) {
        if (window != nullptr) ApplyZoom(window);
    }
    if (help_) {
        ApplyZoom(help_.get());
        help_->resize(Zoomed(kHelpSize));
        help_->Rebuild();
    }
    // The main window keeps its corner; the group docks to it and stays on the screen.
    Dock();
    if (data_ && data_->isVisible()) PlaceBesideGroup(data_.get());
    if (help_ && help_->isVisible()) PlaceBesideGroup(help_.get());
}

void GameWindows::StepZoom(int direction) {
    const std::vector<int> choices = ZoomChoices();
    const auto at = std::find(choices.begin(), choices.end(), ZoomPercent());
    if (at == choices.end()) return;
    const auto next = at - choices.begin() + direction;
    if (next >= 0 && next < static_cast<std::ptrdiff_t>(choices.size())) {
        SetZoom(choices[static_cast<std::size_t>(next)]);
    } else {
        Say(QStringLiteral("ひょうじ %1パーセント、%2")
                .arg(ZoomPercent())
                .arg(direction > 0 ? QStringLiteral("いちばん おおきい") : QStringLiteral("いちばん ちいさい")));
    }
}

void GameWindows::SetSoundOn(bool on) {
    soundOn_ = on;
    soundAction_->setChecked(on);
    Settings().setValue(kSoundKey, on);
    if (soundSwitch_) soundSwitch_(on);
    Say(on ? QStringLiteral("サウンド オン") : QStringLiteral("サウンド オフ"));
}

void GameWindows::OpenHelpWindow() {
    if (ended_) return;
    const bool fresh = !help_;
    if (fresh) help_ = std::make_unique<HelpWindow>();
    ApplyZoom(help_.get());
    if (fresh) help_->resize(Zoomed(kHelpSize));
    help_->Rebuild();
    if (fresh || !help_->isVisible()) PlaceBesideGroup(help_.get());
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void GameWindows::PlaceBesideGroup(QWidget* window) {
    // Whole on the screen first: at a large zoom the text scrolls instead.
    const QRect area = DeviceArea(main_.get());
    const qreal ratio = main_->devicePixelRatioF();
    const QSize room(qRound(area.width() / ratio) - 40, qRound(area.height() / ratio) - 60);
    window->resize(window->size().boundedTo(room));
    const QRect group = DeviceFrame(info_) | DeviceFrame(main_.get()) | DeviceFrame(menu_);
    const QSize frame = window->testAttribute(Qt::WA_WState_Created)
                            ? DeviceFrame(window).size()
                            : QSize(qRound(window->width() * ratio), qRound(window->height() * ratio)) +
                                  (DeviceFrame(main_.get()).size() - main_->size() * ratio);
    MoveFrame(window, BesideGroup(frame, group, area));
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

void GameWindows::Say(const QString& words) {
    announcer_->Say(words);
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
    ApplyZoom(save_);
    save_->Reopen();
    ShowModal(save_);
}

void GameWindows::OpenLoadDialog() {
    if (!SaveFolderReady()) return;
    if (load_ == nullptr) load_ = new FileDialog(*this, FileDialogKind::Load(), main_.get());
    ApplyZoom(load_);
    load_->Reopen();
    ShowModal(load_);
}

void GameWindows::OpenVersionWindow() {
    if (version_ == nullptr) version_ = new VersionWindow(main_.get());
    ApplyZoom(version_);
    ShowModal(version_);
}

void GameWindows::OpenDataWindow() {
    if (ended_) return;
    const bool fresh = !data_;
    if (fresh) {
        data_ = std::make_unique<DataWindow>(record_.history());
        keys_->Watch(data_.get());
    }
    ApplyZoom(data_.get());
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
                            static_cast<QWidget*>(data_.get()), static_cast<QWidget*>(help_.get())}) {
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
