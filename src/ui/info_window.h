#pragma once
// The information window: the seven counters and the bet buttons.
#include <array>

#include "ui/side_window.h"

class QLineEdit;

namespace kararion::ui {

class InfoWindow : public SideWindow {
    Q_OBJECT
public:
    InfoWindow(GameWindows& windows, QWidget* owner);
    void Refresh();

private:
    QLineEdit* Counter(const QString& name, const QString& caption, QRect geometry);

    // Bet, Run, Lost, Win, Coin, UsedCoin, WinCoin
    std::array<QLineEdit*, 7> counters_{};
    CaptionLabel* betUp_ = nullptr;
    CaptionLabel* betDown_ = nullptr;
};

}  // namespace kararion::ui
