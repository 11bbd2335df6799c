#include "CardPile.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_set>

namespace {
[[noreturn]] void IndexError(int index, std::size_t count) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + "), pile holds " +
                            std::to_string(count) + " cards");
}
} // namespace

TCardPile::TCardPile(QObject* /*owner*/) {}

TCardPile::~TCardPile() = default;

void TCardPile::AddCard(TCard* card) { Cards.push_back(card); }

void TCardPile::InsertCard(TCard* card, int index) {
    if (index == TOP_OF_PILE) {
        Cards.push_back(card);
        return;
    }
    if (index < 0 || static_cast<std::size_t>(index) > Cards.size()) IndexError(index, Cards.size());
    Cards.insert(Cards.begin() + index, card);
}

void TCardPile::AddPile(const TCardPile* pile) { InsertPile(pile, TOP_OF_PILE); }

void TCardPile::InsertPile(const TCardPile* pile, int index) {
    if (pile == nullptr) return;
    // Copy first: the pile may be inserted into itself.
    const std::vector<TCard*> source = pile->Cards;
    if (index != TOP_OF_PILE && (index < 0 || static_cast<std::size_t>(index) > Cards.size()))
        IndexError(index, Cards.size());
    // Each card, bottom first, goes to the same position, so at an index the
    // block lands in reverse order; appending keeps the order.
    for (TCard* card : source) InsertCard(card, index);
}

void TCardPile::CopyPileTo(TCardPile* dest) const {
    if (dest == nullptr) return;
    const std::vector<TCard*> source = Cards;
    dest->Cards.insert(dest->Cards.end(), source.begin(), source.end());
}

void TCardPile::RemoveCard(TCard* card) {
    auto it = std::find(Cards.begin(), Cards.end(), card);
    if (it != Cards.end()) Cards.erase(it);
}

TCard* TCardPile::CardAt(int index) const {
    if (Cards.empty()) return nullptr;
    if (index == TOP_OF_PILE) return Cards.back();
    if (index < 0 || static_cast<std::size_t>(index) >= Cards.size()) IndexError(index, Cards.size());
    return Cards[static_cast<std::size_t>(index)];
}

int TCardPile::CardIndex(const TCard* card) const {
    auto it = std::find(Cards.begin(), Cards.end(), card);
    return it == Cards.end() ? -1 : static_cast<int>(it - Cards.begin());
}

void TCardPile::AddDeck() {
    for (int value = FS_ACE; value <= FS_KING; ++value)
        for (int suit = FS_CLUBS; suit <= FS_HEARTS; ++suit)
            Cards.push_back(new TCard(static_cast<CardSuit>(suit), static_cast<CardValue>(value)));
}

void TCardPile::Empty(bool freeCards) {
    std::vector<TCard*> cards;
    cards.swap(Cards);
    if (!freeCards) return;
    // Top down; a card held twice by mistake is freed once.
    std::unordered_set<TCard*> freed;
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        if (*it != nullptr && freed.insert(*it).second) delete *it;
}

void TCardPile::Flip() {
    const int n = static_cast<int>(Cards.size());
    for (int i = n - 1; i >= 0; --i) {
        TCard* card = Cards[static_cast<std::size_t>(i)];
        Cards.erase(Cards.begin() + i);
        Cards.push_back(card);
        card->Flip();
    }
}

void TCardPile::Shuffle() { ShuffleCards(Cards); }

int TCardPile::GetCardCount() {
    Count = static_cast<int>(Cards.size());
    return Count;
}
