#pragma once
// The pictures of the ten symbols and the developer's logo, drawn from vector
// art so they stay crisp at every scale.
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <tuple>

class QPainter;
class QSvgRenderer;

namespace kararion::ui {

// What a symbol is called, for screen readers: "ベル", "セブン", "BAR"...
QString SymbolName(int symbol);

class SymbolArt {
public:
    static SymbolArt& Instance();

    // Symbol 1..10 stretched to fill `size` (logical pixels); anything else is
    // an empty cell. Cached per size and pixel ratio.
    QPixmap Picture(int symbol, QSize size, qreal devicePixelRatio);
    void PaintLogo(QPainter& painter, const QRectF& bounds);

    bool HasArtwork(int symbol);

private:
    SymbolArt() = default;
    QSvgRenderer* Renderer(int symbol);
    void PaintFallback(QPainter& painter, const QRectF& bounds, int symbol);

    std::array<std::unique_ptr<QSvgRenderer>, 11> renderers_;
    std::array<bool, 11> tried_{};
    std::unique_ptr<QSvgRenderer> logo_;
    bool triedLogo_ = false;
    std::map<std::tuple<int, int, int, int>, QPixmap> cache_;
};

}  // namespace kararion::ui
