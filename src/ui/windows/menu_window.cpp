#include "ui/windows/menu_window.h"

#include "menu/menu_entries.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/group/game_windows.h"

namespace kararion::ui {

MenuWindow::MenuWindow(GameWindows& windows, QWidget* owner) : SideWindow(windows, owner, &menu::HoverBackground) {
    setWindowTitle(QStringLiteral(" - メニュー -"));
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(TwipSize(1308, 1908));

    start_ = Entry(QStringLiteral("Start"), QStringLiteral("スタート"), TwipRect(0, 120, 1215, 255), &menu::HoverStart);
    save_ = Entry(QStringLiteral("Save"), QStringLiteral("セーブ"), TwipRect(120, 480, 975, 255), &menu::HoverSave);
    loading_ =
        Entry(QStringLiteral("Loading"), QStringLiteral("ロード"), TwipRect(120, 840, 975, 255), &menu::HoverLoading);
    version_ = Entry(QStringLiteral("Version"), QStringLiteral("バージョン"), TwipRect(0, 1200, 1335, 255),
                     &menu::HoverVersion);
    ended_ = Entry(QStringLiteral("Ended"), QStringLiteral("終了"), TwipRect(120, 1560, 975, 255), &menu::HoverEnded);

    connect(start_, &CaptionLabel::clicked, this, [this] { windows_.Act(menu::ClickStart); });
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
    connect(entry, &CaptionLabel::hovered, this, [this, hover] { windows_.Act(hover); });
    return entry;
}

void MenuWindow::Refresh() {
    const MenuWindowState& s = windows_.game().menu;
    ShowButton(start_, s.Start);
    ShowButton(save_, s.Save);
    ShowButton(loading_, s.Loading);
    ShowButton(version_, s.Version);
    ShowButton(ended_, s.Ended);
}

}  // namespace kararion::ui
