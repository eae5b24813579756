#include "ui/reading/help_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "paytable/paytable.h"
#include "ui/controls/look.h"
#include "ui/controls/symbol_art.h"
#include "ui/reading/line_reader.h"
#include "ui/windows/key_table.h"

namespace kararion::ui {
namespace {

QString Escaped(const char* text) { return QString::fromUtf8(text).toHtmlEscaped(); }

QString LineNames(int stake) {
    QStringList names;
    for (const paytable::PayLine& line : paytable::PayLines()) {
        if (paytable::Opens(line, stake))
            names.append(QString::fromUtf8(line.spokenName.data(), static_cast<int>(line.spokenName.size())));
    }
    return names.join(QStringLiteral("、"));
}

}  // namespace

HelpWindow::HelpWindow() {
    setWindowTitle(QStringLiteral(" - 遊び方 -"));
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(DefaultFont());
    setAccessibleName(QStringLiteral("あそびかた"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text_ = new QTextBrowser(this);
    NameControl(text_, QStringLiteral("HelpText"), QStringLiteral("遊び方"));
    text_->setFont(GothicFont(10));
    // The reader below has the keyboard: the same help, a line at a time, in words the voice can say.
    text_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(text_);
    reader_ = new LineReader(this, QStringLiteral("あそびかた"));
    Rebuild();
}

void HelpWindow::Rebuild() {
    QTextDocument* document = text_->document();
    const int side = Zoomed(28);
    const qreal ratio = devicePixelRatioF();
    QString html = QStringLiteral("<h3>キー</h3><table cellspacing=\"0\" cellpadding=\"3\">");
    for (const KeyRow& key : KeyTable()) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(Escaped(key.shownKeys), Escaped(key.shownAction));
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral(
        "<h3>配当</h3><p>賭けたラインに同じ絵柄が3つ並ぶと配当があります。</p>"
        "<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const paytable::Payout& payout : paytable::PayoutTable()) {
        const int number = static_cast<int>(payout.symbol);
        const QString url = QStringLiteral("symbol:%1").arg(number);
        document->addResource(QTextDocument::ImageResource, QUrl(url),
                              SymbolArt::Instance().Picture(payout.symbol, QSize(side, side), ratio).toImage());
        const std::string_view name = paytable::SpokenName(payout.symbol);
        const QString coins = payout.coins == paytable::kReplayPayout
                                  ? QStringLiteral("リプレイ（もう1回、コインを賭けずに）")
                                  : QStringLiteral("%1枚").arg(payout.coins);
        html += QStringLiteral("<tr><td><img src=\"%1\" width=\"%2\" height=\"%2\"></td><td>%3</td><td>%4</td></tr>")
                    .arg(url)
                    .arg(side)
                    .arg(QString::fromUtf8(name.data(), static_cast<int>(name.size())).toHtmlEscaped(), coins);
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h3>ベットとライン</h3><table cellspacing=\"0\" cellpadding=\"3\">");
    for (int stake = 1; stake <= 3; ++stake)
        html += QStringLiteral("<tr><td>%1枚</td><td>%2</td></tr>").arg(stake).arg(LineNames(stake));
    html += QStringLiteral(
        "</table><p>いくつ当たっても、配当は上段、中段、下段、右下がり、右上がりの順で最初のライン1つです。</p>");

    html += QStringLiteral(
        "<h3>クリックの順番</h3><p>マシンの何もないところをクリックするたびに、次の7つを順に繰り返します："
        "ベット（1枚目）、ベット（2枚目）、ベット（3枚目）、スタート、リール1停止、リール2停止、リール3停止。"
        "ダブルクリックは2回のクリックです。</p>"
        "<p>右クリックのメニュー：データ表示、表示サイズ、サウンド、音量、遊び方。</p>");
    text_->setHtml(html);
    reader_->SetLines(SpokenLines());
}

QStringList HelpWindow::SpokenLines() {
    QStringList lines{QStringLiteral("あそびかた。うえと したの やじるしで 1ぎょうずつ よめます"),
                      QStringLiteral("キー")};
    for (const KeyRow& key : KeyTable())
        lines << QStringLiteral("%1、%2").arg(QString::fromUtf8(key.spokenKeys), QString::fromUtf8(key.spokenAction));
    lines << QStringLiteral("はいとう。かけた ラインに おなじ えがらが 3つ ならぶと はいとうが あります");
    for (const paytable::Payout& payout : paytable::PayoutTable()) {
        const std::string_view name = paytable::SpokenName(payout.symbol);
        lines << QStringLiteral("%1、%2").arg(QString::fromUtf8(name.data(), static_cast<int>(name.size())),
                                              payout.coins == paytable::kReplayPayout
                                                  ? QStringLiteral("リプレイ、もう いっかい")
                                                  : QStringLiteral("%1まい").arg(payout.coins));
    }
    lines << QStringLiteral("ベットと ライン");
    for (int stake = 1; stake <= 3; ++stake)
        lines << QStringLiteral("ベット %1まい、%2").arg(stake).arg(LineNames(stake));
    lines << QStringLiteral("いくつ あたっても、はいとうは さいしょの ライン ひとつです")
          << QStringLiteral(
                 "マシンの なにもない ところを クリックするたびに、ベット 3かい、スタート、リール1、2、3の ていしを "
                 "じゅんに くりかえします")
          << QStringLiteral(
                 "みぎクリックの メニュー、または シフト エフ10で、データ ひょうじ、ひょうじ "
                 "サイズ、サウンド、あそびかた");
    return lines;
}

QString HelpWindow::Text() const { return text_->toPlainText(); }

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kararion::ui
