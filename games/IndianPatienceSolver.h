// The rules of Indian Patience over the solver's table: the Forty Thieves
// table, three cards to a column, building down in another suit, and while
// the stock lasts each column's bottom card (its base) takes nothing, moves
// only home, and an emptied column is dealt three new cards at once.
#pragma once

#include "FortyThievesSolver.h"

class TIndianPatienceSolver : public TFortyThievesSolver {
public:
    TSolverTable Deal(std::uint32_t number) const override;
    bool Lands(const TSolverTable& table, int source, int target) const override;

    // Whether card `index` of `pile` is a base card: a column's bottom card
    // while the stock has cards.
    static bool IsBase(const TSolverTable& table, int pile, int index);

protected:
    bool Builds(const TCard* card, const TCard* onto) const override;
    bool ColumnTakes(const TSolverTable& table, int column, const TCard* card) const override;
    void AfterPlay(TSolverTable& table) const override;
    void AfterStockTurn(TSolverTable& table) const override { RefreshBaseCards(table); }
    bool SafeHome(const TSolverTable& table, int pile) const override;

private:
    // Three stock cards to every empty column, the first face down.
    static void RefillEmptyColumns(TSolverTable& table);
    // Covered base cards face down while the stock lasts, a lone one face up.
    static void RefreshBaseCards(TSolverTable& table);
};
