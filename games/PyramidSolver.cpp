#include "PyramidSolver.h"

#include "Rules.h"

#include <array>

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
    static constexpr std::array<std::int8_t, Positions> rows = [] {
        std::array<std::int8_t, Positions> out{};
        for (int p = 0, row = 1; p < Positions; ++p) {
            if ((row * (row + 1)) / 2 <= p) ++row;
            out[std::size_t(p)] = std::int8_t(row);
        }
        return out;
    }();
    return rows[std::size_t(position)];
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

void TPyramidSolver::Moves(const TSolverTable& table, TMoves& out) const {
    // The frame's list, built from the free cards alone: only they are
    // lifted, and only they (or the discard pile) take a card.
    out.clear();
    std::array<int, PileCount> free{};
    int frees = 0;
    for (int pile = 0; pile < Discard; ++pile)
        if (Free(table, pile)) free[std::size_t(frees++)] = pile;
    for (int i = 0; i < frees; ++i) {
        const int source = free[std::size_t(i)];
        const int top = table.Size(source) - 1;
        const TCard* card = table.Card(source, top);
        for (int j = 0; j < frees; ++j)
            if (j != i && Rules::PairsTo13(card, table.Top(free[std::size_t(j)])))
                out.push_back(TMove::DropOn(source, top, free[std::size_t(j)]));
        if (card->Value == FS_KING) {
            out.push_back(TMove::DropOn(source, top, Discard));
            out.push_back(TMove::Home(source, top, Discard));
        }
    }
    if (StockTurnChanges(table)) out.push_back(TMove::Stock(Deck));
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
    // The pyramid as a mask of its cards left, then the stock, the play
    // card and the waste card by card. The discard pile holds whatever the
    // others do not: its order does not count.
    std::uint64_t word = table.Counter[PassSlot];
    for (int p = 0; p < Positions; ++p) word = word << 1 | (table.Empty(p) ? 0u : 1u);
    std::uint64_t key = 0;
    auto mix = [&key](std::uint64_t w) {
        key = (key ^ w) * 0x9E3779B97F4A7C15ull;
        key ^= key >> 29;
    };
    mix(word);
    word = 1;
    for (int pile : {Deck, PlayCard, Waste}) {
        for (int i = 0; i < table.Size(pile); ++i) {
            if (word >> 57) {
                mix(word);
                word = 1;
            }
            word = word << 6 | static_cast<unsigned>(CardCode(table.Card(pile, i)));
        }
        word = word << 6 | 63u;
    }
    mix(word);
    return key;
}

namespace {

// The cards left, by rank, with where they lie.
struct TPlace {
    int Pile, Index;
};
struct TLeft {
    std::array<std::array<TPlace, 4>, 13> Cards{}; // one deck: four of each rank
    std::array<int, 13> Count{};

    explicit TLeft(const TSolverTable& table) {
        for (int p = 0; p < TPyramidSolver::Discard; ++p)
            for (int i = 0; i < table.Size(p); ++i) {
                const std::size_t value = std::size_t(table.Card(p, i)->Value);
                if (Count[value] < 4) Cards[value][std::size_t(Count[value]++)] = {p, i};
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
    std::array<std::uint32_t, 4> may{}; // the partners each low card may take, as a mask
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            const TPlace pa = left.Cards[low][std::size_t(a)], pb = left.Cards[high][std::size_t(b)];
            if (!Covers(table, pa, pb) && !Covers(table, pb, pa)) may[std::size_t(a)] |= 1u << b;
        }
    // Which sets of partners the first cards can take between them, one each.
    std::uint32_t reached = 1; // bit m: partner set m is possible
    for (int a = 0; a < n; ++a) {
        std::uint32_t next = 0;
        for (std::uint32_t m = 0; m < (1u << n); ++m)
            if (reached >> m & 1u)
                for (int b = 0; b < n; ++b)
                    if ((may[std::size_t(a)] >> b & 1u) && !(m >> b & 1u)) next |= 1u << (m | 1u << b);
        reached = next;
    }
    return reached != 0;
}

// The cards left that the card at `place` could ever pair with.
int Partners(const TSolverTable& table, const TLeft& left, TPlace place) {
    const std::size_t value = std::size_t(FS_QUEEN - table.Card(place.Pile, place.Index)->Value);
    int partners = 0;
    for (int k = 0; k < left.Count[value]; ++k) {
        const TPlace other = left.Cards[value][std::size_t(k)];
        if (!Covers(table, place, other) && !Covers(table, other, place)) ++partners;
    }
    return partners;
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
    std::array<int, Discard> free{};
    int frees = 0;
    for (int pile = 0; pile < Discard; ++pile)
        if (Free(table, pile)) free[std::size_t(frees++)] = pile;
    const TLeft left(table);
    for (int i = 0; i < frees; ++i) {
        const int a = free[std::size_t(i)];
        const TCard* card = table.Top(a);
        for (int j = i + 1; j < frees; ++j) {
            const int b = free[std::size_t(j)];
            if (!Rules::PairsTo13(card, table.Top(b))) continue;
            bool sure = true;
            for (std::size_t value : {std::size_t(card->Value), std::size_t(table.Top(b)->Value)})
                for (int k = 0; k < left.Count[value] && sure; ++k) {
                    const TPlace place = left.Cards[value][std::size_t(k)];
                    sure = place.Pile == a || place.Pile == b || (IsPyramid(place.Pile) && Free(table, place.Pile));
                }
            // Nor is anything lost when one of the two can pair with the other alone.
            const TPlace pa{a, table.Size(a) - 1}, pb{b, table.Size(b) - 1};
            if (sure || Partners(table, left, pa) == 1 || Partners(table, left, pb) == 1)
                return TMove::DropOn(a, table.Size(a) - 1, b);
        }
    }
    return {};
}

bool TPyramidSolver::Prune(const TSolverTable& table, const TMove&, const TMove& move) const {
    // What the position allows, worked out once for all of its moves.
    struct TVerdict {
        std::uint64_t Key = 0;
        bool Stuck = false;
        TMove Only; // the one move worth playing, if any
    };
    thread_local TVerdict verdict;
    if (const std::uint64_t key = Key(table); key != verdict.Key) {
        verdict = {key, Stuck(table), {}};
        // A free King goes first: it pairs with nothing and covers what it lies on.
        for (int pile : DragSources)
            if (HomeFor(table, pile) == Discard) {
                verdict.Only = TMove::Home(pile, table.Size(pile) - 1, Discard);
                break;
            }
        if (verdict.Only.Source < 0 && !verdict.Stuck) verdict.Only = SurePair(table);
    }
    if (verdict.Stuck) return true;
    // The last turn of the last pass only covers the waste with the play card.
    if (move.Type == TMove::StockTurn && table.Empty(Deck) && table.Counter[PassSlot] >= 3) return true;
    if (verdict.Only.Source >= 0) return !(move == verdict.Only);
    // A pair is listed from both of its cards: one of them is enough.
    return move.Type == TMove::Drop && move.Target < move.Source;
}
