#pragma once
// The main window: the reels, the lamps and the stop buttons.
#include <QLabel>
#include <QWidget>
#include <array>

namespace kararion::ui {

class WindowHost;
class CaptionLabel;
class FilledRect;
class ReelCell;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(WindowHost& windows);
    void Refresh();
    // A click on the bare machine: the next step of the click cycle.
    void BackgroundClick();
    // The controls other code reaches, by reference rather than by name.
    CaptionLabel* StopButton(int reel) const { return stopButtons_.at(static_cast<std::size_t>(reel - 1)); }
    QRect CellGeometry(int reel, int row) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    WindowHost& windows_;
    std::array<FilledRect*, 3> reelLamps_{};
    std::array<std::array<CaptionLabel*, 2>, 3> betLamps_{};
    std::array<CaptionLabel*, 3> stopButtons_{};
    std::array<std::array<ReelCell*, 3>, 3> cells_{};
    QLabel* noCoins_ = nullptr;  // why nothing more can be played, and the way on
    bool pressed_ = false;
};

}  // namespace kararion::ui
