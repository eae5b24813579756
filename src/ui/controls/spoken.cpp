#include "ui/controls/spoken.h"

#include <QLabel>
#include <QWidget>
#include <utility>

namespace kararion::ui {
namespace {

// Longer words first: "差枚数" before "枚数" before "枚".
constexpr std::pair<const char*, const char*> kReadings[] = {
    {"差枚数", "さまいすう"},
    {"使用枚数", "しようまいすう"},
    {"配当枚数", "はいとうまいすう"},
    {"回転数", "かいてんすう"},
    {"回転中", "かいてんちゅう"},
    {"アタリ数", "アタリすう"},
    {"ハズレ数", "ハズレすう"},
    {"コイン数", "コインすう"},
    {"ゲーム数", "ゲームすう"},
    {"理論値", "りろんち"},
    {"製品名", "せいひんめい"},
    {"開発者", "かいはつしゃ"},
    {"開発", "かいはつ"},
    {"完成日", "かんせいび"},
    {"問い合わせ", "といあわせ"},
    {"機械割", "きかいわり"},
    {"出玉率", "でだまりつ"},
    {"確率", "かくりつ"},
    {"無作為に止まった", "むさくいに とまった"},
    {"得た", "えた"},
    {"含みます", "ふくみます"},
    {"配当", "はいとう"},
    {"上げる", "あげる"},
    {"下げる", "さげる"},
    {"上段", "じょうだん"},
    {"中段", "ちゅうだん"},
    {"下段", "げだん"},
    {"右下がり", "みぎさがり"},
    {"右上がり", "みぎあがり"},
    {"停止", "ていし"},
    {"情報", "じょうほう"},
    {"遊び方", "あそびかた"},
    {"終了", "しゅうりょう"},
    {"表示", "ひょうじ"},
    {"消灯", "しょうとう"},
    {"点灯", "てんとう"},
    {"最高", "さいこう"},
    {"最低", "さいてい"},
    {"目", "め"},
    {"状態", "じょうたい"},
    {"名", "めい"},
    {"枚", "まい"},
    {"右", "みぎ"},
    {"左", "ひだり"},
    {"空白", "くうはく"},
};

}  // namespace

QString ForEar(const QString& words) {
    if (!HasKanji(words)) return words;
    QString heard = words;
    for (const auto& [kanji, kana] : kReadings) heard.replace(QString::fromUtf8(kanji), QString::fromUtf8(kana));
    return heard;
}

bool HasKanji(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
    }
    return false;
}

void LabelsForEar(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (HasKanji(label->text())) label->setAccessibleName(ForEar(label->text()));
    }
}

}  // namespace kararion::ui
