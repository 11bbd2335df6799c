// The solver's rules shared by the games whose cards all lie face up from the
// deal, whose columns are interchangeable and whose foundations build up by
// suit and never give a card back: FreeCell, Sea Towers and Beleaguered
// Castle. They share the moves' effects (a drop, a card sent home), the key
// (columns as a multiset, free cells as a set: the foundations follow from
// the rest) and the cuts of moves that cannot help.
#pragma once

#include "Layout.h"
#include "Solver.h"

#include <array>

class TOpenSolver : public TSolverRules {
public:
    // The pile lists from the window's layout (labels are no piles).
    explicit TOpenSolver(const TLayout& layout);

    void Play(TSolverTable& table, const TMove& move) const override;
    std::uint64_t Key(const TSolverTable& table) const override;
    bool Prune(const TSolverTable& table, const TMove& last, const TMove& move) const override;
    // How much better the table looks after the move (Worth).
    int Score(const TSolverTable& table, const TMove& move) const override;

    TPileSlot::Role RoleOf(int pile) const { return roles_[static_cast<std::size_t>(pile)]; }
    int PileCount() const { return piles_; }

protected:
    // The first foundation on which `card` builds, or -1.
    int FoundationFor(const TSolverTable& table, const TCard* card) const;
    // Cards of each suit on the foundations.
    std::array<int, 4> HomeCounts(const TSolverTable& table) const;
    // Whether sending `card` home (where it fits) can spoil nothing: no card
    // still out could ever need it in a column.
    virtual bool SafeHome(const std::array<int, 4>& home, const TCard* card) const = 0;
    // The pile whose top card goes home safely by the double-click, or -1.
    int SafeSource(const TSolverTable& table) const;
    // Whether every move carries a single card.
    virtual bool OneCardAtATime() const { return false; }
    // How the columns build: `card` on `below`.
    virtual bool Follows(const TCard* card, const TCard* below) const = 0;
    // How near a win the table looks: cards home, free cells and columns
    // empty; against it, cards out of sequence and cards buried above the
    // next card each suit needs.
    int Worth(const TSolverTable& table) const;
    // A pile's part of Worth, given the cards home of each suit.
    int PileWorth(const TSolverTable& table, int pile, const std::array<int, 4>& home) const;

private:
    int piles_ = 0;
    std::array<TPileSlot::Role, TSolverTable::MaxPiles> roles_{};
};
