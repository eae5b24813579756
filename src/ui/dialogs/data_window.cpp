#include "ui/dialogs/data_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/controls/coin_graph.h"
#include "ui/controls/line_reader.h"
#include "ui/controls/look.h"
#include "ui/controls/spoken.h"

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

    auto* layout = new QVBoxLayout(this);
    graph_ = new CoinGraph(this);
    graph_->setFont(GothicFont(9));
    NameControl(graph_, QStringLiteral("CoinGraph"), QStringLiteral("差枚数グラフ"));
    graph_->setMinimumSize(Px(6600), Px(3600));
    layout->addWidget(graph_, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Px(240));
    layout->addLayout(grid);
    Caption(grid, QStringLiteral("ゲーム数："), 0, 0);
    games_ = Figure(grid, QStringLiteral("ゲーム数"), 0, 1);
    Caption(grid, QStringLiteral("アタリ数："), 0, 2);
    wins_ = Figure(grid, QStringLiteral("アタリ数"), 0, 3);
    Caption(grid, QStringLiteral("使用枚数："), 1, 0);
    staked_ = Figure(grid, QStringLiteral("使用枚数"), 1, 1);
    Caption(grid, QStringLiteral("配当枚数："), 1, 2);
    paid_ = Figure(grid, QStringLiteral("配当枚数"), 1, 3);
    Caption(grid, QStringLiteral("出玉率："), 2, 0);
    return_ = Figure(grid, QStringLiteral("出玉率"), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("（配当枚数 ÷ 使用枚数）")), 2, 2, 1, 2);
    grid->setColumnStretch(4, 1);  // spare width to the right, the figures by their captions

    // The machine's true odds, one column a bet.
    auto* odds = new QGridLayout;
    odds->setHorizontalSpacing(Px(240));
    layout->addSpacing(Px(120));
    layout->addLayout(odds);
    Caption(odds, QStringLiteral("理論値"), 0, 0)->setFont(GothicFont(9, true));
    for (int bet = 1; bet <= 3; ++bet) Caption(odds, QStringLiteral("Bet %1").arg(bet), 0, bet);
    Caption(odds, QStringLiteral("機械割："), 1, 0);
    Caption(odds, QStringLiteral("アタリ確率："), 2, 0);
    Caption(odds, QStringLiteral("リプレイ確率："), 3, 0);
    odds->setColumnStretch(4, 1);
    for (int bet = 1; bet <= 3; ++bet) {
        const std::size_t b = static_cast<std::size_t>(bet - 1);
        theoretical_[b] = Figure(odds, QStringLiteral("機械割 Bet %1").arg(bet), 1, bet);
        hit_[b] = Figure(odds, QStringLiteral("アタリ確率 Bet %1").arg(bet), 2, bet);
        replay_[b] = Figure(odds, QStringLiteral("リプレイ確率 Bet %1").arg(bet), 3, bet);
    }
    auto* explain = new QLabel(
        QStringLiteral("機械割：リールが無作為に止まったときの理論値。リプレイで得たゲームの配当を含みます。"), this);
    explain->setWordWrap(true);
    layout->addWidget(explain);
    reader_ = new LineReader(this, QStringLiteral("データ"));
    LabelsForEar(this);
    Refresh();
}

DataWindow::~DataWindow() = default;

QLabel* DataWindow::Figure(QGridLayout* grid, const QString& name, int row, int column) {
    auto* label = new QLabel(this);
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
    reader_->SetLines(QStringList{Summary()} + LineReader::LabelLines(this));
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
