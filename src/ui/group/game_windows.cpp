#include "ui/group/game_windows.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
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
#include "ui/platform/settings_file.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

namespace kararion::ui {
namespace {

// A window manager that keeps a side window from its place must not make us
// fight it without pause: past this many snap-backs in a second we wait for
// the second to end (or the main window to move) before trying again.
constexpr int kMaxSnapsPerSecond = 20;

// Where the group belongs, led by where the main window stands now.
GroupPlaces Docking(const QWidget* main, const QWidget* info, const QWidget* menu) {
    const QRect at = DeviceFrame(main);
    return DockedGroup({.info = DeviceFrame(info).size(), .main = at.size(), .menu = DeviceFrame(menu).size()},
                       at.topLeft(), DeviceArea(main));
}

const QString kZoomKey = QStringLiteral("view/zoom");
const QString kSoundKey = QStringLiteral("sound/on");
const QString kVolumeKey = QStringLiteral("sound/volume");

// A volume as a step of the scale, within it.
int VolumeStep(int percent) {
    const int step = (std::clamp(percent, 0, 100) + kVolumeStep / 2) / kVolumeStep * kVolumeStep;
    return std::min(step, 100);
}

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

// The player's own step where it fits, else the largest below it that does
// (`choices` rise from the smallest step, which is always there).
int FittingZoom(const std::vector<int>& choices, int wanted) {
    int best = choices.front();
    for (int percent : choices) {
        if (percent <= wanted) best = percent;
    }
    return best;
}

}  // namespace

GameWindows::GameWindows(Game& game) : game_(game) {
    InstallAccessibility();
    main_ = std::make_unique<MainWindow>(*this);
    menu_ = new MenuWindow(*this, main_.get());
    info_ = new InfoWindow(*this, main_.get());
    onEnd_ = [] { QCoreApplication::exit(0); };
    keys_ = std::make_unique<GameKeys>(*this);
    winFrame_ = new WinFrame(main_.get(), [this](int reel, int row) { return main_->CellGeometry(reel, row); });
    announcer_ = std::make_unique<Announcer>(main_.get(), QList<QWidget*>{main_.get(), info_, menu_});
    outcome_ = std::make_unique<OutcomeWatch>(game_.events(), game_.counters(), game_.reels(), *announcer_, *winFrame_);

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

    auto* volumeMenu = new QMenu(owner);
    auto* volume = new QAction(QStringLiteral("音量"), owner);
    volume->setMenu(volumeMenu);
    auto* volumeSteps = new QActionGroup(volumeMenu);
    for (int percent = 0; percent <= 100; percent += kVolumeStep) {
        QAction* step = volumeMenu->addAction(QStringLiteral("%1%").arg(percent));
        step->setCheckable(true);
        step->setChecked(percent == volume_);
        volumeSteps->addAction(step);
        QObject::connect(step, &QAction::triggered, owner, [this, percent] { SetVolume(percent); });
        volumeSteps_.push_back(step);
    }

    auto* help = new QAction(QStringLiteral("遊び方"), owner);
    QObject::connect(help, &QAction::triggered, owner, [this] { OpenHelpWindow(); });

    // The way on once nothing is left to play: the rules offer it only then.
    afresh_ = new QAction(QStringLiteral("はじめから"), owner);
    QObject::connect(afresh_, &QAction::triggered, owner,
                     [this] { Send({.kind = machine::Order::Kind::StartAfresh}); });

    // The controls keep their mouse events from the window, so each offers the entries itself.
    QList<QWidget*> surfaces = main_->findChildren<QWidget*>();
    surfaces.append(owner);
    for (QWidget* surface : surfaces) {
        if (qobject_cast<QMenu*>(surface) != nullptr) continue;
        surface->addActions({showData, zoom, sound, volume, help, afresh_});
        surface->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

// The game stops its own timers as it goes.
GameWindows::~GameWindows() = default;

void GameWindows::Start() {
    WarnWithoutJapaneseFont();
    game_.StartProgram();
    record_.StartSession();  // the data counter's session starts with the program
    RefreshAll();
    // Without settings to read, the defaults.
    const std::unique_ptr<QSettings> settings = OpenSettings();
    const std::vector<int> choices = ZoomChoices();
    const int chosen = settings ? settings->value(kZoomKey, 0).toInt() : 0;
    SetZoomPercent(std::find(choices.begin(), choices.end(), chosen) != choices.end() ? chosen : DefaultZoom());
    // A step too large for this screen comes back on a screen that has room for it.
    wantedZoom_ = std::find(std::begin(kZoomSteps), std::end(kZoomSteps), chosen) != std::end(kZoomSteps)
                      ? chosen
                      : ZoomPercent();
    ZoomPopups();
    for (QWidget* window :
         {static_cast<QWidget*>(main_.get()), static_cast<QWidget*>(info_), static_cast<QWidget*>(menu_)})
        ApplyZoom(window);
    soundOn_ = settings ? settings->value(kSoundKey, true).toBool() : true;
    soundAction_->setChecked(soundOn_);
    if (soundSwitch_) soundSwitch_(soundOn_);
    volume_ = VolumeStep(settings ? settings->value(kVolumeKey, 100).toInt() : 100);
    for (std::size_t i = 0; i < volumeSteps_.size(); ++i)
        volumeSteps_[i]->setChecked(static_cast<int>(i) * kVolumeStep == volume_);
    if (volumeSwitch_) volumeSwitch_(volume_);
    PlaceGroup();
    menu_->show();
    info_->show();
    Dock();
    main_->show();
    Dock();
    main_->activateWindow();
    WatchScreen();
    Greet();
}

void GameWindows::WatchScreen() {
    QWindow* window = main_->windowHandle();
    const auto watch = [this](QScreen* screen) {
        QObject::disconnect(screenWatch_);
        if (screen == nullptr) return;
        screenWatch_ = QObject::connect(screen, &QScreen::availableGeometryChanged, &queue_, [this] { FitScreen(); });
    };
    watch(window->screen());
    QObject::connect(window, &QWindow::screenChanged, &queue_, [this, watch](QScreen* screen) {
        watch(screen);
        FitScreen();
    });
}

void GameWindows::FitScreen() {
    if (ended_) return;
    ShowAtZoom(FittingZoom(ZoomChoices(), wantedZoom_));
    Dock();
    PlaceSideWindows();
}

void GameWindows::Greet() {
    // Once the machine has the keyboard: a screen reader names the window
    // it comes to first, and a greeting before that would be cut off.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto greet = [this] {
        Say(QStringLiteral("カラリオン。コイン %1。エフワンで あそびかた、エスで じょうたい、エンターで スタート")
                .arg(game_.counters().Coin()));
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
    // adds them on.
    const int width = info_->frameGeometry().width() + main_->frameGeometry().width() + menu_->frameGeometry().width();
    const int height =
        std::max({info_->frameGeometry().height(), main_->frameGeometry().height(), menu_->frameGeometry().height()});
    main_->move(GroupStart(QSize(width, height), screen->availableGeometry()) +
                QPoint(info_->frameGeometry().width(), 0));
}

void GameWindows::Send(const machine::Order& order) {
    game_.Perform(order);
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
    wantedZoom_ = percent;
    if (const auto settings = OpenSettings()) settings->setValue(kZoomKey, percent);
    const auto said = qScopeGuard([this] { Say(QStringLiteral("ひょうじ %1パーセント").arg(ZoomPercent())); });
    ShowAtZoom(percent);
}

void GameWindows::ShowAtZoom(int percent) {
    if (percent == ZoomPercent()) return;
    SetZoomPercent(percent);
    ZoomPopups();
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
    // The main window keeps its corner, unless the group would leave the
    // screen there: then it is centred.
    const QRect info = DeviceFrame(info_);
    const QRect main = DeviceFrame(main_.get());
    const QRect group(main.topLeft() - QPoint(info.width(), 0),
                      QSize(info.width() + main.width() + DeviceFrame(menu_).width(),
                            std::max({info.height(), main.height(), DeviceFrame(menu_).height()})));
    const QRect fitted = GroupAfterZoom(group, DeviceArea(main_.get()));
    if (fitted != group) MoveFrame(main_.get(), fitted.topLeft() + QPoint(info.width(), 0));
    Dock();
    PlaceSideWindows();
}

void GameWindows::PlaceSideWindows() {
    // The one the player moved stays; the data window chooses first.
    const bool data = data_ && data_->isVisible() && !MovedByPlayer(data_.get());
    const bool help = help_ && help_->isVisible() && !MovedByPlayer(help_.get());
    if (data) PlaceDataWindow(help ? nullptr : help_.get(), help);
    if (help) PlaceHelpWindow();
}

void GameWindows::StepZoom(int direction) {
    // From where the zoom stands, even at a step the screen no longer has room for.
    const std::vector<int> choices = ZoomChoices();
    const int now = ZoomPercent();
    if (direction > 0) {
        const auto above = std::find_if(choices.begin(), choices.end(), [now](int percent) { return percent > now; });
        if (above != choices.end()) return SetZoom(*above);
    } else {
        const auto below = std::find_if(choices.rbegin(), choices.rend(), [now](int percent) { return percent < now; });
        if (below != choices.rend()) return SetZoom(*below);
    }
    // No step further that way: said, so that the key is not met with silence.
    Say(QStringLiteral("ひょうじ %1パーセント、%2")
            .arg(ZoomPercent())
            .arg(direction > 0 ? QStringLiteral("いちばん おおきい") : QStringLiteral("いちばん ちいさい")));
}

void GameWindows::SetSoundOn(bool on) {
    soundOn_ = on;
    soundAction_->setChecked(on);
    if (const auto settings = OpenSettings()) settings->setValue(kSoundKey, on);
    if (soundSwitch_) soundSwitch_(on);
    Say(on ? QStringLiteral("サウンド オン") : QStringLiteral("サウンド オフ"));
}

void GameWindows::SetVolume(int percent) {
    volume_ = VolumeStep(percent);
    volumeSteps_[static_cast<std::size_t>(volume_ / kVolumeStep)]->setChecked(true);
    if (const auto settings = OpenSettings()) settings->setValue(kVolumeKey, volume_);
    if (volumeSwitch_) volumeSwitch_(volume_);
    // In kana: the stock voice reads the kanji of 音量 as a mere "Chinese letter".
    QString words = QStringLiteral("おんりょう %1%").arg(volume_);
    if (!soundOn_) words += QStringLiteral("、サウンド オフ");
    announcer_->Say(words);
    announcer_->Flush();
}

void GameWindows::StepVolume(int direction) { SetVolume(volume_ + (direction > 0 ? kVolumeStep : -kVolumeStep)); }

void GameWindows::OpenHelpWindow() {
    if (ended_) return;
    const bool fresh = !help_;
    if (fresh) help_ = std::make_unique<HelpWindow>();
    ApplyZoom(help_.get());
    if (fresh) help_->resize(Zoomed(kHelpSize));
    help_->Rebuild();
    if (fresh || !help_->isVisible()) PlaceHelpWindow();
    help_->show();
    help_->raise();
    help_->activateWindow();
    // Put right once the window manager has framed it.
    if (fresh) WhenFramed(help_.get(), [this] { PlaceHelpWindow(); });
}

void GameWindows::PlaceHelpWindow() {
    // Room kept for the data window where it is closed.
    const QSize data = data_ ? data_->NaturalSize() * 100 / ZoomPercent() : QSize();
    PlaceBeside(help_.get(), Zoomed(kHelpSize), kHelpSize, GroupFrame(), data_.get(), main_.get(),
                data_ && data_->isVisible() ? QSize() : data);
}

QRect GameWindows::GroupFrame() const { return DeviceFrame(info_) | DeviceFrame(main_.get()) | DeviceFrame(menu_); }

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
    afresh_->setEnabled(game_.gamePhase().Allows(Command::StartAfresh) && game_.counters().OutOfCoins());
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
    Send({.kind = machine::Order::Kind::HoverMenuBackground});
}

bool GameWindows::SaveFolderReady() {
    if (!saveFolderCheck_) return true;
    const std::string problem = saveFolderCheck_();
    if (problem.empty()) return true;
    game_.MessageBox(problem, "エラー");
    RefreshAll();
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
    if (fresh || !data_->isVisible()) PlaceDataWindow(help_.get(), false);
    // Worked out each time it opens, from the strips the reels spin on.
    data_->SetOdds(session::WorkOutOdds(session::SheetOfGame(game_.reels())));
    data_->Refresh();
    data_->show();
    data_->raise();
    data_->activateWindow();
    // Its frame is known once the window manager has framed it: a place
    // reckoned with a guessed frame is put right then.
    if (fresh) WhenFramed(data_.get(), [this] { PlaceDataWindow(help_.get(), false); });
}

void GameWindows::PlaceDataWindow(const QWidget* other, bool helpToCome) {
    // Its size at 100% is its natural size unzoomed: the text scales with the zoom.
    const QSize natural = data_->NaturalSize();
    // Room kept for the help where it is closed or placed next.
    const bool helpOpen = help_ && help_->isVisible() && !helpToCome;
    PlaceBeside(data_.get(), natural, natural * 100 / ZoomPercent(), GroupFrame(), other, main_.get(),
                helpOpen ? QSize() : kHelpSize);
}

void GameWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    // Nothing is saved and no handler runs again: the timers stop first.
    Send({.kind = machine::Order::Kind::EndProgram});
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
    if (snapAttempts_ >= kMaxSnapsPerSecond) {
        // Not for good: once the second is over, the window is put back.
        if (!snapRetryQueued_) {
            snapRetryQueued_ = true;
            const qint64 left = std::max<qint64>(0, 1000 - snapClock_.elapsed()) + 1;
            QTimer::singleShot(std::chrono::milliseconds(left), &queue_, [this] {
                snapRetryQueued_ = false;
                SideWindowMoved();
            });
        }
        return;
    }
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
