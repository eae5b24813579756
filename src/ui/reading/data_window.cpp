#include "ui/reading/data_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/controls/coin_graph.h"
#include "ui/controls/look.h"
#include "ui/controls/spoken.h"
#include "ui/reading/line_reader.h"

namespace kararion::ui {
namespace {

QString Signed(double coins) {
    const auto n = static_cast<long long>(std::llround(coins));
    return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n);
}

QString OneIn(double rate) {
    if (rate <= 0) return QStringLiteral("－");
    return QStringLiteral("1/%1").arg(1 / rate, 0, 'f', 1);
}

QString Percent(double rate) { return QStringLiteral("%1%").arg(100 * rate, 0, 'f', 1); }

QLabel* Caption(QGridLayout* grid, const QString& text, int row, int column) {
    auto* label = new QLabel(text);
    grid->addWidget(label, row, column);
    return label;
}

}  // namespace

DataWindow::DataWindow(const session::History& history) : history_(history) {
    setWindowTitle(QStringLiteral(" - データ -"));
    setObjectName(QStringLiteral("DataWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(DefaultFont());
    setAccessibleName(QStringLiteral("データ"));

    // Everything in one page that scrolls where the window is smaller than
    // the text: the graph gives up its room first.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    outer->addWidget(scroll_);
    page_ = new QWidget;
    scroll_->setWidget(page_);
    auto* layout = new QVBoxLayout(page_);
    graph_ = new CoinGraph(page_);
    graph_->setFont(GothicFont(9));
    NameControl(graph_, QStringLiteral("CoinGraph"), QStringLiteral("差枚数グラフ"));
    graph_->setMinimumSize(Px(3300), Px(2400));
    layout->addWidget(graph_, 1);

    // The figures in one grid: the captions in the first column, the
    // figures right-aligned in the next three, so that every column of
    // figures lines up; a note after a figure takes the columns beyond it.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Px(240));
    layout->addLayout(grid);
    int row = 0;
    auto session = [&](const QString& caption, const QString& name) {
        Caption(grid, caption + QStringLiteral("："), row, 0);
        return Figure(grid, name, row++, 1);
    };
    games_ = session(QStringLiteral("ゲーム数"), QStringLiteral("ゲーム数"));
    wins_ = session(QStringLiteral("アタリ数"), QStringLiteral("アタリ数"));
    staked_ = session(QStringLiteral("使用枚数"), QStringLiteral("使用枚数"));
    paid_ = session(QStringLiteral("配当枚数"), QStringLiteral("配当枚数"));
    return_ = session(QStringLiteral("出玉率"), QStringLiteral("出玉率"));
    grid->addWidget(new QLabel(QStringLiteral("（配当枚数 ÷ 使用枚数）")), row - 1, 2, 1, 3);

    // The machine's true odds, one column a bet.
    grid->setRowMinimumHeight(row++, Px(120));
    auto* heading = Caption(grid, QStringLiteral("理論値"), row, 0);
    heading->setObjectName(QStringLiteral("OddsHeading"));  // named: its own font zooms
    heading->setFont(GothicFont(9, true));
    for (int bet = 1; bet <= 3; ++bet)
        Caption(grid, QStringLiteral("Bet %1").arg(bet), row, bet)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int odds = ++row;
    Caption(grid, QStringLiteral("機械割："), odds, 0);
    Caption(grid, QStringLiteral("アタリ確率："), odds + 1, 0);
    Caption(grid, QStringLiteral("リプレイ確率："), odds + 2, 0);
    grid->setColumnStretch(4, 1);  // spare width to the right, the figures by their captions
    for (int bet = 1; bet <= 3; ++bet) {
        const std::size_t b = static_cast<std::size_t>(bet - 1);
        theoretical_[b] = Figure(grid, QStringLiteral("機械割 Bet %1").arg(bet), odds, bet);
        hit_[b] = Figure(grid, QStringLiteral("アタリ確率 Bet %1").arg(bet), odds + 1, bet);
        replay_[b] = Figure(grid, QStringLiteral("リプレイ確率 Bet %1").arg(bet), odds + 2, bet);
    }
    // Two lines of its own, not wrapped: a wrapping label would hold the page
    // at its full height, so that it scrolled before the graph gave way.
    layout->addWidget(new QLabel(
        QStringLiteral("機械割：リールが無作為に止まったときの理論値。\nリプレイで得たゲームの配当を含みます。"),
        page_));
    reader_ = new LineReader(this, QStringLiteral("データ"));
    LabelsForEar(this);
    Refresh();
}

DataWindow::~DataWindow() = default;

QSize DataWindow::NaturalSize() const { return page_->sizeHint(); }

QLabel* DataWindow::Figure(QGridLayout* grid, const QString& name, int row, int column) {
    auto* label = new QLabel(page_);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    return label;
}

void DataWindow::SetFigure(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    // A screen reader hears the caption beside it, then the figure itself.
    label->setText(text);
}

void DataWindow::SetOdds(const session::MachineOdds& odds) {
    for (std::size_t b = 0; b < 3 && b < odds.bets.size(); ++b) {
        SetFigure(theoretical_[b], Percent(odds.bets[b].returnRate));
        SetFigure(hit_[b], OneIn(odds.bets[b].hitRate));
        SetFigure(replay_[b], OneIn(odds.bets[b].replayRate));
    }
    ReadAloud();
}

void DataWindow::Refresh() {
    if (shown_ == history_.Revision() && shown_ != 0) return;
    shown_ = history_.Revision();
    const session::History& h = history_;
    graph_->Show(h);
    SetFigure(games_, QString::number(h.Games()));
    SetFigure(wins_,
              h.Wins() > 0
                  ? QStringLiteral("%1（%2）").arg(h.Wins()).arg(OneIn(static_cast<double>(h.Wins()) / h.Games()))
                  : QStringLiteral("0"));
    SetFigure(staked_, QString::number(h.Staked(), 'f', 0));
    SetFigure(paid_, QString::number(h.Paid(), 'f', 0));
    SetFigure(return_, h.Return() ? Percent(*h.Return()) : QStringLiteral("－"));
    graph_->setAccessibleDescription(ForEar(Summary()));
    ReadAloud();
}

void DataWindow::ReadAloud() {
    // The summary whole first: it is what a screen reader says as the window opens.
    reader_->SetLines(QStringList{Summary()} + LineReader::LabelLines(page_));
}

QString DataWindow::Summary() const {
    const session::History& h = history_;
    if (h.Games() == 0) return QStringLiteral("このセッションのゲームはまだありません。");
    // One sentence a figure: heard one at a time.
    return QStringLiteral("%1ゲーム、アタリ %2。差枚数 %3枚。最高 %4枚、%5ゲーム目。最低 %6枚、%7ゲーム目。")
        .arg(h.Games())
        .arg(h.Wins())
        .arg(Signed(h.Last()))
        .arg(Signed(h.Highest().coins))
        .arg(h.HighestGame())
        .arg(Signed(h.Lowest().coins))
        .arg(h.LowestGame());
}

}  // namespace kararion::ui
