// A pile of cards, bottom first, with the deck, its shuffle and the
// generator that deals. Plain data: no widget behind it.
#pragma once

#include "Card.h"

#include <utility>
#include <vector>

class QObject;

class TCardPile {
public:
    int Count = 0;              // refreshed only by GetCardCount
    std::vector<TCard*> Cards;  // index 0 is the bottom card

    TCardPile() = default;
    explicit TCardPile(QObject* owner);
    virtual ~TCardPile();

    TCardPile(const TCardPile&) = delete;
    TCardPile& operator=(const TCardPile&) = delete;

    void AddCard(TCard* card);
    void InsertCard(TCard* card, int index);
    void AddPile(const TCardPile* pile);
    void InsertPile(const TCardPile* pile, int index);
    void CopyPileTo(TCardPile* dest) const;
    void RemoveCard(TCard* card);
    // Null on an empty pile; TOP_OF_PILE gives the top card. Any other index
    // outside the pile throws std::out_of_range and changes nothing.
    TCard* CardAt(int index) const;
    int CardIndex(const TCard* card) const;
    void AddDeck();
    void Empty(bool freeCards);
    void Flip();
    void Shuffle();
    int GetCardCount();
};

// The shuffle of a deal: each position from the bottom up swaps with a
// random one at or above it. TCardPile::Shuffle and the solver's copy of a
// deal both use it, so they deal alike.
template <class T> void ShuffleCards(std::vector<T>& cards) {
    const int n = static_cast<int>(cards.size());
    for (int i = 0; i < n - 1; ++i) {
        const int j = i + NextRandom() % (n - i);
        std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(j)]);
    }
}
