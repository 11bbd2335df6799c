#include "CastleSolver.h"

#include "Rules.h"

#include <algorithm>

TSolverTable TCastleSolver::Deal(std::uint32_t number) const {
    std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 1);
    TSolverTable table(PileCount());
    // The Aces go home in the order met from the bottom of the deck ...
    std::size_t aces = 0;
    for (const TCard* card : deck)
        if (card->Value == FS_ACE) table.Push(Foundations[aces++], SolverCard(CardCode(card), true));
    deck.erase(std::remove_if(deck.begin(), deck.end(), [](const TCard* card) { return card->Value == FS_ACE; }), deck.end());
    // ... and six passes over the rows deal the rest from its top.
    for (int pass = 0; pass < 6; ++pass)
        for (int row : Columns) {
            table.Push(row, SolverCard(CardCode(deck.back()), true));
            deck.pop_back();
        }
    return table;
}

bool TCastleSolver::MayLift(const TSolverTable& table, int pile, int index) const {
    return RoleOf(pile) == TPileSlot::Tableau && index == table.Size(pile) - 1;
}

bool TCastleSolver::Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const {
    const TCard* top = table.Top(target);
    if (count != 1) return false;
    switch (RoleOf(target)) {
    case TPileSlot::Tableau:
        return top == nullptr || Follows(bottom, top);
    case TPileSlot::Foundation:
        // The Aces are home from the deal: an empty foundation takes nothing.
        return top != nullptr && Rules::UpSameSuitFromAce(bottom, top);
    default:
        return false;
    }
}

int TCastleSolver::HomeFor(const TSolverTable& table, int pile) const {
    const TCard* card = table.Top(pile);
    return card != nullptr && RoleOf(pile) == TPileSlot::Tableau ? FoundationFor(table, card) : -1;
}

bool TCastleSolver::SafeHome(const std::array<int, 4>& home, const TCard* card) const {
    // Any card one lower could be built on it: safe once all four are home.
    return std::all_of(home.begin(), home.end(), [card](int n) { return n >= card->Value; });
}

bool TCastleSolver::Follows(const TCard* card, const TCard* below) const { return Rules::DownAnySuit(card, below); }
