#include "ui/dialogs/file_dialog.h"

#include <QAccessible>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "machine/game.h"
#include "save/dialog_rules.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/windows/window_host.h"

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
                                     .dialog = machine::FileDialogKind::Save};
    return kind;
}

const FileDialogKind& FileDialogKind::Load() {
    static const FileDialogKind kind{.title = " - ロ ー ド -",
                                     .actionName = "Loaded",
                                     .actionCaption = "ロード",
                                     .widthTwips = 2400,
                                     .heightTwips = 2784,
                                     .listFirst = true,
                                     .dialog = machine::FileDialogKind::Load};
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

void FileList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!hasFocus()) return;
    // The list's own focus is a faint current row, easily missed: a frame round it as on the captions.
    QPainter painter(viewport());
    const qreal half = kFocusFrameWidth / 2.0;
    painter.setPen(QPen(FocusColour(palette().color(QPalette::Base)), kFocusFrameWidth));
    painter.drawRect(QRectF(viewport()->rect()).adjusted(half, half, -half, -half));
}

void FileList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
    // A screen reader names the list as it gets the focus, and not the file
    // under the cursor, which the first arrow would then skip unheard. Once
    // the list is named, the file is.
    QTimer::singleShot(0, this, [this] {
        if (!hasFocus() || currentItem() == nullptr || !QAccessible::isActive()) return;
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentRow());
        QAccessible::updateAccessibility(&focus);
    });
}

void FileList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

FileDialog::FileDialog(WindowHost& windows, const FileDialogKind& kind, QWidget* parent)
    : QDialog(parent), windows_(windows), kind_(kind) {
    setWindowTitle(QString::fromUtf8(kind.title));
    // The title's letters stand apart; read out, they would be spelt one by one.
    setAccessibleName(QString::fromUtf8(kind.actionCaption));
    setObjectName(kind.actionName == std::string("Save") ? QStringLiteral("Form2") : QStringLiteral("Form3"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(DefaultFont());
    setFixedSize(TwipSize(kind.widthTwips, kind.heightTwips));
    setMouseTracking(true);

    fileName_ = new QLineEdit(QStringLiteral("FileName"), this);
    NameControl(fileName_, QStringLiteral("FileName"), QStringLiteral("ファイル名"));
    fileName_->setGeometry(TwipRect(0, 0, 1935, 270));
    KeepMouseEvents(fileName_);
    // Typed, or set by a screen reader over the accessibility bus. A redraw
    // that shows the rules' own name changes nothing: the shown text of a
    // name that is not UTF-8 would not give its bytes back.
    connect(fileName_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == ShownName(State().FileName())) return;
        Send(machine::Order::Kind::TypeName, QFile::encodeName(text).toStdString());
    });

    auto* extension = new CaptionLabel(QStringLiteral(".dat"), this);
    NameControl(extension, QStringLiteral("Label1"), extension->text());
    QFont extensionFont = GothicFont(9, true);
    extensionFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);  // the window's edge is close
    extension->setFont(extensionFont);
    extension->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    extension->setGeometry(TwipRect(2040, 120, 375, 255));
    fileName_->setAccessibleDescription(extension->text());

    files_ = new FileList(this);
    NameControl(files_, QStringLiteral("File1"), QStringLiteral("セーブデータ"));
    files_->setGeometry(TwipRect(0, 360, 2295, 1872));
    files_->setSelectionMode(QAbstractItemView::SingleSelection);
    files_->setUniformItemSizes(true);
    KeepMouseEvents(files_);
    KeepMouseEvents(files_->viewport());
    auto pick = [this](const QListWidgetItem* item) {
        if (item == nullptr) return;
        Send(machine::Order::Kind::PickFile, FileNameOf(item));
        windows_.Say(QStringLiteral("%1 を えらびました").arg(ShownName(State().FileName())));
    };
    // `clicked` comes once for a double click too: its second press is no click.
    connect(files_, &QListWidget::itemClicked, this, pick);
    connect(files_, &FileList::picked, this, [this, pick] { pick(files_->currentItem()); });

    const QFont buttonFont = GothicFont(12, true);
    action_ = new CaptionLabel(QString::fromUtf8(kind.actionCaption), this);
    NameControl(action_, QString::fromUtf8(kind.actionName), action_->text());
    action_->setGeometry(TwipRect(0, 2400, 855, 375));
    cancel_ = new CaptionLabel(QStringLiteral("キャンセル"), this);
    NameControl(cancel_, QStringLiteral("Cancel"), cancel_->text());
    cancel_->setGeometry(TwipRect(960, 2400, 1455, 375));
    for (CaptionLabel* button : {action_, cancel_}) {
        button->setFont(buttonFont);
        button->SetButton(true);
        button->setFocusPolicy(Qt::TabFocus);
        // The window ends just below the captions: they hang from their top.
        button->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    // The folder may have gone (or gone bad) since the dialog opened.
    connect(action_, &CaptionLabel::clicked, this, [this] {
        SayNameProblem();
        if (windows_.SaveFolderReady()) Send(machine::Order::Kind::ClickDialogAction);
    });
    connect(action_, &CaptionLabel::hovered, this, [this] { Send(machine::Order::Kind::HoverDialogAction); });
    connect(cancel_, &CaptionLabel::hovered, this, [this] { Send(machine::Order::Kind::HoverCancel); });
    connect(cancel_, &CaptionLabel::clicked, this, &QDialog::reject);

    auto* stroke = new LineStroke(TwipRect(960, 2400, 0, 0).topLeft(), TwipRect(840, 2640, 0, 0).topLeft(), this);
    NameDecoration(stroke, QStringLiteral("Line1"));

    if (kind.listFirst) {
        setTabOrder(files_, fileName_);
    } else {
        setTabOrder(fileName_, files_);
    }
}

void FileDialog::SayNameProblem() {
    // The rules refuse such a name with a beep or a message that gives no
    // reason; a player who cannot see the field hears it first.
    const std::string& name = State().FileName();
    if (name.empty()) {
        windows_.Say(QStringLiteral("ファイルめいが ありません"));
    } else if (name == "." || name == ".." || name.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
        windows_.Say(QStringLiteral("この ファイルめいは つかえません。スラッシュや ドットだけの なまえは だめです"));
    }
}

const save::FileDialogRules& FileDialog::State() const { return windows_.game().fileDialog(kind_.dialog); }

void FileDialog::Send(machine::Order::Kind kind, std::string text) {
    windows_.Send(machine::Order::ForDialog(kind, kind_.dialog, std::move(text)));
}

void FileDialog::Reopen() {
    files_->clear();
    // Not shown yet, so the redraw of the open windows leaves it out. The
    // click that closed it last time left its button red.
    Send(machine::Order::Kind::OpenDialog);
    Send(machine::Order::Kind::HoverDialogBackground);
    Refresh();
    QWidget* first = kind_.listFirst ? static_cast<QWidget*>(files_) : fileName_;
    first->setFocus(Qt::OtherFocusReason);
    if (!kind_.listFirst) fileName_->selectAll();
}

void FileDialog::Refresh() {
    const save::FileDialogRules& s = State();
    const QString name = ShownName(s.FileName());
    if (fileName_->text() != name) fileName_->setText(name);

    bool sameList = files_->count() == static_cast<int>(s.Files().size());
    for (int i = 0; sameList && i < files_->count(); ++i)
        sameList = FileNameOf(files_->item(i)) == s.Files()[static_cast<std::size_t>(i)];
    if (!sameList) {
        files_->clear();
        for (const std::string& file : s.Files()) {
            auto* item = new QListWidgetItem(ShownName(file), files_);
            item->setData(Qt::UserRole, QByteArray::fromStdString(file));
        }
    }

    action_->SetColour(s.Action().foreColor);
    cancel_->SetColour(s.Cancel().foreColor);
}

void FileDialog::mouseMoveEvent(QMouseEvent*) { Send(machine::Order::Kind::HoverDialogBackground); }

// As the bare background does: a pointer leaving from a caption would leave it red.
void FileDialog::leaveEvent(QEvent*) {
    if (isVisible()) Send(machine::Order::Kind::HoverDialogBackground);
}

}  // namespace kararion::ui
