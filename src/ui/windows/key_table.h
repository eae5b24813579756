#pragma once
// Every key of the game in one table: the key, what it presses, its words on
// the screen (the help) and its words for the ear (the controls' descriptions,
// the help read aloud). The key handler, the help and the descriptions all
// come from here; a test holds the README's key table to it. A new key is a
// new row.
#include <QString>
#include <Qt>
#include <vector>

namespace kararion::ui {

enum class KeyDoes {
    None,         // told in the help only: the focus keys of Qt's own controls
    Click,        // a click on `control`
    Machine,      // a click on the bare machine
    DataWindow,   // opens the data window
    SayState,     // says the whole state aloud
    Sound,        // sound on or off
    VolumeUp,     // the volume one step up
    VolumeDown,   // one step down
    Help,         // the help window
    ZoomIn,       // one zoom step larger
    ZoomOut,      // one step smaller
    ZoomReset,    // back to 100%
    ContextMenu,  // the machine's right-click menu
    StartAfresh,  // はじめから, once nothing is left to play
};

// The controls a key presses, reached by reference (ui/access/game_keys.cpp).
enum class KeyControl { None, Start, Save, Loading, Ended, Stop1, Stop2, Stop3, BetUp, BetDown };

struct KeyChord {
    int key = 0;
    bool ctrl = false;
    bool shift = false;  // required; without it Shift is neither required nor refused
};

struct KeyRow {
    KeyDoes does = KeyDoes::None;
    std::vector<KeyChord> chords;
    KeyControl control = KeyControl::None;  // what a Click presses
    bool repeats = false;                   // a held key acts again (the zoom); otherwise a held key is one press
    const char* shownKeys = "";
    const char* shownAction = "";
    const char* spokenKeys = "";
    const char* spokenAction = "";
    const char* readme = "";  // its key cell in the README's table, shared by rows told together
};

const std::vector<KeyRow>& KeyTable();

// The row `key` with `modifiers` acts on, or nullptr.
const KeyRow* FindKey(int key, Qt::KeyboardModifiers modifiers);

// "キー エンター": the description of a control a key presses.
QString KeyDescription(const KeyRow& row);

}  // namespace kararion::ui
