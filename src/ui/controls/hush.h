#pragma once
// Which controls the accessibility bus should not hear for a while: a field
// rewritten a hundred times a second would drown a screen reader. The bus's
// filter (ui/access) asks; the windows hush and unhush.
#include <QObject>
#include <QWidget>

namespace kararion::ui {

// Unhushed, its changes are heard again.
void Hush(QWidget* widget, bool hushed);
bool IsHushed(const QObject* object);

}  // namespace kararion::ui
