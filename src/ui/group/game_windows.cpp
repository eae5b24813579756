#include "ui/group/game_windows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <optional>

#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "session/game_sheet.h"
#include "ui/access/accessibility.h"
#include "ui/access/game_keys.h"
#include "ui/access/outcome.h"
#include "ui/controls/look.h"
#include "ui/controls/win_frame.h"
#include "ui/dialogs/file_dialog.h"
#include "ui/dialogs/version_window.h"
#include "ui/group/context_menu.h"
#include "ui/group/docking.h"
#include "ui/group/group_geometry.h"
#include "ui/group/view_preferences.h"
#include "ui/reading/data_window.h"
#include "ui/reading/help_window.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

namespace kararion::ui {
namespace {

// The help window's size at 100%; the text scrolls within it.
constexpr QSize kHelpSize(480, 560);

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
    preferences_ = std::make_unique<ViewPreferences>(info_, main_.get(), menu_);
    docking_ = std::make_unique<GroupDocking>(main_.get(), info_, menu_);
    contextMenu_ = std::make_unique<ContextMenu>(main_.get(), *this, [this] { return ZoomChoices(); });
    contextMenu_->ShowSound(preferences_->SoundOn());
    contextMenu_->ShowVolume(preferences_->Volume());
}

// The game stops its own timers as it goes.
GameWindows::~GameWindows() = default;

void GameWindows::Start() {
    WarnWithoutJapaneseFont();
    game_.StartProgram();
    record_.StartSession();  // the data counter's session starts with the program
    RefreshAll();
    preferences_->Load();
    ZoomPopups();
    for (QWidget* window :
         {static_cast<QWidget*>(main_.get()), static_cast<QWidget*>(info_), static_cast<QWidget*>(menu_)})
        ApplyZoom(window);
    contextMenu_->ShowSound(preferences_->SoundOn());
    contextMenu_->ShowVolume(preferences_->Volume());
    PlaceGroupAtStart(Group());
    menu_->show();
    info_->show();
    docking_->Dock();
    main_->show();
    docking_->Dock();
    main_->activateWindow();
    WatchScreen();
    Greet();
}

void GameWindows::WatchScreen() {
    QWindow* window = main_->windowHandle();
    const auto watch = [this](QScreen* screen) {
        QObject::disconnect(screenWatch_);
        if (screen == nullptr) return;
        screenWatch_ =
            QObject::connect(screen, &QScreen::availableGeometryChanged, &screenQueue_, [this] { FitScreen(); });
    };
    watch(window->screen());
    QObject::connect(window, &QWindow::screenChanged, &screenQueue_, [this, watch](QScreen* screen) {
        watch(screen);
        FitScreen();
    });
}

void GameWindows::FitScreen() {
    if (ended_) return;
    ShowAtZoom(preferences_->FittingZoom());
    docking_->Dock();
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

void GameWindows::Send(const machine::Order& order) {
    game_.Perform(order);
    RefreshAll();
}

std::vector<int> GameWindows::ZoomChoices() const { return preferences_->ZoomChoices(); }

int GameWindows::DefaultZoom() const { return preferences_->DefaultZoom(); }

void GameWindows::SetZoom(int percent) {
    const std::vector<int> choices = ZoomChoices();
    if (std::find(choices.begin(), choices.end(), percent) == choices.end()) return;
    preferences_->ChooseZoom(percent);
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
    KeepGroupOnScreen(Group());
    docking_->Dock();
    PlaceSideWindows();
}

void GameWindows::PlaceSideWindows() {
    // The one the player moved stays; the data window chooses first.
    const bool data = data_ && data_->isVisible() && !MovedByPlayer(data_.get());
    const bool help = help_ && help_->isVisible() && !MovedByPlayer(help_.get());
    if (data) PlaceDataWindow(help);
    if (help) PlaceHelpWindow();
}

void GameWindows::StepZoom(int direction) {
    if (const std::optional<int> next = preferences_->NextZoom(direction)) return SetZoom(*next);
    // No step further that way: said, so that the key is not met with silence.
    Say(QStringLiteral("ひょうじ %1パーセント、%2")
            .arg(ZoomPercent())
            .arg(direction > 0 ? QStringLiteral("いちばん おおきい") : QStringLiteral("いちばん ちいさい")));
}

bool GameWindows::SoundOn() const { return preferences_->SoundOn(); }

void GameWindows::SetSoundOn(bool on) {
    preferences_->SetSoundOn(on);
    contextMenu_->ShowSound(on);
    Say(on ? QStringLiteral("サウンド オン") : QStringLiteral("サウンド オフ"));
}

void GameWindows::SetSoundSwitch(std::function<void(bool)> soundSwitch) {
    preferences_->SetSoundSwitch(std::move(soundSwitch));
}

int GameWindows::Volume() const { return preferences_->Volume(); }

void GameWindows::SetVolume(int percent) {
    preferences_->SetVolume(percent);
    contextMenu_->ShowVolume(Volume());
    // In kana: the stock voice reads the kanji of 音量 as a mere "Chinese letter".
    QString words = QStringLiteral("おんりょう %1%").arg(Volume());
    if (!SoundOn()) words += QStringLiteral("、サウンド オフ");
    announcer_->Say(words);
    announcer_->Flush();
}

void GameWindows::StepVolume(int direction) { SetVolume(Volume() + (direction > 0 ? kVolumeStep : -kVolumeStep)); }

void GameWindows::SetVolumeSwitch(std::function<void(int)> volumeSwitch) {
    preferences_->SetVolumeSwitch(std::move(volumeSwitch));
}

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

void GameWindows::PlaceHelpWindow() { PlaceBesideGroup(HelpBeside(), DataBeside(), false, Group()); }

GroupWindows GameWindows::Group() const { return {.info = info_, .main = main_.get(), .menu = menu_}; }

BesideWindow GameWindows::DataBeside() const {
    // Its size at 100% is its natural size unzoomed: the text scales with the zoom.
    if (!data_) return {};
    const QSize natural = data_->NaturalSize();
    return {.window = data_.get(), .natural = natural, .least = natural * 100 / ZoomPercent()};
}

BesideWindow GameWindows::HelpBeside() const {
    return {.window = help_.get(), .natural = Zoomed(kHelpSize), .least = kHelpSize};
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
    contextMenu_->OfferAfresh(game_.gamePhase().Allows(Command::StartAfresh) && game_.counters().OutOfCoins());
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
    if (fresh || !data_->isVisible()) PlaceDataWindow(false);
    // Worked out each time it opens, from the strips the reels spin on.
    data_->SetOdds(session::WorkOutOdds(session::SheetOfGame(game_.reels())));
    data_->Refresh();
    data_->show();
    data_->raise();
    data_->activateWindow();
    // Its frame is known once the window manager has framed it: a place
    // reckoned with a guessed frame is put right then.
    if (fresh) WhenFramed(data_.get(), [this] { PlaceDataWindow(false); });
}

void GameWindows::PlaceDataWindow(bool helpNext) { PlaceBesideGroup(DataBeside(), HelpBeside(), helpNext, Group()); }

void GameWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    docking_->Stop();
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

bool GameWindows::Docked() const { return docking_->Docked(); }

void GameWindows::MainWindowMoved() { docking_->MainWindowMoved(); }

void GameWindows::MainWindowStateChanged() { docking_->MainWindowStateChanged(); }

void GameWindows::SideWindowMoved() { docking_->SideWindowMoved(); }

}  // namespace kararion::ui
