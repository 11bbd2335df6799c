// Klondike played through its real window: deal, stock, drags, double-clicks,
// autoplay and undo.
#include "GameTestSupport.h"
#include "KlondikeWindow.h"

#include <QAction>
#include <QRandomGenerator>
#include <memory>

using namespace GameTest;

namespace {

class KlondikeTest : public TWindowTest<TKlondikeForm> {
protected:
    KlondikeTest() : TWindowTest(2024) {}
};

} // namespace

TEST_F(KlondikeTest, DealsTheStaircaseSilently) {
    EXPECT_TRUE(sound.Names().isEmpty());
    for (int c = 1; c <= 7; ++c) {
        const TCardPileView* column = V(qPrintable(QStringLiteral("TableauPileView%1").arg(c)));
        ASSERT_EQ(column->Pile->Cards.size(), std::size_t(c));
        for (int i = 0; i < c; ++i) EXPECT_EQ(column->Pile->Cards[std::size_t(i)]->FaceUp, i == c - 1);
    }
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 24u);
    EXPECT_EQ(V("DeckPileView")->Hint, "24");
    EXPECT_TRUE(V("DeckPileView")->ShowHint);
    EXPECT_FALSE(V("RecyclePileView")->isVisible());
    EXPECT_EQ(form->windowTitle(), "Klondike");
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));

    // The deal order: round r gives columns r..7 one card each from the stock's top.
    const TCard* firstDealt = form->SavedDeck.Cards.back();
    EXPECT_EQ(V("TableauPileView1")->Pile->Cards[0], firstDealt);
    EXPECT_EQ(V("TableauPileView2")->Pile->Cards[0], form->SavedDeck.Cards[50]);
    EXPECT_EQ(V("TableauPileView2")->Pile->Cards[1], form->SavedDeck.Cards[51 - 7]);
}

TEST_F(KlondikeTest, NewGameShufflesAndRestartReplaysTheSameDeal) {
    Preferences().DoAnimation = true;
    const Snapshot first = Take(*form);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(sound.Names(), QStringList({"SHUFFLE", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL"}));
    const Snapshot second = Take(*form);
    EXPECT_NE(second, first);

    StockClick();
    sound.Clear();
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(sound.Names().first(), "RESTART");
    EXPECT_EQ(Take(*form), second);
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_F(KlondikeTest, DrawThreeCycleAndItsTwoStepUndo) {
    ASSERT_TRUE(form->DrawThreeOn);
    StockClick();
    EXPECT_EQ(V("DeckPileView")->Hint, "21");
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards.size(), 3u);
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_FALSE(form->DrawOne1->isEnabled()); // the draw mode is fixed for this deal
    EXPECT_EQ(sound.Names().last(), "STOCK");
    for (int i = 0; i < 7; ++i) StockClick();
    EXPECT_TRUE(V("DeckPileView")->Pile->Cards.empty());
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards.size(), 3u);
    EXPECT_EQ(V("RecyclePileView")->Pile->Cards.size(), 21u);
    EXPECT_EQ(V("DeckPileView")->State, FS_RECYCLE);
    const Snapshot beforeTurn = Take(*form);

    StockClick(); // turns the store and waste over and draws at once
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 21u);
    EXPECT_EQ(V("RecyclePileView")->Pile->Cards.size(), 0u);
    // The first card drawn in the first pass is drawn first again.
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards[0], form->SavedDeck.Cards[23]);
    EXPECT_TRUE(EveryCardOnce(*form));

    Undo();
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 24u);
    EXPECT_TRUE(V("DiscardPileView")->Pile->Cards.empty());
    for (const TCard* c : V("DeckPileView")->Pile->Cards) EXPECT_FALSE(c->FaceUp);
    Undo();
    EXPECT_EQ(Take(*form), beforeTurn);
    EXPECT_EQ(sound.Names().last(), "UNDO");
}

TEST_F(KlondikeTest, PlayingTheWasteEmptyBringsBackTheStore) {
    Arrange(*form,
            {{"DiscardPileView", "AC AS AH"}, {"RecyclePileView", "2C 3C 4C 5C"},
             {"TableauPileView1", "KD"}},
            "DeckPileView");
    TCardPileView* waste = V("DiscardPileView");
    drive->DoubleClick(OnCard(waste));
    drive->DoubleClick(OnCard(waste));
    EXPECT_EQ(Names(waste), "AC");
    EXPECT_EQ(Names(V("FoundationPile1")), "AH");
    EXPECT_EQ(Names(V("FoundationPile2")), "AS");
    drive->DoubleClick(OnCard(waste));
    // The three latest older cards come back, in order.
    EXPECT_EQ(Names(waste), "3C 4C 5C");
    EXPECT_EQ(Names(V("RecyclePileView")), "2C");
    EXPECT_EQ(form->windowTitle(), "Klondike   Score: 3");

    Undo(); // the refill and the move that emptied the waste, in one step
    EXPECT_EQ(Names(waste), "AC");
    EXPECT_EQ(Names(V("RecyclePileView")), "2C 3C 4C 5C");
    EXPECT_TRUE(V("FoundationPile3")->Pile->Cards.empty());
    EXPECT_EQ(form->windowTitle(), "Klondike   Score: 2");
}

TEST_F(KlondikeTest, OnlyKingsGoToAnEmptyColumn) {
    Arrange(*form,
            {{"TableauPileView1", ""}, {"TableauPileView2", "9C* KH QS"}, {"TableauPileView3", "QD"},
             {"TableauPileView4", "2C"}, {"TableauPileView5", "2S"}, {"TableauPileView6", "2D"},
             {"TableauPileView7", "2H"}},
            "DeckPileView");
    // The lone red Queen has nowhere to go: it comes back.
    drive->Drag(OnCard(V("TableauPileView3")), OnCard(V("TableauPileView1"), 0));
    EXPECT_EQ(Names(V("TableauPileView3")), "QD");
    EXPECT_TRUE(V("TableauPileView1")->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, 0);

    // The King with its run goes, and the card under it turns up.
    drive->Drag(OnCard(V("TableauPileView2"), 1), OnCard(V("TableauPileView1"), 0));
    EXPECT_EQ(Names(V("TableauPileView1")), "KH QS");
    EXPECT_EQ(Names(V("TableauPileView2")), "9C");
    EXPECT_EQ(form->MoveCount, 1);

    Undo(); // turns the Nine down again and brings the run back in one step
    EXPECT_EQ(Names(V("TableauPileView2")), "9C* KH QS");
    EXPECT_TRUE(V("TableauPileView1")->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_F(KlondikeTest, AShortDragGoesToTheFirstLegalPile) {
    Arrange(*form,
            {{"TableauPileView2", "9H"}, {"TableauPileView5", "9D"}, {"TableauPileView6", "8S"},
             {"FoundationPile1", "AS 2S 3S 4S 5S 6S 7S"}},
            "DeckPileView");
    // Released over the bare table: the first legal column wins over the foundation.
    TCardPileView* from = V("TableauPileView6");
    const QPoint start = OnCard(from);
    drive->Press(start);
    drive->Move(start + QPoint(5, 5));
    drive->Move(QPoint(96, 300)); // the bare table between columns 1 and 2
    drive->Release(QPoint(96, 300));
    EXPECT_EQ(Names(V("TableauPileView2")), "9H 8S");
    EXPECT_TRUE(from->Pile->Cards.empty());
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_F(KlondikeTest, ShiftClickSendsACardHome) {
    Arrange(*form, {{"TableauPileView1", "5C* AD"}}, "DeckPileView");
    drive->Click(OnCard(V("TableauPileView1")), Qt::ShiftModifier);
    EXPECT_EQ(Names(V("FoundationPile1")), "AD");
    EXPECT_EQ(Names(V("TableauPileView1")), "5C");
    EXPECT_EQ(sound.Names().last(), "AUTOPLAY");
}

TEST_F(KlondikeTest, AutoplayCascadesAndEachStepUndoesAlone) {
    form->Autoplay1->trigger();
    ASSERT_TRUE(form->AutoplayOn);
    EXPECT_EQ(TProfile("Klondike", "Autoplay").Text(), "True");
    Arrange(*form,
            {{"TableauPileView1", "2H 10S"}, {"TableauPileView2", "AH"}, {"TableauPileView3", "3H"},
             {"TableauPileView4", "JD"}, {"FoundationPile1", ""}},
            "DeckPileView");
    // Moving the Ten uncovers the Two; the Ace was waiting: all three go home.
    drive->Drag(OnCard(V("TableauPileView1")), OnCard(V("TableauPileView4")));
    EXPECT_EQ(Names(V("FoundationPile1")), "AH 2H 3H");
    EXPECT_EQ(form->MoveCount, 4);
    EXPECT_EQ(form->windowTitle(), "Klondike   Score: 3");

    Undo();
    EXPECT_EQ(Names(V("FoundationPile1")), "AH 2H");
    Undo();
    EXPECT_EQ(Names(V("FoundationPile1")), "AH");
    Undo();
    EXPECT_TRUE(V("FoundationPile1")->Pile->Cards.empty());
    Undo();
    EXPECT_EQ(Names(V("TableauPileView1")), "2H 10S");
    EXPECT_FALSE(form->Undo1->isEnabled());
}

TEST_F(KlondikeTest, DrawModeIsSavedAndLockedUntilNewGame) {
    form->DrawOne1->trigger();
    EXPECT_FALSE(form->DrawThreeOn);
    EXPECT_EQ(TProfile("Klondike", "DrawThree").Text(), "False");
    StockClick();
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards.size(), 1u);
    EXPECT_FALSE(form->DrawThree1->isEnabled());
    form->NewGame1Click(form->Restart1);
    EXPECT_FALSE(form->DrawThree1->isEnabled());
    form->NewGame1Click(form->NewGame1);
    EXPECT_TRUE(form->DrawThree1->isEnabled());
}

TEST_F(KlondikeTest, RandomPlayKeepsEveryCardAndUndoesBackToTheDeal) {
    const Snapshot dealt = Take(*form);
    QRandomGenerator rng(77);
    const auto& views = form->PileViews();
    for (int step = 0; step < 300; ++step) {
        const int action = rng.bounded(10);
        TCardPileView* from = views[rng.bounded(int(views.size()))];
        if (!from->isVisible()) continue;
        if (action < 3) {
            StockClick();
        } else if (action < 5) {
            if (!from->Pile->Cards.empty()) drive->DoubleClick(OnCard(from));
        } else if (!from->Pile->Cards.empty()) {
            TCardPileView* to = views[rng.bounded(int(views.size()))];
            const int index = rng.bounded(int(from->Pile->Cards.size()));
            drive->Drag(OnCard(from, index), to->isVisible() ? OnCard(to) : QPoint(5, form->height() - 5));
        }
        ASSERT_TRUE(EveryCardOnce(*form)) << "step " << step;
        int home = 0;
        for (int f = 1; f <= 4; ++f)
            home += int(V(qPrintable(QStringLiteral("FoundationPile%1").arg(f)))->Pile->Cards.size());
        ASSERT_EQ(form->windowTitle(), home ? QStringLiteral("Klondike   Score: %1").arg(home) : "Klondike");
    }
    while (form->Undo1->isEnabled()) Undo();
    EXPECT_EQ(Take(*form), dealt);
}
