#pragma once
// Form6: the seven counters and the bet buttons.
#include <QWidget>
#include <array>

namespace kararion::ui {

class GameWindows;
class CaptionLabel;
class CounterField;

class InfoWindow : public QWidget {
public:
    InfoWindow(GameWindows& windows, QWidget* owner);
    void Refresh();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CounterField* Counter(const QString& name, const QString& caption, QRect geometry);

    GameWindows& windows_;
    // Bet, Run, Lost, Win, Coin, UsedCoin, WinCoin
    std::array<CounterField*, 7> counters_{};
    CaptionLabel* betUp_ = nullptr;
    CaptionLabel* betDown_ = nullptr;
};

}  // namespace kararion::ui
