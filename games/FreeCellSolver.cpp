#include "FreeCellSolver.h"

#include "Rules.h"

TFreeCellSolver::TFreeCellSolver(const TLayout& layout) : TOpenSolver(layout) {}

TSolverTable TFreeCellSolver::Deal(std::uint32_t number) const {
    // Seven rows from the top of the deck, the last one of four.
    std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 1);
    TSolverTable table(PileCount());
    for (int row = 1; row <= 7; ++row)
        for (std::size_t c = 0; c < (row == 7 ? 4 : Columns.size()); ++c) {
            table.Push(Columns[c], SolverCard(CardCode(deck.back()), true));
            deck.pop_back();
        }
    return table;
}

int TFreeCellSolver::EmptyCells(const TSolverTable& table) const {
    int count = 0;
    for (int cell : Cells)
        if (table.Empty(cell)) ++count;
    return count;
}

bool TFreeCellSolver::FollowsInRun(const TCard* card, const TCard* below) const { return Rules::DownAlternate(card, below); }

bool TFreeCellSolver::ColumnTakes(const TCard* bottom, const TCard* top) const {
    return top == nullptr || Rules::DownAlternate(bottom, top);
}

bool TFreeCellSolver::MayLift(const TSolverTable& table, int pile, int index) const {
    const int lifted = table.Size(pile) - index;
    switch (RoleOf(pile)) {
    case TPileSlot::Tableau:
        // One card more than the empty free cells; empty columns do not raise the limit.
        return lifted <= EmptyCells(table) + 1 &&
               Rules::IsRun(table.Pile(pile), index, [this](const TCard* c, const TCard* b) { return FollowsInRun(c, b); });
    case TPileSlot::Cell:
        return lifted == 1;
    default:
        return false;
    }
}

bool TFreeCellSolver::Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const {
    const TCard* top = table.Top(target);
    switch (RoleOf(target)) {
    case TPileSlot::Tableau:
        return ColumnTakes(bottom, top);
    case TPileSlot::Foundation:
        return count == 1 && Rules::UpSameSuitFromAce(bottom, top);
    case TPileSlot::Cell:
        return count == 1 && top == nullptr;
    default:
        return false;
    }
}

int TFreeCellSolver::HomeFor(const TSolverTable& table, int pile) const {
    const TCard* card = table.Top(pile);
    if (card == nullptr || (RoleOf(pile) != TPileSlot::Tableau && RoleOf(pile) != TPileSlot::Cell)) return -1;
    if (const int home = FoundationFor(table, card); home >= 0) return home;
    for (int cell : Cells)
        if (table.Empty(cell)) return cell;
    return -1;
}

bool TFreeCellSolver::SafeHome(const std::array<int, 4>& home, const TCard* card) const {
    // Only the two cards one lower in the other colour could be built on it.
    if (card->Value <= FS_TWO) return true;
    for (int suit = 0; suit < 4; ++suit)
        if (Rules::OtherColour(card, SolverCard(suit * 13, true)) && home[static_cast<std::size_t>(suit)] < card->Value) return false;
    return true;
}

int TFreeCellSolver::Score(const TSolverTable& table, const TMove& move) const {
    // A card from one free cell to another gains nothing: the very last choice.
    const int target = move.Type == TMove::SendHome ? HomeFor(table, move.Source) : move.Target;
    if (RoleOf(move.Source) == TPileSlot::Cell && target >= 0 && RoleOf(target) == TPileSlot::Cell) return -1000;
    return TOpenSolver::Score(table, move);
}
