#include "ui/access/accessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QHash>
#include <QKeySequence>

#include "ui/controls/controls.h"
#include "ui/controls/win_frame.h"
#include "ui/windows/file_dialog.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

namespace kararion::ui {
namespace {

const QHash<QString, QString>& SpokenNames() {
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> n;
        // The information window.
        n.insert(QStringLiteral("Coin"), QStringLiteral("コイン数"));
        n.insert(QStringLiteral("UsedCoin"), QStringLiteral("使用枚数"));
        n.insert(QStringLiteral("Bet"), QStringLiteral("Bet"));
        n.insert(QStringLiteral("Run"), QStringLiteral("回転数"));
        n.insert(QStringLiteral("WinCoin"), QStringLiteral("配当枚数"));
        n.insert(QStringLiteral("Win"), QStringLiteral("アタリ数"));
        n.insert(QStringLiteral("Lost"), QStringLiteral("ハズレ数"));
        n.insert(QStringLiteral("BetUp"), QStringLiteral("ベットを上げる"));
        n.insert(QStringLiteral("BetDown"), QStringLiteral("ベットを下げる"));
        // The main window.
        static const char* const rows[3] = {"上段", "中段", "下段"};
        for (int reel = 1; reel <= 3; ++reel) {
            n.insert(QStringLiteral("Stop%1").arg(reel), QStringLiteral("リール%1 停止").arg(reel));
            n.insert(QStringLiteral("LED(%1)").arg(reel - 1), QStringLiteral("リールランプ%1").arg(reel));
            for (int row = 1; row <= 3; ++row) {
                n.insert(QStringLiteral("Slot%1(%2)").arg(reel).arg(row),
                         QStringLiteral("リール%1 %2").arg(reel).arg(QString::fromUtf8(rows[row - 1])));
            }
        }
        for (int line = 1; line <= 3; ++line) {
            n.insert(QStringLiteral("Line%1(0)").arg(line), QStringLiteral("ライン%1 左").arg(line));
            n.insert(QStringLiteral("Line%1(1)").arg(line), QStringLiteral("ライン%1 右").arg(line));
        }
        // The dialogs; their text buttons and the menu's entries say their captions.
        n.insert(QStringLiteral("FileName"), QStringLiteral("ファイル名"));
        n.insert(QStringLiteral("File1"), QStringLiteral("セーブデータ"));
        n.insert(QStringLiteral("Image1"), QStringLiteral("開発者のロゴ"));
        n.insert(QStringLiteral("Text1"), QStringLiteral("お問い合わせ"));
        return n;
    }();
    return names;
}

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
    if (dynamic_cast<Announcer*>(widget) != nullptr) return new QAccessibleWidget(widget, QAccessible::Notification);
    if (dynamic_cast<ReelCell*>(widget) != nullptr) return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (dynamic_cast<FilledRect*>(widget) != nullptr) return new QAccessibleWidget(widget, QAccessible::StaticText);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

QString SpokenName(const QString& systemName) { return SpokenNames().value(systemName); }

bool IsDecorative(const QWidget* widget) {
    if (dynamic_cast<const LineStroke*>(widget) != nullptr) return true;
    // The win frame draws what the spoken outcome already says.
    if (dynamic_cast<const WinFrame*>(widget) != nullptr) return true;
    return dynamic_cast<const FilledRect*>(widget) != nullptr &&
           widget->objectName().startsWith(QStringLiteral("Shape"));
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void Announcer::Say(const QString& words) {
    setAccessibleName(words);
    // Showing a notification is what screen readers speak, whatever has the focus.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace kararion::ui
