#include "ColorText.h"

#include <array>

namespace {
struct NamedColor {
    const char* name;
    quint32 value;
};

// The named colours of the settings file, red in the low byte.
constexpr std::array<NamedColor, 20> kNamedColors{{
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},   {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},   {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},   {"clMedGray", 0xA4A0A0},
}};

constexpr quint32 kMaxColor = 0xFFFFFF;

std::optional<quint32> ParseNumber(QStringView text, int base) {
    if (text.isEmpty()) return std::nullopt;
    for (QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool hex = base == 16 && ((c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                                        (c >= QLatin1Char('A') && c <= QLatin1Char('F')));
        if (!digit && !hex) return std::nullopt;
    }
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, base);
    if (!ok || value > kMaxColor) return std::nullopt;
    return quint32(value);
}
} // namespace

QString ColorToString(quint32 color) {
    for (const NamedColor& named : kNamedColors)
        if (named.value == color) return QString::fromLatin1(named.name);
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> StringToColor(QStringView text) {
    const QStringView t = text.trimmed();
    for (const NamedColor& named : kNamedColors)
        if (t.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) return named.value;
    if (t.startsWith(QLatin1Char('$'))) return ParseNumber(t.mid(1), 16);
    return ParseNumber(t, 10);
}

QString CustomColorsToString(const QList<quint32>& colors) {
    QStringList entries;
    for (int i = 0; i < colors.size() && i < CustomColorCount; ++i) {
        const QString hex = QString::number(colors[i] & kMaxColor, 16).rightJustified(6, QLatin1Char('0'));
        entries << QStringLiteral("Color%1=%2").arg(QChar(char16_t(u'A' + i)), hex.toUpper());
    }
    return entries.join(QLatin1Char(','));
}

void StringToCustomColors(QStringView text, QList<quint32>* colors) {
    while (colors->size() < CustomColorCount) colors->append(kMaxColor);
    for (QStringView entry : text.split(QLatin1Char(','))) {
        entry = entry.trimmed();
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq != 6 || !entry.startsWith(QLatin1String("Color"), Qt::CaseInsensitive)) continue;
        const int index = entry.at(5).toUpper().unicode() - 'A';
        if (index < 0 || index >= CustomColorCount) continue;
        if (const auto value = ParseNumber(entry.mid(eq + 1).trimmed(), 16))
            (*colors)[index] = *value;
    }
}
