#include "ui/access/menu_focus.h"

#include <QKeyEvent>
#include <vector>

#include "ui/controls/controls.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {
namespace {

// The entries Tab can frame now, top to bottom.
std::vector<CaptionLabel*> Framable(const MenuWindow* menu) {
    std::vector<CaptionLabel*> entries;
    for (menu::Entry which : menu::kEntries) {
        CaptionLabel* entry = menu->EntryLabel(which);
        if (entry != nullptr && entry->isEnabled() && entry->focusPolicy() & Qt::TabFocus) entries.push_back(entry);
    }
    return entries;
}

}  // namespace

bool MoveMenuFrame(WindowHost& windows, const QObject* watched, const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int key = event->key();
    const bool back = key == Qt::Key_Backtab || (key == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier));
    if (key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Escape) return false;
    MenuWindow* menu = windows.menuWindow();
    const bool ours = watched == windows.mainWindow() || watched == windows.infoWindow() || watched == menu ||
                      (watched->isWidgetType() && static_cast<const QWidget*>(watched)->window() == menu);
    if (!ours) return false;

    auto* framed = qobject_cast<CaptionLabel*>(menu->focusWidget());
    if (framed != nullptr && !framed->TabbedTo()) framed = nullptr;
    if (key == Qt::Key_Escape) {
        if (framed == nullptr) return false;
        framed->DropTabFocus();
        return true;
    }
    const std::vector<CaptionLabel*> entries = Framable(menu);
    std::ptrdiff_t at = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == framed) at = static_cast<std::ptrdiff_t>(i);
    }
    const auto count = static_cast<std::ptrdiff_t>(entries.size());
    // From no frame to the first (or last) entry; past either end, to the machine.
    const std::ptrdiff_t next = at < 0 ? (back ? count - 1 : 0) : at + (back ? -1 : 1);
    if (next < 0 || next >= count) {
        if (framed != nullptr) framed->DropTabFocus();
        windows.mainWindow()->activateWindow();
        windows.mainWindow()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    CaptionLabel* entry = entries[static_cast<std::size_t>(next)];
    entry->TakeTabFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    menu->activateWindow();
    return true;
}

}  // namespace kararion::ui
