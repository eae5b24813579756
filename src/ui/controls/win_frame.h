#pragma once
// What shows a win on the main window besides the flashing lamps: a frame
// round each of the line's three cells and the coins the win paid ("+25", or
// "リプレイ") in the corner below the left lamps, clear of the reels and stop
// buttons.
// Display only: clicks go through to the window.
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

namespace kararion::ui {

class WinFrame : public QWidget {
public:
    // `cellRect` gives a reel cell's place in the main window (reel, row from 1).
    explicit WinFrame(QWidget* mainWindow, std::function<QRect(int, int)> cellRect = {});

    // Frames the cells of `line` (1 top, 2 middle, 3 bottom, 4 falling and
    // 5 rising diagonal; 0 frames none) and shows `paid` ("+25", "リプレイ").
    void Show(int line, const QString& paid);
    void Clear();

    int line() const { return line_; }
    QString paid() const { return paid_; }
    // The cells framed, as (reel, row) from reel 1 to 3; empty when none is.
    std::array<QRect, 3> FramedCells() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect CellRect(int reel, int row) const;
    QRect PaidRect() const;

    std::function<QRect(int, int)> cellRect_;
    int line_ = 0;
    QString paid_;
};

// The row of each reel's cell on a line (1..5), reels 1 to 3.
std::array<int, 3> LineRows(int line);

}  // namespace kararion::ui
