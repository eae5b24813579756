#pragma once
// Words for the ear. The stock Japanese voice (espeak-ng) reads every kanji
// as "Chinese letter", so what only a screen reader says (announcements,
// accessible names and descriptions, the reading texts) goes to the bus in
// kana; what is shown keeps its kanji.
#include <QString>
#include <QStringList>

class QWidget;

namespace kararion::ui {

// `words` with each kanji word the game uses in its kana reading.
QString ForEar(const QString& words);
// True when `text` holds a kanji (a CJK unified ideograph) the voice would lose.
bool HasKanji(const QString& text);
// The labels of `window` (Qt's own, whose name is their shown text) heard in kana.
void LabelsForEar(QWidget* window);

}  // namespace kararion::ui
