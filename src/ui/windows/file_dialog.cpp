#include "ui/windows/file_dialog.h"

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "core/game.h"
#include "save/dialog_rules.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/group/game_windows.h"

namespace kararion::ui {
namespace {

// File names are bytes, and not every byte string is UTF-8. What the player
// sees is the name as the file system decodes it; what goes back to the rules
// is the name exactly as the folder gave it, kept beside the shown text.
QString ShownName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }
std::string FileNameOf(const QListWidgetItem* item) { return item->data(Qt::UserRole).toByteArray().toStdString(); }

}  // namespace

const FileDialogKind& FileDialogKind::Save() {
    static const FileDialogKind kind{.title = " - セ ー ブ -",
                                     .actionName = "Save",
                                     .actionCaption = "セーブ",
                                     .widthTwips = 2388,
                                     .heightTwips = 2700,
                                     .listFirst = false,
                                     .state = &Game::saveDialog,
                                     .open = &save_dialog::Open,
                                     .pickFile = &save_dialog::PickFile,
                                     .clickAction = &save_dialog::ClickSave,
                                     .hoverAction = &save_dialog::HoverSave,
                                     .hoverCancel = &save_dialog::HoverCancel,
                                     .hoverBackground = &save_dialog::HoverBackground};
    return kind;
}

const FileDialogKind& FileDialogKind::Load() {
    static const FileDialogKind kind{.title = " - ロ ー ド -",
                                     .actionName = "Loaded",
                                     .actionCaption = "ロード",
                                     .widthTwips = 2400,
                                     .heightTwips = 2784,
                                     .listFirst = true,
                                     .state = &Game::loadDialog,
                                     .open = &load_dialog::Open,
                                     .pickFile = &load_dialog::PickFile,
                                     .clickAction = &load_dialog::ClickLoad,
                                     .hoverAction = &load_dialog::HoverLoad,
                                     .hoverCancel = &load_dialog::HoverCancel,
                                     .hoverBackground = &load_dialog::HoverBackground};
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

FileDialog::FileDialog(GameWindows& windows, const FileDialogKind& kind, QWidget* parent)
    : QDialog(parent), windows_(windows), kind_(kind) {
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
    // Typed, or set by a screen reader over the accessibility bus. A redraw
    // that shows the rules' own name changes nothing: the shown text of a
    // name that is not UTF-8 would not give its bytes back.
    connect(fileName_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != ShownName(State().FileName)) State().FileName = QFile::encodeName(text).toStdString();
    });

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
    auto pick = [this](const QListWidgetItem* item) {
        if (item == nullptr) return;
        windows_.Act([this, file = FileNameOf(item)](Game& g) { kind_.pickFile(g, file); });
    };
    // `clicked` comes once for a double click too: its second press is no click.
    connect(files_, &QListWidget::itemClicked, this, pick);
    connect(files_, &FileList::picked, this, [this, pick] { pick(files_->currentItem()); });

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
    connect(action_, &CaptionLabel::clicked, this, [this] { windows_.Act(kind_.clickAction); });
    connect(action_, &CaptionLabel::hovered, this, [this] { windows_.Act(kind_.hoverAction); });
    connect(cancel_, &CaptionLabel::hovered, this, [this] { windows_.Act(kind_.hoverCancel); });
    connect(cancel_, &CaptionLabel::clicked, this, &QDialog::reject);

    auto* stroke = new LineStroke(TwipRect(960, 2400, 0, 0).topLeft(), TwipRect(840, 2640, 0, 0).topLeft(), this);
    NameControl(stroke, QStringLiteral("Line1"));

    if (kind.listFirst) {
        setTabOrder(files_, fileName_);
    } else {
        setTabOrder(fileName_, files_);
    }
}

FileDialogState& FileDialog::State() { return windows_.game().*kind_.state; }

void FileDialog::Load() {
    files_->clear();
    // Not shown yet, so the redraw of the open windows leaves it out. The
    // click that closed it last time left its button red.
    windows_.Act([this](Game& g) {
        kind_.open(g);
        kind_.hoverBackground(g);
    });
    Refresh();
    QWidget* first = kind_.listFirst ? static_cast<QWidget*>(files_) : fileName_;
    first->setFocus(Qt::OtherFocusReason);
    if (!kind_.listFirst) fileName_->selectAll();
}

void FileDialog::Refresh() {
    const FileDialogState& s = State();
    const QString name = ShownName(s.FileName);
    if (fileName_->text() != name) fileName_->setText(name);

    bool sameList = files_->count() == static_cast<int>(s.files.size());
    for (int i = 0; sameList && i < files_->count(); ++i)
        sameList = FileNameOf(files_->item(i)) == s.files[static_cast<std::size_t>(i)];
    if (!sameList) {
        files_->clear();
        for (const std::string& file : s.files) {
            auto* item = new QListWidgetItem(ShownName(file), files_);
            item->setData(Qt::UserRole, QByteArray::fromStdString(file));
        }
    }

    action_->SetColour(s.Action.foreColor);
    cancel_->SetColour(s.Cancel.foreColor);
}

void FileDialog::mouseMoveEvent(QMouseEvent*) { windows_.Act(kind_.hoverBackground); }

}  // namespace kararion::ui
