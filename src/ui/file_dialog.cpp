#include "ui/file_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "core/game.h"
#include "save/dialogs.h"
#include "ui/controls.h"
#include "ui/game_windows.h"
#include "ui/look.h"

namespace kararion::ui {

const FileDialogKind& FileDialogKind::Save() {
    static const FileDialogKind kind{.title = " - セ ー ブ -",
                                     .actionName = "Save",
                                     .actionCaption = "セーブ",
                                     .widthTwips = 2388,
                                     .heightTwips = 2700,
                                     .listFirst = false,
                                     .state = &Game::form2,
                                     .formLoad = &Form2::Form_Load,
                                     .fileClick = &Form2::File1_Click,
                                     .actionClick = &Form2::Save_Click,
                                     .actionMove = &Form2::Save_MouseMove,
                                     .cancelMove = &Form2::Cancel_MouseMove,
                                     .formMove = &Form2::Form_MouseMove};
    return kind;
}

const FileDialogKind& FileDialogKind::Load() {
    static const FileDialogKind kind{.title = " - ロ ー ド -",
                                     .actionName = "Loaded",
                                     .actionCaption = "ロード",
                                     .widthTwips = 2400,
                                     .heightTwips = 2784,
                                     .listFirst = true,
                                     .state = &Game::form3,
                                     .formLoad = &Form3::Form_Load,
                                     .fileClick = &Form3::File1_Click,
                                     .actionClick = &Form3::Loaded_Click,
                                     .actionMove = &Form3::Loaded_MouseMove,
                                     .cancelMove = &Form3::Cancel_MouseMove,
                                     .formMove = &Form3::Form_MouseMove};
    return kind;
}

void FileList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && currentItem() != nullptr) {
        // Space or Enter on the file under the focus clicks it once.
        event->accept();
        if (!event->isAutoRepeat()) emit picked(currentItem()->text());
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem() != nullptr) emit picked(currentItem()->text());
}

FileDialog::FileDialog(GameWindows& windows, const FileDialogKind& kind) : windows_(windows), kind_(kind) {
    setWindowTitle(QString::fromUtf8(kind.title));
    setObjectName(kind.actionName == std::string("Save") ? QStringLiteral("Form2") : QStringLiteral("Form3"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(DefaultFont());
    setFixedSize(TwipSize(kind.widthTwips, kind.heightTwips));
    setMouseTracking(true);

    fileName_ = new QLineEdit(QStringLiteral("FileName"), this);
    NameControl(fileName_, QStringLiteral("FileName"));
    fileName_->setGeometry(TwipRect(0, 0, 1935, 270));
    KeepMouseEvents(fileName_);
    // Typed, or set by a screen reader over the accessibility bus.
    connect(fileName_, &QLineEdit::textChanged, this,
            [this](const QString& text) { State().FileName = text.toStdString(); });

    auto* extension = new CaptionLabel(QStringLiteral(".dat"), this);
    NameControl(extension, QStringLiteral("Label1"));
    QFont extensionFont = GothicFont(9, true);
    extensionFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);  // the window's edge is close
    extension->setFont(extensionFont);
    extension->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    extension->setGeometry(TwipRect(2040, 120, 375, 255));
    fileName_->setAccessibleDescription(extension->text());

    files_ = new FileList(this);
    NameControl(files_, QStringLiteral("File1"));
    files_->setGeometry(TwipRect(0, 360, 2295, 1872));
    files_->setSelectionMode(QAbstractItemView::SingleSelection);
    files_->setUniformItemSizes(true);
    KeepMouseEvents(files_);
    KeepMouseEvents(files_->viewport());
    auto pick = [this](const QString& name) {
        kind_.fileClick(windows_.game(), name.toStdString());
        windows_.RefreshAll();
    };
    // `clicked` comes once for a double click too: its second press is no click.
    connect(files_, &QListWidget::itemClicked, this, [pick](QListWidgetItem* item) { pick(item->text()); });
    connect(files_, &FileList::picked, this, pick);

    const QFont buttonFont = GothicFont(12, true);
    action_ = new CaptionLabel(QString::fromUtf8(kind.actionCaption), this);
    NameControl(action_, QString::fromUtf8(kind.actionName));
    action_->setGeometry(TwipRect(0, 2400, 855, 375));
    cancel_ = new CaptionLabel(QStringLiteral("キャンセル"), this);
    NameControl(cancel_, QStringLiteral("Cancel"));
    cancel_->setGeometry(TwipRect(960, 2400, 1455, 375));
    for (CaptionLabel* button : {action_, cancel_}) {
        button->setFont(buttonFont);
        button->SetButton(true);
        button->setFocusPolicy(Qt::TabFocus);
        // The window ends just below the captions: they hang from their top.
        button->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    connect(action_, &CaptionLabel::clicked, this, [this] { Act(kind_.actionClick); });
    connect(action_, &CaptionLabel::hovered, this, [this] { Act(kind_.actionMove); });
    connect(cancel_, &CaptionLabel::hovered, this, [this] { Act(kind_.cancelMove); });
    connect(cancel_, &CaptionLabel::clicked, this, &QDialog::reject);

    auto* stroke = new LineStroke(TwipRect(960, 2400, 0, 0).topLeft(), TwipRect(840, 2640, 0, 0).topLeft(), this);
    NameControl(stroke, QStringLiteral("Line1"));

    if (kind.listFirst) {
        setTabOrder(files_, fileName_);
    } else {
        setTabOrder(fileName_, files_);
    }
}

SaveDialogState& FileDialog::State() { return windows_.game().*kind_.state; }

void FileDialog::Act(void (*rule)(Game&)) {
    rule(windows_.game());
    windows_.RefreshAll();
}

void FileDialog::Load() {
    kind_.formLoad(windows_.game());
    files_->clear();
    Refresh();
    QWidget* first = kind_.listFirst ? static_cast<QWidget*>(files_) : fileName_;
    first->setFocus(Qt::OtherFocusReason);
    if (!kind_.listFirst) fileName_->selectAll();
}

void FileDialog::Refresh() {
    const SaveDialogState& s = State();
    const QString name = QString::fromStdString(s.FileName);
    if (fileName_->text() != name) fileName_->setText(name);

    bool sameList = files_->count() == static_cast<int>(s.files.size());
    for (int i = 0; sameList && i < files_->count(); ++i)
        sameList = files_->item(i)->text() == QString::fromStdString(s.files[static_cast<std::size_t>(i)]);
    if (!sameList) {
        files_->clear();
        for (const std::string& file : s.files) files_->addItem(QString::fromStdString(file));
    }

    action_->SetColour(s.Action.foreColor);
    cancel_->SetColour(s.Cancel.foreColor);
}

void FileDialog::mouseMoveEvent(QMouseEvent*) { Act(kind_.formMove); }

}  // namespace kararion::ui
