// TSolverTable: a compact copy of a game's table for the solver. Piles are
// numbered as the window's pile views (layout order), so the game's TMoves
// mean the same on the window and on this copy. Cards are shared, immutable
// TCard objects (one per code and face), so the card predicates of Rules.h
// apply to them as they do to the window's cards, on any thread.
#pragma once

#include "Card.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A card as a number: suit * 13 + value (0 to 51). Two decks' twins share it.
inline int CardCode(const TCard* card) { return card->Suit * 13 + card->Value; }
// The shared card of `code`, face up or down. Thread-safe; never freed.
const TCard* SolverCard(int code, bool faceUp);

class TSolverTable {
public:
    static constexpr int MaxCards = 104;
    static constexpr int MaxPiles = 64;
    static constexpr int MaxCounters = 8;

    // A pile as the predicates of Rules.h read one: bottom card first.
    struct TPile {
        std::span<const TCard* const> Cards;
    };

    // The game's counters (passes, turn-overs, a base rank, ...): each game
    // says what its slots mean. They count in the table's key.
    std::array<std::int16_t, MaxCounters> Counter{};

    explicit TSolverTable(int piles = 0);

    int PileCount() const { return piles_; }
    int CardCount() const { return start_[static_cast<std::size_t>(piles_)]; }
    int Size(int pile) const { return start_[static_cast<std::size_t>(pile) + 1] - start_[static_cast<std::size_t>(pile)]; }
    bool Empty(int pile) const { return Size(pile) == 0; }
    // Card `index` of `pile` (0 is the bottom card); Top is null on an empty pile.
    const TCard* Card(int pile, int index) const { return cards_[At(pile, index)]; }
    const TCard* Top(int pile) const { return Empty(pile) ? nullptr : Card(pile, Size(pile) - 1); }
    TPile Pile(int pile) const;
    // Face-up cards on top of `pile`, counted down from its top.
    int FaceUpRun(int pile) const;

    // Puts `card` on top of `pile`.
    void Push(int pile, const TCard* card);
    // Takes the top card off `pile` and returns it (null when empty).
    const TCard* Pop(int pile);
    // Moves the cards from `index` to the top of `from` onto `to`, in order.
    void MoveCards(int from, int index, int to);
    // Moves the top `count` cards of `from` one by one onto `to` (their
    // order reversed), each turned to `faceUp`: a stock turned onto a waste.
    void TurnOver(int from, int count, int to, bool faceUp);
    // Turns card `index` of `pile` to `faceUp`.
    void SetFace(int pile, int index, bool faceUp);
    // Turns up a face-down top card of `pile`; false when there was none.
    bool TurnUpTop(int pile);

    // A digest of every pile's cards and faces and of the counters.
    std::uint64_t Key() const;
    // The same digest of one pile alone (for games that sort piles).
    std::uint64_t PileKey(int pile) const;
    // Same piles, same cards and faces, same counters.
    friend bool operator==(const TSolverTable& a, const TSolverTable& b);

    // The shuffled deck of deal `number` as the window shuffles it (bottom
    // first; the top card is dealt first): `decks` packs in the order the
    // deck is built, shuffled by the generator seeded with `number`. Leaves
    // the calling thread's generator where the deal leaves it.
    static std::vector<const TCard*> ShuffledDeck(std::uint32_t number, int decks);

private:
    std::size_t At(int pile, int index) const {
        return static_cast<std::size_t>(start_[static_cast<std::size_t>(pile)] + index);
    }

    int piles_ = 0;
    std::array<std::uint8_t, MaxPiles + 1> start_{};
    std::array<const TCard*, MaxCards> cards_{};
};
