// Small card predicates shared by every game: drag checks, the double-click
// move and autoplay all ask the same questions, so each is written once.
#pragma once

#include "CardPileView.h"

namespace Rules {

inline bool OtherColour(TCard* a, TCard* b) { return a->GetCardColor() != b->GetCardColor(); }

// `card` is one value below `onto` (an Ace is below a Two, nothing is below an Ace).
inline bool OneLower(const TCard* card, const TCard* onto) { return card->Value + 1 == onto->Value; }

// Tableau building: one lower and the other colour.
inline bool DownAlternate(TCard* card, TCard* onto) { return OtherColour(card, onto) && OneLower(card, onto); }

// Tableau building: one lower, same suit.
inline bool DownSameSuit(const TCard* card, const TCard* onto) {
    return card->Suit == onto->Suit && OneLower(card, onto);
}

// Foundation building: Ace on an empty foundation, else same suit one higher.
inline bool UpSameSuitFromAce(const TCard* card, const TCard* top) {
    if (top == nullptr) return card->Value == FS_ACE;
    return card->Suit == top->Suit && top->Value + 1 == card->Value;
}

// From position `from` to the top, every card is face up and each next card
// is one lower in the other colour: a run that may be lifted together.
inline bool IsAlternateRun(const TCardPile& pile, int from) {
    const int n = static_cast<int>(pile.Cards.size());
    if (from < 0 || from >= n || !pile.Cards[static_cast<std::size_t>(from)]->FaceUp) return false;
    for (int i = from; i + 1 < n; ++i)
        if (!DownAlternate(pile.Cards[static_cast<std::size_t>(i + 1)], pile.Cards[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

} // namespace Rules
