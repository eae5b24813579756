#pragma once
// The save and the load dialog. They are built alike and
// differ in caption, action button, the rules they call and the first focus.
#include <QDialog>
#include <QListWidget>
#include <string>

#include "machine/game_fwd.h"
#include "machine/orders.h"

namespace kararion::save {
class FileDialogRules;
}  // namespace kararion::save

class QLineEdit;

namespace kararion::ui {

class WindowHost;
class CaptionLabel;

// What tells the two dialogs apart.
struct FileDialogKind {
    const char* title;
    const char* actionName;     // "Save" or "Loaded"
    const char* actionCaption;  // "セーブ" or "ロード"
    int widthTwips;
    int heightTwips;
    bool listFirst;                  // keyboard focus order
    machine::FileDialogKind dialog;  // which of the game's two dialogs

    static const FileDialogKind& Save();
    static const FileDialogKind& Load();
};

// The file list. Picking a file with the keyboard (arrows, or Space or Enter
// on the current one) counts as clicking it, as with the mouse; the list
// getting focus picks nothing. It shows a focus frame while it has the focus.
class FileList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
signals:
    void picked(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

class FileDialog : public QDialog {
    Q_OBJECT
public:
    FileDialog(WindowHost& windows, const FileDialogKind& kind, QWidget* parent);

    // Every opening starts the dialog over by its rules.
    void Reopen();
    void Refresh();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const save::FileDialogRules& State() const;
    // Sends one of the dialog's own commands through the windows.
    void Send(machine::Order::Kind kind, std::string text = {});
    // Says why the typed name cannot be used, when it cannot.
    void SayNameProblem();

    WindowHost& windows_;
    const FileDialogKind& kind_;
    QLineEdit* fileName_ = nullptr;
    FileList* files_ = nullptr;
    CaptionLabel* action_ = nullptr;
    CaptionLabel* cancel_ = nullptr;
};

}  // namespace kararion::ui
