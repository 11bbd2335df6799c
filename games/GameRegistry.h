// The twelve games, one record each: what the selector lists and checks, and
// how the factory makes each window class. The selector, the factory, the
// tests and the benchmarks all read this one table.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class QWidget;
class TGameForm;

struct TSolitaireGame {
    using Creator = TGameForm* (*)(QWidget* parent);

    const char* Name;        // list caption
    const char* Preview;     // preview picture resource
    const char* LargeClass;  // window class with large cards
    int LargeNeeds;          // screen width it needs (0: none)
    const char* SmallClass;  // window class with small cards
    int SmallNeeds;
    const char* MessageName; // how the too-small message names the game
    int HelpTopic;
    Creator CreateLarge;     // null while the game is not built
    Creator CreateSmall;
};

// A game's name as the player reads it: the registry's and the windows' names
// are data (statistics and settings use them), translated only where shown.
QString GameTitle(const char* name);
QString GameTitle(const QString& name);

// Every game, in list order.
const std::array<TSolitaireGame, 12>& SolitaireGames();
// The game whose large or small window class this is, or null.
const TSolitaireGame* GameOfClass(const QString& className);

// The new window (created, dealt, not shown yet), or null for a class that
// does not exist.
TGameForm* CreateGameForm(const QString& className, QWidget* parent = nullptr);
// Every window class the factory can make, large and small of each game in list order.
QStringList GameFormClasses();
