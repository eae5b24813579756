#pragma once
// The menu window: the five commands, docked to the right of the main window.
#include "ui/windows/side_window.h"

namespace kararion::ui {

class MenuWindow : public SideWindow {
    Q_OBJECT
public:
    MenuWindow(GameWindows& windows, QWidget* owner);
    void Refresh();

private:
    CaptionLabel* Entry(const QString& name, const QString& text, QRect geometry, void (*hover)(Game&));

    CaptionLabel* start_ = nullptr;
    CaptionLabel* save_ = nullptr;
    CaptionLabel* loading_ = nullptr;
    CaptionLabel* version_ = nullptr;
    CaptionLabel* ended_ = nullptr;
};

}  // namespace kararion::ui
