#pragma once
// Tab and Escape across the three game windows: Tab, from whichever of them
// has the keyboard, frames the menu's entries one after another and, past
// the last, hands the keyboard back to the machine with no frame (Shift+Tab
// the other way); Escape takes the frame away.
class QKeyEvent;
class QObject;

namespace kararion::ui {

class WindowHost;

// Acts on Tab, Shift+Tab or Escape heard by `watched` (a game window or a
// menu entry); true when it did.
bool MoveMenuFrame(WindowHost& windows, const QObject* watched, const QKeyEvent* event);

}  // namespace kararion::ui
