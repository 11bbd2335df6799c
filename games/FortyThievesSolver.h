// The rules of Forty Thieves over the solver's table, which the window asks
// too: single cards, down in suit on a column, any card on an empty one, up
// in suit from the Ace at home, and a stock turned once onto the waste.
// Indian Patience shares the table and most of the rules.
#pragma once

#include "Solver.h"

class TFortyThievesSolver : public TSolverRules {
public:
    // Piles as the window lists them: stock, waste, ten columns, eight foundations.
    static constexpr int kStock = 0, kWaste = 1, kFirstColumn = 2, kColumns = 10, kFirstFoundation = 12,
                         kFoundations = 8;

    TFortyThievesSolver();

    TSolverTable Deal(std::uint32_t number) const override;
    void Play(TSolverTable& table, const TMove& move) const override;
    void Moves(const TSolverTable& table, TMoves& out) const override;

    bool MayLift(const TSolverTable& table, int pile, int index) const override;
    // Whether `target` takes `card`, wherever it comes from.
    bool Takes(const TSolverTable& table, int target, const TCard* card, int count) const override;
    // Whether the top card of `source` may land on `target`: the drag's test.
    virtual bool Lands(const TSolverTable& table, int source, int target) const;
    int HomeFor(const TSolverTable& table, int pile) const override;
    bool StockTurnChanges(const TSolverTable& table) const override { return !table.Empty(kStock); }

    int Score(const TSolverTable& table, const TMove& move) const override;
    std::uint64_t Key(const TSolverTable& table) const override;
    bool Prune(const TSolverTable& table, const TMove& last, const TMove& move) const override;

    static bool IsColumn(int pile) { return pile >= kFirstColumn && pile < kFirstColumn + kColumns; }
    static bool IsFoundation(int pile) { return pile >= kFirstFoundation && pile < kFirstFoundation + kFoundations; }

protected:
    // The building rule: `card` may lie on `onto` in a column.
    virtual bool Builds(const TCard* card, const TCard* onto) const;
    // Whether `column` takes `card` (any card when empty).
    virtual bool ColumnTakes(const TSolverTable& table, int column, const TCard* card) const;
    // What the window does after a card was played (or a double-click found nothing).
    virtual void AfterPlay(TSolverTable&) const {}
    // What it does after a stock card was turned.
    virtual void AfterStockTurn(TSolverTable&) const {}
    // Whether sending the top card of `pile` home can never cost the game:
    // nothing still in play could want to be built on it.
    virtual bool SafeHome(const TSolverTable& table, int pile) const;
    // The first move of the list that goes home safely, if any: while one
    // exists, the search plays it before anything else.
    bool HasSafeHome(const TSolverTable& table, TMove* found = nullptr) const;
    // How many cards of `code` are home.
    static int HomeCount(const TSolverTable& table, int code);
};
