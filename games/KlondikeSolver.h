// Klondike's rules over the solver's table, for Klondike and Double Klondike:
// columns build down in alternate colours from a King, foundations up in suit
// from the Ace, a stock dealt one or three cards at a time onto a waste whose
// older cards wait in a hidden store. The windows ask these rules too.
#pragma once

#include "Solver.h"

#include <array>
#include <atomic>

class TKlondikeSolver : public TSolverRules {
public:
    // What the counters hold: the draw mode, and whether the one turn-over
    // that Double Klondike allows in Draw One has been used.
    enum { DrawThreeCounter, TurnOverSpentCounter };

    struct TPiles {
        int Stock, Waste, Store;
        std::vector<int> Foundations, Columns;
    };
    // `oneTurnOver`: in Draw One the stock may be turned over only once.
    TKlondikeSolver(const TPiles& piles, int decks, bool oneTurnOver);

    // The draw mode new deals start with; the window keeps it in step with
    // its option (the worker may read it meanwhile).
    mutable std::atomic<bool> DrawThree{true};

    // A column whose top card is `top` (null: empty) takes a run from `bottom`.
    static bool ColumnTakes(const TCard* bottom, const TCard* top);

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

private:
    enum Role : std::uint8_t { Other, Column, Foundation };
    int DrawCount(const TSolverTable& table) const { return table.Counter[DrawThreeCounter] != 0 ? 3 : 1; }
    void ShiftWasteToStore(TSolverTable& table) const;
    void RefillWaste(TSolverTable& table) const;
    // `card` is needed nowhere but home: no card may land on it any more.
    bool Safe(const TSolverTable& table, const TCard* card) const;
    // The first column whose top card may go home and is needed nowhere else.
    int SafeHomeColumn(const TSolverTable& table) const;

    int store_;
    int decks_;
    bool oneTurnOver_;
    std::array<Role, TSolverTable::MaxPiles> role_{};
};
