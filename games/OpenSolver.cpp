#include "OpenSolver.h"

#include <algorithm>

TOpenSolver::TOpenSolver(const TLayout& layout) {
    for (const TPileSlot& slot : layout) {
        if (slot.Kind == TPileSlot::Label) continue;
        const int pile = piles_++;
        roles_[static_cast<std::size_t>(pile)] = slot.Kind;
        switch (slot.Kind) {
        case TPileSlot::Tableau: Columns.push_back(pile); break;
        case TPileSlot::Foundation: Foundations.push_back(pile); break;
        case TPileSlot::Cell: Cells.push_back(pile); break;
        default: break;
        }
        if (slot.Options & TPileSlot::Draggable) DragSources.push_back(pile);
    }
    // Drops are offered to the columns, then the foundations, then the cells.
    DropOrder = Columns;
    DropOrder.insert(DropOrder.end(), Foundations.begin(), Foundations.end());
    DropOrder.insert(DropOrder.end(), Cells.begin(), Cells.end());
}

void TOpenSolver::Play(TSolverTable& table, const TMove& move) const {
    if (move.Type == TMove::Drop) {
        table.MoveCards(move.Source, move.Index, move.Target);
    } else if (move.Type == TMove::SendHome) {
        if (const int home = HomeFor(table, move.Source); home >= 0) table.MoveCards(move.Source, table.Size(move.Source) - 1, home);
    }
}

int TOpenSolver::FoundationFor(const TSolverTable& table, const TCard* card) const {
    for (int f : Foundations)
        if (Takes(table, f, card, 1)) return f;
    return -1;
}

std::array<int, 4> TOpenSolver::HomeCounts(const TSolverTable& table) const {
    std::array<int, 4> home{};
    for (int f : Foundations)
        if (const TCard* top = table.Top(f)) home[static_cast<std::size_t>(top->Suit)] = top->Value + 1;
    return home;
}

int TOpenSolver::SafeSource(const TSolverTable& table) const {
    const std::array<int, 4> home = HomeCounts(table);
    for (int p = 0; p < piles_; ++p) {
        const TPileSlot::Role role = RoleOf(p);
        const TCard* top = table.Top(p);
        if (top == nullptr || (role != TPileSlot::Tableau && role != TPileSlot::Cell)) continue;
        if (top->Value != home[static_cast<std::size_t>(top->Suit)] || !SafeHome(home, top)) continue;
        if (const int target = HomeFor(table, p); target >= 0 && RoleOf(target) == TPileSlot::Foundation) return p;
    }
    return -1;
}

namespace {
std::uint64_t Mixed(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ull;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}
} // namespace

std::uint64_t TOpenSolver::Key(const TSolverTable& table) const {
    // The foundations hold exactly the cards that lie nowhere else, so the
    // columns (in any order) and the free cells (as a set) tell the position.
    std::array<std::uint64_t, TSolverTable::MaxPiles> columns{};
    std::size_t n = 0;
    std::uint64_t cells = 0;
    for (int p = 0; p < piles_; ++p) {
        if (RoleOf(p) == TPileSlot::Tableau) columns[n++] = table.PileKey(p);
        else if (RoleOf(p) == TPileSlot::Cell && !table.Empty(p)) cells |= 1ull << CardCode(table.Top(p));
    }
    std::sort(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(n));
    std::uint64_t key = Mixed(cells + 1);
    for (std::size_t i = 0; i < n; ++i) key = Mixed(key ^ columns[i]);
    return key;
}

bool TOpenSolver::Prune(const TSolverTable& table, const TMove& last, const TMove& move) const {
    // A card that goes home safely goes first, and alone: the rest can wait.
    if (const int safe = SafeSource(table); safe >= 0) return move.Type != TMove::SendHome || move.Source != safe;
    const int target = move.Type == TMove::SendHome ? HomeFor(table, move.Source) : move.Target;
    if (target < 0 || move.Type == TMove::StockTurn || move.Type == TMove::Press) return false;
    const TPileSlot::Role from = RoleOf(move.Source), to = RoleOf(target);
    // From one free cell to another gains nothing.
    if (from == TPileSlot::Cell && to == TPileSlot::Cell) return true;
    // The one card the last move put down, moved on at once (not home): it
    // could have gone there in one move, or it goes back where it came from.
    const bool lastOneCard = OneCardAtATime() || last.Type == TMove::SendHome ||
                             (last.Source >= 0 && RoleOf(last.Source) == TPileSlot::Cell) ||
                             (last.Target >= 0 && RoleOf(last.Target) == TPileSlot::Cell);
    if (lastOneCard && move.Source == last.Target && to != TPileSlot::Foundation && move.Index == table.Size(move.Source) - 1)
        return true;
    if (move.Type != TMove::Drop) return false;
    // The double-click takes the card to the same foundation.
    if (to == TPileSlot::Foundation) return true;
    if (table.Empty(target)) {
        // A whole column into an empty one changes nothing.
        if (from == TPileSlot::Tableau && move.Index == 0) return true;
        // Empty piles of one kind are alike: the first stands for all.
        for (int p = 0; p < target; ++p)
            if (RoleOf(p) == to && table.Empty(p)) return true;
    }
    return false;
}

namespace {
// What Worth counts: a card home, an empty free cell, an empty column; a
// card off sequence, and each card above the next card its suit needs.
constexpr int kHomeCard = 100, kEmptyCell = 25, kEmptyColumn = 50, kBreak = 2, kBuried = 30;
} // namespace

int TOpenSolver::PileWorth(const TSolverTable& table, int pile, const std::array<int, 4>& home) const {
    const int n = table.Size(pile);
    if (RoleOf(pile) == TPileSlot::Cell) return n == 0 ? kEmptyCell : 0;
    if (RoleOf(pile) != TPileSlot::Tableau) return 0;
    if (n == 0) return kEmptyColumn;
    int worth = 0;
    for (int i = 0; i < n; ++i) {
        const TCard* card = table.Card(pile, i);
        if (i > 0 && !Follows(card, table.Card(pile, i - 1))) worth -= kBreak;
        if (card->Value == home[static_cast<std::size_t>(card->Suit)]) worth -= kBuried * (n - 1 - i);
    }
    return worth;
}

int TOpenSolver::Worth(const TSolverTable& table) const {
    const std::array<int, 4> home = HomeCounts(table);
    int worth = 0;
    for (int n : home) worth += kHomeCard * n;
    for (int p = 0; p < piles_; ++p) worth += PileWorth(table, p, home);
    return worth;
}

int TOpenSolver::Score(const TSolverTable& table, const TMove& move) const {
    const int target = move.Type == TMove::SendHome ? HomeFor(table, move.Source) : move.Target;
    TSolverTable after = table;
    Play(after, move);
    if (target < 0 || RoleOf(target) == TPileSlot::Foundation) return Worth(after) - Worth(table);
    // Nothing went home: only the two piles the move touched changed.
    const std::array<int, 4> home = HomeCounts(table);
    return PileWorth(after, move.Source, home) + PileWorth(after, target, home) - PileWorth(table, move.Source, home) -
           PileWorth(table, target, home);
}
