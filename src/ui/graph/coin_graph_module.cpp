// The data window's graph with Qt Charts, built as a module of its own that
// the game loads when the graph is first wanted (see ui/coin_graph.h).
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

#include "ui/controls/coin_graph.h"

namespace kararion::ui {
namespace {

// 差枚数 after each game, the zero line, the highest and the lowest point.
class ChartGraph : public QChartView, public CoinGraph {
public:
    ChartGraph(QWidget* parent, const QFont& labels, const QFont& titles) : QChartView(parent) {
        setRenderHint(QPainter::Antialiasing);
        auto* chart = new QChart;
        chart->legend()->hide();
        chart->setMargins(QMargins(4, 4, 8, 4));
        chart->setBackgroundRoundness(0);

        zero_ = new QLineSeries;
        zero_->setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
        coins_ = new QLineSeries;
        coins_->setName(QStringLiteral("差枚数"));
        coins_->setPen(QPen(QColor(0, 0, 160), 2));
        high_ = Mark(QColor(224, 0, 0), QStringLiteral("最高 @yPoint"), titles);
        low_ = Mark(QColor(0, 128, 255), QStringLiteral("最低 @yPoint"), titles);
        for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(zero_), static_cast<QAbstractSeries*>(coins_),
                                   static_cast<QAbstractSeries*>(high_), static_cast<QAbstractSeries*>(low_)})
            chart->addSeries(s);

        x_ = Axis(QStringLiteral("ゲーム数"), labels, titles);
        y_ = Axis(QStringLiteral("差枚数（枚）"), labels, titles);
        chart->addAxis(x_, Qt::AlignBottom);
        chart->addAxis(y_, Qt::AlignLeft);
        for (QAbstractSeries* s : chart->series()) {
            s->attachAxis(x_);
            s->attachAxis(y_);
        }
        setChart(chart);
    }

    QWidget* Widget() override { return this; }

    void Show(const std::vector<double>& differences, int highest, int lowest) override {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(differences.size()) + 1);
        points.append(QPointF(0, 0));  // the session starts level
        for (std::size_t i = 0; i < differences.size(); ++i)
            points.append(QPointF(static_cast<double>(i + 1), differences[i]));
        coins_->replace(points);

        const double games = std::max<double>(10, static_cast<double>(differences.size()));
        zero_->replace({QPointF(0, 0), QPointF(games, 0)});
        high_->clear();
        low_->clear();
        double top = 10, bottom = -10;
        if (highest > 0 && lowest > 0) {
            const double h = differences[static_cast<std::size_t>(highest - 1)];
            const double l = differences[static_cast<std::size_t>(lowest - 1)];
            high_->append(highest, h);
            low_->append(lowest, l);
            top = std::max(top, h);
            bottom = std::min(bottom, l);
        }
        // Room above and below for the marks' labels.
        const double pad = (top - bottom) * 0.12;
        x_->setRange(0, games);
        y_->setRange(bottom - pad, top + pad);
        x_->applyNiceNumbers();
        y_->applyNiceNumbers();
    }

private:
    static QScatterSeries* Mark(const QColor& colour, const QString& label, const QFont& font) {
        auto* mark = new QScatterSeries;
        mark->setMarkerSize(9);
        mark->setColor(colour);
        mark->setBorderColor(colour);
        mark->setPointLabelsFormat(label);
        mark->setPointLabelsVisible(true);
        mark->setPointLabelsColor(colour);
        mark->setPointLabelsFont(font);
        mark->setPointLabelsClipping(false);
        return mark;
    }

    static QValueAxis* Axis(const QString& title, const QFont& labels, const QFont& titles) {
        auto* axis = new QValueAxis;
        axis->setTitleText(title);
        axis->setTitleFont(titles);
        axis->setLabelsFont(labels);
        axis->setLabelFormat(QStringLiteral("%d"));
        return axis;
    }

    QLineSeries* zero_;
    QLineSeries* coins_;
    QScatterSeries* high_;
    QScatterSeries* low_;
    QValueAxis* x_;
    QValueAxis* y_;
};

}  // namespace
}  // namespace kararion::ui

extern "C" Q_DECL_EXPORT kararion::ui::CoinGraph* kararion_make_coin_graph(QWidget* parent, const QFont& labels,
                                                                           const QFont& titles) {
    return new kararion::ui::ChartGraph(parent, labels, titles);
}
