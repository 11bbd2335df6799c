// The rules of Spider over the solver's table, which the window asks too:
// runs down by rank (and suit, with Same Suit Moves) are lifted, a column
// takes a run one rank below its top card or any run when empty, a
// foundation takes a whole suit from King to Ace, and the stock deals a card
// to every column while none is empty.
#pragma once

#include "Solver.h"

#include <atomic>

class TSpiderSolver : public TSolverRules {
public:
    // Piles as the window lists them: stock, eight foundations, ten columns.
    static constexpr int kStock = 0, kFirstFoundation = 1, kFoundations = 8, kFirstColumn = 9, kColumns = 10;
    // The counter that holds the Same Suit Moves option.
    static constexpr int kSameSuitCounter = 0;

    TSpiderSolver();

    // The option new deals are played with; the window keeps it current.
    // The only state of the rules that changes, read by the worker thread.
    mutable std::atomic<bool> SameSuitDeals{false};

    TSolverTable Deal(std::uint32_t number) const override;
    void Play(TSolverTable& table, const TMove& move) const override;
    void Moves(const TSolverTable& table, TMoves& out) const override;

    bool MayLift(const TSolverTable& table, int pile, int index) const override;
    // Whether a column takes a run whose bottom card is `bottom`; a
    // foundation's test needs the whole run (Lands).
    bool Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const override;
    // Whether the cards from `index` up of `source` may land on `target`.
    bool Lands(const TSolverTable& table, int source, int index, int target) const;
    bool StockTurnChanges(const TSolverTable& table) const override;

    int Score(const TSolverTable& table, const TMove& move) const override;
    std::uint64_t Key(const TSolverTable& table) const override;
    bool Prune(const TSolverTable& table, const TMove& last, const TMove& move) const override;

    static bool IsColumn(int pile) { return pile >= kFirstColumn && pile < kFirstColumn + kColumns; }
    static bool IsFoundation(int pile) { return pile >= kFirstFoundation && pile < kFirstFoundation + kFoundations; }

private:
    // Cards down in suit from the top of `pile`.
    static int SuitRun(const TSolverTable& table, int pile);
};
