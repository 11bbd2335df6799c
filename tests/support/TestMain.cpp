// Test entry point: a fresh settings folder and one QApplication for the run.
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace {
QTemporaryDir* configDir = nullptr;
}

namespace TestSupport {
QString ConfigHome() { return configDir->path(); }
QString SettingsFile() { return configDir->path() + QStringLiteral("/Quillane/Solitaire.ini"); }
void ClearSettings() {
    QDir(configDir->path() + QStringLiteral("/Quillane")).removeRecursively();
}
} // namespace TestSupport

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    configDir = &dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    qputenv("XDG_STATE_HOME", (dir.path() + QStringLiteral("/state")).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    configDir = nullptr;
    return rc;
}
