#include "ui/controls/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/controls/spoken.h"

namespace kararion::ui {
namespace {

// Font sizes in points at the 96 dpi the twips assume, as logical pixels, so
// that text keeps its proportion to the controls at every scale.
int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

int zoomPercent = 100;

double Zoom() { return zoomPercent / 100.0; }

int Scaled(int pixels) { return static_cast<int>(std::lround(pixels * Zoom())); }

// The first of `wanted` the system has, looked up once for all fonts: a
// family it lacks would send every font through fontconfig's fallback.
QStringList Installed(const QStringList& wanted) {
    const QStringList have = QFontDatabase::families();
    for (const QString& family : wanted) {
        if (have.contains(family)) return {family};
    }
    return wanted;
}

const QStringList& GothicFamilies() {
    static const QStringList families =
        Installed({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                   QStringLiteral("IPAGothic")});
    return families;
}

const QStringList& MinchoFamilies() {
    static const QStringList families =
        Installed({QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAPMincho"),
                   QStringLiteral("IPAMincho"), QStringLiteral("Noto Sans CJK JP")});
    return families;
}

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

QFont GothicFont(double points, bool bold) { return JapaneseFont(GothicFamilies(), points, bold); }

QFont MinchoFont(double points) {
    QFont font = JapaneseFont(MinchoFamilies(), points, false);
    font.setStyleHint(QFont::Serif);
    return font;
}

QFont DefaultFont() { return GothicFont(9); }

void WarnWithoutJapaneseFont() {
    if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) return;
    qWarning(
        "kararion: 日本語のフォントがありません / no installed font has Japanese, so the captions cannot be "
        "read: install one, for example the package fonts-noto-cjk (apt install fonts-noto-cjk)");
}

QColor FocusColour(const QColor& background) {
    // Dark blue on the light greys and whites of the windows and lists, and
    // white on anything dark.
    return background.lightnessF() > 0.5 ? QColor(0, 0, 160) : QColor(Qt::white);
}

int ZoomPercent() { return zoomPercent; }

void SetZoomPercent(int percent) {
    zoomPercent = std::clamp(percent, kZoomSteps[0], kZoomSteps[std::size(kZoomSteps) - 1]);
}

int Zoomed(int pixels) { return Scaled(pixels); }

QFont Zoomed(QFont font) {
    if (font.pixelSize() > 0) font.setPixelSize(Scaled(font.pixelSize()));
    return font;
}

QSize Zoomed(QSize size) { return QSize(Scaled(size.width()), Scaled(size.height())); }

// Each edge on its own, as TwipRect does: controls that touch go on touching.
QRect Zoomed(const QRect& rect) {
    const int left = Scaled(rect.left());
    const int top = Scaled(rect.top());
    return QRect(left, top, Scaled(rect.left() + rect.width()) - left, Scaled(rect.top() + rect.height()) - top);
}

namespace {

// What a widget was at 100%, noted on it the first time its window is scaled.
const char* const kBaseGeometry = "kararionBaseGeometry";
const char* const kBaseMinimum = "kararionBaseMinimum";
const char* const kBaseMaximum = "kararionBaseMaximum";
const char* const kBaseFontPixels = "kararionBaseFontPixels";
const char* const kZoomApplied = "kararionZoomApplied";

// Qt's own parts of a control (a list's viewport, its scroll bars) are its
// control's to place; ours all have names.
bool Ours(const QWidget* widget) {
    const QString name = widget->objectName();
    return widget->isWindow() || (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")));
}

bool LaidOut(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return widget->isWindow() || (parent != nullptr && parent->layout() != nullptr &&
                                  parent->layout()->indexOf(const_cast<QWidget*>(widget)) >= 0);
}

QSize ScaledSize(QSize size) {
    auto one = [](int length) { return length <= 0 || length >= QWIDGETSIZE_MAX ? length : Scaled(length); };
    return QSize(one(size.width()), one(size.height()));
}

void NoteBase(QWidget* widget) {
    if (widget->property(kBaseMinimum).isValid()) return;
    widget->setProperty(kBaseGeometry, widget->geometry());
    widget->setProperty(kBaseMinimum, widget->minimumSize());
    widget->setProperty(kBaseMaximum, widget->maximumSize());
    const bool ownFont = widget->testAttribute(Qt::WA_SetFont) && widget->font().pixelSize() > 0;
    widget->setProperty(kBaseFontPixels, ownFont ? widget->font().pixelSize() : 0);
}

void ScaleOne(QWidget* widget) {
    if (const int pixels = widget->property(kBaseFontPixels).toInt(); pixels > 0) {
        QFont font = widget->font();
        font.setPixelSize(Scaled(pixels));
        if (font != widget->font()) widget->setFont(font);
    }
    widget->setMinimumSize(ScaledSize(widget->property(kBaseMinimum).toSize()));
    widget->setMaximumSize(ScaledSize(widget->property(kBaseMaximum).toSize()));
    if (LaidOut(widget)) return;
    widget->setGeometry(Zoomed(widget->property(kBaseGeometry).toRect()));
}

}  // namespace

void ApplyZoom(QWidget* window) {
    // Once a zoom: a window the player has resized keeps its size until the zoom changes.
    if (window->property(kZoomApplied).toInt() == zoomPercent) return;
    window->setProperty(kZoomApplied, zoomPercent);
    QList<QWidget*> widgets{window};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        // A window it owns (a dialog, a side window) is scaled on its own.
        if (Ours(child) && child->window() == window) widgets.append(child);
    }
    // All noted before any is changed: a font set on the window reaches its controls.
    for (QWidget* widget : widgets) NoteBase(widget);
    // Drawn once, at the new size: a paint between two controls' changes
    // would show some at the old zoom and some at the new.
    const bool drawing = window->updatesEnabled();
    window->setUpdatesEnabled(false);
    for (QWidget* widget : widgets) ScaleOne(widget);
    if (window->layout() != nullptr) window->adjustSize();
    window->setUpdatesEnabled(drawing);
}

void ZoomPopups() { QApplication::setFont(Zoomed(DefaultFont()), "QMenu"); }

QSize BaseSize(const QWidget* window) {
    const QVariant base = window->property(kBaseMinimum);
    return base.isValid() ? base.toSize() : window->minimumSize();
}

void NameControl(QWidget* widget, const QString& systemName, const QString& spoken) {
    widget->setObjectName(systemName);
    widget->setAccessibleName(ForEar(spoken));
}

void NameDecoration(QWidget* widget, const QString& systemName) { widget->setObjectName(systemName); }

void KeepMouseEvents(QWidget* widget) { widget->setAttribute(Qt::WA_NoMousePropagation); }

}  // namespace kararion::ui
