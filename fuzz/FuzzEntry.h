// What both fuzzers share: a Qt core application, a scratch folder that
// lives as long as the process, and aborting with a message when a check fails.
#pragma once

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace FuzzEntry {
inline const QString& ScratchDir() {
    static const QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

inline void Start() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // The image readers warn about every damaged picture; at thousands of
    // inputs a second that is only noise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    qputenv("XDG_CONFIG_HOME", ScratchDir().toUtf8());
}

inline void Check(const QString& problem) {
    if (problem.isEmpty()) return;
    std::fprintf(stderr, "broken property: %s\n", qPrintable(problem));
    std::abort();
}
} // namespace FuzzEntry
