#pragma once
// The menu window: the five commands, docked to the right of the main window.
#include <QWidget>

namespace kararion {
class Game;
}

namespace kararion::ui {

class GameWindows;
class CaptionLabel;

class MenuWindow : public QWidget {
public:
    MenuWindow(GameWindows& windows, QWidget* owner);
    void Refresh();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CaptionLabel* Entry(const QString& name, const QString& text, QRect geometry, void (*hover)(Game&));

    GameWindows& windows_;
    CaptionLabel* start_ = nullptr;
    CaptionLabel* save_ = nullptr;
    CaptionLabel* loading_ = nullptr;
    CaptionLabel* version_ = nullptr;
    CaptionLabel* ended_ = nullptr;
};

}  // namespace kararion::ui
