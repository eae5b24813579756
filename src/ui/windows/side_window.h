#pragma once
// What the information and the menu window share: a tool window docked beside
// the main window, put back when moved away, closed only with the game, whose
// bare background resets the hover colours of its captions.
#include <QWidget>

#include "machine/game_fwd.h"
#include "machine/orders.h"

namespace kararion {
struct Caption;
}  // namespace kararion

namespace kararion::ui {

class WindowHost;
class CaptionLabel;

class SideWindow : public QWidget {
    Q_OBJECT
public:
    // `hoverBackground` is the window's rule for the pointer over its background.
    SideWindow(WindowHost& windows, QWidget* owner, machine::Order::Kind hoverBackground);

protected:
    // A caption acting as a button shows the rules' enabled flag and colour.
    static void ShowButton(CaptionLabel* button, const Caption& state);

    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    WindowHost& windows_;

private:
    machine::Order::Kind hoverBackground_;
};

}  // namespace kararion::ui
