// Golf's rules over the solver's table: a column's top card goes onto the
// discard pile when it is one rank above or below the pile's top card (a
// King there stops the sequence when the option is on); the stock turns one
// card at a time onto the discard pile. All 52 cards there win.
#pragma once

#include "Solver.h"

#include <atomic>

class TGolfSolver : public TSolverRules {
public:
    // What the counter holds: King Stops Sequence.
    enum { KingStopsCounter };

    TGolfSolver(std::vector<int> columns, int stock, int discard);

    // The option new deals start with; the window keeps it in step.
    mutable std::atomic<bool> KingStops{true};

    // Whether `card` may go onto the discard pile's top card `top`.
    static bool MayPlay(const TCard* card, const TCard* top, bool kingStops);

    TSolverTable Deal(std::uint32_t number) const override;
    void Play(TSolverTable& table, const TMove& move) const override;
    bool Won(const TSolverTable& table) const override;
    // A press on each column's playable top card, then the stock turn.
    void Moves(const TSolverTable& table, TMoves& out) const override;
    bool StockTurnChanges(const TSolverTable& table) const override { return !table.Empty(Stock); }
    // Column plays before the stock; among them, the card that leaves the
    // most column tops to follow it, then the taller column.
    int Score(const TSolverTable& table, const TMove& move) const override;
    // The cards under the discard pile's top never play again: a position is
    // the columns' heights, the stock's and the top card.
    std::uint64_t Key(const TSolverTable& table) const override;

private:
    bool MayPlayTop(const TSolverTable& table, int column) const;
};
