#include "SeaHavenSolver.h"

#include "Rules.h"

TSolverTable TSeaHavenSolver::Deal(std::uint32_t number) const {
    // Five rows of ten from the top of the deck; the last two cards into free
    // cells 3 and 2.
    std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 1);
    TSolverTable table(PileCount());
    auto deal = [&](int pile) {
        table.Push(pile, SolverCard(CardCode(deck.back()), true));
        deck.pop_back();
    };
    for (int row = 1; row <= 5; ++row)
        for (int column : Columns) deal(column);
    deal(Cells[2]);
    deal(Cells[1]);
    return table;
}

bool TSeaHavenSolver::FollowsInRun(const TCard* card, const TCard* below) const { return Rules::DownSameSuit(card, below); }

bool TSeaHavenSolver::ColumnTakes(const TCard* bottom, const TCard* top) const {
    return top != nullptr ? Rules::DownSameSuit(bottom, top) : bottom->Value == FS_KING;
}

bool TSeaHavenSolver::SafeHome(const std::array<int, 4>&, const TCard*) const {
    // Only the card one lower in its suit could be built on it, and that one is home.
    return true;
}
