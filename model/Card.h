// The card: suit, value and face, and the class-wide card size and back.
// Plain data with no widget behind it, so the rules and a search over tables
// can use it anywhere; drawing a card is declared here and defined in the
// table library.
#pragma once

#include <QPoint>
#include <cstdint>

class QImage;
class QPainter;
class QPixmap;
class TImageList;

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

// What an empty pile view shows.
enum PileBitmap : std::uint8_t { FS_BLANK = 0, FS_RECYCLE = 1, FS_EMPTY = 2 };

// How a pile view fills the area its cards leave uncovered: its own colour,
// or the part of the table picture that lies under it.
enum BackgroundType : std::uint8_t { FS_NORMAL = 0, FS_BITMAP = 1 };

// Index meaning "the top card" when reading and "append on top" when inserting.
constexpr int TOP_OF_PILE = 9999;

// The deal generator: state = state * 22695477 + 1 (mod 2^32), each draw is
// (state >> 16) & 32767. It seeds itself once per process from a source that
// does not repeat; tests seed it to deal known layouts.
void SeedRandom(std::uint32_t seed);
int NextRandom();
// The generator's state now: given to SeedRandom, it repeats the draws that
// come next. A deal's number is this state just before its shuffle.
std::uint32_t RandomSeed();

class TCard {
public:
    CardSuit Suit = FS_CLUBS;
    CardValue Value = FS_ACE;
    mutable std::uint8_t Color = 0; // last result of GetCardColor: 0 black, 1 red
    bool FaceUp = false;

    TCard();
    TCard(CardSuit suit, CardValue value);
    TCard(CardSuit suit, CardValue value, int faceUp);
    // A card that loads no pictures: for copies of a table that are never
    // drawn (the solver's), which may live on any thread.
    struct NoImagery {};
    TCard(CardSuit suit, CardValue value, bool faceUp, NoImagery);
    virtual ~TCard();

    void Flip();
    int GetCardColor() const;

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

    // Card size in pixels for the current size (80 x 125 or 61 x 95).
    static int GetCardWidth() { return GetCardSize() == FS_SMALL ? 61 : 80; }
    static int GetCardHeight() { return GetCardSize() == FS_SMALL ? 95 : 125; }

    // --- Imagery (defined in the table library) ---
    // Build the face and back lists of large or small cards from the program's
    // resources, once: they do nothing while the lists are loaded.
    static void LoadCardBitmaps();
    static void LoadSmallCardBitmaps();
    // Drop the face, back and pile-symbol lists; the next use loads them again.
    static void FreeCardBitmaps();
    // The shared lists of the current size, loaded on first use.
    static TImageList* GetCardImageList();
    static TImageList* GetBackImageList();
    // Draws this card with its top-left corner at `at`: the face when FaceUp,
    // otherwise the back chosen by GetBackIndex (back 0 when the list has no
    // such entry). The rounded corners leave the canvas untouched.
    void DrawCardOnCanvas(QPoint at, QPainter& canvas) const;
    // Copies the card's face picture (whatever FaceUp says) into `bitmap`.
    void GetCardBitmap(QPixmap& bitmap) const;
    // Composes a custom back from `picture` (stretched inside the blank card
    // frame, corners cut by the frame's mask) and stores it as entry 3 of the
    // back list of the current size, adding or replacing it. With `select`
    // the back index becomes 3. Returns false, changing nothing, for an empty
    // picture. A size change drops the custom back; compose it again then.
    static bool SetCustomBack(const QImage& picture, bool select = false);
    // Resolution of the loaded art: 1 or 2 device pixels per pixel. 0 (the
    // default) follows the screen: 2 when its device pixel ratio is above 1.
    // Changing it reloads the lists (and drops a custom back).
    static void SetImageryScale(int scale);
    static int GetImageryScale();

private:
    static void EnsureImagery();
};
