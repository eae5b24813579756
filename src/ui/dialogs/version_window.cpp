#include "ui/dialogs/version_window.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>

#include "ui/controls/look.h"
#include "ui/controls/symbol_art.h"
#include "version.h"

namespace kararion::ui {
namespace {

class Logo : public QWidget {
public:
    explicit Logo(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        SymbolArt::Instance().PaintLogo(painter, QRectF(rect()));
    }
};

const char* const kContact =
    "ご質問やエラーのご報告は、ホームページの\r\n"
    "お問い合わせ欄、またはメールでお寄せください。\r\n"
    "メール：support@kararion.example.invalid\r\n"
    "ホームページ：https://kararion.example.com/";

}  // namespace

VersionWindow::VersionWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral(" - バ ー ジ ョ ン 情 報 - "));
    // The title's letters stand apart; read out, they would be spelt one by one.
    setAccessibleName(QStringLiteral("バージョンじょうほう"));
    setObjectName(QStringLiteral("Form4"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(DefaultFont());
    setFixedSize(TwipSize(5040, 3120));

    auto* logo = new Logo(this);
    NameControl(logo, QStringLiteral("Image1"), QStringLiteral("開発者のロゴ"));
    logo->setGeometry(TwipRect(180, 180, 1200, 1200));

    const QString lines[4] = {QStringLiteral("製品名：カラリオン"),
                              QStringLiteral("バージョン：") + QString::fromLatin1(kVersion),
                              QStringLiteral("開発者：カラリオン開発チーム"), QStringLiteral("完成日：07/06/26")};
    const QFont labelFont = GothicFont(10);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(lines[i], this);
        NameControl(label, QStringLiteral("Label1(%1)").arg(i), label->text());
        label->setFont(labelFont);
        label->setGeometry(TwipRect(1560, 180 + i * 300, 3300, 285));
    }

    auto* text = new QPlainTextEdit(this);
    NameControl(text, QStringLiteral("Text1"), QStringLiteral("お問い合わせ"));
    text->setReadOnly(true);
    text->setFont(MinchoFont(9));
    // The text keeps the CR LF line ends it was written with; the field shows lines.
    text->setPlainText(QString::fromUtf8(kContact).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    text->setGeometry(TwipRect(180, 1560, 4680, 1380));
}

}  // namespace kararion::ui
