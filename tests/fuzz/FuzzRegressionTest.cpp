// Every input the fuzzers start from or once crashed on, run through the
// fuzzers' own checks: fuzz/corpus/<target>/ and fuzz/regressions/<target>/.
#include "FuzzChecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using Check = QString (*)(const QByteArray&, const QString&);

QStringList Inputs(const QString& target) {
    QStringList files;
    for (const char* folder : {"corpus", "regressions"}) {
        const QDir dir(QStringLiteral(QUILLANE_FUZZ_DIR "/%1/%2").arg(QLatin1String(folder), target));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) files << dir.filePath(name);
    }
    return files;
}

void Replay(const QString& target, Check check) {
    const QStringList files = Inputs(target);
    ASSERT_FALSE(files.isEmpty()) << "no inputs for " << target.toStdString();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(check(file.readAll(), scratch.path()).toStdString(), "") << path.toStdString();
    }
}
} // namespace

// Kept inputs: a lone "\r" ending the file was dropped on rewrite.
TEST(FuzzRegressions, SettingsFileInputs) { Replay(QStringLiteral("settings"), CheckSettingsInput); }

// Kept inputs: a PCX header with a "negative" bytes-per-line count made
// SDL2_image ask for 16 EiB.
TEST(FuzzRegressions, PictureInputs) { Replay(QStringLiteral("picture"), CheckPictureInput); }
