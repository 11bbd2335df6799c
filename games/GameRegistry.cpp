#include "GameRegistry.h"

#include <QCoreApplication>

#include "CastleWindow.h"
#include "DblKlondikeWindow.h"
#include "FortyThievesWindow.h"
#include "FreeCellWindow.h"
#include "GolfWindow.h"
#include "IndianPatienceWindow.h"
#include "KlondikeWindow.h"
#include "MontanaWindow.h"
#include "PyramidWindow.h"
#include "QueenItalyWindow.h"
#include "SeaHavenWindow.h"
#include "SpiderWindow.h"

namespace {
// The factory finishes the window: a window is whole only after FormCreate.
template <class Form> TGameForm* Make(QWidget* parent) {
    auto* form = new Form(parent);
    form->FormCreate();
    return form;
}

const std::array<TSolitaireGame, 12> kGames = {{
    {QT_TRANSLATE_NOOP("Game", "Beleaguered Castle"), "CASTLE", "TCastleForm", 800, "TsCastleForm", 0,
     QT_TRANSLATE_NOOP("Game", "Beleaguered Castle"), 1001, &Make<TCastleForm>, &Make<TsCastleForm>},
    {QT_TRANSLATE_NOOP("Game", "Double Klondike"), "DBLKLONDIKE", "TDblKlondikeForm", 1024,
     "TsDblKlondikeForm", 800, QT_TRANSLATE_NOOP("Game", "Double Klondike"), 1002, &Make<TDblKlondikeForm>,
     &Make<TsDblKlondikeForm>},
    {QT_TRANSLATE_NOOP("Game", "Forty Thieves"), "FORTYTHIEVES", "TFortyThievesForm", 1024,
     "TsFortyThievesForm", 800, QT_TRANSLATE_NOOP("Game", "Forty Thieves"), 1003, &Make<TFortyThievesForm>,
     &Make<TsFortyThievesForm>},
    {QT_TRANSLATE_NOOP("Game", "Free Cell"), "FREECELL", "TFreeCellForm", 800, "TsFreeCellForm", 0,
     QT_TRANSLATE_NOOP("Game", "FreeCell"), 1004, &Make<TFreeCellForm>, &Make<TsFreeCellForm>},
    {QT_TRANSLATE_NOOP("Game", "Golf"), "GOLF", "TGolfForm", 800, "TsGolfForm", 0,
     QT_TRANSLATE_NOOP("Game", "Golf"), 1005, &Make<TGolfForm>, &Make<TsGolfForm>},
    {QT_TRANSLATE_NOOP("Game", "Indian Patience"), "INDIAN", "TIndianPatienceForm", 1024,
     "TsIndianPatienceForm", 800, QT_TRANSLATE_NOOP("Game", "Indian Patience"), 1006,
     &Make<TIndianPatienceForm>, &Make<TsIndianPatienceForm>},
    {QT_TRANSLATE_NOOP("Game", "Klondike"), "KLONDIKE", "TKlondikeForm", 800, "TsKlondikeForm", 0,
     QT_TRANSLATE_NOOP("Game", "Klondike"), 1007, &Make<TKlondikeForm>, &Make<TsKlondikeForm>},
    {QT_TRANSLATE_NOOP("Game", "Montana"), "MONTANA", "TMontanaForm", 1024, "TsMontanaForm", 800,
     QT_TRANSLATE_NOOP("Game", "Montana"), 1008, &Make<TMontanaForm>, &Make<TsMontanaForm>},
    {QT_TRANSLATE_NOOP("Game", "Pyramid"), "PYRAMID", "TPyramidForm", 800, "TsPyramidForm", 0,
     QT_TRANSLATE_NOOP("Game", "Pyramid"), 1009, &Make<TPyramidForm>, &Make<TsPyramidForm>},
    {QT_TRANSLATE_NOOP("Game", "Queen of Italy"), "QUEENITALY", "TQueenItalyForm", 1024, "TsQueenItalyForm",
     800, QT_TRANSLATE_NOOP("Game", "Queen of Italy"), 1010, &Make<TQueenItalyForm>, &Make<TsQueenItalyForm>},
    {QT_TRANSLATE_NOOP("Game", "Sea Towers"), "SEAHAVEN", "TSeaHavenForm", 1024, "TsSeaHavenForm", 800,
     QT_TRANSLATE_NOOP("Game", "Sea Towers"), 1011, &Make<TSeaHavenForm>, &Make<TsSeaHavenForm>},
    {QT_TRANSLATE_NOOP("Game", "Spider"), "SPIDER", "TSpiderForm", 1024, "TsSpiderForm", 800,
     QT_TRANSLATE_NOOP("Game", "Spider"), 1012, &Make<TSpiderForm>, &Make<TsSpiderForm>},
}};
} // namespace
QString GameTitle(const char* name) {
    return QCoreApplication::translate("Game", name);
}
QString GameTitle(const QString& name) {
    return GameTitle(name.toUtf8().constData());
}

const std::array<TSolitaireGame, 12>& SolitaireGames() {
    return kGames;
}

const TSolitaireGame* GameOfClass(const QString& className) {
    for (const TSolitaireGame& game : kGames)
        if (className == QLatin1String(game.LargeClass) || className == QLatin1String(game.SmallClass))
            return &game;
    return nullptr;
}

TGameForm* CreateGameForm(const QString& className, QWidget* parent) {
    for (const TSolitaireGame& game : kGames) {
        if (className == QLatin1String(game.LargeClass) && game.CreateLarge) return game.CreateLarge(parent);
        if (className == QLatin1String(game.SmallClass) && game.CreateSmall) return game.CreateSmall(parent);
    }
    return nullptr;
}

QStringList GameFormClasses() {
    QStringList names;
    for (const TSolitaireGame& game : kGames) {
        if (game.CreateLarge) names << QLatin1String(game.LargeClass);
        if (game.CreateSmall) names << QLatin1String(game.SmallClass);
    }
    return names;
}
