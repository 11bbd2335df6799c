#include "Card.h"

namespace {
CardSize currentSize = FS_LARGE;
int backIndex = 0;
TCard::ImageryHooks imagery;
} // namespace

TCard::TCard() { EnsureImagery(); }

TCard::TCard(CardSuit suit, CardValue value) : Suit(suit), Value(value) { EnsureImagery(); }

TCard::TCard(CardSuit suit, CardValue value, int faceUp) : Suit(suit), Value(value), FaceUp(faceUp != 0) {
    EnsureImagery();
}

TCard::TCard(CardSuit suit, CardValue value, bool faceUp, NoImagery)
    : Suit(suit), Value(value), Color(suit == FS_DIAMONDS || suit == FS_HEARTS ? 1 : 0), FaceUp(faceUp) {}

TCard::~TCard() = default;

void TCard::Flip() { FaceUp = !FaceUp; }

int TCard::GetCardColor() const {
    const std::uint8_t color = (Suit == FS_CLUBS || Suit == FS_SPADES) ? 0 : 1;
    // Written only when it changes, so that cards shared between threads
    // (which never change) are only read.
    if (Color != color) Color = color;
    return color;
}

void TCard::SetCardSize(CardSize size) {
    if (size == currentSize) return;
    if (imagery.FreeAll) imagery.FreeAll();
    currentSize = size;
    EnsureImagery();
    if (imagery.ReloadPileBitmaps) imagery.ReloadPileBitmaps();
}

CardSize TCard::GetCardSize() { return currentSize; }

void TCard::SetBackIndex(int index) { backIndex = index; }

int TCard::GetBackIndex() { return backIndex; }

void TCard::InstallImageryHooks(const ImageryHooks& hooks) { imagery = hooks; }

void TCard::EnsureImagery() {
    if (imagery.LoadCurrentSize) imagery.LoadCurrentSize();
}
