#include "ui/windows/info_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QMouseEvent>

#include "bet/bet.h"
#include "machine/game.h"
#include "ui/controls/controls.h"
#include "ui/controls/counter_field.h"
#include "ui/controls/hush.h"
#include "ui/controls/look.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {
namespace {

enum CounterIndex { kBet, kRun, kLost, kWin, kCoin, kUsedCoin, kWinCoin };

void AddCaption(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new CaptionLabel(text, parent);
    NameControl(label, name, text);
    // Full-width kana and colon fill the caption's box edge to edge; drawn a
    // touch tighter they read as one word, as in a proportional face.
    QFont font = parent->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.75);
    label->setFont(font);
    label->setGeometry(geometry);
}

void SetText(CounterField* field, const std::string& text) { field->SetCount(QString::fromStdString(text)); }

}  // namespace

InfoWindow::InfoWindow(WindowHost& windows, QWidget* owner)
    : SideWindow(windows, owner, machine::Order::Kind::HoverBetBackground) {
    setWindowTitle(QStringLiteral(" - 情報 -"));
    setAccessibleName(QStringLiteral("じょうほう"));
    setObjectName(QStringLiteral("Form6"));
    setFixedSize(TwipSize(2796, 1560));

    // In reading order, as the keyboard visits them.
    AddCaption(this, QStringLiteral("Label4(2)"), QStringLiteral("コイン数："), TwipRect(0, 120, 855, 255));
    counters_[kCoin] = Counter(QStringLiteral("Coin"), QStringLiteral("コイン数"), TwipRect(840, 120, 495, 270));
    AddCaption(this, QStringLiteral("Label4(3)"), QStringLiteral("使用枚数："), TwipRect(1440, 120, 855, 255));
    counters_[kUsedCoin] =
        Counter(QStringLiteral("UsedCoin"), QStringLiteral("使用枚数"), TwipRect(2280, 120, 495, 270));
    AddCaption(this, QStringLiteral("Label2"), QStringLiteral("Bet："), TwipRect(360, 480, 495, 255));
    counters_[kBet] = Counter(QStringLiteral("Bet"), QStringLiteral("ベット"), TwipRect(840, 480, 495, 270));

    const QFont buttonFont = GothicFont(12, true);
    betUp_ = new CaptionLabel(QStringLiteral("↑"), this);
    betDown_ = new CaptionLabel(QStringLiteral("↓"), this);
    NameControl(betUp_, QStringLiteral("BetUp"), QStringLiteral("ベットを上げる"));
    NameControl(betDown_, QStringLiteral("BetDown"), QStringLiteral("ベットを下げる"));
    betUp_->setGeometry(TwipRect(1440, 480, 255, 255));
    betDown_->setGeometry(TwipRect(1680, 480, 255, 255));
    for (CaptionLabel* button : {betUp_, betDown_}) {
        button->setFont(buttonFont);
        button->SetButton(true);
        button->SetGreyWhenDisabled(true);
    }
    connect(betUp_, &CaptionLabel::clicked, this,
            [this] { windows_.Send({.kind = machine::Order::Kind::ClickBetUp}); });
    connect(betDown_, &CaptionLabel::clicked, this,
            [this] { windows_.Send({.kind = machine::Order::Kind::ClickBetDown}); });
    connect(betUp_, &CaptionLabel::hovered, this,
            [this] { windows_.Send({.kind = machine::Order::Kind::HoverBetUp}); });
    connect(betDown_, &CaptionLabel::hovered, this,
            [this] { windows_.Send({.kind = machine::Order::Kind::HoverBetDown}); });

    AddCaption(this, QStringLiteral("Label3"), QStringLiteral("回転数："), TwipRect(120, 840, 735, 255));
    counters_[kRun] = Counter(QStringLiteral("Run"), QStringLiteral("回転数"), TwipRect(840, 840, 495, 270));
    AddCaption(this, QStringLiteral("Label4(4)"), QStringLiteral("配当枚数："), TwipRect(1440, 840, 855, 255));
    counters_[kWinCoin] = Counter(QStringLiteral("WinCoin"), QStringLiteral("配当枚数"), TwipRect(2280, 840, 495, 270));
    AddCaption(this, QStringLiteral("Label4(1)"), QStringLiteral("アタリ数："), TwipRect(0, 1200, 855, 255));
    counters_[kWin] = Counter(QStringLiteral("Win"), QStringLiteral("アタリ数"), TwipRect(840, 1200, 495, 270));
    AddCaption(this, QStringLiteral("Label4(0)"), QStringLiteral("ハズレ数："), TwipRect(1440, 1200, 855, 255));
    counters_[kLost] = Counter(QStringLiteral("Lost"), QStringLiteral("ハズレ数"), TwipRect(2280, 1200, 495, 270));

    Refresh();
}

CounterField* InfoWindow::Counter(const QString& name, const QString& spoken, QRect geometry) {
    auto* field = new CounterField(this);
    NameControl(field, name, spoken);
    // Nor does it take the focus: a caret or focus frame would make it look editable.
    field->setFocusPolicy(Qt::NoFocus);
    // Digits of a Japanese face sit low in its tall line box.
    field->setTextMargins(0, 0, 0, 2);
    field->setGeometry(geometry);
    // Its system name until the game writes its count: only then is it fitted.
    field->setText(name);
    KeepMouseEvents(field);
    return field;
}

void InfoWindow::HushWhileCounting(bool counting) {
    if (counting == counting_) return;
    counting_ = counting;
    const std::array<CounterField*, 2> fields = {counters_[kCoin], counters_[kWinCoin]};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        CounterField* field = fields[i];
        if (counting) {
            heard_[i] = field->text();
            Hush(field, true);
            continue;
        }
        Hush(field, false);
        if (field->text() == heard_[i]) continue;
        QAccessibleTextUpdateEvent counted(field, 0, heard_[i], field->text());
        QAccessible::updateAccessibility(&counted);
    }
}

void InfoWindow::Refresh() {
    const Counters& s = windows_.game().counters();
    const Phase phase = windows_.game().phase();
    const bool counting = phase == Phase::PayingOut || phase == Phase::Replay;
    if (counting) HushWhileCounting(true);
    SetText(counters_[kBet], CounterText(s.Bet()));
    SetText(counters_[kRun], CounterText(s.Run()));
    SetText(counters_[kLost], CounterText(s.Lost()));
    SetText(counters_[kWin], CounterText(s.Win()));
    SetText(counters_[kCoin], CounterText(s.Coin()));
    SetText(counters_[kUsedCoin], CounterText(s.UsedCoin()));
    SetText(counters_[kWinCoin], CounterText(s.WinCoin()));
    if (!counting) HushWhileCounting(false);
    ShowButton(betUp_, windows_.game().betting().BetUp());
    ShowButton(betDown_, windows_.game().betting().BetDown());
}

}  // namespace kararion::ui
