#include <QApplication>

#include "ui/real_game.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The sounds lie beside the program, wherever it is started from.
    kararion::ui::RealGame game(QCoreApplication::applicationDirPath().toStdString());
    game.Start();
    return QApplication::exec();
}
