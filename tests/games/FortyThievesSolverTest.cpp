// The search's guidance in the solver's rules of Forty Thieves: what it
// leaves out.
#include "FortyThievesSolver.h"
#include "GameTestSupport.h"
#include "IndianPatienceSolver.h"
#include "SpiderSolver.h"


using namespace GameTest;

namespace {

// A table of Forty Thieves with the given foundation tops (code + 1, 0 for
// empty) and one card on top of column 1.
TSolverTable ThievesTable(std::initializer_list<int> tops, int columnCard) {
    TSolverTable table(TFortyThievesSolver::kFirstFoundation + TFortyThievesSolver::kFoundations);
    int f = TFortyThievesSolver::kFirstFoundation;
    for (int top : tops) {
        for (int code = top - 1 - (top - 1) % 13; top > 0 && code < top; ++code) table.Push(f, SolverCard(code, true));
        ++f;
    }
    table.Push(TFortyThievesSolver::kFirstColumn, SolverCard(columnCard, true));
    table.Push(TFortyThievesSolver::kFirstColumn + 1, SolverCard(columnCard + 1, true));
    return table;
}

} // namespace

// A card goes home first, and alone, only when nothing still in play could
// want to lie on it: in Forty Thieves when both cards two lower are home.
TEST(FortyThievesSolverTest, OnlyACardThatIsSafeHomeCrowdsOutTheOtherMoves) {
    const TFortyThievesSolver rules;
    const int c1 = TFortyThievesSolver::kFirstColumn, c2 = c1 + 1, c3 = c1 + 2;
    const TMove other = TMove::DropOn(c1, 0, c2), last = TMove::Stock(TFortyThievesSolver::kStock);
    // The Five of clubs (code 4) on a Four; both Threes home: safe.
    TSolverTable safe = ThievesTable({4, 3}, 4);
    ASSERT_EQ(rules.HomeFor(safe, c1), TFortyThievesSolver::kFirstFoundation);
    EXPECT_TRUE(rules.Prune(safe, last, other));
    EXPECT_FALSE(rules.Prune(safe, last, TMove::Home(c1, 0, TFortyThievesSolver::kFirstFoundation)));
    // One Three still in play may want to lie on a Four that wants the Five: not safe.
    TSolverTable unsafe = ThievesTable({4, 2}, 4);
    EXPECT_FALSE(rules.Prune(unsafe, last, other));
    // A column's only card into an empty column changes nothing.
    EXPECT_TRUE(rules.Prune(unsafe, last, TMove::DropOn(c2, 0, c3)));
}
