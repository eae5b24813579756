#pragma once
// Form2 and Form3: the save and the load dialog. They are built alike and
// differ in caption, action button, the rules they call and the first focus.
#include <QDialog>
#include <QListWidget>
#include <string>

namespace kararion {
class Game;
struct SaveDialogState;
}  // namespace kararion

class QLineEdit;

namespace kararion::ui {

class GameWindows;
class CaptionLabel;

// What tells the two dialogs apart.
struct FileDialogKind {
    const char* title;
    const char* actionName;     // "Save" or "Loaded"
    const char* actionCaption;  // "セーブ" or "ロード"
    int widthTwips;
    int heightTwips;
    bool listFirst;  // keyboard focus order
    SaveDialogState Game::*state;
    void (*formLoad)(Game&);
    void (*fileClick)(Game&, const std::string&);
    void (*actionClick)(Game&);
    void (*actionMove)(Game&);
    void (*cancelMove)(Game&);
    void (*formMove)(Game&);

    static const FileDialogKind& Save();
    static const FileDialogKind& Load();
};

// The file list. Picking a file with the keyboard (arrows, or Space or Enter
// on the current one) counts as clicking it, as with the mouse; the list
// getting focus picks nothing.
class FileList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
signals:
    void picked(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class FileDialog : public QDialog {
public:
    FileDialog(GameWindows& windows, const FileDialogKind& kind);

    // The dialog's load: runs its rules' Form_Load on every opening.
    void Load();
    void Refresh();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    SaveDialogState& State();
    void Act(void (*rule)(Game&));

    GameWindows& windows_;
    const FileDialogKind& kind_;
    QLineEdit* fileName_ = nullptr;
    FileList* files_ = nullptr;
    CaptionLabel* action_ = nullptr;
    CaptionLabel* cancel_ = nullptr;
};

}  // namespace kararion::ui
