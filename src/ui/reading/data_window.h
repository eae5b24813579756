#pragma once
// The data counter: the session's coins won or lost game by game, and the
// session's figures beside the machine's true odds. A window of its own,
// opened on demand; it only shows what the session record holds.
#include <QWidget>
#include <array>
#include <cstdint>

#include "session/history.h"
#include "session/odds.h"

class QGridLayout;
class QLabel;
class QScrollArea;

namespace kararion::ui {

class CoinGraph;
class LineReader;

class DataWindow : public QWidget {
public:
    explicit DataWindow(const session::History& history);
    ~DataWindow() override;

    // The machine's odds, worked out afresh each time the window opens.
    void SetOdds(const session::MachineOdds& odds);
    // Draws the history if a game has ended or a session started since.
    void Refresh();
    // What a screen reader hears of the graph.
    QString Summary() const;
    // Its inside with the graph at its natural size for the zoom; given less,
    // the graph shrinks first, then the page scrolls.
    QSize NaturalSize() const;

private:
    QLabel* Figure(QGridLayout* grid, const QString& name, int row, int column);
    void SetFigure(QLabel* label, const QString& text);
    // The summary and the figures, a line each, for the reader.
    void ReadAloud();

    const session::History& history_;
    std::uint64_t shown_ = 0;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    CoinGraph* graph_ = nullptr;
    LineReader* reader_ = nullptr;  // the same figures, a line at a time for the ear
    QLabel* games_ = nullptr;
    QLabel* wins_ = nullptr;
    QLabel* staked_ = nullptr;
    QLabel* paid_ = nullptr;
    QLabel* return_ = nullptr;
    std::array<QLabel*, 3> theoretical_{};
    std::array<QLabel*, 3> hit_{};
    std::array<QLabel*, 3> replay_{};
};

}  // namespace kararion::ui
