#include "FortyThievesSolver.h"

#include "Rules.h"

#include <algorithm>
#include <array>

TFortyThievesSolver::TFortyThievesSolver() {
    Stock = kStock;
    Waste = kWaste;
    DragSources.push_back(kWaste);
    for (int c = 0; c < kColumns; ++c) Columns.push_back(kFirstColumn + c);
    for (int f = 0; f < kFoundations; ++f) Foundations.push_back(kFirstFoundation + f);
    // A card is offered to the columns first, then to the foundations.
    DragSources.insert(DragSources.end(), Columns.begin(), Columns.end());
    DropOrder = Columns;
    DropOrder.insert(DropOrder.end(), Foundations.begin(), Foundations.end());
}

TSolverTable TFortyThievesSolver::Deal(std::uint32_t number) const {
    const std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 2);
    TSolverTable table(kFirstFoundation + kFoundations);
    for (const TCard* card : deck) table.Push(kStock, card);
    // Four rows of ten, face up.
    for (int row = 0; row < 4; ++row)
        for (int c = 0; c < kColumns; ++c) table.TurnOver(kStock, 1, kFirstColumn + c, true);
    return table;
}

// --- The rules ---

bool TFortyThievesSolver::MayLift(const TSolverTable& table, int pile, int index) const {
    const TCard* top = table.Top(pile);
    return (pile == kWaste || IsColumn(pile)) && top != nullptr && top->FaceUp && index == table.Size(pile) - 1;
}

bool TFortyThievesSolver::Builds(const TCard* card, const TCard* onto) const { return Rules::DownSameSuit(card, onto); }

bool TFortyThievesSolver::ColumnTakes(const TSolverTable& table, int column, const TCard* card) const {
    const TCard* top = table.Top(column);
    return top == nullptr || Builds(card, top);
}

bool TFortyThievesSolver::Takes(const TSolverTable& table, int target, const TCard* card, int count) const {
    if (count != 1) return false;
    if (IsColumn(target)) return ColumnTakes(table, target, card);
    if (IsFoundation(target)) return Rules::UpSameSuitFromAce(card, table.Top(target));
    return false;
}

bool TFortyThievesSolver::Lands(const TSolverTable& table, int source, int target) const {
    return source != target && !table.Empty(source) && Takes(table, target, table.Top(source), 1);
}

int TFortyThievesSolver::HomeFor(const TSolverTable& table, int pile) const {
    const TCard* card = table.Top(pile);
    if ((pile != kWaste && !IsColumn(pile)) || card == nullptr || !card->FaceUp) return -1;
    // An Ace to the first empty foundation, another card to the first of its suit one lower.
    for (int f : Foundations)
        if (Rules::UpSameSuitFromAce(card, table.Top(f))) return f;
    return -1;
}

void TFortyThievesSolver::Moves(const TSolverTable& table, TMoves& out) const {
    out.clear();
    for (int s : DragSources) {
        if (!MayLift(table, s, table.Size(s) - 1)) continue;
        for (int target : DropOrder)
            if (Lands(table, s, target)) out.push_back(TMove::DropOn(s, table.Size(s) - 1, target));
        if (const int home = HomeFor(table, s); home >= 0) out.push_back(TMove::Home(s, table.Size(s) - 1, home));
    }
    if (StockTurnChanges(table)) out.push_back(TMove::Stock(kStock));
}

void TFortyThievesSolver::Play(TSolverTable& table, const TMove& move) const {
    switch (move.Type) {
    case TMove::Drop:
        table.MoveCards(move.Source, move.Index, move.Target);
        AfterPlay(table);
        break;
    case TMove::SendHome:
        if (const int home = HomeFor(table, move.Source); home >= 0) table.MoveCards(move.Source, table.Size(move.Source) - 1, home);
        AfterPlay(table);
        break;
    case TMove::StockTurn:
        if (!table.Empty(kStock)) {
            table.TurnOver(kStock, 1, kWaste, true);
            AfterStockTurn(table);
        }
        break;
    case TMove::Press:
        break;
    }
}

// --- The search's guidance ---

int TFortyThievesSolver::HomeCount(const TSolverTable& table, int code) {
    int home = 0;
    for (int f = kFirstFoundation; f < kFirstFoundation + kFoundations; ++f) {
        const TCard* top = table.Top(f);
        if (top != nullptr && top->Suit == code / 13 && top->Value >= code % 13) ++home;
    }
    return home;
}

bool TFortyThievesSolver::SafeHome(const TSolverTable& table, int pile) const {
    // Only the two cards one lower in the same suit build on it. When both
    // cards two lower are home, each of them that is still in play can go
    // home itself, as safely, the moment it could go onto this one; an Ace
    // goes home on its own, so Aces and Twos are always safe.
    const int code = CardCode(table.Top(pile));
    return code % 13 <= 1 || HomeCount(table, code - 2) == 2;
}

bool TFortyThievesSolver::HasSafeHome(const TSolverTable& table, TMove* found) const {
    for (int s : DragSources) {
        const int home = HomeFor(table, s);
        if (home < 0 || !SafeHome(table, s)) continue;
        if (found != nullptr) *found = TMove::Home(s, table.Size(s) - 1, home);
        return true;
    }
    return false;
}

int TFortyThievesSolver::Score(const TSolverTable& table, const TMove& move) const {
    int score = TSolverRules::Score(table, move);
    if (move.Type == TMove::SendHome && SafeHome(table, move.Source)) score += 2000;
    if (move.Type == TMove::Drop && IsColumn(move.Source) && move.Index > 0) {
        // A card that lies on a card it may lie on gains by moving only what
        // that card can do once free: last, after the stock.
        const TCard* card = table.Card(move.Source, move.Index);
        const TCard* under = table.Card(move.Source, move.Index - 1);
        if (under->FaceUp && IsColumn(move.Target) && !table.Empty(move.Target) && Builds(card, under))
            score = -100;
    }
    return score;
}

std::uint64_t TFortyThievesSolver::Key(const TSolverTable& table) const {
    // Columns and foundations are interchangeable among themselves: a
    // position with two columns swapped plays out the same.
    std::array<std::uint64_t, kColumns + kFoundations> keys{};
    for (int c = 0; c < kColumns; ++c) keys[static_cast<std::size_t>(c)] = table.PileKey(kFirstColumn + c);
    for (int f = 0; f < kFoundations; ++f) {
        const TCard* top = table.Top(kFirstFoundation + f);
        keys[static_cast<std::size_t>(kColumns + f)] = top == nullptr ? 0 : 1 + static_cast<std::uint64_t>(CardCode(top));
    }
    std::sort(keys.begin(), keys.begin() + kColumns);
    std::sort(keys.begin() + kColumns, keys.end());
    std::uint64_t key = table.PileKey(kWaste) ^ (static_cast<std::uint64_t>(table.Size(kStock)) << 56);
    for (std::int16_t c : table.Counter) key = key * 0x100000001B3ull + static_cast<std::uint16_t>(c);
    for (std::uint64_t k : keys) key = (key ^ k) * 0x9E3779B97F4A7C15ull + (key >> 29);
    return key;
}

bool TFortyThievesSolver::Prune(const TSolverTable& table, const TMove& last, const TMove& move) const {
    // A card that may go home safely goes first; nothing else is tried beside it.
    if (TMove safe; HasSafeHome(table, &safe)) return !(move == safe);
    if (move.Type != TMove::Drop) return false;
    // A card dropped home is the double-click's move again.
    if (IsFoundation(move.Target)) return true;
    // The card straight back where it came from.
    if (last.Type == TMove::Drop && last.Target == move.Source && last.Source == move.Target) return true;
    if (!IsColumn(move.Target) || !table.Empty(move.Target)) return false;
    // The only card of a column into an empty column.
    if (IsColumn(move.Source) && move.Index == 0) return true;
    // Empty columns are all alike: the first one stands for them all.
    for (int c = kFirstColumn; c < move.Target; ++c)
        if (table.Empty(c)) return true;
    return false;
}
