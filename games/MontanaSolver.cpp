#include "MontanaSolver.h"

#include "Rules.h"

#include <array>

namespace {
constexpr int kRows = TMontanaSolver::Rows, kColumns = TMontanaSolver::Columns;

const TCard* CardAt(const TSolverTable& table, int position) { return table.Top(position); }

} // namespace

// Where each card lies on the grid, by card code (-1: not on the grid).
struct TMontanaSolver::TWhere {
    std::array<std::int8_t, 52> At;
    explicit TWhere(const TSolverTable& table) {
        At.fill(-1);
        for (int i = 0; i < Positions; ++i)
            if (const TCard* card = CardAt(table, i)) At[std::size_t(CardCode(card))] = std::int8_t(i);
    }
    int Of(int suit, int value) const { return At[std::size_t(suit * 13 + value)]; }
};

// --- Deal: column by column, rows 1 to 4, then the Aces out ---

TSolverTable TMontanaSolver::Deal(std::uint32_t number) const {
    const std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 1);
    TSolverTable table(Positions + 1);
    std::size_t next = deck.size();
    std::vector<const TCard*> grid(Positions);
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < kRows; ++r) grid[std::size_t(kColumns * r + c)] = deck[--next];
    for (int i = 0; i < Positions; ++i) {
        const TCard* card = SolverCard(CardCode(grid[std::size_t(i)]), true);
        if (card->Value != FS_ACE) table.Push(i, card);
    }
    for (int i = 0; i < Positions; ++i)
        if (grid[std::size_t(i)]->Value == FS_ACE) table.Push(Aces, SolverCard(CardCode(grid[std::size_t(i)]), true));
    return table;
}

// --- The rules ---

bool TMontanaSolver::Fits(const TSolverTable& table, const TCard* card, int gap) {
    if (gap % kColumns == 0) return card->Value == FS_TWO;
    return Rules::FitsAfter(card, CardAt(table, gap - 1));
}

int TMontanaSolver::KeptLength(const TSolverTable& table, int row) {
    const TCard* first = CardAt(table, kColumns * row);
    if (first == nullptr || first->Value != FS_TWO) return 0;
    int length = 1;
    for (int c = 1; c < kColumns; ++c) {
        const TCard* card = CardAt(table, kColumns * row + c);
        if (card == nullptr || !Rules::FitsAfter(card, CardAt(table, kColumns * row + c - 1))) break;
        ++length;
    }
    return length;
}

int TMontanaSolver::Sequence(const TSolverTable& table) {
    int count = 0;
    for (int r = 0; r < kRows; ++r) count += KeptLength(table, r);
    return count;
}

bool TMontanaSolver::Won(const TSolverTable& table) const {
    const int score = Sequence(table);
    return atLeast_ ? score >= winScore_ : score == winScore_;
}

int TMontanaSolver::AutomaticTarget(const TSolverTable& table, int position) {
    return AutomaticTarget(table, TWhere(table), position);
}

int TMontanaSolver::AutomaticTarget(const TSolverTable& table, const TWhere& where, int position) {
    const TCard* card = CardAt(table, position);
    if (card == nullptr) return -1;
    if (card->Value == FS_TWO) {
        // The first gap of column 1, top to bottom.
        for (int r = 0; r < kRows; ++r)
            if (table.Empty(kColumns * r)) return kColumns * r;
        return -1;
    }
    // The one gap it fits: right of the card below it in its suit, past column 1.
    const int below = where.Of(card->Suit, card->Value - 1);
    if (below < 0 || (below + 1) % kColumns == 0) return -1;
    return table.Empty(below + 1) && Fits(table, card, below + 1) ? below + 1 : -1;
}

int TMontanaSolver::GapFiller(const TSolverTable& table, int gap) { return GapFiller(table, TWhere(table), gap); }

int TMontanaSolver::GapFiller(const TSolverTable& table, const TWhere& where, int gap) {
    if (gap < 0 || gap >= Positions || !table.Empty(gap)) return -1;
    if (gap % kColumns == 0) {
        // The 2 that the 3 on the right asks for, else the first 2 not yet in column 1.
        const TCard* right = CardAt(table, gap + 1);
        if (right != nullptr && right->Value == FS_THREE) return where.Of(right->Suit, FS_TWO);
        int first = -1;
        for (int suit = FS_CLUBS; suit <= FS_HEARTS; ++suit)
            if (const int at = where.Of(suit, FS_TWO); at >= 0 && at % kColumns != 0 && (first < 0 || at < first)) first = at;
        return first;
    }
    const TCard* left = CardAt(table, gap - 1);
    if (left == nullptr || left->Value == FS_KING) return -1;
    return where.Of(left->Suit, left->Value + 1);
}

void TMontanaSolver::Moves(const TSolverTable& table, TMoves& out) const {
    out.clear();
    const TWhere where(table);
    for (int i = 0; i < Positions; ++i)
        if (const int gap = AutomaticTarget(table, where, i); gap >= 0) out.push_back(TMove::PressOn(i, 0, gap));
    for (int gap = 0; gap < Positions; ++gap)
        if (const int from = GapFiller(table, where, gap); from >= 0) out.push_back(TMove::PressOn(gap, -1, from));
}

// --- The moves' effects ---

void TMontanaSolver::Play(TSolverTable& table, const TMove& move) const {
    if (move.Index >= 0) {
        const int gap = move.Target >= 0 ? move.Target : AutomaticTarget(table, move.Source);
        if (gap >= 0) table.MoveCards(move.Source, 0, gap);
    } else {
        const int from = move.Target >= 0 ? move.Target : GapFiller(table, move.Source);
        if (from >= 0) table.MoveCards(from, 0, move.Source);
    }
}

// --- The search ---

int TMontanaSolver::Score(const TSolverTable& table, const TMove& move) const {
    if (move.Source < 0 || move.Target < 0) return 100;
    // The card's place and the gap it goes to, whichever of them was pressed.
    const bool gapPressed = move.Index < 0;
    const int from = gapPressed ? move.Target : move.Source, to = gapPressed ? move.Source : move.Target;
    const int fromRow = from / kColumns, fromColumn = from % kColumns;
    int score = 100;
    if (to % kColumns == KeptLength(table, to / kColumns)) score += 500;
    // The card joins the one to the right of the gap.
    if (to % kColumns + 1 < kColumns)
        if (const TCard* right = CardAt(table, to + 1); right != nullptr && Rules::FitsAfter(right, CardAt(table, from)))
            score += 100;
    if (fromColumn < KeptLength(table, fromRow)) score -= 300;
    if (fromColumn > 0)
        if (const TCard* left = CardAt(table, from - 1); left != nullptr && left->Value == FS_KING) score -= 50;
    // The same card into the same gap is listed once more from the gap: offer it once.
    if (gapPressed && AutomaticTarget(table, from) == move.Source) score -= 1000;
    return score;
}

bool TMontanaSolver::Prune(const TSolverTable& table, const TMove&, const TMove& move) const {
    // A press on a gap that pulls in the card a press on that card would send there.
    return move.Index < 0 && move.Target >= 0 && AutomaticTarget(table, move.Target) == move.Source;
}
