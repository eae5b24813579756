#include "ui/controls/coin_graph.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/controls/look.h"

namespace kararion::ui {
namespace {

const QColor kLine(0, 0, 160);
const QColor kHigh(224, 0, 0);
const QColor kLow(0, 90, 200);  // 6:1 on white, as text must be
const QColor kGrid(224, 224, 224);
const QColor kAxis(96, 96, 96);
const QColor kZero(128, 128, 128);

// An axis from `low` to `high` in whole steps of 1, 2 or 5 times a power of
// ten, about `ticks` of them.
struct Scale {
    double low;
    double high;
    double step;

    static Scale Nice(double low, double high, int ticks = 5) {
        const double raw = std::max(1.0, (high - low) / ticks);
        const double power = std::pow(10.0, std::floor(std::log10(raw)));
        const double norm = raw / power;
        const double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * power;
        return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
    }
    int Ticks() const { return static_cast<int>(std::lround((high - low) / step)); }
    double Tick(int i) const { return low + step * i; }
};

QString Number(double value) { return QString::number(static_cast<long long>(std::llround(value))); }

QString Signed(double coins) {
    const auto n = static_cast<long long>(std::llround(coins));
    return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n);
}

}  // namespace

CoinGraph::CoinGraph(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

QSize CoinGraph::sizeHint() const { return Zoomed(TwipSize(6600, 3600)); }

void CoinGraph::Show(const session::History& history) {
    line_.clear();
    line_.emplace_back(0, 0);  // the session starts level
    // Within a span its extremes and its end, in the order they were played.
    for (const session::GameSpan& span : history.Spans()) {
        session::GamePoint points[3] = {span.lowest, span.highest, span.end};
        std::sort(std::begin(points), std::end(points),
                  [](const session::GamePoint& a, const session::GamePoint& b) { return a.game < b.game; });
        for (std::size_t i = 0; i < 3; ++i) {
            if (i > 0 && points[i].game == points[i - 1].game) continue;
            line_.emplace_back(points[i].game, points[i].coins);
        }
    }
    games_ = history.Games();
    highest_ = history.Highest();
    lowest_ = history.Lowest();
    update();
}

void CoinGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);

    const Scale xs = Scale::Nice(0, std::max(10, games_));
    const double top = std::max(10.0, highest_.coins);
    const double bottom = std::min(-10.0, lowest_.coins);
    // Room above and below for the marks' labels.
    const double pad = (top - bottom) * 0.12;

    const QFont labels = font();
    QFont titles = font();
    titles.setBold(true);
    const QFontMetrics label(labels);
    const QFontMetrics title(titles);
    // As many figures up the side as stand two lines apart in the height there is.
    const int tall = height() - 4 * label.height() - title.height();
    const Scale ys = Scale::Nice(bottom - pad, top + pad, std::clamp(tall / (2 * label.height()), 2, 5));
    // Gaps and marks in proportion to the text, so that they zoom with it.
    const int gap = std::max(3, label.height() / 4);
    const int dot = std::max(7, label.height() * 3 / 4) | 1;  // the marks' diameter
    int labelWidth = 0;
    for (int i = 0; i <= ys.Ticks(); ++i)
        labelWidth = std::max(labelWidth, label.horizontalAdvance(Number(ys.Tick(i))));
    const int lastLabel = label.horizontalAdvance(Number(xs.high));
    const QRect plot =
        rect().adjusted(gap + title.height() + gap + labelWidth + gap, label.height() / 2 + gap,
                        -(lastLabel / 2 + gap * 2), -(gap + label.height() + gap + title.height() + gap));
    if (plot.width() < 2 || plot.height() < 2) return;

    auto atX = [&](double game) { return plot.left() + (game - xs.low) / (xs.high - xs.low) * plot.width(); };
    auto atY = [&](double coins) { return plot.bottom() + 1 - (coins - ys.low) / (ys.high - ys.low) * plot.height(); };

    // The grid, the axes' figures and their titles.
    p.setFont(labels);
    for (int i = 0; i <= ys.Ticks(); ++i) {
        const int y = static_cast<int>(std::lround(atY(ys.Tick(i))));
        p.setPen(kGrid);
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(kAxis);
        p.drawText(QRect(plot.left() - gap - labelWidth, y - label.height() / 2, labelWidth, label.height()),
                   Qt::AlignRight | Qt::AlignVCenter, Number(ys.Tick(i)));
    }
    for (int i = 0; i <= xs.Ticks(); ++i) {
        const int x = static_cast<int>(std::lround(atX(xs.Tick(i))));
        p.setPen(kGrid);
        p.drawLine(x, plot.top(), x, plot.bottom());
        p.setPen(kAxis);
        const QString text = Number(xs.Tick(i));
        const int width = label.horizontalAdvance(text);
        p.drawText(QRect(x - width, plot.bottom() + gap, 2 * width, label.height()), Qt::AlignCenter, text);
    }
    p.setPen(kAxis);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.topLeft(), plot.bottomLeft());
    p.setFont(titles);
    p.drawText(QRect(plot.left(), plot.bottom() + gap + label.height() + gap, plot.width(), title.height()),
               Qt::AlignCenter, QStringLiteral("ゲーム数"));
    // Up the side, centred on the plot as far as the graph's height lets it be.
    const QString side = QStringLiteral("差枚数（枚）");
    const int length = std::min(title.horizontalAdvance(side), height());
    const int middle = std::clamp(plot.center().y(), length / 2, height() - length / 2);
    p.save();
    p.translate(gap, middle);
    p.rotate(-90);
    p.drawText(QRect(-length / 2, 0, length, title.height()), Qt::AlignCenter, side);
    p.restore();

    // The zero line, then the session over it.
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(plot.adjusted(0, -1, 1, 1));
    p.setPen(QPen(kZero, 1, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), atY(0)), QPointF(plot.right(), atY(0)));
    std::vector<QPointF> drawn;
    drawn.reserve(line_.size());
    for (const QPointF& point : line_) drawn.emplace_back(atX(point.x()), atY(point.y()));
    if (drawn.size() <= static_cast<std::size_t>(plot.width())) {
        p.setPen(QPen(kLine, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(drawn.data(), static_cast<int>(drawn.size()));
    } else {
        // More points than pixel columns: a line stroked through them all
        // would zigzag over itself at great cost. What it would cover is, in
        // each column, the span from its lowest to its highest point there,
        // so the line is filled as one band from those spans.
        const int columns = plot.width() + 1;
        std::vector<double> upper(static_cast<std::size_t>(columns), std::numeric_limits<double>::infinity());
        std::vector<double> lower(static_cast<std::size_t>(columns), -std::numeric_limits<double>::infinity());
        auto column = [&](double x) {
            return std::clamp(static_cast<int>(std::floor(x)) - plot.left(), 0, columns - 1);
        };
        auto cover = [&](int c, double y) {
            const auto i = static_cast<std::size_t>(c);
            upper[i] = std::min(upper[i], y);
            lower[i] = std::max(lower[i], y);
        };
        cover(column(drawn[0].x()), drawn[0].y());
        for (std::size_t i = 1; i < drawn.size(); ++i) {
            // Each column the step from a to b crosses gets the part of it
            // inside that column: a steep step between neighbours stays a
            // solid stroke rather than a hairline.
            const QPointF& a = drawn[i - 1];
            const QPointF& b = drawn[i];
            auto at = [&](double x) {
                return b.x() > a.x() ? a.y() + (b.y() - a.y()) * (std::clamp(x, a.x(), b.x()) - a.x()) / (b.x() - a.x())
                                     : b.y();
            };
            for (int c = column(a.x()), last = column(b.x()); c <= last; ++c) {
                cover(c, at(plot.left() + c));
                cover(c, at(plot.left() + c + 1));
            }
        }
        QPolygonF band;
        band.reserve(qsizetype{2} * columns);
        for (int c = 0; c < columns; ++c) {
            const auto i = static_cast<std::size_t>(c);
            if (upper[i] <= lower[i]) band.append(QPointF(plot.left() + c + 0.5, upper[i] - 1));
        }
        for (int c = columns - 1; c >= 0; --c) {
            const auto i = static_cast<std::size_t>(c);
            if (upper[i] <= lower[i]) band.append(QPointF(plot.left() + c + 0.5, lower[i] + 1));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kLine);
        p.drawPolygon(band);
    }
    p.setClipping(false);

    if (games_ == 0) return;
    // The marks and their labels, the highest's above it and the lowest's
    // below where there is room, else on the mark's other side; kept inside
    // the plot and clear of its axes and their figures.
    const QRect inside = plot.adjusted(gap + 1, gap, -gap, -(gap + 1));
    auto mark = [&](const session::GamePoint& at, const QColor& colour, const QString& name, bool above) {
        const QPointF centre(atX(at.game), atY(at.coins));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(centre, dot / 2.0, dot / 2.0);
        const QString text = name + QStringLiteral(" ") + Signed(at.coins);
        const int width = title.horizontalAdvance(text);
        const int left = std::clamp(static_cast<int>(centre.x()) - width / 2, inside.left(),
                                    std::max(inside.left(), inside.left() + inside.width() - width));
        const int over = static_cast<int>(centre.y()) - dot / 2 - 2 - title.height();
        const int under = static_cast<int>(centre.y()) + dot / 2 + 2;
        const bool fitsOver = over >= inside.top();
        const bool fitsUnder = under + title.height() <= inside.top() + inside.height();
        int y = above ? (fitsOver || !fitsUnder ? over : under) : (fitsUnder || !fitsOver ? under : over);
        y = std::clamp(y, inside.top(), std::max(inside.top(), inside.top() + inside.height() - title.height()));
        // On the plot's white: the session's line may run where the label
        // stands, and would cross its words.
        const QRect box(left, y, width, title.height());
        p.fillRect(box, Qt::white);
        p.setPen(colour);
        p.drawText(box, Qt::AlignCenter, text);
    };
    mark(highest_, kHigh, QStringLiteral("最高"), true);
    mark(lowest_, kLow, QStringLiteral("最低"), false);
}

}  // namespace kararion::ui
