#include "ui/controls/symbol_art.h"

#include "paytable/paytable.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "ui/controls/look.h"

namespace kararion::ui {
namespace {

std::unique_ptr<QSvgRenderer> Load(const QString& resource) {
    if (!QFile::exists(resource)) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(resource);
    if (!renderer->isValid()) return nullptr;
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return renderer;
}

}  // namespace

QString SymbolName(std::optional<Symbol> symbol) {
    if (!symbol) return {};
    return QString::fromUtf8(paytable::SpokenName(*symbol));
}

SymbolArt& SymbolArt::Instance() {
    static SymbolArt art;
    return art;
}

QSvgRenderer* SymbolArt::Renderer(Symbol symbol) {
    const auto index = static_cast<std::size_t>(symbol);
    if (!tried_.at(index)) {
        tried_[index] = true;
        renderers_[index] = Load(QStringLiteral(":/art/symbols/%1.svg").arg(static_cast<int>(symbol)));
    }
    return renderers_[index].get();
}

QPixmap SymbolArt::Picture(std::optional<Symbol> symbol, QSize size, qreal devicePixelRatio) {
    const int ratioKey = static_cast<int>(std::lround(devicePixelRatio * 100));
    const auto key = std::make_tuple(symbol ? static_cast<int>(*symbol) : 0, size.width(), size.height(), ratioKey);
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
        if (QSvgRenderer* renderer = symbol ? Renderer(*symbol) : nullptr) renderer->render(&painter, bounds);
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
    if (logo_) logo_->render(&painter, bounds);
    painter.restore();
}

}  // namespace kararion::ui
