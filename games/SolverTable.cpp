#include "SolverTable.h"

#include "CardPile.h"

#include <algorithm>
#include <cassert>

const TCard* SolverCard(int code, bool faceUp) {
    // Built once, on first use, by whichever thread comes first (a static's
    // initialisation is thread-safe); read-only afterwards.
    static const std::vector<TCard> cards = [] {
        std::vector<TCard> all;
        all.reserve(104);
        for (int face = 0; face < 2; ++face)
            for (int code = 0; code < 52; ++code)
                all.emplace_back(static_cast<CardSuit>(code / 13), static_cast<CardValue>(code % 13), face == 1,
                                 TCard::NoImagery{});
        return all;
    }();
    return &cards[static_cast<std::size_t>(code + (faceUp ? 52 : 0))];
}

TSolverTable::TSolverTable(int piles) : piles_(piles) { assert(piles >= 0 && piles <= MaxPiles); }

TSolverTable::TPile TSolverTable::Pile(int pile) const {
    return {std::span<const TCard* const>(cards_.data() + At(pile, 0), static_cast<std::size_t>(Size(pile)))};
}

int TSolverTable::FaceUpRun(int pile) const {
    int run = 0;
    for (int i = Size(pile) - 1; i >= 0 && Card(pile, i)->FaceUp; --i) ++run;
    return run;
}

void TSolverTable::Push(int pile, const TCard* card) {
    assert(CardCount() < MaxCards);
    const std::size_t at = At(pile, Size(pile));
    const std::size_t end = static_cast<std::size_t>(CardCount());
    std::copy_backward(cards_.begin() + static_cast<std::ptrdiff_t>(at), cards_.begin() + static_cast<std::ptrdiff_t>(end),
                       cards_.begin() + static_cast<std::ptrdiff_t>(end + 1));
    cards_[at] = card;
    for (int p = pile + 1; p <= piles_; ++p) ++start_[static_cast<std::size_t>(p)];
}

const TCard* TSolverTable::Pop(int pile) {
    if (Empty(pile)) return nullptr;
    const std::size_t at = At(pile, Size(pile) - 1);
    const TCard* card = cards_[at];
    std::copy(cards_.begin() + static_cast<std::ptrdiff_t>(at + 1), cards_.begin() + CardCount(),
              cards_.begin() + static_cast<std::ptrdiff_t>(at));
    for (int p = pile + 1; p <= piles_; ++p) --start_[static_cast<std::size_t>(p)];
    return card;
}

void TSolverTable::MoveCards(int from, int index, int to) {
    if (from == to || index < 0 || index >= Size(from)) return;
    const int count = Size(from) - index;
    // The moving block rotates past the piles between the two places.
    auto base = cards_.begin();
    const std::ptrdiff_t first = static_cast<std::ptrdiff_t>(At(from, index));
    const std::ptrdiff_t last = first + count;
    if (from < to) {
        const std::ptrdiff_t dest = static_cast<std::ptrdiff_t>(At(to, Size(to)));
        std::rotate(base + first, base + last, base + dest);
        for (int p = from + 1; p <= to; ++p) start_[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(start_[static_cast<std::size_t>(p)] - count);
    } else {
        const std::ptrdiff_t dest = static_cast<std::ptrdiff_t>(At(to, Size(to)));
        std::rotate(base + dest, base + first, base + last);
        for (int p = to + 1; p <= from; ++p) start_[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(start_[static_cast<std::size_t>(p)] + count);
    }
}

void TSolverTable::TurnOver(int from, int count, int to, bool faceUp) {
    for (int i = 0; i < count && !Empty(from); ++i) {
        const TCard* card = Pop(from);
        Push(to, SolverCard(CardCode(card), faceUp));
    }
}

void TSolverTable::SetFace(int pile, int index, bool faceUp) {
    const TCard*& card = cards_[At(pile, index)];
    card = SolverCard(CardCode(card), faceUp);
}

bool TSolverTable::TurnUpTop(int pile) {
    if (Empty(pile) || Top(pile)->FaceUp) return false;
    SetFace(pile, Size(pile) - 1, true);
    return true;
}

namespace {
constexpr std::uint64_t kOffset = 14695981039346656037ull;
inline void Mix(std::uint64_t& key, unsigned byte) {
    key ^= byte;
    key *= 1099511628211ull;
}
inline unsigned Byte(const TCard* card) { return static_cast<unsigned>(CardCode(card)) + (card->FaceUp ? 64u : 0u); }
} // namespace

std::uint64_t TSolverTable::PileKey(int pile) const {
    std::uint64_t key = kOffset;
    for (int i = 0; i < Size(pile); ++i) Mix(key, Byte(Card(pile, i)));
    return key;
}

std::uint64_t TSolverTable::Key() const {
    std::uint64_t key = kOffset;
    for (int p = 0; p < piles_; ++p) {
        for (int i = 0; i < Size(p); ++i) Mix(key, Byte(Card(p, i)));
        Mix(key, 255u);
    }
    for (std::int16_t c : Counter) {
        Mix(key, static_cast<unsigned>(c) & 0xffu);
        Mix(key, (static_cast<unsigned>(c) >> 8) & 0xffu);
    }
    return key;
}

bool operator==(const TSolverTable& a, const TSolverTable& b) {
    if (a.piles_ != b.piles_ || a.start_ != b.start_ || a.Counter != b.Counter) return false;
    return std::equal(a.cards_.begin(), a.cards_.begin() + a.CardCount(), b.cards_.begin());
}

std::vector<const TCard*> TSolverTable::ShuffledDeck(std::uint32_t number, int decks) {
    // The window builds its deck with TCardPile::AddDeck: Aces first, each
    // value in the four suits, once per pack.
    std::vector<const TCard*> deck;
    for (int d = 0; d < decks; ++d)
        for (int value = FS_ACE; value <= FS_KING; ++value)
            for (int suit = FS_CLUBS; suit <= FS_HEARTS; ++suit) deck.push_back(SolverCard(suit * 13 + value, false));
    SeedRandom(number);
    ShuffleCards(deck);
    return deck;
}
