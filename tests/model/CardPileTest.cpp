#include "CardPileView.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <stdexcept>

namespace {
// Owns the cards a test creates and the pile under test.
struct Deck {
    TCardPile pile;
    Deck() { pile.AddDeck(); }
    ~Deck() { pile.Empty(true); }
};

std::pair<int, int> At(const TCardPile& pile, int i) {
    const TCard* c = pile.CardAt(i);
    return {c->Value, c->Suit};
}
} // namespace

TEST(CardPile, DeckOrderIsValueMajorClubsSpadesDiamondsHearts) {
    Deck deck;
    ASSERT_EQ(deck.pile.GetCardCount(), 52);
    EXPECT_EQ(deck.pile.Count, 52);
    EXPECT_EQ(At(deck.pile, 0), std::make_pair(0, int(FS_CLUBS)));
    EXPECT_EQ(At(deck.pile, 1), std::make_pair(0, int(FS_SPADES)));
    EXPECT_EQ(At(deck.pile, 2), std::make_pair(0, int(FS_DIAMONDS)));
    EXPECT_EQ(At(deck.pile, 3), std::make_pair(0, int(FS_HEARTS)));
    EXPECT_EQ(At(deck.pile, 4), std::make_pair(1, int(FS_CLUBS)));
    EXPECT_EQ(At(deck.pile, 51), std::make_pair(12, int(FS_HEARTS)));
    for (TCard* c : deck.pile.Cards) EXPECT_FALSE(c->FaceUp);
}

TEST(CardPile, GeneratorFollowsTheLinearCongruentialFormula) {
    SeedRandom(1);
    EXPECT_EQ(NextRandom(), 346);
    EXPECT_EQ(NextRandom(), 130);
    EXPECT_EQ(NextRandom(), 10982);
    EXPECT_EQ(NextRandom(), 1090);
    EXPECT_EQ(NextRandom(), 11656);
}

TEST(CardPile, KnownSeedGivesKnownShuffle) {
    Deck deck;
    SeedRandom(12345);
    deck.pile.Shuffle();
    // Worked out by hand from the generator and the forward exchange shuffle.
    const std::pair<int, int> head[] = {{3, 1}, {1, 3}, {5, 3}, {2, 3}, {6, 0}, {12, 3}};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(At(deck.pile, i), head[i]) << "position " << i;
    EXPECT_EQ(At(deck.pile, 49), std::make_pair(8, 2));
    EXPECT_EQ(At(deck.pile, 50), std::make_pair(3, 0));
    EXPECT_EQ(At(deck.pile, 51), std::make_pair(12, 2));

    std::set<TCard*> distinct(deck.pile.Cards.begin(), deck.pile.Cards.end());
    EXPECT_EQ(distinct.size(), 52u);

    // The same seed deals the same layout again.
    Deck again;
    SeedRandom(12345);
    again.pile.Shuffle();
    for (int i = 0; i < 52; ++i) EXPECT_EQ(At(again.pile, i), At(deck.pile, i));
}

TEST(CardPile, ShuffleOfTinyPilesDrawsNothing) {
    SeedRandom(7);
    const int firstDraw = NextRandom();
    TCardPile empty;
    SeedRandom(7);
    empty.Shuffle();
    TCard one(FS_HEARTS, FS_TWO);
    TCardPile single;
    single.AddCard(&one);
    single.Shuffle();
    EXPECT_EQ(single.CardAt(0), &one);
    EXPECT_EQ(NextRandom(), firstDraw);
}

TEST(CardPile, PilesNeverReseedTheGenerator) {
    SeedRandom(99);
    const int first = NextRandom();
    SeedRandom(99);
    TCardPile a, b; // constructing piles must not disturb the sequence
    EXPECT_EQ(NextRandom(), first);
}

TEST(CardPile, FlipReversesAndTurnsEveryCard) {
    TCard a(FS_CLUBS, FS_ACE, 1), b(FS_CLUBS, FS_TWO, 1), c(FS_CLUBS, FS_THREE, 1);
    TCardPile pile;
    pile.AddCard(&a);
    pile.AddCard(&b);
    pile.AddCard(&c);
    pile.Flip();
    ASSERT_EQ(pile.GetCardCount(), 3);
    EXPECT_EQ(pile.CardAt(0), &c);
    EXPECT_EQ(pile.CardAt(1), &b);
    EXPECT_EQ(pile.CardAt(2), &a);
    EXPECT_FALSE(a.FaceUp || b.FaceUp || c.FaceUp);
}

TEST(CardPile, AppendingAndInsertingPiles) {
    TCard a(FS_CLUBS, FS_ACE), x(FS_SPADES, FS_TWO), y(FS_HEARTS, FS_THREE);
    TCardPile source;
    source.AddCard(&x);
    source.AddCard(&y);

    TCardPile appended;
    appended.AddCard(&a);
    appended.AddPile(&source);
    EXPECT_EQ(appended.Cards, (std::vector<TCard*>{&a, &x, &y}));
    EXPECT_EQ(source.Cards, (std::vector<TCard*>{&x, &y}));

    TCardPile inserted;
    inserted.AddCard(&a);
    inserted.InsertPile(&source, 0);
    EXPECT_EQ(inserted.Cards, (std::vector<TCard*>{&y, &x, &a}));

    TCardPile self;
    self.AddCard(&x);
    self.AddPile(&self); // a pile appended to itself doubles once, no runaway
    EXPECT_EQ(self.Cards, (std::vector<TCard*>{&x, &x}));

    TCardPile copy;
    source.CopyPileTo(&copy);
    EXPECT_EQ(copy.Cards, source.Cards);
}

TEST(CardPile, IndexingTopAndOutOfRange) {
    TCardPile pile;
    EXPECT_EQ(pile.CardAt(TOP_OF_PILE), nullptr);
    EXPECT_EQ(pile.CardAt(0), nullptr);
    EXPECT_EQ(pile.CardAt(-5), nullptr);

    TCard a(FS_CLUBS, FS_ACE), b(FS_CLUBS, FS_TWO), c(FS_CLUBS, FS_THREE);
    pile.InsertCard(&a, TOP_OF_PILE);
    pile.InsertCard(&b, 0);
    pile.InsertCard(&c, 1);
    EXPECT_EQ(pile.Cards, (std::vector<TCard*>{&b, &c, &a}));
    EXPECT_EQ(pile.CardAt(TOP_OF_PILE), &a);
    EXPECT_EQ(pile.CardIndex(&c), 1);

    EXPECT_THROW(pile.CardAt(3), std::out_of_range);
    EXPECT_THROW(pile.CardAt(9998), std::out_of_range);
    EXPECT_THROW(pile.InsertCard(&a, 4), std::out_of_range);
    EXPECT_THROW(pile.InsertPile(&pile, -1), std::out_of_range);
    EXPECT_EQ(pile.Cards, (std::vector<TCard*>{&b, &c, &a}));

    TCard stranger(FS_HEARTS, FS_KING);
    EXPECT_EQ(pile.CardIndex(&stranger), -1);
    pile.RemoveCard(&stranger);
    pile.RemoveCard(&c);
    EXPECT_EQ(pile.Cards, (std::vector<TCard*>{&b, &a}));
    EXPECT_EQ(pile.Count, 0); // stale until GetCardCount
    EXPECT_EQ(pile.GetCardCount(), 2);
}

TEST(CardPile, EmptyFreesOnlyWhenAsked) {
    TCardPile owner, other;
    owner.AddDeck();
    owner.CopyPileTo(&other);
    owner.Empty(false);
    EXPECT_EQ(owner.GetCardCount(), 0);
    // The cards are still alive and reachable through the other pile.
    EXPECT_EQ(other.CardAt(51)->Value, FS_KING);
    // Freeing is checked for leaks and double frees under AddressSanitizer;
    // a card held twice is freed once.
    other.AddCard(other.CardAt(0));
    other.Empty(true);
    EXPECT_EQ(other.GetCardCount(), 0);
    other.Empty(true);
}
