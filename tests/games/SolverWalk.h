// A check of a game's solver rules against its window: random walks through
// seeded deals, where the solver plays each move on its copy of the table
// first, and the window's table after the move must be that copy (refills,
// turn-ups and stock deals included).
#pragma once

#include "GameForm.h"
#include "Solver.h"

#include <gtest/gtest.h>

namespace GameTest {

inline void WalkWithTheSolver(TGameForm& form, std::initializer_list<quint32> deals, int steps = 150) {
    const auto rules = form.Solver();
    ASSERT_NE(rules, nullptr);
    quint32 random = 7;
    for (quint32 deal : deals) {
        form.GameWon = true; // no prompt
        form.PlayDeal(deal);
        for (int step = 0; step < steps; ++step) {
            const TMoves moves = form.LegalMoves();
            if (moves.empty()) break;
            random = random * 1664525u + 1013904223u;
            const TMove move = moves[(random >> 8) % moves.size()];
            TSolverTable expected = form.SolverTable();
            rules->Play(expected, move);
            ASSERT_TRUE(form.Perform(move)) << form.MoveText(move).toStdString();
            ASSERT_TRUE(form.SolverTable() == expected)
                << "deal " << deal << ", step " << step << ": " << form.MoveText(move).toStdString();
        }
    }
}

} // namespace GameTest
