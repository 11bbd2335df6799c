// The solver's rules of Klondike, Double Klondike and Golf against their real
// windows: every move of a found solution is listed by the window, changes
// the window's table exactly as the rules change theirs (stock turns,
// turn-overs, the waste refilled from its store, the counters), and the
// game ends won. The draw mode the player picks reaches the solver's deals.
#include "DblKlondikeWindow.h"
// GCC 12 sees an uninitialised optional in the fake dialogs where there is none.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include "GameTestSupport.h"
#pragma GCC diagnostic pop
#include "GolfWindow.h"
#include "KlondikeWindow.h"
#include "Solver.h"

using namespace GameTest;

namespace {

// Replays solutions of the deals from 1 on that the solver wins within a
// small node budget, until `wins` of them have been played.
void ReplaySolutions(TGameForm& form, int wins, std::size_t nodes = 20000) {
    const auto rules = form.Solver();
    ASSERT_TRUE(rules);
    TSolverBudget budget;
    budget.Seconds = 1e9; // the node budget alone ends a search: the same verdict on every machine
    budget.Nodes = nodes;
    int played = 0;
    for (std::uint32_t n = 1; n <= 60 && played < wins; ++n) {
        const TSolverTable deal = rules->Deal(n);
        form.GameWon = true; // no prompt for the deal left
        form.PlayDeal(n);
        ASSERT_TRUE(deal == form.SolverTable()) << "deal " << n;
        const TSolverResult result = Solve(*rules, deal, budget);
        if (result.Kind != TSolverResult::Winnable) continue;
        TSolverTable table = deal;
        for (const TMove& move : result.Moves) {
            const TMoves legal = form.LegalMoves();
            ASSERT_NE(std::find(legal.begin(), legal.end(), move), legal.end()) << n << ": " << form.MoveText(move).toStdString();
            ASSERT_TRUE(form.Perform(move)) << n << ": " << form.MoveText(move).toStdString();
            rules->Play(table, move);
            ASSERT_TRUE(table == form.SolverTable()) << n << " after " << form.MoveText(move).toStdString();
        }
        EXPECT_TRUE(form.GameWon) << n;
        EXPECT_EQ(form.CurrentScore(), form.Info().WinScore) << n;
        ++played;
    }
    EXPECT_EQ(played, wins);
}

// Picks an option at the start of a fresh deal, while it may change.
void Choose(TGameForm& form, const char* action) {
    form.GameWon = true;
    form.PlayDeal(1);
    form.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

class KlondikeSolverTest : public TWindowTest<TKlondikeForm> {
protected:
    KlondikeSolverTest() : TWindowTest(1) {}
};
class DblKlondikeSolverTest : public TWindowTest<TDblKlondikeForm> {
protected:
    DblKlondikeSolverTest() : TWindowTest(1) {}
};
class GolfSolverTest : public TWindowTest<TGolfForm> {
protected:
    GolfSolverTest() : TWindowTest(1) {}
};

} // namespace

TEST_F(KlondikeSolverTest, SolutionsPlayToAWinInDrawThreeAndDrawOne) {
    ReplaySolutions(*form, 3);
    Choose(*form, "DrawOne1");
    ReplaySolutions(*form, 3);
}

TEST_F(DblKlondikeSolverTest, SolutionsPlayToAWinWithOneTurnOverInDrawOne) {
    Choose(*form, "DrawOne1");
    ReplaySolutions(*form, 2);
    // Once turned over in Draw One, the stock is spent for the solver too.
    form->PlayDeal(5);
    while (!V("DeckPileView")->Pile->Cards.empty()) StockClick();
    StockClick();
    const TSolverTable table = form->SolverTable();
    EXPECT_EQ(table.Counter[1], 1);
    while (!V("DeckPileView")->Pile->Cards.empty()) StockClick();
    TMoves moves;
    form->Solver()->Moves(form->SolverTable(), moves);
    EXPECT_EQ(std::count_if(moves.begin(), moves.end(), [](const TMove& m) { return m.Type == TMove::StockTurn; }), 0);
}

TEST_F(GolfSolverTest, SolutionsPlayToAWinWhateverKingsDo) {
    ReplaySolutions(*form, 3, 200000);
    Choose(*form, "KingStopsSequence1");
    ASSERT_FALSE(form->KingStopsOn);
    ReplaySolutions(*form, 3, 200000);
}
