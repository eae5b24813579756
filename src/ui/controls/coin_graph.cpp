#include "ui/controls/coin_graph.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kararion::ui {
namespace {

MakeCoinGraphFunction LoadModule() {
    static MakeCoinGraphFunction make = [] {
        const QString program = QCoreApplication::applicationDirPath();
        const QStringList places = {program, QDir(program).filePath(QStringLiteral(KARARION_GRAPH_FROM_PROGRAM))};
        for (const QString& place : places) {
            QLibrary module(QDir(place).filePath(QStringLiteral("kararion_graph")));
            if (auto found = reinterpret_cast<MakeCoinGraphFunction>(module.resolve("kararion_make_coin_graph")))
                return found;  // the module stays loaded for the program's life
        }
        return static_cast<MakeCoinGraphFunction>(nullptr);
    }();
    return make;
}

}  // namespace

CoinGraph* MakeCoinGraph(QWidget* parent, const QFont& labels, const QFont& titles) {
    MakeCoinGraphFunction make = LoadModule();
    return make != nullptr ? make(parent, labels, titles) : nullptr;
}

}  // namespace kararion::ui
