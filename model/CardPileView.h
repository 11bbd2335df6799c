// Cards, piles of cards and the pile view that draws them. The card and pile
// classes are plain data; the view (table library) paints and drags them.
#pragma once

#include <cstdint>
#include <vector>

class QObject;

enum CardSuit : std::uint8_t { FS_CLUBS = 0, FS_SPADES = 1, FS_DIAMONDS = 2, FS_HEARTS = 3 };

enum CardValue : std::uint8_t {
    FS_ACE = 0,
    FS_TWO = 1,
    FS_THREE = 2,
    FS_FOUR = 3,
    FS_FIVE = 4,
    FS_SIX = 5,
    FS_SEVEN = 6,
    FS_EIGHT = 7,
    FS_NINE = 8,
    FS_TEN = 9,
    FS_JACK = 10,
    FS_QUEEN = 11,
    FS_KING = 12
};

// FS_SMALL cards are 61 x 95 pixels, FS_LARGE cards 80 x 125.
enum CardSize : std::uint8_t { FS_SMALL = 0, FS_LARGE = 1 };

// Index meaning "the top card" when reading and "append on top" when inserting.
constexpr int TOP_OF_PILE = 9999;

// The deal generator: state = state * 22695477 + 1 (mod 2^32), each draw is
// (state >> 16) & 32767. It seeds itself once per process from a source that
// does not repeat; tests seed it to deal known layouts.
void SeedRandom(std::uint32_t seed);
int NextRandom();

class TCard {
public:
    CardSuit Suit = FS_CLUBS;
    CardValue Value = FS_ACE;
    std::uint8_t Color = 0; // last result of GetCardColor: 0 black, 1 red
    bool FaceUp = false;

    TCard();
    TCard(CardSuit suit, CardValue value);
    TCard(CardSuit suit, CardValue value, int faceUp);
    virtual ~TCard();

    void Flip();
    int GetCardColor();

    // Class-wide card size; changing it swaps the loaded imagery.
    static void SetCardSize(CardSize size);
    static CardSize GetCardSize();
    // Class-wide index of the back drawn for face-down cards.
    static void SetBackIndex(int index);
    static int GetBackIndex();

    // The card model knows nothing about pictures. The imagery module installs
    // these functions so that constructing a card loads the pictures of the
    // current size, and changing the size frees and reloads them.
    struct ImageryHooks {
        void (*LoadCurrentSize)() = nullptr;   // load face and back lists (no-op when loaded)
        void (*FreeAll)() = nullptr;           // drop every class-wide image list
        void (*ReloadPileBitmaps)() = nullptr; // pile symbols at the current size
    };
    static void InstallImageryHooks(const ImageryHooks& hooks);

private:
    static void EnsureImagery();
};

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
