#include "ui/menu_window.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include "menu/menu_window.h"
#include "ui/controls.h"
#include "ui/game_windows.h"
#include "ui/look.h"

namespace kararion::ui {
namespace {

void Show(CaptionLabel* entry, const kararion::Caption& state) {
    if (entry->isEnabled() != state.enabled) entry->setEnabled(state.enabled);
    entry->SetColour(state.foreColor);
}

}  // namespace

MenuWindow::MenuWindow(GameWindows& windows, QWidget* owner) : QWidget(owner), windows_(windows) {
    setWindowTitle(QStringLiteral(" - メニュー -"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setObjectName(QStringLiteral("Form5"));
    setFont(DefaultFont());
    setFixedSize(TwipSize(1308, 1908));
    setMouseTracking(true);

    start_ = Entry(QStringLiteral("Start"), QStringLiteral("スタート"), TwipRect(0, 120, 1215, 255),
                   &Form5::Start_MouseMove);
    save_ =
        Entry(QStringLiteral("Save"), QStringLiteral("セーブ"), TwipRect(120, 480, 975, 255), &Form5::Save_MouseMove);
    loading_ = Entry(QStringLiteral("Loading"), QStringLiteral("ロード"), TwipRect(120, 840, 975, 255),
                     &Form5::Loading_MouseMove);
    version_ = Entry(QStringLiteral("Version"), QStringLiteral("バージョン"), TwipRect(0, 1200, 1335, 255),
                     &Form5::Version_MouseMove);
    ended_ =
        Entry(QStringLiteral("Ended"), QStringLiteral("終了"), TwipRect(120, 1560, 975, 255), &Form5::Ended_MouseMove);

    connect(start_, &CaptionLabel::clicked, this, [this] {
        Form5::Start_Click(windows_.game());
        windows_.RefreshAll();
    });
    connect(save_, &CaptionLabel::clicked, this, [this] { windows_.OpenSaveDialog(); });
    connect(loading_, &CaptionLabel::clicked, this, [this] { windows_.OpenLoadDialog(); });
    connect(version_, &CaptionLabel::clicked, this, [this] { windows_.OpenVersionWindow(); });
    connect(ended_, &CaptionLabel::clicked, this, [this] { windows_.EndProgram(); });
    Refresh();
}

CaptionLabel* MenuWindow::Entry(const QString& name, const QString& text, QRect geometry, void (*hover)(Game&)) {
    auto* entry = new CaptionLabel(text, this);
    NameControl(entry, name);
    entry->setFont(GothicFont(12, true));
    entry->SetButton(true);
    entry->SetGreyWhenDisabled(true);
    entry->setFocusPolicy(Qt::TabFocus);
    entry->setGeometry(geometry);
    connect(entry, &CaptionLabel::hovered, this, [this, hover] {
        hover(windows_.game());
        windows_.RefreshAll();
    });
    return entry;
}

void MenuWindow::Refresh() {
    const MenuWindowState& s = windows_.game().form5;
    Show(start_, s.Start);
    Show(save_, s.Save);
    Show(loading_, s.Loading);
    Show(version_, s.Version);
    Show(ended_, s.Ended);
}

void MenuWindow::mouseMoveEvent(QMouseEvent*) {
    Form5::Form_MouseMove(windows_.game());
    windows_.RefreshAll();
}

void MenuWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    windows_.SideWindowMoved();
}

void MenuWindow::closeEvent(QCloseEvent* event) {
    // Its own close box does nothing: the window lives as long as the game.
    // A close that does not come from the player (the application or the
    // session quitting) ends the whole program, as closing the main window does.
    if (event->spontaneous() && !windows_.Ended()) {
        event->ignore();
        return;
    }
    event->accept();
    windows_.EndProgram();
}

}  // namespace kararion::ui
