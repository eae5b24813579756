#pragma once
// The version window: who made the game and how to reach them. No behaviour of its own.
#include <QDialog>

namespace kararion::ui {

class VersionWindow : public QDialog {
public:
    VersionWindow();
};

}  // namespace kararion::ui
