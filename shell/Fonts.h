// The face the program's fixed layouts are drawn for: Arial's metrics.
// Liberation Sans (Debian's fonts-liberation2, a dependency of the package)
// and Arimo have the same widths, so every caption fits where it was laid out.
#pragma once

#include <QFont>
#include <QStringList>

inline QFont ArialMetricsFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}
