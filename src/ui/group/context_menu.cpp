#include "ui/group/context_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include "ui/controls/look.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {

ContextMenu::ContextMenu(QWidget* window, WindowHost& host, std::function<std::vector<int>()> zoomChoices) {
    auto* showData = new QAction(QStringLiteral("データ表示"), window);
    QObject::connect(showData, &QAction::triggered, window, [&host] { host.OpenDataWindow(); });

    auto* zoomMenu = new QMenu(window);
    auto* zoom = new QAction(QStringLiteral("表示サイズ"), window);
    zoom->setMenu(zoomMenu);
    QObject::connect(
        zoomMenu, &QMenu::aboutToShow, window, [&host, window, zoomMenu, zoomChoices = std::move(zoomChoices)] {
            zoomMenu->clear();
            auto* steps = new QActionGroup(zoomMenu);
            for (int percent : zoomChoices()) {
                QAction* step = zoomMenu->addAction(QStringLiteral("%1%").arg(percent));
                step->setCheckable(true);
                step->setChecked(percent == ZoomPercent());
                steps->addAction(step);
                QObject::connect(step, &QAction::triggered, window, [&host, percent] { host.SetZoom(percent); });
            }
        });

    sound_ = new QAction(QStringLiteral("サウンド"), window);
    sound_->setCheckable(true);
    QObject::connect(sound_, &QAction::triggered, window, [&host](bool on) { host.SetSoundOn(on); });

    auto* volumeMenu = new QMenu(window);
    auto* volume = new QAction(QStringLiteral("音量"), window);
    volume->setMenu(volumeMenu);
    auto* volumeSteps = new QActionGroup(volumeMenu);
    for (int percent = 0; percent <= 100; percent += kVolumeStep) {
        QAction* step = volumeMenu->addAction(QStringLiteral("%1%").arg(percent));
        step->setCheckable(true);
        volumeSteps->addAction(step);
        QObject::connect(step, &QAction::triggered, window, [&host, percent] { host.SetVolume(percent); });
        volumeSteps_.push_back(step);
    }

    auto* help = new QAction(QStringLiteral("遊び方"), window);
    QObject::connect(help, &QAction::triggered, window, [&host] { host.OpenHelpWindow(); });

    afresh_ = new QAction(QStringLiteral("はじめから"), window);
    QObject::connect(afresh_, &QAction::triggered, window,
                     [&host] { host.Send({.kind = machine::Order::Kind::StartAfresh}); });

    // The controls keep their mouse events from the window, so each offers the entries itself.
    QList<QWidget*> surfaces = window->findChildren<QWidget*>();
    surfaces.append(window);
    for (QWidget* surface : surfaces) {
        if (qobject_cast<QMenu*>(surface) != nullptr) continue;
        surface->addActions({showData, zoom, sound_, volume, help, afresh_});
        surface->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void ContextMenu::ShowSound(bool on) { sound_->setChecked(on); }

void ContextMenu::ShowVolume(int percent) {
    for (std::size_t i = 0; i < volumeSteps_.size(); ++i) {
        if (static_cast<int>(i) * kVolumeStep == percent) volumeSteps_[i]->setChecked(true);
    }
}

void ContextMenu::OfferAfresh(bool offered) { afresh_->setEnabled(offered); }

}  // namespace kararion::ui
