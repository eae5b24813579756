#pragma once
// Form1: the reels, the lamps and the stop buttons.
#include <QWidget>
#include <array>

namespace kararion::ui {

class GameWindows;
class CaptionLabel;
class FilledRect;
class ReelCell;

class MainWindow : public QWidget {
public:
    explicit MainWindow(GameWindows& windows);
    void Refresh();
    // A click on the bare machine: the next step of the click cycle.
    void BackgroundClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StopClicked(int reel);

    GameWindows& windows_;
    std::array<FilledRect*, 3> led_{};
    std::array<std::array<CaptionLabel*, 2>, 3> line_{};
    std::array<CaptionLabel*, 3> stop_{};
    std::array<std::array<ReelCell*, 3>, 3> slot_{};
    bool pressed_ = false;
};

}  // namespace kararion::ui
