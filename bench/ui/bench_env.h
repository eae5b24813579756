#pragma once
// The benchmarks run the real game without a screen unless told otherwise.
#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <cstdint>
#include <ctime>

namespace kararion::bench {

// Also keeps the player's settings out of it: a benchmark gets its own folder.
inline void UseOffscreenUnlessTold() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString config = QDir::tempPath() + QStringLiteral("/kararion-bench-config");
    QDir().mkpath(config);
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/kararion-bench-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
}

inline std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

}  // namespace kararion::bench
