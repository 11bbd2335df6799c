#include "SpiderSolver.h"

#include "Rules.h"

#include <algorithm>
#include <array>

namespace {
constexpr int kFullRun = 13;
} // namespace

TSpiderSolver::TSpiderSolver() {
    Stock = kStock;
    for (int f = 0; f < kFoundations; ++f) Foundations.push_back(kFirstFoundation + f);
    for (int c = 0; c < kColumns; ++c) Columns.push_back(kFirstColumn + c);
    DragSources = Columns;
    // Home first, as the drag's preset target is.
    DropOrder = Foundations;
    DropOrder.insert(DropOrder.end(), Columns.begin(), Columns.end());
}

TSolverTable TSpiderSolver::Deal(std::uint32_t number) const {
    const std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 2);
    TSolverTable table(kFirstColumn + kColumns);
    for (const TCard* card : deck) table.Push(kStock, card);
    // Rows 1-4 give every column a card, row 5 columns 1-4 only; each
    // column's last card lies face up.
    for (int row = 0; row < 5; ++row)
        for (int c = 0; c < (row < 4 ? kColumns : 4); ++c)
            table.TurnOver(kStock, 1, kFirstColumn + c, row == 4 || (row == 3 && c >= 4));
    table.Counter[kSameSuitCounter] = SameSuitDeals.load() ? 1 : 0;
    return table;
}

// --- The rules ---

bool TSpiderSolver::MayLift(const TSolverTable& table, int pile, int index) const {
    if (!IsColumn(pile)) return false;
    return table.Counter[kSameSuitCounter] != 0 ? Rules::IsRun(table.Pile(pile), index, Rules::DownSameSuit)
                                                : Rules::IsRun(table.Pile(pile), index, Rules::DownAnySuit);
}

bool TSpiderSolver::Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const {
    if (!IsColumn(target) || count <= 0) return false;
    const TCard* top = table.Top(target);
    return top == nullptr || Rules::DownAnySuit(bottom, top);
}

bool TSpiderSolver::Lands(const TSolverTable& table, int source, int index, int target) const {
    const int count = table.Size(source) - index;
    if (source == target || index < 0 || count <= 0) return false;
    if (IsFoundation(target))
        return table.Empty(target) && count == kFullRun && Rules::IsRun(table.Pile(source), index, Rules::DownSameSuit);
    return Takes(table, target, table.Card(source, index), count);
}

bool TSpiderSolver::StockTurnChanges(const TSolverTable& table) const {
    if (table.Empty(kStock)) return false;
    for (int c : Columns)
        if (table.Empty(c)) return false;
    return true;
}

void TSpiderSolver::Moves(const TSolverTable& table, TMoves& out) const {
    out.clear();
    for (int s : DragSources)
        for (int i = 0; i < table.Size(s); ++i) {
            if (!MayLift(table, s, i)) continue;
            for (int target : DropOrder)
                if (Lands(table, s, i, target)) out.push_back(TMove::DropOn(s, i, target));
        }
    if (StockTurnChanges(table)) out.push_back(TMove::Stock(kStock));
}

void TSpiderSolver::Play(TSolverTable& table, const TMove& move) const {
    if (move.Type == TMove::Drop) {
        table.MoveCards(move.Source, move.Index, move.Target);
        table.TurnUpTop(move.Source);
    } else if (move.Type == TMove::StockTurn && StockTurnChanges(table)) {
        for (int c : Columns)
            if (!table.Empty(kStock)) table.TurnOver(kStock, 1, c, true);
    }
}

// --- The search's guidance ---

int TSpiderSolver::SuitRun(const TSolverTable& table, int pile) {
    const int n = table.Size(pile);
    int from = n - 1;
    while (from > 0 && Rules::IsRun(table.Pile(pile), from - 1, Rules::DownSameSuit)) --from;
    return n == 0 ? 0 : n - from;
}

int TSpiderSolver::Score(const TSolverTable& table, const TMove& move) const {
    if (move.Type == TMove::StockTurn) return 0;
    if (move.Type != TMove::Drop) return 100;
    if (IsFoundation(move.Target)) return 5000;
    const TCard* bottom = table.Card(move.Source, move.Index);
    const TCard* onto = table.Top(move.Target);
    const int moved = table.Size(move.Source) - move.Index;
    int score = 1000;
    const bool sameSuit = onto != nullptr && onto->Suit == bottom->Suit;
    if (sameSuit) score += 200 + 10 * (SuitRun(table, move.Target) + moved);
    if (move.Index == 0) {
        if (onto != nullptr) score += 400; // empties a column
    } else {
        const TCard* under = table.Card(move.Source, move.Index - 1);
        if (!under->FaceUp) {
            score += 600; // turns a card up
        } else if (Rules::DownAnySuit(bottom, under) && (under->Suit == bottom->Suit || !sameSuit)) {
            // The run already lies on a card one higher: moving it gains
            // only when it leaves another suit for its own. Tried after the stock.
            return under->Suit == bottom->Suit ? -200 : -100;
        }
    }
    if (onto == nullptr) {
        // An empty column is precious: worth it to turn a card up, else
        // tried after the stock.
        const bool turnsUp = move.Index > 0 && !table.Card(move.Source, move.Index - 1)->FaceUp;
        return turnsUp ? score - 300 + moved : -300 + moved;
    }
    return score;
}

std::uint64_t TSpiderSolver::Key(const TSolverTable& table) const {
    // Foundations are interchangeable; so are columns once the stock, which
    // deals to each column its own card, is empty.
    std::array<std::uint64_t, kColumns + kFoundations> keys{};
    for (int c = 0; c < kColumns; ++c) keys[static_cast<std::size_t>(c)] = table.PileKey(kFirstColumn + c);
    for (int f = 0; f < kFoundations; ++f) {
        const TCard* top = table.Top(kFirstFoundation + f);
        keys[static_cast<std::size_t>(kColumns + f)] = top == nullptr ? 0 : 1 + static_cast<std::uint64_t>(top->Suit);
    }
    if (table.Empty(kStock)) std::sort(keys.begin(), keys.begin() + kColumns);
    std::sort(keys.begin() + kColumns, keys.end());
    std::uint64_t key = static_cast<std::uint64_t>(table.Size(kStock)) << 56;
    for (std::int16_t c : table.Counter) key = key * 0x100000001B3ull + static_cast<std::uint16_t>(c);
    for (std::uint64_t k : keys) key = (key ^ k) * 0x9E3779B97F4A7C15ull + (key >> 29);
    return key;
}

bool TSpiderSolver::Prune(const TSolverTable& table, const TMove&, const TMove& move) const {
    if (move.Type != TMove::Drop || IsFoundation(move.Target)) return false;
    if (table.Empty(move.Target) && table.Empty(kStock)) {
        // Once the stock is out, empty columns are all alike: the first
        // stands for them all, and a whole column gains nothing by moving.
        if (move.Index == 0) return true;
        for (int c = kFirstColumn; c < move.Target; ++c)
            if (table.Empty(c)) return true;
    }
    if (move.Index == 0) return false;
    const TCard* bottom = table.Card(move.Source, move.Index);
    const TCard* under = table.Card(move.Source, move.Index - 1);
    const TCard* onto = table.Top(move.Target);
    if (!under->FaceUp || !Rules::DownAnySuit(bottom, under)) return false;
    // A run that lies on a card of its own suit one higher stays there.
    if (under->Suit == bottom->Suit) return true;
    // Where runs lift in any suit, it moves onto another card one higher
    // only to join its own suit: the rest only trades places between alike
    // columns.
    return table.Counter[kSameSuitCounter] == 0 && onto != nullptr && onto->Suit != bottom->Suit;
}
