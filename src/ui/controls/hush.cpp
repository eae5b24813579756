#include "ui/controls/hush.h"

#include <QSet>

namespace kararion::ui {
namespace {

QSet<const QObject*>& Hushed() {
    static QSet<const QObject*> hushed;
    return hushed;
}

}  // namespace

void Hush(QWidget* widget, bool hushed) {
    if (hushed) {
        if (!Hushed().contains(widget))
            QObject::connect(widget, &QObject::destroyed, [](QObject* gone) { Hushed().remove(gone); });
        Hushed().insert(widget);
    } else {
        Hushed().remove(widget);
    }
}

bool IsHushed(const QObject* object) { return Hushed().contains(object); }

}  // namespace kararion::ui
