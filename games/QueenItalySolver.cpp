#include "QueenItalySolver.h"

#include "Rules.h"

#include <algorithm>
#include <array>

namespace {
using Q = TQueenItalySolver;

bool IsColumn(int pile) { return pile >= Q::FirstColumn && pile < Q::FirstColumn + Q::ColumnCount; }
bool IsFoundation(int pile) { return pile >= Q::FirstFoundation && pile < Q::FirstFoundation + Q::FoundationCount; }
bool BaseChosen(const TSolverTable& table) { return table.Counter[Q::BaseChosenSlot] != 0; }
CardValue BaseRank(const TSolverTable& table) { return static_cast<CardValue>(table.Counter[Q::BaseRankSlot]); }
// A card's place in its foundation: 0 for the base rank, 12 for the rank below it.
int Step(const TSolverTable& table, int value) { return (value - BaseRank(table) + 13) % 13; }
} // namespace

TQueenItalySolver::TQueenItalySolver() {
    for (int c = 0; c < ColumnCount; ++c) DropOrder.push_back(FirstColumn + c);
    for (int f = 0; f < FoundationCount; ++f) DropOrder.push_back(FirstFoundation + f);
    DragSources = {Terrace};
    for (int c = 0; c < ColumnCount; ++c) DragSources.push_back(FirstColumn + c);
    DragSources.push_back(DiscardPile);
    for (int f = 0; f < FoundationCount; ++f) Foundations.push_back(FirstFoundation + f);
    for (int c = 0; c < ColumnCount; ++c) Columns.push_back(FirstColumn + c);
    Stock = Deck;
    Waste = DiscardPile;
}

// --- Deal: eleven cards on the terrace, one on each of the first four columns ---

TSolverTable TQueenItalySolver::Deal(std::uint32_t number) const {
    std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 2);
    TSolverTable table(PileCount);
    auto deal = [&](int pile) {
        table.Push(pile, SolverCard(CardCode(deck.back()), true));
        deck.pop_back();
    };
    for (int i = 0; i < TerraceCards; ++i) deal(Terrace);
    for (int c = 0; c < FirstColumns; ++c) deal(FirstColumn + c);
    for (const TCard* card : deck) table.Push(Deck, card);
    return table;
}

// --- The rules ---

bool TQueenItalySolver::ColumnTakes(const TCard* card, const TCard* top, bool fromTerrace) {
    return !fromTerrace && (top == nullptr || Rules::DownAlternateWrapping(card, top));
}

int TQueenItalySolver::FoundationFor(const TSolverTable& table, const TCard* card) {
    // A base card opens the first empty foundation; any other card goes on
    // the first foundation of its suit that it follows.
    if (!BaseChosen(table)) return -1;
    for (int f = FirstFoundation; f < FirstFoundation + FoundationCount; ++f)
        if (Rules::UpSameSuitFromBase(card, table.Pile(f), BaseRank(table))) return f;
    return -1;
}

bool TQueenItalySolver::MayLift(const TSolverTable& table, int pile, int index) const {
    const bool source = pile == Terrace || pile == DiscardPile || IsColumn(pile);
    return BaseChosen(table) && source && index == table.Size(pile) - 1;
}

bool TQueenItalySolver::Lands(const TSolverTable& table, int source, int target, const TCard* card) {
    if (IsFoundation(target)) return Rules::UpSameSuitFromBase(card, table.Pile(target), BaseRank(table));
    return IsColumn(target) && target != source && ColumnTakes(card, table.Top(target), source == Terrace);
}

bool TQueenItalySolver::Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const {
    return count == 1 && Lands(table, -1, target, bottom);
}

int TQueenItalySolver::HomeFor(const TSolverTable& table, int pile) const {
    const bool source = pile == Terrace || pile == DiscardPile || IsColumn(pile);
    return source && !table.Empty(pile) ? FoundationFor(table, table.Top(pile)) : -1;
}

bool TQueenItalySolver::StockTurnChanges(const TSolverTable& table) const {
    if (!BaseChosen(table)) return false;
    const bool wasteEmpty = table.Empty(DiscardPile);
    // An empty stock is turned over; after a turn-over a card comes only onto an empty waste.
    return table.Empty(Deck) ? !wasteEmpty : !(table.Counter[TurnedSlot] != 0 && !wasteEmpty);
}

void TQueenItalySolver::Moves(const TSolverTable& table, TMoves& out) const {
    out.clear();
    if (!BaseChosen(table)) {
        for (int c = FirstColumn; c < FirstColumn + ColumnCount; ++c)
            for (int i = 0; i < table.Size(c); ++i) out.push_back(TMove::PressOn(c, i, FirstFoundation));
        return;
    }
    for (int s = 0; s < PileCount; ++s) {
        const int top = table.Size(s) - 1;
        if (top < 0 || !MayLift(table, s, top)) continue;
        for (int target : DropOrder)
            if (Lands(table, s, target, table.Card(s, top))) out.push_back(TMove::DropOn(s, top, target));
        if (const int home = HomeFor(table, s); home >= 0) out.push_back(TMove::Home(s, top, home));
    }
    if (StockTurnChanges(table)) out.push_back(TMove::Stock(Deck));
}

// --- The moves' effects ---

void TQueenItalySolver::Play(TSolverTable& table, const TMove& move) const {
    switch (move.Type) {
    case TMove::Press: {
        // The base: the card goes to the first foundation, its rank starts
        // every foundation, and every empty column gets a card from the stock.
        const TCard* card = table.Card(move.Source, move.Index);
        table.MoveCards(move.Source, move.Index, FirstFoundation);
        table.Counter[BaseChosenSlot] = 1;
        table.Counter[BaseRankSlot] = static_cast<std::int16_t>(card->Value);
        for (int c = FirstColumn; c < FirstColumn + ColumnCount; ++c)
            if (table.Empty(c)) table.TurnOver(Deck, 1, c, true);
        break;
    }
    case TMove::Drop:
        table.MoveCards(move.Source, move.Index, move.Target);
        break;
    case TMove::SendHome:
        if (const int home = move.Target >= 0 ? move.Target : HomeFor(table, move.Source); home >= 0)
            table.MoveCards(move.Source, table.Size(move.Source) - 1, home);
        break;
    case TMove::StockTurn:
        if (!BaseChosen(table)) break;
        if (table.Empty(Deck) && !table.Empty(DiscardPile)) {
            table.TurnOver(DiscardPile, table.Size(DiscardPile), Deck, false);
            table.Counter[TurnedSlot] = 1;
        }
        if (!(table.Counter[TurnedSlot] != 0 && !table.Empty(DiscardPile))) table.TurnOver(Deck, 1, DiscardPile, true);
        break;
    }
}

// --- The search ---

std::uint64_t TQueenItalySolver::Key(const TSolverTable& table) const {
    // Columns and foundations count as sets: which of them holds what
    // does not change what can be won.
    std::array<std::uint64_t, ColumnCount> columns{};
    std::array<std::uint64_t, FoundationCount> foundations{};
    for (int c = 0; c < ColumnCount; ++c) columns[std::size_t(c)] = table.PileKey(FirstColumn + c);
    for (int f = 0; f < FoundationCount; ++f) foundations[std::size_t(f)] = table.PileKey(FirstFoundation + f);
    std::sort(columns.begin(), columns.end());
    std::sort(foundations.begin(), foundations.end());
    std::uint64_t key = 0;
    auto mix = [&key](std::uint64_t w) {
        key = (key ^ w) * 0x9E3779B97F4A7C15ull;
        key ^= key >> 29;
    };
    for (std::uint64_t k : columns) mix(k);
    for (std::uint64_t k : foundations) mix(k);
    for (int pile : {Terrace, Deck, DiscardPile}) mix(table.PileKey(pile));
    for (int slot : {BaseChosenSlot, BaseRankSlot, TurnedSlot}) mix(std::uint64_t(table.Counter[std::size_t(slot)]) + 1000u * std::uint64_t(slot));
    return key;
}

int TQueenItalySolver::Score(const TSolverTable& table, const TMove& move) const {
    if (BaseChosen(table) || move.Type != TMove::Press) return TSolverRules::Score(table, move);
    // The base first whose ranks let the terrace's top cards go home soonest.
    TSolverTable based = table;
    Play(based, move);
    if (TerraceBlocked(based)) return 0;
    int score = 1000;
    for (int i = 0, weight = 3; i < 3 && i < table.Size(Terrace); ++i, --weight)
        score -= weight * Step(based, table.Card(Terrace, table.Size(Terrace) - 1 - i)->Value);
    return score;
}

bool TQueenItalySolver::SafeHome(const TSolverTable& table, const TCard* card) {
    // The cards that would build on it in a column are those one rank
    // lower in the other colour; they go home before it only when it is
    // not the base rank. It is safe when all four of them are home.
    const int step = Step(table, card->Value);
    if (step == 0) return false;
    int home = 0;
    for (int f = FirstFoundation; f < FirstFoundation + FoundationCount; ++f) {
        if (table.Empty(f)) continue;
        const TCard* first = table.Card(f, 0);
        if (first->GetCardColor() != card->GetCardColor() && table.Size(f) >= step) ++home;
    }
    return home >= 4;
}

bool TQueenItalySolver::TerraceBlocked(const TSolverTable& table) {
    // Terrace cards go home top first, each suit onto its two foundations:
    // the cards of a suit, top first, must climb on two ladders. Each takes
    // the highest foundation below it (the best fit), or none is left.
    for (int suit = FS_CLUBS; suit <= FS_HEARTS; ++suit) {
        std::array<int, 2> level{-1, -1};
        int started = 0;
        for (int f = FirstFoundation; f < FirstFoundation + FoundationCount && started < 2; ++f)
            if (!table.Empty(f) && table.Card(f, 0)->Suit == suit) level[std::size_t(started++)] = table.Size(f) - 1;
        for (int i = table.Size(Terrace) - 1; i >= 0; --i) {
            const TCard* card = table.Card(Terrace, i);
            if (card->Suit != suit) continue;
            const int step = Step(table, card->Value);
            int best = -1;
            for (int k = 0; k < 2; ++k)
                if (level[std::size_t(k)] < step && (best < 0 || level[std::size_t(k)] > level[std::size_t(best)])) best = k;
            if (best < 0) return true;
            level[std::size_t(best)] = step;
        }
    }
    return false;
}

bool TQueenItalySolver::Prune(const TSolverTable& table, const TMove& last, const TMove& move) const {
    if (!BaseChosen(table)) return false;
    if (TerraceBlocked(table)) return true;
    // A card that may go home at no loss goes first, alone.
    for (int s : DragSources) {
        if (table.Empty(s)) continue;
        const int home = HomeFor(table, s);
        if (home >= 0 && SafeHome(table, table.Top(s)))
            return !(move.Type == TMove::SendHome && move.Source == s);
    }
    if (move.Type != TMove::Drop) return false;
    // A lone card into an empty column changes nothing.
    if (IsColumn(move.Source) && IsColumn(move.Target) && table.Size(move.Source) == 1 && table.Empty(move.Target))
        return true;
    // Nor does a card that goes straight back.
    return last.Type == TMove::Drop && last.Source == move.Target && last.Target == move.Source &&
           !IsFoundation(move.Target);
}
