// Sea Towers' rules over the solver's table: FreeCell's, with runs down in
// suit, only a King (with its run) into an empty column, and its own deal.
#pragma once

#include "FreeCellSolver.h"

class TSeaHavenSolver : public TFreeCellSolver {
public:
    using TFreeCellSolver::TFreeCellSolver;

    TSolverTable Deal(std::uint32_t number) const override;
    bool FollowsInRun(const TCard* card, const TCard* below) const override;
    bool ColumnTakes(const TCard* bottom, const TCard* top) const override;

protected:
    bool SafeHome(const std::array<int, 4>& home, const TCard* card) const override;
};
