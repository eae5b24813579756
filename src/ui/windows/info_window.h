#pragma once
// The information window: the seven counters and the bet buttons.
#include <array>

#include "ui/windows/side_window.h"

namespace kararion::ui {

class CounterField;

class InfoWindow : public SideWindow {
    Q_OBJECT
public:
    InfoWindow(WindowHost& windows, QWidget* owner);
    void Refresh();

private:
    CounterField* Counter(const QString& name, const QString& spoken, QRect geometry);

    // Bet, Run, Lost, Win, Coin, UsedCoin, WinCoin
    std::array<CounterField*, 7> counters_{};
    CaptionLabel* betUp_ = nullptr;
    CaptionLabel* betDown_ = nullptr;
};

}  // namespace kararion::ui
