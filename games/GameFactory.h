// Creates a game window by its class name ("TKlondikeForm", "TsKlondikeForm"...).
#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TGameForm;

// The new window (not shown yet), or null for a class that does not exist.
TGameForm* CreateGameForm(const QString& className, QWidget* parent = nullptr);
// Every window class the factory can make.
QStringList GameFormClasses();
