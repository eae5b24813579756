#pragma once
// The information window: the seven counters and the bet buttons.
#include <QString>
#include <array>

#include "ui/windows/side_window.h"

namespace kararion::ui {

class CounterField;

class InfoWindow : public SideWindow {
    Q_OBJECT
public:
    InfoWindow(WindowHost& windows, QWidget* owner);
    void Refresh();
    CaptionLabel* BetUpButton() const { return betUp_; }
    CaptionLabel* BetDownButton() const { return betDown_; }

private:
    CounterField* Counter(const QString& name, const QString& spoken, QRect geometry);
    // Coins counted up one by one are told to the bus once, when the count ends.
    void HushWhileCounting(bool counting);

    // Bet, Run, Lost, Win, Coin, UsedCoin, WinCoin
    std::array<CounterField*, 7> counters_{};
    CaptionLabel* betUp_ = nullptr;
    CaptionLabel* betDown_ = nullptr;
    bool counting_ = false;
    std::array<QString, 2> heard_;  // Coin and WinCoin as the bus last heard them
};

}  // namespace kararion::ui
