#pragma once
// The program's options, read before any window opens. Qt's own options
// (-platform, -style, -reverse ...) are known here only to be let through to
// the application, which takes them as any Qt program does.
#include <QStringList>
#include <string>

namespace kararion::ui {

struct Options {
    enum class Then { Play, Print, Fail };
    Then then = Then::Play;
    // Print: the text for stdout (the help, the version), then end with 0.
    // Fail: what was wrong and the usage line, for stderr, then end with 2.
    std::string text;
    bool playerFolder = false;
    bool printSaveFolder = false;
    bool printSoundFolder = false;
};

// `arguments` is the whole command line, the program's name first;
// `version` the build's version.
Options ReadOptions(const QStringList& arguments, const QString& version);

}  // namespace kararion::ui
