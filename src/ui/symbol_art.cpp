#include "ui/symbol_art.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "ui/look.h"

namespace kararion::ui {
namespace {

std::unique_ptr<QSvgRenderer> Load(const QString& resource) {
    if (!QFile::exists(resource)) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(resource);
    if (!renderer->isValid()) return nullptr;
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return renderer;
}

// The main colour of each symbol, for the numbered tile that stands in for a
// missing picture.
QColor FallbackColour(int symbol) {
    static const QColor colours[11] = {Qt::white,
                                       QColor(240, 200, 0),
                                       QColor(220, 0, 0),
                                       QColor(240, 200, 0),
                                       QColor(130, 40, 160),
                                       QColor(250, 150, 180),
                                       QColor(40, 160, 60),
                                       Qt::black,
                                       QColor(80, 180, 60),
                                       QColor(0, 200, 220),
                                       QColor(250, 140, 0)};
    return symbol >= 1 && symbol <= 10 ? colours[symbol] : Qt::white;
}

}  // namespace

QString SymbolName(int symbol) {
    static const char* const names[11] = {"",       "ベル", "セブン", "スター",   "ブドウ",  "モモ",
                                          "スイカ", "BAR",  "メロン", "リプレイ", "オレンジ"};
    return symbol >= 1 && symbol <= 10 ? QString::fromUtf8(names[symbol]) : QString();
}

SymbolArt& SymbolArt::Instance() {
    static SymbolArt art;
    return art;
}

QSvgRenderer* SymbolArt::Renderer(int symbol) {
    if (symbol < 1 || symbol > 10) return nullptr;
    if (!tried_[symbol]) {
        tried_[symbol] = true;
        renderers_[symbol] = Load(QStringLiteral(":/art/symbols/%1.svg").arg(symbol));
    }
    return renderers_[symbol].get();
}

bool SymbolArt::HasArtwork(int symbol) { return Renderer(symbol) != nullptr; }

void SymbolArt::PaintFallback(QPainter& painter, const QRectF& bounds, int symbol) {
    painter.fillRect(bounds, Qt::white);
    if (symbol < 1 || symbol > 10) return;
    const QColor colour = FallbackColour(symbol);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRectF disc =
        bounds.adjusted(bounds.width() * 0.12, bounds.height() * 0.08, -bounds.width() * 0.12, -bounds.height() * 0.08);
    painter.drawEllipse(disc);
    QFont font = GothicFont(7, true);
    font.setPixelSize(std::max(6, static_cast<int>(disc.height() * 0.6)));
    painter.setFont(font);
    painter.setPen(colour.lightness() > 150 ? Qt::black : Qt::white);
    painter.drawText(disc, Qt::AlignCenter, QString::number(symbol));
}

QPixmap SymbolArt::Picture(int symbol, QSize size, qreal devicePixelRatio) {
    const int ratioKey = static_cast<int>(std::lround(devicePixelRatio * 100));
    const auto key = std::make_tuple(symbol, size.width(), size.height(), ratioKey);
    if (auto found = cache_.find(key); found != cache_.end()) return found->second;

    QPixmap pixmap(QSize(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                         static_cast<int>(std::ceil(size.height() * devicePixelRatio))));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF bounds(QPointF(0, 0), QSizeF(size));
        if (QSvgRenderer* renderer = Renderer(symbol)) {
            renderer->render(&painter, bounds);
        } else {
            PaintFallback(painter, bounds, symbol);
        }
    }
    cache_.emplace(key, pixmap);
    return pixmap;
}

void SymbolArt::PaintLogo(QPainter& painter, const QRectF& bounds) {
    if (!triedLogo_) {
        triedLogo_ = true;
        logo_ = Load(QStringLiteral(":/art/logo.svg"));
        if (logo_) logo_->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (logo_) {
        logo_->render(&painter, bounds);
    } else {
        // Until the logo exists: the seven on a round badge.
        const qreal side = std::min(bounds.width(), bounds.height());
        const QRectF badge(bounds.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
        painter.setPen(QPen(QColor(180, 0, 0), side * 0.05));
        painter.setBrush(QColor(255, 220, 0));
        painter.drawEllipse(badge.adjusted(side * 0.05, side * 0.05, -side * 0.05, -side * 0.05));
        QFont font = GothicFont(9, true);
        font.setPixelSize(std::max(8, static_cast<int>(side * 0.55)));
        painter.setFont(font);
        painter.setPen(QColor(200, 0, 0));
        painter.drawText(badge, Qt::AlignCenter, QStringLiteral("7"));
    }
    painter.restore();
}

}  // namespace kararion::ui
