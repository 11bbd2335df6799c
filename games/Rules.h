// Card predicates shared by every game: drag checks, the double-click move
// and autoplay all ask the same questions, so each is written once. Every
// predicate is pure and takes the moving card first, then the card it would
// land on (null for an empty pile where that matters).
#pragma once

#include "CardPile.h"

#include <cstddef>

namespace Rules {

inline bool OtherColour(const TCard* a, const TCard* b) { return a->GetCardColor() != b->GetCardColor(); }

// `card` is one value below `onto` (an Ace is below a Two, nothing is below an Ace).
inline bool OneLower(const TCard* card, const TCard* onto) { return card->Value + 1 == onto->Value; }

// One value below with ranks wrapping: a King counts as one below an Ace.
inline bool OneLowerWrapping(const TCard* card, const TCard* onto) {
    return OneLower(card, onto) || (card->Value == FS_KING && onto->Value == FS_ACE);
}

// Tableau building: one lower, any suit.
inline bool DownAnySuit(const TCard* card, const TCard* onto) { return OneLower(card, onto); }

// Tableau building: one lower and the other colour.
inline bool DownAlternate(const TCard* card, const TCard* onto) { return OtherColour(card, onto) && OneLower(card, onto); }

// Tableau building: one lower, same suit.
inline bool DownSameSuit(const TCard* card, const TCard* onto) {
    return card->Suit == onto->Suit && OneLower(card, onto);
}

// Tableau building: one lower in another suit (a spade on a heart or on a club alike).
inline bool DownOtherSuit(const TCard* card, const TCard* onto) {
    return card->Suit != onto->Suit && OneLower(card, onto);
}

// Tableau building with wrap: the other colour and one lower, a King on an Ace.
inline bool DownAlternateWrapping(const TCard* card, const TCard* onto) {
    return OtherColour(card, onto) && OneLowerWrapping(card, onto);
}

// Foundation building: Ace on an empty foundation, else same suit one higher.
inline bool UpSameSuitFromAce(const TCard* card, const TCard* top) {
    if (top == nullptr) return card->Value == FS_ACE;
    return card->Suit == top->Suit && top->Value + 1 == card->Value;
}

// Foundation building from a chosen base rank: the base on an empty
// foundation, else same suit one higher, an Ace on a King. A foundation of
// `full` cards takes nothing more.
// `Pile` is a TCardPile or a solver table's pile: anything with Cards.
template <class Pile>
bool UpSameSuitFromBase(const TCard* card, const Pile& foundation, CardValue base, std::size_t full = 13) {
    if (foundation.Cards.size() >= full) return false;
    if (foundation.Cards.empty()) return card->Value == base;
    const TCard* top = foundation.Cards.back();
    return card->Suit == top->Suit && OneLowerWrapping(top, card);
}

// The ranks of the two cards add up to 13 (Ace 1 ... King 13).
inline bool PairsTo13(const TCard* a, const TCard* b) { return (a->Value + 1) + (b->Value + 1) == 13; }

// One value up or down, without wrapping between King and Ace.
inline bool OneUpOrDown(const TCard* card, const TCard* onto) {
    return OneLower(card, onto) || OneLower(onto, card);
}

// A card fits a gap when it has the suit of the card left of the gap and is
// one higher; a gap after a King, or with nothing left of it, fits nothing.
inline bool FitsAfter(const TCard* card, const TCard* left) {
    return left != nullptr && left->Value != FS_KING && card->Suit == left->Suit && left->Value + 1 == card->Value;
}

// From position `from` to the top every card is face up and each next card
// stands to the one below it as `follows(next, below)` says: a run that may
// be lifted together. A single face-up top card is a run. `Pile` is a
// window's TCardPile or a pile of the solver's table.
template <class Pile, class Follows> bool IsRun(const Pile& pile, int from, Follows follows) {
    const int n = static_cast<int>(pile.Cards.size());
    if (from < 0 || from >= n) return false;
    for (int i = from; i < n; ++i) {
        const TCard* card = pile.Cards[static_cast<std::size_t>(i)];
        if (!card->FaceUp) return false;
        if (i > from && !follows(card, pile.Cards[static_cast<std::size_t>(i - 1)])) return false;
    }
    return true;
}

} // namespace Rules
