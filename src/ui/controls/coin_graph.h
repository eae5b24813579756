#pragma once
// The data window's graph. Qt Charts lives in a module of its own
// (kararion_graph) that is loaded when the graph is first wanted: linked into
// the program, it cost every start of the game several milliseconds.
#include <QFont>
#include <QWidget>
#include <vector>

namespace kararion::ui {

// Its widget belongs to the parent it was made for, which deletes it.
class CoinGraph {
public:
    virtual ~CoinGraph() = default;
    virtual QWidget* Widget() = 0;
    // 差枚数 after each game; the games (from 1) of the highest and lowest point, 0 for none.
    virtual void Show(const std::vector<double>& differences, int highest, int lowest) = 0;
};

// What the module exports, under the name "kararion_make_coin_graph".
using MakeCoinGraphFunction = CoinGraph* (*)(QWidget* parent, const QFont& labels, const QFont& titles);

// The graph from the module beside the program, in its installed place or in
// the build folder, as a child widget of `parent`; nullptr when there is none.
CoinGraph* MakeCoinGraph(QWidget* parent, const QFont& labels, const QFont& titles);

}  // namespace kararion::ui
