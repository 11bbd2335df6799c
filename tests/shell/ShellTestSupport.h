// Helpers for the shell tests: pictures on disk, the settings file, a fresh
// preferences dialog with the seam and the recording sound installed.
#pragma once

#include "CardPileView.h"
#include "FakeDialogs.h"
#include "Preferences.h"
#include "Profile.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "{";
    for (const QString& text : list) *os << "\n  \"" << text.toStdString() << '"';
    *os << " }";
}

namespace ShellTest {

inline void WriteFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(data);
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small picture with a recognisable pattern.
inline QImage Pattern(int width = 24, int height = 16) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixelColor(x, y, QColor(x * 10 % 256, y * 15 % 256, 200));
    return image;
}

inline QByteArray Encode(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

// An 8-bit run-length PCX with a 256-colour palette: the format Paintbrush wrote.
inline QByteArray Pcx(int width = 8, int height = 4) {
    QByteArray header(128, '\0');
    header[0] = 0x0A; // manufacturer
    header[1] = 5;    // version
    header[2] = 1;    // run-length encoding
    header[3] = 8;    // bits per pixel
    const auto put16 = [&](int at, int value) {
        header[at] = char(value & 0xFF);
        header[at + 1] = char(value >> 8);
    };
    put16(8, width - 1);
    put16(10, height - 1);
    put16(12, 72);
    put16(14, 72);
    header[65] = 1;   // planes
    put16(66, width); // bytes per line (even)
    put16(68, 1);
    QByteArray data = header;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char index = char((x + y) % 4);
            data.append(char(0xC1)); // a run of one: stays correct whatever the value
            data.append(index);
        }
    data.append(char(0x0C));
    QByteArray palette(768, '\0');
    const int colors[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 3; ++c) palette[i * 3 + c] = char(colors[i][c]);
    data.append(palette);
    return data;
}

inline QString SettingsText() { return QString::fromLatin1(ReadFile(TestSupport::SettingsFile())); }

// The keys of a section in the order the file holds them.
inline QStringList KeysOf(const QString& section) {
    QStringList keys;
    bool inside = false;
    for (const QString& raw : SettingsText().split(QRegularExpression(QStringLiteral("\r?\n")))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inside = line.compare(QLatin1Char('[') + section + QLatin1Char(']'), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inside && line.contains(QLatin1Char('='))) keys << line.section(QLatin1Char('='), 0, 0);
    }
    return keys;
}

inline QString Pref(const QString& key) {
    TProfile profile(QStringLiteral("Preferences"), key);
    return profile.Text();
}

inline void SetPref(const QString& key, const QString& value) {
    TProfile profile(QStringLiteral("Preferences"), key);
    ASSERT_TRUE(profile.SetText(value));
}

// A clean settings file, the fake seam and recording sound, card class reset.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TestSupport::ClearSettings();
        TCard::SetBackIndex(0);
        TCard::SetCardSize(FS_LARGE);
        ASSERT_TRUE(pictures.isValid());
    }

    std::unique_ptr<TPreferencesDlg> MakeDialog(int screenWidth = 1024) {
        return std::make_unique<TPreferencesDlg>(nullptr, screenWidth);
    }

    QString PicturePath(const QString& name) const { return pictures.filePath(name); }
    QString SavePicture(const QString& name, const QByteArray& data) {
        const QString path = PicturePath(name);
        WriteFile(path, data);
        return path;
    }

    QTemporaryDir pictures;
    TFakeDialogs dialogs;
    TFakeSound sound;
};

} // namespace ShellTest
