#pragma once
// The window system's light controls as the game uses them: captions that may
// act as buttons, filled rectangles, picture cells and a drawn line. Each one
// only shows what it is told; the game's state lives in the rules.
#include <QWidget>
#include <optional>

#include "core/colour.h"
#include "core/symbol.h"

namespace kararion::ui {

// A caption drawn on the window background. As a button it reports a click
// (press and release on it; every press counts, the second of a double click
// too) and every pointer move over it; it never passes mouse events on to the
// window, enabled or not. A button that takes Tab focus shows a frame while
// the keyboard has put it there, and then Space or Enter clicks it.
class CaptionLabel : public QWidget {
    Q_OBJECT
public:
    CaptionLabel(const QString& text, QWidget* parent);

    QString text() const { return text_; }
    Colour colour() const { return colour_; }
    void SetColour(Colour colour);
    // A disabled caption keeps its own colour unless it is drawn greyed.
    void SetGreyWhenDisabled(bool grey) { greyWhenDisabled_ = grey; }
    void SetButton(bool button);
    bool IsButton() const { return button_; }
    void SetAlignment(Qt::Alignment alignment) { alignment_ = alignment; }

    // A click from the keyboard or a screen reader: the same as one by
    // mouse, and nothing while the caption is disabled.
    void Press();
    // Tab put the keyboard here last: the frame shows while it has the focus.
    bool TabbedTo() const { return keyboardFocus_; }
    // What Tab does from another window: the keyboard here, framed, even
    // before this caption's window has become the active one.
    void TakeTabFocus(Qt::FocusReason reason);
    // The frame taken away; the keyboard goes back to the window itself.
    void DropTabFocus();

signals:
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool ShowsFocus() const { return keyboardFocus_ && hasFocus(); }
    // The frame stands round the caption with room above and below for the
    // voicing marks (ブ, ジ) that reach the top of its em box.
    void PlaceRing();

    QWidget* ring_ = nullptr;
    QString text_;
    Colour colour_ = kDefaultText;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    bool greyWhenDisabled_ = false;
    bool button_ = false;
    bool pressed_ = false;
    bool keyboardFocus_ = false;
};

// A filled rectangle: display only. Clicks fall through to the window.
class FilledRect : public QWidget {
public:
    FilledRect(Colour fill, QWidget* parent);
    Colour fill() const { return fill_; }
    void SetFill(Colour fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour fill_;
};

// A picture cell of a reel: one symbol picture stretched to fill it. It takes
// its own clicks (and does nothing with them). What a screen reader is told
// of it changes only when it is described: a spinning reel redraws its cells
// twenty times a second, far too often to tell.
class ReelCell : public QWidget {
public:
    explicit ReelCell(QWidget* parent);
    std::optional<Symbol> symbol() const { return symbol_; }
    void SetSymbol(std::optional<Symbol> symbol);
    // Its symbol's name at rest, "回転中" while its reel spins.
    void Describe(bool spinning);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::optional<Symbol> symbol_;
};

// A straight line between two points of its parent; display only.
class LineStroke : public QWidget {
public:
    LineStroke(QPoint from, QPoint to, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool fromRight_ = false;
    bool fromBottom_ = false;
};

}  // namespace kararion::ui
