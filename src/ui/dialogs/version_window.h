#pragma once
// The version window: who made the game and how to reach them. No behaviour of its own.
#include <QDialog>

namespace kararion::ui {

class VersionWindow : public QDialog {
    Q_OBJECT
public:
    explicit VersionWindow(QWidget* parent);
};

}  // namespace kararion::ui
