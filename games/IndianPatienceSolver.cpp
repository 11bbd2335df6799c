#include "IndianPatienceSolver.h"

#include "Rules.h"

TSolverTable TIndianPatienceSolver::Deal(std::uint32_t number) const {
    const std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 2);
    TSolverTable table(kFirstFoundation + kFoundations);
    for (const TCard* card : deck) table.Push(kStock, card);
    // Three rows of ten: the first face down (the base cards), the others face up.
    for (int row = 0; row < 3; ++row)
        for (int c = 0; c < kColumns; ++c) table.TurnOver(kStock, 1, kFirstColumn + c, row != 0);
    return table;
}

bool TIndianPatienceSolver::IsBase(const TSolverTable& table, int pile, int index) {
    return IsColumn(pile) && index == 0 && !table.Empty(kStock) && !table.Empty(pile);
}

bool TIndianPatienceSolver::ColumnTakes(const TSolverTable& table, int column, const TCard* card) const {
    const TCard* top = table.Top(column);
    if (top == nullptr) return true;
    if (IsBase(table, column, table.Size(column) - 1)) return false;
    return Builds(card, top);
}

bool TIndianPatienceSolver::Builds(const TCard* card, const TCard* onto) const { return Rules::DownOtherSuit(card, onto); }

bool TIndianPatienceSolver::Lands(const TSolverTable& table, int source, int target) const {
    // A base card goes nowhere but home.
    if (IsColumn(target) && IsBase(table, source, table.Size(source) - 1)) return false;
    return TFortyThievesSolver::Lands(table, source, target);
}

void TIndianPatienceSolver::AfterPlay(TSolverTable& table) const {
    RefillEmptyColumns(table);
    RefreshBaseCards(table);
}

void TIndianPatienceSolver::RefillEmptyColumns(TSolverTable& table) {
    for (int c = kFirstColumn; c < kFirstColumn + kColumns; ++c) {
        if (!table.Empty(c) || table.Empty(kStock)) continue;
        for (int k = 0; k < 3 && !table.Empty(kStock); ++k) table.TurnOver(kStock, 1, c, k != 0);
        // The stock ran out after one card: it lies alone, face up.
        if (table.Size(c) == 1) table.SetFace(c, 0, true);
    }
}

void TIndianPatienceSolver::RefreshBaseCards(TSolverTable& table) {
    const bool stockLeft = !table.Empty(kStock);
    for (int c = kFirstColumn; c < kFirstColumn + kColumns; ++c) {
        const int n = table.Size(c);
        if (n == 0) continue;
        if (stockLeft && n > 1 && table.Card(c, 0)->FaceUp) table.SetFace(c, 0, false);
        if (n == 1) table.TurnUpTop(c);
    }
}

bool TIndianPatienceSolver::SafeHome(const TSolverTable& table, int pile) const {
    // An emptied column takes three stock cards, which changes what the
    // stock holds: never safe while it lasts.
    if (IsColumn(pile) && table.Size(pile) == 1 && !table.Empty(kStock)) return false;
    // Cards one lower in the three other suits build on it. When all eight
    // cards two lower are home, each of those still in play goes home
    // itself, as safely, the moment it could go onto this one; Aces go home
    // on their own, so Aces and Twos are safe.
    const int value = CardCode(table.Top(pile)) % 13;
    if (value <= 1) return true;
    for (int suit = 0; suit < 4; ++suit)
        if (HomeCount(table, suit * 13 + value - 2) < 2) return false;
    return true;
}
