// Montana's rules over a TSolverTable: which card fits which gap, where a
// press on a card or on a gap sends a card, the rows' sequences. The window
// asks the same rules. Shuffle Remaining deals at random and is no move of
// the solver: its verdicts are about winning without it.
#pragma once

#include "Solver.h"

class TMontanaSolver : public TSolverRules {
public:
    static constexpr int Rows = 4, Columns = 13, Positions = Rows * Columns;
    // The pile of the Aces taken out, after the grid.
    static constexpr int Aces = Positions;

    // The game is won at `winScore` cards in sequence, or at more when `atLeast`.
    TMontanaSolver(int winScore, bool atLeast) : winScore_(winScore), atLeast_(atLeast) {}

    TSolverTable Deal(std::uint32_t number) const override;
    void Play(TSolverTable& table, const TMove& move) const override;
    bool Won(const TSolverTable& table) const override;
    // Presses in grid order: each card that moves by itself, then each gap
    // that pulls a card in (its move names that card as the target).
    void Moves(const TSolverTable& table, TMoves& out) const override;
    // A row's sequence lengthened first; a card taken out of its sequence,
    // or a gap left behind a King, last.
    int Score(const TSolverTable& table, const TMove& move) const override;
    bool Prune(const TSolverTable& table, const TMove& last, const TMove& move) const override;

    // Whether `card` fits the gap at grid position `gap`: a 2 in column 1,
    // elsewhere the next card of the suit of the card to its left.
    static bool Fits(const TSolverTable& table, const TCard* card, int gap);
    // The cards of `row` in sequence from column 1: a 2, then its suit upwards.
    static int KeptLength(const TSolverTable& table, int row);
    static int Sequence(const TSolverTable& table);
    // The gap a press on the card at `position` sends it to, or -1.
    static int AutomaticTarget(const TSolverTable& table, int position);
    // The position whose card a press on the gap `gap` pulls in, or -1.
    static int GapFiller(const TSolverTable& table, int gap);

private:
    struct TWhere;
    static int AutomaticTarget(const TSolverTable& table, const TWhere& where, int position);
    static int GapFiller(const TSolverTable& table, const TWhere& where, int gap);

    int winScore_;
    bool atLeast_;
};
