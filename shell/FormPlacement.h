// Saves a window's position in its section of the settings file when the
// window closes, and puts the window back there when it opens again.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

class TFormPlacement {
public:
    enum Options { PositionOnly, StateAndPosition };

    QString IniFileName = QStringLiteral("Solitaire.ini");
    QString IniSection;
    Options Options = PositionOnly;

    // Writes "Flags", "ShowCmd", "MinMaxPos" and "NormPos".
    void SaveFormPlacement(const QWidget* window) const;
    // Moves the window to its saved position (and state, where kept). A
    // missing, damaged or off-screen position leaves the window where it is;
    // a window saved minimised opens normal, so a new game is never hidden.
    void RestoreFormPlacement(QWidget* window) const;

    // Whether an outer rectangle can be the window's real one: it holds the
    // client area. Nothing is saved otherwise.
    static bool IsPlaced(const QRect& outer, const QSize& client);
    // Parses "%d,%d,%d,%d"; false for anything else.
    static bool ParseRect(const QString& text, QRect* rect);
};
