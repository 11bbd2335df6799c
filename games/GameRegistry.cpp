#include "GameRegistry.h"

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
    {"Beleaguered Castle", "CASTLE", "TCastleForm", 800, "TsCastleForm", 0, "Beleaguered Castle", 1001,
     &Make<TCastleForm>, &Make<TsCastleForm>},
    {"Double Klondike", "DBLKLONDIKE", "TDblKlondikeForm", 1024, "TsDblKlondikeForm", 800, "Double Klondike",
     1002, &Make<TDblKlondikeForm>, &Make<TsDblKlondikeForm>},
    {"Forty Thieves", "FORTYTHIEVES", "TFortyThievesForm", 1024, "TsFortyThievesForm", 800, "Forty Thieves",
     1003, &Make<TFortyThievesForm>, &Make<TsFortyThievesForm>},
    {"Free Cell", "FREECELL", "TFreeCellForm", 800, "TsFreeCellForm", 0, "FreeCell", 1004,
     &Make<TFreeCellForm>, &Make<TsFreeCellForm>},
    {"Golf", "GOLF", "TGolfForm", 800, "TsGolfForm", 0, "Golf", 1005, &Make<TGolfForm>, &Make<TsGolfForm>},
    {"Indian Patience", "INDIAN", "TIndianPatienceForm", 1024, "TsIndianPatienceForm", 800, "Indian Patience",
     1006, &Make<TIndianPatienceForm>, &Make<TsIndianPatienceForm>},
    {"Klondike", "KLONDIKE", "TKlondikeForm", 800, "TsKlondikeForm", 0, "Klondike", 1007,
     &Make<TKlondikeForm>, &Make<TsKlondikeForm>},
    {"Montana", "MONTANA", "TMontanaForm", 1024, "TsMontanaForm", 800, "Montana", 1008, &Make<TMontanaForm>,
     &Make<TsMontanaForm>},
    {"Pyramid", "PYRAMID", "TPyramidForm", 800, "TsPyramidForm", 0, "Pyramid", 1009, &Make<TPyramidForm>,
     &Make<TsPyramidForm>},
    {"Queen of Italy", "QUEENITALY", "TQueenItalyForm", 1024, "TsQueenItalyForm", 800, "Queen of Italy", 1010,
     &Make<TQueenItalyForm>, &Make<TsQueenItalyForm>},
    {"Sea Towers", "SEAHAVEN", "TSeaHavenForm", 1024, "TsSeaHavenForm", 800, "Sea Towers", 1011,
     &Make<TSeaHavenForm>, &Make<TsSeaHavenForm>},
    {"Spider", "SPIDER", "TSpiderForm", 1024, "TsSpiderForm", 800, "Spider", 1012, &Make<TSpiderForm>,
     &Make<TsSpiderForm>},
}};
} // namespace
const std::array<TSolitaireGame, 12>& SolitaireGames() {
    return kGames;
}

const TSolitaireGame* GameOfClass(const QString& className) {
    for (const TSolitaireGame& game : kGames)
        if (className == QLatin1String(game.LargeClass) || className == QLatin1String(game.SmallClass)) return &game;
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
