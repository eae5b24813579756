#pragma once
// The one place where the machine's units become Qt's: twips become logical
// pixels (15 twips to the pixel at 96 dpi; Qt's high-dpi scaling does the
// rest), 24-bit colours become QColors, named fonts become available ones.
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

// "ＭＳ Ｐゴシック" where the system has it, otherwise a Japanese Gothic that Linux has.
QFont GothicFont(double points, bool bold = false);
// "ＭＳ Ｐ明朝", otherwise a Japanese serif face.
QFont MinchoFont(double points);
// The windows' own font: the Gothic face at 9 points.
QFont DefaultFont();

// Names a control where it is made: its system name is its objectName, and
// `spoken` is what a player hears for it (for a caption, usually its own text).
void NameControl(QWidget* widget, const QString& systemName, const QString& spoken);
// A shape that only decorates: a system name and nothing to hear.
void NameDecoration(QWidget* widget, const QString& systemName);

// Mouse events on `widget` stay there: they never climb to the window beneath,
// whether the widget handles them or not.
void KeepMouseEvents(QWidget* widget);

}  // namespace kararion::ui
