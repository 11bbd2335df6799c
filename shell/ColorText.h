// Colours as the settings file stores them. A colour is a 32-bit value with
// red in the low byte, green in the next and blue in the third. Named
// colours are written by name ("clBlack"), any other as "$00" followed by
// six hexadecimal digits, blue first ("$00004000" for RGB 0,64,0).
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

QString ColorToString(quint32 color);
// Accepts the colour names in any case, "$" hexadecimal and plain decimal,
// for values from 0 to 0xFFFFFF; anything else gives nothing.
std::optional<quint32> StringToColor(QStringView text);

inline QColor ToQColor(quint32 color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
inline quint32 FromQColor(const QColor& color) {
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

// The colour dialog's sixteen custom colours as one comma-separated text:
// "ColorA=FFFFFF,ColorB=...", six hexadecimal digits blue first as above.
constexpr int CustomColorCount = 16;
QString CustomColorsToString(const QList<quint32>& colors);
// Entries that cannot be read keep the colour already in the list; the list
// is padded to sixteen entries with white.
void StringToCustomColors(QStringView text, QList<quint32>* colors);
