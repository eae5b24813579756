#include "ui/access/accessibility.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>

#include "ui/controls/controls.h"
#include "ui/controls/hush.h"
#include "ui/controls/spoken.h"
#include "ui/controls/win_frame.h"
#include "ui/dialogs/file_dialog.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

namespace kararion::ui {
namespace {

CaptionLabel* AsCaption(QObject* object) { return qobject_cast<CaptionLabel*>(object); }

// A caption: a push button when it acts as one, plain text otherwise. Its
// press is the click itself, so a disabled caption ignores it.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(CaptionLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return label()->IsButton() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        return QAccessibleWidget::text(type);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->IsButton()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // After the bus has had its answer: a press may open a modal dialog,
        // whose event loop must not run inside the bus's call.
        QMetaObject::invokeMethod(label(), &CaptionLabel::Press, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && label()->focusPolicy() != Qt::NoFocus)
            return {QKeySequence(Qt::Key_Space).toString()};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    CaptionLabel* label() const { return static_cast<CaptionLabel*>(widget()); }
};

// A status line: read-only text whose newest line is selected. Nothing of it
// is on the screen, so it has no place to point at.
class StatusLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StatusLineAccessible(StatusLine* line) : QAccessibleWidget(line, QAccessible::StatusBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    using QAccessibleWidget::text;
    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Text().size()); }
    int selectionCount() const override { return line()->NewestAt() < characterCount() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        const bool newest = index == 0 && selectionCount() == 1;
        *start = newest ? line()->NewestAt() : 0;
        *end = newest ? characterCount() : 0;
    }
    int cursorPosition() const override { return characterCount(); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = std::max(offset, characterCount());
        return {};
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    // In a list a screen reader's focus is the current item: the line stands
    // under that item, where it is heard.
    QAccessibleInterface* parent() const override {
        auto* view = qobject_cast<QAbstractItemView*>(line()->parentWidget());
        QAccessibleInterface* list = view != nullptr ? QAccessible::queryAccessibleInterface(view) : nullptr;
        if (list != nullptr && list->tableInterface() != nullptr && view->currentIndex().isValid()) {
            const QModelIndex current = view->currentIndex();
            if (QAccessibleInterface* item = list->tableInterface()->cellAt(current.row(), current.column()))
                return item;
        }
        return QAccessibleWidget::parent();
    }
    // What the game has said stays as it was said.
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

private:
    StatusLine* line() const { return static_cast<StatusLine*>(widget()); }
    const QString& Text() const { return line()->Text(); }
};

// A window whose decorative shapes stay out of the tree.
class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> Children() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() && !IsDecorative(child)) children.append(child);
        }
        return children;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (CaptionLabel* label = AsCaption(object)) return new CaptionAccessible(label);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (dynamic_cast<MainWindow*>(widget) != nullptr || dynamic_cast<InfoWindow*>(widget) != nullptr ||
        dynamic_cast<MenuWindow*>(widget) != nullptr)
        return new WindowAccessible(widget, QAccessible::Window);
    if (dynamic_cast<FileDialog*>(widget) != nullptr) return new WindowAccessible(widget, QAccessible::Dialog);
    // Our plain widgets have no meta-object of their own; their class shows
    // only here. Qt's own widgets keep Qt's interfaces.
    const QMetaObject* meta = widget->metaObject();
    if (meta != &QWidget::staticMetaObject && meta != &QDialog::staticMetaObject) return nullptr;
    if (auto* line = dynamic_cast<StatusLine*>(widget)) return new StatusLineAccessible(line);
    if (dynamic_cast<Notice*>(widget) != nullptr) return new QAccessibleWidget(widget, QAccessible::Notification);
    if (dynamic_cast<ReelCell*>(widget) != nullptr) return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (dynamic_cast<FilledRect*>(widget) != nullptr) return new QAccessibleWidget(widget, QAccessible::StaticText);
    return nullptr;
}

// Whoever listened before us (a test's recorder), else the platform's bridge to the bus.
QAccessible::UpdateHandler nextHandler = nullptr;

void PassOn(QAccessibleEvent* event) {
    if (IsHushed(event->object())) return;
    if (nextHandler != nullptr) {
        nextHandler(event);
    } else if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->notifyAccessibilityUpdate(event);
    }
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        nextHandler = QAccessible::installUpdateHandler(&PassOn);
        return true;
    }();
    (void)installed;
}

bool IsDecorative(const QWidget* widget) {
    if (dynamic_cast<const LineStroke*>(widget) != nullptr) return true;
    // The win frame draws what the spoken outcome already says.
    if (dynamic_cast<const WinFrame*>(widget) != nullptr) return true;
    return dynamic_cast<const FilledRect*>(widget) != nullptr &&
           widget->objectName().startsWith(QStringLiteral("Shape"));
}

Notice::Notice(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    // Shown only with something to say: an empty notice would be read out too.
    hide();
}

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    // In kana: the stock voice would call a kanji a mere "Chinese letter".
    setAccessibleName(QStringLiteral("おしらせ"));
    show();
}

void StatusLine::Append(const QString& line) {
    // A long session keeps only its latest lines, the oldest going fifty at
    // a time: a screen reader says "selection deleted" when the text that goes
    // reads as the selected line.
    constexpr int kKept = 100;
    if (++lines_ > kKept) {
        qsizetype cut = 0;
        for (int i = 0; i < kKept / 2; ++i) cut = text_.indexOf(QLatin1Char('\n'), cut) + 1;
        const QString gone = text_.left(cut);
        text_.remove(0, cut);
        lines_ -= kKept / 2;
        QAccessibleTextRemoveEvent removed(this, 0, gone);
        QAccessible::updateAccessibility(&removed);
    }
    newestAt_ = static_cast<int>(text_.size());
    text_ += line + QLatin1Char('\n');
    QAccessibleTextInsertEvent inserted(this, newestAt_, text_.mid(newestAt_));
    QAccessible::updateAccessibility(&inserted);
}

Announcer::Announcer(QWidget* parent, const QList<QWidget*>& windows) {
    for (Notice*& notice : notices_) notice = new Notice(parent);
    for (QWidget* window : windows) lines_.append(new StatusLine(window));
}

StatusLine* Announcer::FocusedLine() {
    QWidget* window = QApplication::activeWindow();
    if (window == nullptr) return nullptr;
    // A window that has the keyboard itself has no focused control: the bus
    // knows it as the focus, and a screen reader hears what comes from its
    // children.
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == window) {
        for (StatusLine* line : lines_) {
            if (line->parentWidget() == window) return line;
        }
        return nullptr;
    }
    // A control: a line under it is heard as well (a text's next caret move
    // takes the screen reader back to its caret).
    for (QObject* child : focus->children()) {
        auto* line = dynamic_cast<StatusLine*>(child);
        if (line == nullptr) continue;
        // In a list the line stands under the current item, which moves; a
        // screen reader keeps the parent it first learnt of, so each line
        // there is a new one.
        if (qobject_cast<QAbstractItemView*>(focus) == nullptr) return line;
        line->deleteLater();
        line->hide();
    }
    return new StatusLine(focus);
}

void Announcer::Say(const QString& words, bool urgent) {
    if (words.isEmpty()) return;
    (urgent ? urgent_ : pending_).append(words);
}

void Announcer::Flush() {
    if (urgent_.isEmpty() && pending_.isEmpty()) return;
    last_ = ForEar((urgent_ + pending_).join(QStringLiteral("。")));
    urgent_.clear();
    pending_.clear();
    if (StatusLine* line = FocusedLine()) {
        line->Append(last_);
        return;
    }
    Notice* notice = notices_[next_];
    next_ = (next_ + 1) % kNotices;
    // Showing a notification is what screen readers speak, whatever has the focus.
    notice->hide();
    notice->setAccessibleName(last_);
    notice->show();
}

}  // namespace kararion::ui
