#pragma once
// The one place where the machine's units become Qt's: twips become logical
// pixels (15 twips to the pixel at 96 dpi; Qt's high-dpi scaling does the
// rest), 24-bit colours become QColors, named fonts become available ones.
// Every window is built at 100% and then scaled as a whole to the player's
// zoom, so that a change of zoom scales what is already on the screen alike.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>

#include "core/colour.h"

class QWidget;

namespace kararion::ui {

constexpr int kTwipsPerPixel = 15;

int Px(int twips);
// Each edge is rounded on its own, so that controls that touch in twips touch
// on screen too.
QRect TwipRect(int left, int top, int width, int height);
QSize TwipSize(int width, int height);

// kDefaultText (the system's window text colour) takes the palette's text colour.
QColor ToQColor(Colour colour, const QPalette& palette);

// The zoom steps a player can choose, in percent.
inline constexpr int kZoomSteps[] = {100, 125, 150, 200, 250, 300};
int ZoomPercent();
void SetZoomPercent(int percent);
// A length in the logical pixels of 100%, at the zoom.
int Zoomed(int pixels);
QFont Zoomed(QFont font);
QRect Zoomed(const QRect& rect);
QSize Zoomed(QSize size);
// Scales `window` and every control it holds to the zoom: places, fixed
// sizes and fonts (the art is drawn to size, so it stays crisp). What a
// layout places, the layout scales. The first call notes the window as built.
void ApplyZoom(QWidget* window);
// The pop-up menus (the right button's) in the windows' font at the zoom.
void ZoomPopups();
// A window's fixed size at 100%, whatever the zoom.
QSize BaseSize(const QWidget* window);

// The keyboard focus frame: this wide, in a colour that stands out on `background`.
constexpr int kFocusFrameWidth = 2;
QColor FocusColour(const QColor& background);

// "ＭＳ Ｐゴシック" where the system has it, otherwise a Japanese Gothic that Linux has.
QFont GothicFont(double points, bool bold = false);
// "ＭＳ Ｐ明朝", otherwise a Japanese serif face.
QFont MinchoFont(double points);
// The windows' own font: the Gothic face at 9 points.
QFont DefaultFont();
// Says on stderr, with the package to install, when no installed family has
// Japanese: every caption would be drawn as boxes, and nothing else says why.
void WarnWithoutJapaneseFont();

// Names a control where it is made: its system name is its objectName, and
// `spoken` is what a player hears for it (for a caption, usually its own text).
void NameControl(QWidget* widget, const QString& systemName, const QString& spoken);
// A shape that only decorates: a system name and nothing to hear.
void NameDecoration(QWidget* widget, const QString& systemName);

// Mouse events on `widget` stay there: they never climb to the window beneath,
// whether the widget handles them or not.
void KeepMouseEvents(QWidget* widget);

}  // namespace kararion::ui
