#pragma once
// The menu window: the five commands, docked to the right of the main window.
#include <array>

#include "menu/menu_entries.h"
#include "ui/windows/side_window.h"

namespace kararion::ui {

class MenuWindow : public SideWindow {
    Q_OBJECT
public:
    MenuWindow(WindowHost& windows, QWidget* owner);
    void Refresh();
    CaptionLabel* EntryLabel(menu::Entry entry) const { return entries_.at(static_cast<std::size_t>(entry)); }

private:
    CaptionLabel* Entry(const QString& name, const QString& text, QRect geometry, menu::Entry which);

    CaptionLabel* start_ = nullptr;
    CaptionLabel* save_ = nullptr;
    CaptionLabel* loading_ = nullptr;
    CaptionLabel* version_ = nullptr;
    CaptionLabel* ended_ = nullptr;
    std::array<CaptionLabel*, 5> entries_{};  // by menu::Entry
};

}  // namespace kararion::ui
