#include "PyramidSolver.h"

#include "Rules.h"

#include <array>
#include <functional>

namespace {

constexpr int kRows = 7;

// The positions each position overlaps, directly or through the rows
// between: the cards that stay covered while it lies there.
const std::array<std::uint32_t, TPyramidSolver::Positions>& Covered() {
    static const std::array<std::uint32_t, TPyramidSolver::Positions> covered = [] {
        std::array<std::uint32_t, TPyramidSolver::Positions> out{};
        for (int p = 0; p < TPyramidSolver::Positions; ++p) {
            const int row = TPyramidSolver::RowOf(p), place = p - row * (row - 1) / 2 + 1;
            for (int r = 1; r < row; ++r)
                for (int c = place - (row - r); c <= place; ++c)
                    if (c >= 1 && c <= r) out[std::size_t(p)] |= 1u << (r * (r - 1) / 2 + c - 1);
        }
        return out;
    }();
    return covered;
}

bool IsPyramid(int pile) { return pile >= 0 && pile < TPyramidSolver::Positions; }

} // namespace

TPyramidSolver::TPyramidSolver() {
    for (int p = 0; p < Positions; ++p) DropOrder.push_back(p);
    DropOrder.insert(DropOrder.end(), {PlayCard, Waste, Discard});
    for (int p = 0; p < Positions; ++p) DragSources.push_back(p);
    DragSources.insert(DragSources.end(), {PlayCard, Waste});
    Foundations = {Discard};
    Stock = Deck;
}

int TPyramidSolver::RowOf(int position) {
    int row = 1;
    while (row * (row + 1) / 2 <= position) ++row;
    return row;
}

bool TPyramidSolver::Free(const TSolverTable& table, int pile) {
    if (table.Empty(pile)) return false;
    if (pile == PlayCard || pile == Waste) return true;
    if (!IsPyramid(pile)) return false;
    const int row = RowOf(pile);
    if (row == kRows) return true;
    // The two positions of the next row that overlap this one.
    const int below = pile + row;
    return table.Empty(below) && table.Empty(below + 1);
}

// --- Deal: the 28 positions from the stock's top, the rest stays the stock ---

TSolverTable TPyramidSolver::Deal(std::uint32_t number) const {
    std::vector<const TCard*> deck = TSolverTable::ShuffledDeck(number, 1);
    TSolverTable table(PileCount);
    for (int p = 0; p < Positions; ++p) {
        table.Push(p, SolverCard(CardCode(deck.back()), true));
        deck.pop_back();
    }
    for (const TCard* card : deck) table.Push(Deck, card);
    table.Counter[PassSlot] = 1;
    return table;
}

// --- The rules ---

bool TPyramidSolver::MayLift(const TSolverTable& table, int pile, int index) const {
    return (IsPyramid(pile) || pile == PlayCard || pile == Waste) && index == table.Size(pile) - 1 && Free(table, pile);
}

bool TPyramidSolver::Takes(const TSolverTable& table, int target, const TCard* bottom, int count) const {
    if (count != 1) return false;
    if (target == Discard) return bottom->Value == FS_KING;
    return Free(table, target) && Rules::PairsTo13(bottom, table.Top(target));
}

int TPyramidSolver::HomeFor(const TSolverTable& table, int pile) const {
    const bool kingClick = IsPyramid(pile) || pile == PlayCard || pile == Waste;
    return kingClick && Free(table, pile) && table.Top(pile)->Value == FS_KING ? Discard : -1;
}

bool TPyramidSolver::StockTurnChanges(const TSolverTable& table) const {
    // An empty stock on the third pass only sends the play card to the waste.
    return !table.Empty(Deck) || table.Counter[PassSlot] < 3 || !table.Empty(PlayCard);
}

// --- The moves' effects ---

void TPyramidSolver::Play(TSolverTable& table, const TMove& move) const {
    switch (move.Type) {
    case TMove::Drop:
        table.MoveCards(move.Source, table.Size(move.Source) - 1, Discard);
        if (move.Target != Discard) table.MoveCards(move.Target, table.Size(move.Target) - 1, Discard);
        break;
    case TMove::SendHome:
        table.MoveCards(move.Source, table.Size(move.Source) - 1, Discard);
        break;
    case TMove::StockTurn:
    case TMove::Press:
        if (!table.Empty(PlayCard)) table.MoveCards(PlayCard, table.Size(PlayCard) - 1, Waste);
        if (table.Empty(Deck)) {
            if (table.Counter[PassSlot] >= 3) break;
            // The redeal: the waste turned over is the stock again, and the
            // first card of the new pass comes up.
            table.TurnOver(Waste, table.Size(Waste), Deck, false);
            ++table.Counter[PassSlot];
        }
        table.TurnOver(Deck, 1, PlayCard, true);
        break;
    }
}

// --- The search ---

int TPyramidSolver::Score(const TSolverTable&, const TMove& move) const {
    // Removals first, those that clear pyramid cards (lower rows first)
    // before stock cards; the stock last.
    if (move.Type == TMove::StockTurn) return 0;
    int score = 1000;
    for (int pile : {move.Source, move.Type == TMove::Drop ? move.Target : -1})
        if (IsPyramid(pile)) score += 100 + 10 * RowOf(pile);
    return score;
}

std::uint64_t TPyramidSolver::Key(const TSolverTable& table) const {
    // The discard pile holds whatever the other piles do not: its order
    // does not count.
    std::uint64_t key = 14695981039346656037ull;
    auto mix = [&key](unsigned byte) {
        key ^= byte;
        key *= 1099511628211ull;
    };
    for (int p = 0; p < Discard; ++p) {
        for (int i = 0; i < table.Size(p); ++i) mix(static_cast<unsigned>(CardCode(table.Card(p, i))));
        mix(255u);
    }
    mix(static_cast<unsigned>(table.Counter[PassSlot]));
    return key;
}

namespace {

// The cards left, by rank, with where they lie.
struct TPlace {
    int Pile, Index;
};
struct TLeft {
    std::array<std::array<TPlace, 8>, 13> Cards{};
    std::array<int, 13> Count{};

    explicit TLeft(const TSolverTable& table) {
        for (int p = 0; p < TPyramidSolver::Discard; ++p)
            for (int i = 0; i < table.Size(p); ++i) {
                const std::size_t value = std::size_t(table.Card(p, i)->Value);
                if (Count[value] < 8) Cards[value][std::size_t(Count[value]++)] = {p, i};
            }
    }
};

// Whether the card at `a` stays on the card at `b` until `a` is gone, so
// that the two can never pair: a pyramid card over the positions it
// overlaps; on the last pass, a waste card over the waste cards beneath it.
bool Covers(const TSolverTable& table, TPlace a, TPlace b) {
    if (IsPyramid(a.Pile) && IsPyramid(b.Pile)) return Covered()[std::size_t(a.Pile)] >> b.Pile & 1u;
    return a.Pile == TPyramidSolver::Waste && b.Pile == TPyramidSolver::Waste && a.Index > b.Index &&
           table.Counter[TPyramidSolver::PassSlot] >= 3;
}

// Whether every card of one rank can have its own partner of the other.
bool Matches(const TSolverTable& table, const TLeft& left, std::size_t low, std::size_t high) {
    const int n = left.Count[low];
    if (n != left.Count[high]) return false;
    std::array<int, 8> partnerOf;
    partnerOf.fill(-1);
    // Augmenting paths over at most eight cards a side.
    std::function<bool(int, std::uint32_t&)> place = [&](int a, std::uint32_t& seen) {
        for (int b = 0; b < n; ++b) {
            const TPlace pa = left.Cards[low][std::size_t(a)], pb = left.Cards[high][std::size_t(b)];
            if ((seen >> b & 1u) || Covers(table, pa, pb) || Covers(table, pb, pa)) continue;
            seen |= 1u << b;
            if (partnerOf[std::size_t(b)] < 0 || place(partnerOf[std::size_t(b)], seen)) {
                partnerOf[std::size_t(b)] = a;
                return true;
            }
        }
        return false;
    };
    for (int a = 0; a < n; ++a) {
        std::uint32_t seen = 0;
        if (!place(a, seen)) return false;
    }
    return true;
}

} // namespace

bool TPyramidSolver::Stuck(const TSolverTable& table) {
    const TLeft left(table);
    for (std::size_t low = 0; low < 6; ++low)
        if (!Matches(table, left, low, std::size_t(FS_QUEEN) - low)) return true;
    return false;
}

TMove TPyramidSolver::SurePair(const TSolverTable& table) {
    // Two free cards that pair, when every other card of their two ranks
    // is a free pyramid card: any pairing of those stays possible, so
    // taking this one now loses nothing.
    const TLeft left(table);
    for (int a = 0; a < Discard; ++a) {
        if (!Free(table, a)) continue;
        const TCard* card = table.Top(a);
        if (card->Value == FS_KING) continue;
        for (int b = a + 1; b < Discard; ++b) {
            if (!Free(table, b) || !Rules::PairsTo13(card, table.Top(b))) continue;
            bool sure = true;
            for (std::size_t value : {std::size_t(card->Value), std::size_t(table.Top(b)->Value)})
                for (int k = 0; k < left.Count[value] && sure; ++k) {
                    const TPlace place = left.Cards[value][std::size_t(k)];
                    sure = place.Pile == a || place.Pile == b || (IsPyramid(place.Pile) && Free(table, place.Pile));
                }
            if (sure) return TMove::DropOn(a, table.Size(a) - 1, b);
        }
    }
    return {};
}

bool TPyramidSolver::Prune(const TSolverTable& table, const TMove&, const TMove& move) const {
    if (Stuck(table)) return true;
    // A free King goes first: it pairs with nothing and covers what it lies on.
    for (int pile : DragSources)
        if (HomeFor(table, pile) == Discard) return !(move.Type == TMove::SendHome && move.Source == pile);
    if (const TMove sure = SurePair(table); sure.Source >= 0) return !(move == sure);
    // A pair is listed from both of its cards: one of them is enough.
    return move.Type == TMove::Drop && move.Target < move.Source;
}
