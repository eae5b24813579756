#include "ui/controls/look.h"

#include <QWidget>
#include <cmath>

namespace kararion::ui {
namespace {

// Font sizes in points at the 96 dpi the twips assume, as logical pixels, so
// that text keeps its proportion to the controls at every scale.
int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont JapaneseFont(const QStringList& families, double points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

int Px(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

QRect TwipRect(int left, int top, int width, int height) {
    const int x0 = Px(left);
    const int y0 = Px(top);
    return QRect(x0, y0, Px(left + width) - x0, Px(top + height) - y0);
}

QSize TwipSize(int width, int height) { return QSize(Px(width), Px(height)); }

QColor ToQColor(Colour colour, const QPalette& palette) {
    if (colour == kDefaultText) return palette.color(QPalette::WindowText);
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QFont GothicFont(double points, bool bold) {
    return JapaneseFont({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP"),
                         QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")},
                        points, bold);
}

QFont MinchoFont(double points) {
    QFont font =
        JapaneseFont({QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAPMincho"),
                      QStringLiteral("IPAMincho"), QStringLiteral("Noto Sans CJK JP")},
                     points, false);
    font.setStyleHint(QFont::Serif);
    return font;
}

QFont DefaultFont() { return GothicFont(9); }

void NameControl(QWidget* widget, const QString& systemName, const QString& spoken) {
    widget->setObjectName(systemName);
    widget->setAccessibleName(spoken);
}

void NameDecoration(QWidget* widget, const QString& systemName) { widget->setObjectName(systemName); }

void KeepMouseEvents(QWidget* widget) { widget->setAttribute(Qt::WA_NoMousePropagation); }

}  // namespace kararion::ui
