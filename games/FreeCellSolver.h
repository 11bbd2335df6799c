// FreeCell's rules over the solver's table, shared with its window: runs
// down in alternate colours, lifted when enough free cells are empty to
// carry them card by card; anything fills an empty column; the double-click
// sends a card home, else into the first empty free cell.
#pragma once

#include "OpenSolver.h"

class TFreeCellSolver : public TOpenSolver {
public:
    explicit TFreeCellSolver(const TLayout& layout);

    TSolverTable Deal(std::uint32_t number) const override;
    bool MayLift(const TSolverTable& table, int pile, int index) const override;
    bool Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const override;
    int HomeFor(const TSolverTable& table, int pile) const override;
    int Score(const TSolverTable& table, const TMove& move) const override;

    // How a lifted run is built: each card on the one below it.
    virtual bool FollowsInRun(const TCard* card, const TCard* below) const;
    // Whether a column whose top card is `top` (null: empty) takes a run headed by `bottom`.
    virtual bool ColumnTakes(const TCard* bottom, const TCard* top) const;

protected:
    bool SafeHome(const std::array<int, 4>& home, const TCard* card) const override;
    bool Follows(const TCard* card, const TCard* below) const override { return FollowsInRun(card, below); }
    int EmptyCells(const TSolverTable& table) const;
};
