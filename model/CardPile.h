// A pile of cards, bottom first, with the deck, its shuffle and the
// generator that deals. Plain data: no widget behind it.
#pragma once

#include "Card.h"

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
