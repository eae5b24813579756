// On a desktop whose fonts are Latin alone, the game still starts, and says
// on stderr which package gives it words.
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "ui_game.h"

using namespace kararion::ui;

class JapaneseFontTest : public QObject {
    Q_OBJECT
private slots:
    void latinFontsAloneAreSaidWithThePackage();
};

void JapaneseFontTest::latinFontsAloneAreSaidWithThePackage() {
    QVERIFY(QFontDatabase::families(QFontDatabase::Japanese).isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("install .*fonts-noto-cjk")));
    UiGame game;
    QVERIFY(game.main()->isVisible());
}

// Fontconfig is read once, as the application starts: it sees only the
// Latin fonts of the folder named here.
int main(int argc, char* argv[]) {
    QTemporaryDir fonts;
    const QString config = fonts.filePath(QStringLiteral("fonts.conf"));
    QFile file(config);
    if (!fonts.isValid() || !file.open(QIODevice::WriteOnly)) return 1;
    file.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                              "<cachedir>%1</cachedir></fontconfig>\n")
                   .arg(fonts.filePath(QStringLiteral("cache")))
                   .toUtf8());
    file.close();
    qputenv("FONTCONFIG_FILE", config.toUtf8());
    QApplication app(argc, argv);
    JapaneseFontTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "japanese_font_test.moc"
