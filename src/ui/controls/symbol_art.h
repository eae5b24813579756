#pragma once
// The pictures of the ten symbols and the developer's logo, drawn from vector
// art so they stay crisp at every scale.
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "core/symbol.h"

class QPainter;
class QSvgRenderer;

namespace kararion::ui {

// What a symbol is called, for screen readers: "ベル", "セブン", "BAR"...
QString SymbolName(std::optional<Symbol> symbol);

class SymbolArt {
public:
    static SymbolArt& Instance();

    // A symbol stretched to fill `size` (logical pixels); nothing is an empty
    // cell. Cached per size and pixel ratio.
    QPixmap Picture(std::optional<Symbol> symbol, QSize size, qreal devicePixelRatio);
    void PaintLogo(QPainter& painter, const QRectF& bounds);

private:
    SymbolArt() = default;
    QSvgRenderer* Renderer(Symbol symbol);

    std::array<std::unique_ptr<QSvgRenderer>, 11> renderers_;
    std::array<bool, 11> tried_{};
    std::unique_ptr<QSvgRenderer> logo_;
    bool triedLogo_ = false;
    std::map<std::tuple<int, int, int, int>, QPixmap> cache_;
};

}  // namespace kararion::ui
