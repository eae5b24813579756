#pragma once
// The main window's context menu: the data counter, the view, the sound and
// the help (each also has its key), and the way on once nothing is left to
// play. The right button never reaches the click cycle, which takes the left alone.
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace kararion::ui {

class WindowHost;

class ContextMenu {
public:
    // Offered on `window` and on every control in it, which owns the entries.
    // `zoomChoices` gives the zoom steps to offer, asked afresh each time the
    // menu opens: they depend on the screen the group is on.
    ContextMenu(QWidget* window, WindowHost& host, std::function<std::vector<int>()> zoomChoices);
    ContextMenu(const ContextMenu&) = delete;
    ContextMenu& operator=(const ContextMenu&) = delete;

    // The marks by "サウンド" and the "音量" step, as the player has them now.
    void ShowSound(bool on);
    void ShowVolume(int percent);
    // Whether "はじめから" can be chosen: the rules offer it only once nothing is left to play.
    void OfferAfresh(bool offered);

private:
    QAction* sound_ = nullptr;           // owned by the window
    QAction* afresh_ = nullptr;          // owned by the window
    std::vector<QAction*> volumeSteps_;  // 0% first, owned by the window
};

}  // namespace kararion::ui
