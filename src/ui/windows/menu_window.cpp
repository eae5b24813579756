#include "ui/windows/menu_window.h"

#include "machine/game.h"
#include "menu/menu_entries.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {

MenuWindow::MenuWindow(WindowHost& windows, QWidget* owner)
    : SideWindow(windows, owner, machine::Order::Kind::HoverMenuBackground) {
    setWindowTitle(QStringLiteral(" - メニュー -"));
    setAccessibleName(QStringLiteral("メニュー"));
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(TwipSize(1308, 1908));

    start_ =
        Entry(QStringLiteral("Start"), QStringLiteral("スタート"), TwipRect(0, 120, 1215, 255), menu::Entry::Start);
    save_ = Entry(QStringLiteral("Save"), QStringLiteral("セーブ"), TwipRect(120, 480, 975, 255), menu::Entry::Save);
    loading_ =
        Entry(QStringLiteral("Loading"), QStringLiteral("ロード"), TwipRect(120, 840, 975, 255), menu::Entry::Loading);
    version_ = Entry(QStringLiteral("Version"), QStringLiteral("バージョン"), TwipRect(0, 1200, 1335, 255),
                     menu::Entry::Version);
    ended_ = Entry(QStringLiteral("Ended"), QStringLiteral("終了"), TwipRect(120, 1560, 975, 255), menu::Entry::Ended);

    connect(start_, &CaptionLabel::clicked, this,
            [this] { windows_.Send({.kind = machine::Order::Kind::ClickStart}); });
    connect(save_, &CaptionLabel::clicked, this, [this] { windows_.OpenSaveDialog(); });
    connect(loading_, &CaptionLabel::clicked, this, [this] { windows_.OpenLoadDialog(); });
    connect(version_, &CaptionLabel::clicked, this, [this] { windows_.OpenVersionWindow(); });
    connect(ended_, &CaptionLabel::clicked, this, [this] { windows_.EndProgram(); });
    Refresh();
}

CaptionLabel* MenuWindow::Entry(const QString& name, const QString& text, QRect geometry, menu::Entry which) {
    auto* entry = new CaptionLabel(text, this);
    NameControl(entry, name, text);
    entry->setFont(GothicFont(12, true));
    entry->SetButton(true);
    entry->SetGreyWhenDisabled(true);
    entry->setFocusPolicy(Qt::TabFocus);
    entry->setGeometry(geometry);
    connect(entry, &CaptionLabel::hovered, this, [this, which] { windows_.Send(machine::Order::Hover(which)); });
    entries_[static_cast<std::size_t>(which)] = entry;
    return entry;
}

void MenuWindow::Refresh() {
    const menu::Menu& m = windows_.game().menu();
    for (menu::Entry e : menu::kEntries)
        ShowButton(entries_[static_cast<std::size_t>(e)], Caption{m.Enabled(e), m.ForeColor(e)});
}

}  // namespace kararion::ui
