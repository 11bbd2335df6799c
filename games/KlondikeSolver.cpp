#include "KlondikeSolver.h"

#include "Rules.h"

#include <algorithm>

TKlondikeSolver::TKlondikeSolver(const TPiles& piles, int decks, bool oneTurnOver)
    : store_(piles.Store), decks_(decks), oneTurnOver_(oneTurnOver) {
    Stock = piles.Stock;
    Waste = piles.Waste;
    Foundations = piles.Foundations;
    Columns = piles.Columns;
    DropOrder = Columns;
    DropOrder.insert(DropOrder.end(), Foundations.begin(), Foundations.end());
    DragSources = Columns;
    DragSources.push_back(Waste);
    for (int c : Columns) role_[static_cast<std::size_t>(c)] = Column;
    for (int f : Foundations) role_[static_cast<std::size_t>(f)] = Foundation;
}

bool TKlondikeSolver::ColumnTakes(const TCard* bottom, const TCard* top) {
    return top != nullptr ? Rules::DownAlternate(bottom, top) : bottom->Value == FS_KING;
}

// --- The deal: round r gives one card to each of columns r..n, the first face up ---

TSolverTable TKlondikeSolver::Deal(std::uint32_t number) const {
    const int piles = std::max({Stock, Waste, store_, *std::max_element(Foundations.begin(), Foundations.end()),
                                *std::max_element(Columns.begin(), Columns.end())}) + 1;
    TSolverTable table(piles);
    std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, decks_);
    const std::size_t columns = Columns.size();
    for (std::size_t round = 0; round < columns; ++round)
        for (std::size_t c = round; c < columns; ++c) {
            table.Push(Columns[c], SolverCard(CardCode(deck.back()), c == round));
            deck.pop_back();
        }
    for (const TCard* card : deck) table.Push(Stock, card);
    table.Counter[DrawThreeCounter] = DrawThree.load() ? 1 : 0;
    return table;
}

// --- Moves ---

void TKlondikeSolver::ShiftWasteToStore(TSolverTable& table) const {
    // The visible waste goes under nothing: onto the store, bottom card first.
    const int size = table.Size(Waste), keep = std::max(0, size - DrawCount(table));
    if (size == 0) return;
    table.MoveCards(Waste, 0, store_);
    if (keep > 0) table.MoveCards(store_, table.Size(store_) - keep, Waste);
}

void TKlondikeSolver::RefillWaste(TSolverTable& table) const {
    if (!table.Empty(Waste) || table.Empty(store_)) return;
    table.MoveCards(store_, std::max(0, table.Size(store_) - DrawCount(table)), Waste);
}

void TKlondikeSolver::Play(TSolverTable& table, const TMove& move) const {
    switch (move.Type) {
    case TMove::StockTurn:
        if (table.Empty(Stock)) {
            if (oneTurnOver_ && DrawCount(table) == 1) table.Counter[TurnOverSpentCounter] = 1;
            ShiftWasteToStore(table);
            table.TurnOver(store_, table.Size(store_), Stock, false);
        }
        if (!table.Empty(Stock)) {
            ShiftWasteToStore(table);
            table.TurnOver(Stock, DrawCount(table), Waste, true);
        }
        break;
    case TMove::Drop:
        table.MoveCards(move.Source, move.Index, move.Target);
        RefillWaste(table);
        table.TurnUpTop(move.Source);
        break;
    case TMove::SendHome:
        if (const int home = HomeFor(table, move.Source); home >= 0) {
            table.MoveCards(move.Source, table.Size(move.Source) - 1, home);
            if (move.Source != Waste) table.TurnUpTop(move.Source);
            RefillWaste(table);
        }
        break;
    case TMove::Press:
        break;
    }
}

// --- The rules ---

void TKlondikeSolver::Moves(const TSolverTable& table, TMoves& out) const {
    // The default list, made faster: a column lifts the face-up run at its
    // top from any card, the waste its top card; one card goes home at a time.
    out.clear();
    for (int s = 0; s < table.PileCount(); ++s) {
        const int n = table.Size(s);
        if (n == 0) continue;
        if (s == Waste || role_[static_cast<std::size_t>(s)] == Column) {
            int from = n - 1;
            if (s != Waste && table.Card(s, n - 1)->FaceUp)
                while (from > 0 && table.Card(s, from - 1)->FaceUp && Rules::DownAlternate(table.Card(s, from), table.Card(s, from - 1)))
                    --from;
            for (int i = from; i < n; ++i) {
                const TCard* card = table.Card(s, i);
                for (int target : DropOrder) {
                    if (target == s) continue;
                    const TCard* top = table.Top(target);
                    // The colours are asked only of a card one lower than the column's top.
                    const bool takes = role_[static_cast<std::size_t>(target)] == Column
                                           ? (top == nullptr || top->Value == card->Value + 1) && ColumnTakes(card, top)
                                           : i == n - 1 && Rules::UpSameSuitFromAce(card, top);
                    if (takes) out.push_back(TMove::DropOn(s, i, target));
                }
            }
        }
        if (const int home = HomeFor(table, s); home >= 0) out.push_back(TMove::Home(s, n - 1, home));
    }
    if (StockTurnChanges(table)) out.push_back(TMove::Stock(Stock));
}

bool TKlondikeSolver::MayLift(const TSolverTable& table, int pile, int index) const {
    const int top = table.Size(pile) - 1;
    if (pile == Waste) return index == top;
    return role_[static_cast<std::size_t>(pile)] == Column &&
           (index == top || Rules::IsRun(table.Pile(pile), index, Rules::DownAlternate));
}

bool TKlondikeSolver::Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const {
    switch (role_[static_cast<std::size_t>(target)]) {
    case Column:
        return ColumnTakes(bottom, table.Top(target));
    case Foundation:
        return count == 1 && Rules::UpSameSuitFromAce(bottom, table.Top(target));
    default:
        return false;
    }
}

int TKlondikeSolver::HomeFor(const TSolverTable& table, int pile) const {
    if (pile != Waste && role_[static_cast<std::size_t>(pile)] != Column) return -1;
    const TCard* card = table.Top(pile);
    if (card == nullptr || !card->FaceUp) return -1;
    // An Ace goes to the first empty foundation, any other card onto its suit.
    for (int f : Foundations)
        if (Rules::UpSameSuitFromAce(card, table.Top(f))) return f;
    return -1;
}

bool TKlondikeSolver::StockTurnChanges(const TSolverTable& table) const {
    if (!table.Empty(Stock)) return true;
    const bool spent = oneTurnOver_ && DrawCount(table) == 1 && table.Counter[TurnOverSpentCounter] != 0;
    return !spent && !(table.Empty(Waste) && table.Empty(store_));
}

// --- The search's guidance ---

namespace {
inline std::uint64_t Mix(std::uint64_t key, std::uint64_t value) {
    key ^= value + 0x9E3779B97F4A7C15ull + (key << 6) + (key >> 2);
    return key * 0xFF51AFD7ED558CCDull;
}
} // namespace

std::uint64_t TKlondikeSolver::Key(const TSolverTable& table) const {
    // Columns are alike and so are foundations: a position is the same with
    // its columns in another order, its foundations by their top cards.
    std::array<std::uint64_t, TSolverTable::MaxPiles> columns{};
    std::size_t n = 0;
    for (int c : Columns) columns[n++] = table.PileKey(c);
    std::sort(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(n));
    std::array<int, TSolverTable::MaxPiles> tops{};
    std::size_t m = 0;
    for (int f : Foundations) tops[m++] = table.Empty(f) ? -1 : CardCode(table.Top(f));
    std::sort(tops.begin(), tops.begin() + static_cast<std::ptrdiff_t>(m));
    std::uint64_t key = Mix(Mix(table.PileKey(Stock), table.PileKey(Waste)), table.PileKey(store_));
    for (std::size_t i = 0; i < n; ++i) key = Mix(key, columns[i]);
    for (std::size_t i = 0; i < m; ++i) key = Mix(key, static_cast<std::uint64_t>(tops[i] + 1));
    for (std::int16_t c : table.Counter) key = Mix(key, static_cast<std::uint16_t>(c));
    return key;
}

int TKlondikeSolver::Score(const TSolverTable& table, const TMove& move) const {
    // The hint's ranking, and among the moves that turn a card up, the
    // column with more cards still face down first.
    int score = TSolverRules::Score(table, move);
    if (move.Type != TMove::StockTurn && move.Index > 0 && !table.Card(move.Source, move.Index - 1)->FaceUp) {
        int down = 0;
        while (down < move.Index && !table.Card(move.Source, down)->FaceUp) ++down;
        score += 20 * down;
    }
    // A card another card may still need goes home after the moves that
    // turn cards up.
    if (move.Type == TMove::SendHome && !Safe(table, table.Top(move.Source))) score -= 700;
    return score;
}

bool TKlondikeSolver::Safe(const TSolverTable& table, const TCard* card) const {
    if (card->Value <= FS_TWO) return true;
    // Every card that could land on it in a column is home already.
    int below = 0;
    for (int f : Foundations)
        if (const TCard* top = table.Top(f); top != nullptr && Rules::OtherColour(top, card) && top->Value + 1 >= card->Value)
            ++below;
    return below == 2 * decks_;
}

int TKlondikeSolver::SafeHomeColumn(const TSolverTable& table) const {
    for (int c : Columns)
        if (HomeFor(table, c) >= 0 && Safe(table, table.Top(c))) return c;
    return -1;
}

bool TKlondikeSolver::Prune(const TSolverTable& table, const TMove& /*last*/, const TMove& move) const {
    // A card that nothing needs any more goes home before anything else.
    if (const int safe = SafeHomeColumn(table); safe >= 0) return !(move.Type == TMove::SendHome && move.Source == safe);
    if (move.Type != TMove::Drop) return false;
    const Role to = role_[static_cast<std::size_t>(move.Target)];
    // A drop home is the double-click's move.
    if (to == Foundation) return true;
    const bool fromColumn = role_[static_cast<std::size_t>(move.Source)] == Column;
    if (table.Empty(move.Target)) {
        // A whole column into an empty one changes nothing; empty columns are alike.
        if (fromColumn && move.Index == 0) return true;
        for (int c : Columns) {
            if (c == move.Target) break;
            if (table.Empty(c)) return true;
        }
        return false;
    }
    // Cards moved from one card onto its twin in rank and colour only help
    // when the card they leave can go home.
    if (fromColumn && move.Index > 0) {
        const TCard* under = table.Card(move.Source, move.Index - 1);
        const TCard* onto = table.Top(move.Target);
        if (under->FaceUp && under->Value == onto->Value && !Rules::OtherColour(under, onto)) {
            for (int f : Foundations)
                if (Rules::UpSameSuitFromAce(under, table.Top(f))) return false;
            return true;
        }
    }
    return false;
}
