#pragma once
// The information window: the seven counters and the bet buttons.
#include <QWidget>
#include <array>

class QLineEdit;

namespace kararion::ui {

class GameWindows;
class CaptionLabel;

class InfoWindow : public QWidget {
public:
    InfoWindow(GameWindows& windows, QWidget* owner);
    void Refresh();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* Counter(const QString& name, const QString& caption, QRect geometry);

    GameWindows& windows_;
    // Bet, Run, Lost, Win, Coin, UsedCoin, WinCoin
    std::array<QLineEdit*, 7> counters_{};
    CaptionLabel* betUp_ = nullptr;
    CaptionLabel* betDown_ = nullptr;
};

}  // namespace kararion::ui
