// Beleaguered Castle's rules over the solver's table, shared with its
// window: the Aces start home, only a row's outer card moves, rows build
// down regardless of suit and any card fills an empty row.
#pragma once

#include "OpenSolver.h"

class TCastleSolver : public TOpenSolver {
public:
    using TOpenSolver::TOpenSolver;

    TSolverTable Deal(std::uint32_t number) const override;
    bool MayLift(const TSolverTable& table, int pile, int index) const override;
    bool Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const override;
    int HomeFor(const TSolverTable& table, int pile) const override;

protected:
    bool SafeHome(const std::array<int, 4>& home, const TCard* card) const override;
    bool Follows(const TCard* card, const TCard* below) const override;
    bool OneCardAtATime() const override { return true; }
};
