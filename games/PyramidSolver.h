// Pyramid's rules over a TSolverTable: which cards are free, which pairs
// may be removed, the stock's three passes. The window asks the same rules.
#pragma once

#include "Solver.h"

class TPyramidSolver : public TSolverRules {
public:
    // Piles as the window lays them out: the 28 positions row by row from
    // the apex, then the stock, the play position, the waste, the discard pile.
    static constexpr int Positions = 28;
    static constexpr int Deck = 28, PlayCard = 29, Waste = 30, Discard = 31;
    static constexpr int PileCount = 32;
    // Counter slot of the pass through the stock (1 to 3).
    static constexpr int PassSlot = 0;

    TPyramidSolver();

    TSolverTable Deal(std::uint32_t number) const override;
    void Play(TSolverTable& table, const TMove& move) const override;
    void Moves(const TSolverTable& table, TMoves& out) const override;

    bool MayLift(const TSolverTable& table, int pile, int index) const override;
    bool Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const override;
    int HomeFor(const TSolverTable& table, int pile) const override;
    bool StockTurnChanges(const TSolverTable& table) const override;

    int Score(const TSolverTable& table, const TMove& move) const override;
    std::uint64_t Key(const TSolverTable& table) const override;
    bool Prune(const TSolverTable& table, const TMove& last, const TMove& move) const override;

    // Whether the card of `pile` may be used: a position whose two
    // overlapping positions are empty (row 7 always), the play card, the
    // waste's top card.
    static bool Free(const TSolverTable& table, int pile);
    // Position p (from 0) lies in row RowOf(p), counted from 1.
    static int RowOf(int position);

private:
    // Whether some card left can never be removed: no partner left that
    // it does not cover itself.
    static bool Stuck(const TSolverTable& table);
    // A pair that may be taken before anything else, or a move with no source.
    static TMove SurePair(const TSolverTable& table);
};
