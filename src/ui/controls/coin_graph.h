#pragma once
// The data window's graph: the session's 差枚数 game by game, the zero line,
// both axes with their titles, and the highest and lowest points marked. It
// draws the session record's spans, never every game, so a paint costs the
// same after a million games as after ten.
#include <QFont>
#include <QPointF>
#include <QWidget>
#include <vector>

#include "session/history.h"

namespace kararion::ui {

class CoinGraph : public QWidget {
public:
    // Its figures in its own font, the axes' titles in bold of it.
    explicit CoinGraph(QWidget* parent);

    // Takes the record as it stands and draws it anew.
    void Show(const session::History& history);

    // The line as drawn, in (game, 差枚数) from the session's level start.
    const std::vector<QPointF>& Line() const { return line_; }
    // The marked points; game 0 while there are none.
    session::GamePoint Highest() const { return highest_; }
    session::GamePoint Lowest() const { return lowest_; }
    int Games() const { return games_; }

    // Its size at its ease, at the zoom; a layout may give it less, down to its minimum.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QPointF> line_{QPointF(0, 0)};
    session::GamePoint highest_;
    session::GamePoint lowest_;
    int games_ = 0;
};

}  // namespace kararion::ui
