// Double Klondike: two decks, nine columns, eight foundations and the single
// turn-over of Draw One.
#include "DblKlondikeWindow.h"
#include "GameTestSupport.h"

#include <QAction>
#include <memory>

using namespace GameTest;

namespace {

class DblKlondikeTest : public TWindowTest<TDblKlondikeForm, TsDblKlondikeForm> {
protected:
    DblKlondikeTest() : TWindowTest(7) {}
};

} // namespace

TEST_P(DblKlondikeTest, DealsNineColumnsFromTwoDecks) {
    EXPECT_TRUE(EveryCardOnce(*form));
    EXPECT_EQ(form->SavedDeck.Cards.size(), 104u);
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(V(qPrintable(QStringLiteral("TableauPileView%1").arg(c)))->Pile->Cards.size(), std::size_t(c));
    EXPECT_EQ(V("DeckPileView")->Hint, "59");
    EXPECT_EQ(form->windowTitle(), "Double Klondike");
    EXPECT_EQ(form->width(), Small() ? 756 : 986);
}

TEST_P(DblKlondikeTest, DrawOneAllowsOneTurnOverAndUndoGivesItBack) {
    form->DrawOne1->trigger();
    for (int i = 0; i < 59; ++i) StockClick();
    ASSERT_TRUE(V("DeckPileView")->Pile->Cards.empty());
    StockClick(); // the one turn-over, drawing at once
    EXPECT_EQ(form->PassCount, 1);
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 58u);
    for (int i = 0; i < 58; ++i) StockClick();
    ASSERT_TRUE(V("DeckPileView")->Pile->Cards.empty());
    EXPECT_EQ(V("DeckPileView")->State, FS_BLANK);
    const Snapshot spent = Take(*form);
    const int moves = form->MoveCount;
    StockClick(); // refused: no move, no record
    EXPECT_EQ(Take(*form), spent);
    EXPECT_EQ(form->MoveCount, moves);

    for (int i = 0; i < 58; ++i) Undo();
    Undo(); // the draw of the turn-over click
    Undo(); // the turn-over itself
    EXPECT_EQ(form->PassCount, 0);
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards.size(), 1u);
    StockClick();
    EXPECT_EQ(form->PassCount, 1);
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 58u);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(DblKlondikeTest, DoubleClickUsesTheLowestMatchingFoundation) {
    Arrange(*form,
            {{"FoundationPile2", "AH"}, {"FoundationPile5", "AH"}, {"TableauPileView1", "2H"},
             {"TableauPileView2", "AS"}},
            "DeckPileView");
    drive->DoubleClick(OnCard(V("TableauPileView1")));
    EXPECT_EQ(Names(V("FoundationPile2")), "AH 2H");
    drive->DoubleClick(OnCard(V("TableauPileView2")));
    EXPECT_EQ(Names(V("FoundationPile1")), "AS");
    EXPECT_EQ(form->windowTitle(), "Double Klondike   Score: 4");
}

TEST_P(DblKlondikeTest, WinsAtOneHundredAndFour) {
    QString spades, hearts, clubs, diamonds;
    for (const char* r : {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"}) {
        clubs += QStringLiteral("%1C ").arg(r);
        spades += QStringLiteral("%1S ").arg(r);
        diamonds += QStringLiteral("%1D ").arg(r);
        hearts += QStringLiteral("%1H ").arg(r);
    }
    QString lastHearts = hearts;
    lastHearts.chop(3); // all but the King
    Arrange(*form,
            {{"FoundationPile1", clubs}, {"FoundationPile2", spades}, {"FoundationPile3", diamonds},
             {"FoundationPile4", hearts}, {"FoundationPile5", clubs}, {"FoundationPile6", spades},
             {"FoundationPile7", diamonds}, {"FoundationPile8", lastHearts}, {"TableauPileView1", "KH"}},
            "DeckPileView");
    form->GameWon = false;
    drive->DoubleClick(OnCard(V("TableauPileView1")));
    EXPECT_EQ(form->windowTitle(), "Double Klondike   Score: 104");
    EXPECT_TRUE(form->GameWon);
    EXPECT_EQ(dialogs.Count("Win"), 1);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, DblKlondikeTest, ::testing::Bool(), SizeName);
