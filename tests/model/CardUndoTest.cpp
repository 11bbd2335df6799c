// The undo history over real pile views.
#include "CardUndo.h"

#include <QAction>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CardUndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        deck.AddDeck();
        undo.MenuItem = &menu;
        menu.setEnabled(false);
        undo.Beep = [this] { ++beeps; };
    }
    void TearDown() override {
        a.Pile->Empty(false);
        b.Pile->Empty(false);
        deck.Empty(true);
    }
    TCard* Card(int i) { return deck.Cards[static_cast<std::size_t>(i)]; }
    void Put(TCardPileView& view, std::initializer_list<int> cards) {
        for (int i : cards) view.Pile->AddCard(Card(i));
    }
    std::vector<TCard*> Cards(std::initializer_list<int> cards) {
        std::vector<TCard*> out;
        for (int i : cards) out.push_back(Card(i));
        return out;
    }

    TCardPile deck;
    TCardPileView a, b;
    QAction menu{nullptr};
    TCardUndo undo;
    int beeps = 0;
};

} // namespace

TEST_F(CardUndoTest, ARunIsReturnedInOrderAndTheCommandFollowsTheHistory) {
    Put(a, {0, 1, 2, 3, 4});
    Put(b, {10});
    // The game moved cards 2-4 to B (as a drag does) and records the DragPile.
    TCardPile dragged;
    for (int i : {2, 3, 4}) {
        a.Pile->RemoveCard(Card(i));
        b.Pile->AddCard(Card(i));
        dragged.AddCard(Card(i));
    }
    undo.RecordPileMove(&a, &b, &dragged);
    dragged.Empty(false); // the record keeps its own copy
    EXPECT_TRUE(menu.isEnabled());
    EXPECT_EQ(undo.RecordCount(), 1);

    undo.PeekLast();
    EXPECT_EQ(undo.LastSource, &a);
    EXPECT_EQ(undo.LastTarget, &b);
    EXPECT_EQ(undo.LastPile->Cards, Cards({2, 3, 4}));
    EXPECT_EQ(undo.RecordCount(), 1);

    undo.UndoLast();
    EXPECT_EQ(a.Pile->Cards, Cards({0, 1, 2, 3, 4}));
    EXPECT_EQ(b.Pile->Cards, Cards({10}));
    EXPECT_EQ(undo.LastPile->Cards, Cards({2, 3, 4})); // kept until DropLast
    EXPECT_TRUE(menu.isEnabled());
    undo.DropLast();
    EXPECT_EQ(undo.LastPile, nullptr);
    EXPECT_FALSE(menu.isEnabled());
    EXPECT_EQ(beeps, 0);

    // On an empty history both only disable the command.
    menu.setEnabled(true);
    undo.UndoLast();
    EXPECT_FALSE(menu.isEnabled());
    EXPECT_EQ(undo.LastSource, nullptr);
    menu.setEnabled(true);
    undo.DropLast();
    EXPECT_FALSE(menu.isEnabled());
}

TEST_F(CardUndoTest, TurnUpRecordIsMetFirstAndLeavesThePileAsItWas) {
    Put(a, {0, 1});
    Put(b, {20});
    // Move card 1 to B, then turn up card 0 left on A.
    a.Pile->RemoveCard(Card(1));
    b.Pile->AddCard(Card(1));
    undo.RecordCardMove(&a, &b, Card(1));
    Card(0)->FaceUp = true;
    undo.RecordCardMove(&a, &a, Card(0));

    // The game's undo: the turn-up first, then the move.
    undo.PeekLast();
    ASSERT_EQ(undo.LastSource, undo.LastTarget);
    undo.UndoLast();
    EXPECT_EQ(a.Pile->Cards, Cards({0}));
    undo.LastPile->Cards[0]->FaceUp = false;
    undo.DropLast();
    EXPECT_TRUE(menu.isEnabled());
    undo.UndoLast();
    undo.DropLast();
    EXPECT_EQ(a.Pile->Cards, Cards({0, 1}));
    EXPECT_EQ(b.Pile->Cards, Cards({20}));
    EXPECT_FALSE(Card(0)->FaceUp);
    EXPECT_FALSE(menu.isEnabled());
}

TEST_F(CardUndoTest, CardsThatMovedOnAreStillReturned) {
    Put(a, {5});
    undo.RecordCardMove(&a, &b, Card(5));
    a.Pile->RemoveCard(Card(5));
    TCardPileView c;
    c.Pile->AddCard(Card(5)); // the game moved it on without recording
    undo.UndoLast();
    EXPECT_EQ(a.Pile->Cards, Cards({5}));
    EXPECT_TRUE(b.Pile->Cards.empty());
    c.Pile->Empty(false);
}

TEST_F(CardUndoTest, ClearForgetsRecordsButNotCards) {
    Put(a, {0, 1, 2});
    TCardPile run;
    run.AddCard(Card(1));
    run.AddCard(Card(2));
    undo.RecordPileMove(&a, &b, &run);
    undo.RecordCardMove(&b, &a, Card(0));
    undo.PeekLast();
    undo.Clear();
    EXPECT_EQ(undo.RecordCount(), 0);
    EXPECT_TRUE(undo.MovedPiles.empty());
    EXPECT_EQ(undo.LastPile, nullptr);
    EXPECT_EQ(undo.LastSource, nullptr);
    EXPECT_FALSE(menu.isEnabled());
    // The cards are untouched and alive (the sanitizers would catch a free).
    EXPECT_EQ(a.Pile->Cards, Cards({0, 1, 2}));
    EXPECT_EQ(run.Cards, Cards({1, 2}));
    for (TCard* card : a.Pile->Cards) card->Flip();
    run.Empty(false);
}

TEST_F(CardUndoTest, MismatchedListsBeep) {
    Put(a, {0});
    undo.RecordCardMove(&a, &b, Card(0));
    // DropLast without UndoLast leaves a source without its pile.
    undo.DropLast();
    EXPECT_EQ(beeps, 0);
    undo.RecordCardMove(&a, &b, Card(0));
    EXPECT_EQ(beeps, 1);
    undo.UndoLast();
    EXPECT_EQ(beeps, 2);
}

// Actions group records: the newest action's size follows undo, unmarked
// records count one each, and an action that made no record adds nothing.
TEST_F(CardUndoTest, ActionsGroupTheirRecords) {
    Put(a, {0, 1, 2, 3, 4});
    auto move = [&] {
        TCard* card = a.Pile->CardAt(TOP_OF_PILE);
        a.Pile->RemoveCard(card);
        b.Pile->AddCard(card);
        undo.RecordCardMove(&a, &b, card);
    };
    EXPECT_EQ(undo.LastActionSize(), 0);
    move(); // before any mark
    EXPECT_EQ(undo.LastActionSize(), 1);
    undo.BeginAction();
    move();
    move();
    move();
    EXPECT_EQ(undo.LastActionSize(), 3);
    undo.BeginAction(); // an action that recorded nothing
    EXPECT_EQ(undo.LastActionSize(), 3);
    undo.BeginAction();
    move();
    EXPECT_EQ(undo.LastActionSize(), 1);
    for (int i = 0; i < 2; ++i) {
        undo.UndoLast();
        undo.DropLast();
    }
    EXPECT_EQ(undo.LastActionSize(), 2); // the rest of the three-record action
    undo.Clear();
    move();
    EXPECT_EQ(undo.LastActionSize(), 1);
    EXPECT_EQ(beeps, 0);
}
