// FreeCell played through its real window, in both card sizes: the deal,
// the lift limit, drop rules, the double-click with its free-cell fallback,
// autoplay, undo, prompts and the window's menu and size.
#include "FreeCellWindow.h"
#include "GameTestSupport.h"

#include <QAction>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {

class FreeCellTest : public TWindowTest<TFreeCellForm, TsFreeCellForm> {
protected:
    FreeCellTest() : TWindowTest(4711) {}
    TCardPileView* Column(int n) const { return V(Numbered("TableauPileView", n)); }
    TCardPileView* Cell(int n) const { return V(Numbered("FreePileView", n)); }
    TCardPileView* Found(int n) const { return V(Numbered("FoundPileView", n)); }
};

} // namespace

TEST_P(FreeCellTest, DealsEightColumnsFaceUpFromTheTopOfTheDeckSilently) {
    EXPECT_TRUE(sound.Names().isEmpty());
    for (int c = 1; c <= 8; ++c) {
        ASSERT_EQ(Column(c)->Pile->Cards.size(), c <= 4 ? 7u : 6u) << c;
        for (const TCard* card : Column(c)->Pile->Cards) EXPECT_TRUE(card->FaceUp);
    }
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(Cell(i)->Pile->Cards.empty());
        EXPECT_TRUE(Found(i)->Pile->Cards.empty());
    }
    // Row by row from the top of the shuffled pile: card k goes to column k % 8.
    const auto& deck = form->SavedDeck.Cards;
    for (std::size_t k = 0; k < 52; ++k)
        EXPECT_EQ(Column(int(k % 8) + 1)->Pile->Cards[k / 8], deck[51 - k]) << k;
    EXPECT_EQ(form->windowTitle(), "FreeCell");
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(FreeCellTest, NewGameAnimatesAndRestartReplaysTheSameDeal) {
    Preferences().DoAnimation = true;
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(sound.Names(), QStringList({"SHUFFLE", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL"}));
    const Snapshot dealt = Take(*form);
    drive->DoubleClick(OnCard(Column(3)));
    ASSERT_EQ(form->MoveCount, 1);
    sound.Clear();
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(sound.Names().first(), "RESTART");
    EXPECT_EQ(Take(*form), dealt);
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(FreeCellTest, MenuSizeAndSections) {
    EXPECT_EQ(MenuText(form->PopupMenu1, MenuNames),
              QStringList({"Undo1 &Undo\tCtrl+Z", "- N1", "Autoplay1 A&utoplay\tCtrl+A", "- N2",
                           "NewGame1 &New Game\tCtrl+N", "Redeal1 &Restart", "Preferences1 &Preferences...",
                           "About1 Rule&s..."}));
    EXPECT_EQ(form->objectName(), Small() ? "TsFreeCellForm" : "TFreeCellForm");
    EXPECT_EQ(form->size(), Small() ? QSize(590, 409) : QSize(776, 541));
    EXPECT_EQ(form->minimumWidth(), form->maximumWidth());
    EXPECT_EQ(form->Info().MinHeight, Small() ? 300 : 480);
    EXPECT_EQ(Column(1)->height(), Small() ? 300 : 393);
    form->resize(form->width(), form->height() + 60);
    EXPECT_EQ(Column(8)->height(), form->height() - (Small() ? 109 : 148));
    EXPECT_EQ(form->Info().PlacementSection, Small() ? "sFreeCell" : "FreeCell");
    EXPECT_EQ(form->Info().ProfileSection, "FreeCell");
    QTest::keyClick(form, Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList({"1004"}));
}

TEST_P(FreeCellTest, TheLiftLimitCountsEmptyFreeCellsOnly) {
    // Two empty free cells; columns 6-8 empty: three cards may go, four may not.
    Arrange(*form,
            {{"FreePileView1", "2C"}, {"FreePileView2", "2S"}, {"TableauPileView1", "KC QH JS 10H 9C"},
             {"TableauPileView2", "KS"}, {"TableauPileView3", "KH"}, {"TableauPileView4", "KD"},
             {"TableauPileView5", "QD"}, {"TableauPileView6", ""}, {"TableauPileView7", ""},
             {"TableauPileView8", ""}},
            "FoundPileView4");
    DragTo(Column(1), 1, Column(6)); // Q J 10 9: four cards
    EXPECT_EQ(Names(Column(1)), "KC QH JS 10H 9C");
    EXPECT_EQ(form->MoveCount, 0);
    DragTo(Column(1), 2, Column(5)); // J 10 9 onto the red Queen
    EXPECT_EQ(Names(Column(5)), "QD JS 10H 9C");
    EXPECT_EQ(form->MoveCount, 1);
    // Any permitted run may fill an empty column.
    DragTo(Column(5), 1, Column(7));
    EXPECT_EQ(Names(Column(7)), "JS 10H 9C");
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(FreeCellTest, FullFreeCellsLeaveOnlyTopCards) {
    Arrange(*form,
            {{"FreePileView1", "2C"}, {"FreePileView2", "2S"}, {"FreePileView3", "2H"}, {"FreePileView4", "2D"},
             {"TableauPileView1", "KC 9H 8S"}, {"TableauPileView2", "10S"}, {"TableauPileView3", ""}},
            "FoundPileView4");
    DragTo(Column(1), 1, Column(2)); // a run of two
    EXPECT_EQ(Names(Column(1)), "KC 9H 8S");
    DragTo(Column(1), -1, Column(3)); // the top card alone
    EXPECT_EQ(Names(Column(3)), "8S");
    DragTo(Column(1), 0, Column(3)); // not a run either
    EXPECT_EQ(Names(Column(1)), "KC 9H");
}

TEST_P(FreeCellTest, DropRulesOnColumnsCellsAndFoundations) {
    // Full free cells (an empty one takes any single card passing over it),
    // and no refused card has another legal pile to go to instead.
    Arrange(*form,
            {{"FreePileView1", "8D"}, {"FreePileView2", "4H"}, {"FreePileView3", "7S"}, {"TableauPileView1", "KH"},
             {"TableauPileView2", "AS"}, {"TableauPileView3", "QH"}, {"TableauPileView4", "QD JC"},
             {"TableauPileView5", "2S"}, {"TableauPileView6", "9C"}, {"TableauPileView7", "10D 9S"},
             {"TableauPileView8", "5C"}},
            "FreePileView4");
    const Snapshot start = Take(*form);
    DragTo(Column(1), -1, Found(1)); // a King on an empty foundation
    DragTo(Column(3), -1, Column(1)); // red on red
    DragTo(Column(6), -1, Column(4)); // a Nine on a Jack
    EXPECT_TRUE(Take(*form) == start);
    EXPECT_EQ(form->MoveCount, 0);

    DragTo(Cell(1), -1, Column(6));
    EXPECT_EQ(Names(Column(6)), "9C 8D");
    DragTo(Column(4), 0, Cell(1)); // two cards never go into a free cell
    EXPECT_EQ(Names(Column(4)), "QD JC");
    EXPECT_EQ(form->MoveCount, 1);

    DragTo(Column(2), -1, Found(3)); // an Ace on any empty foundation
    EXPECT_EQ(Names(Found(3)), "AS");
    DragTo(Column(5), -1, Found(3));
    EXPECT_EQ(Names(Found(3)), "AS 2S");
    DragTo(Column(4), 0, Column(2)); // a run into an emptied column
    EXPECT_EQ(Names(Column(2)), "QD JC");
    DragTo(Column(8), -1, Cell(1));
    EXPECT_EQ(Names(Cell(1)), "5C");
    EXPECT_EQ(form->MoveCount, 5);
    EXPECT_EQ(form->windowTitle(), "FreeCell   Score: 2");
    for (int i = 0; i < 5; ++i) Undo();
    EXPECT_TRUE(Take(*form) == start);
    EXPECT_EQ(form->windowTitle(), "FreeCell");
    EXPECT_EQ(sound.Names().last(), "UNDO");
}

TEST_P(FreeCellTest, ThePresetTargetPrefersAColumnThatBuilds) {
    Arrange(*form,
            {{"TableauPileView1", ""}, {"TableauPileView2", "4D"}, {"TableauPileView3", "8H"},
             {"TableauPileView4", "7C"}, {"FoundPileView1", "AC 2C 3C 4C 5C 6C"}},
            "FreePileView4");
    // Released over the bare table at once: the Seven goes onto the Eight,
    // not into the empty column 1 nor onto the foundation.
    const QPoint start = OnCard(Column(4));
    const QPoint table = Column(1)->mapTo(form, QPoint(Column(1)->width() + 3, Column(1)->height() - 5));
    drive->Press(start);
    drive->Move(start + QPoint(5, 5));
    drive->Move(table);
    drive->Release(table);
    EXPECT_EQ(Names(Column(3)), "8H 7C");

    // With no column that builds, the first empty column comes before the foundation.
    Arrange(*form, {{"TableauPileView3", ""}, {"TableauPileView4", "7S"}, {"TableauPileView5", "JC"},
                    {"FoundPileView1", "AS 2S 3S 4S 5S 6S"}}, "FreePileView4");
    drive->Press(OnCard(Column(4)));
    drive->Move(OnCard(Column(4)) + QPoint(5, 5));
    drive->Move(table);
    drive->Release(table);
    EXPECT_EQ(Names(Column(1)), "7S");

    // A card that fits nowhere comes back when released over the table.
    Arrange(*form, {{"TableauPileView1", "3D"}, {"TableauPileView2", "9D"}, {"TableauPileView3", "9H"},
                    {"TableauPileView4", "3H"}, {"TableauPileView5", "5D"}, {"TableauPileView6", "6D"},
                    {"TableauPileView7", "7D"}, {"TableauPileView8", "8D"}}, "FreePileView4");
    drive->Press(OnCard(Column(2)));
    drive->Move(OnCard(Column(2)) + QPoint(5, 5));
    drive->Move(table);
    drive->Release(table);
    EXPECT_EQ(Names(Column(2)), "9D");
    EXPECT_EQ(form->MoveCount, 2);
}

TEST_P(FreeCellTest, TheLastLegalPilePassedOverKeepsTheDrop) {
    Arrange(*form,
            {{"TableauPileView1", "5H"}, {"TableauPileView2", "6S"}, {"TableauPileView3", "KD"},
             {"TableauPileView4", "6C"}},
            "FreePileView4");
    // Preset onto the Six of spades; over the Six of clubs, then the King (not
    // legal), released outside the window: the Six of clubs keeps it.
    const QPoint start = OnCard(Column(1));
    drive->Press(start);
    drive->Move(start + QPoint(5, 5));
    drive->Move(OnCard(Column(4)));
    drive->Move(OnCard(Column(3)));
    drive->Release(QPoint(form->width() + 30, form->height() + 30));
    EXPECT_EQ(Names(Column(4)), "6C 5H");
    EXPECT_EQ(Names(Column(2)), "6S");
}

TEST_P(FreeCellTest, DoubleClickGoesHomeElseToTheFirstEmptyFreeCellSilently) {
    Arrange(*form,
            {{"TableauPileView1", "9S AH"}, {"TableauPileView2", "AD"}, {"TableauPileView3", "2H"},
             {"TableauPileView4", "QC"}, {"FreePileView1", "3C"}, {"FreePileView2", ""}, {"FreePileView3", ""}},
            "FreePileView4");
    drive->DoubleClick(OnCard(Column(2)));
    drive->DoubleClick(OnCard(Column(1)));
    EXPECT_EQ(Names(Found(1)), "AD");
    EXPECT_EQ(Names(Found(2)), "AH");
    drive->DoubleClick(OnCard(Column(3)));
    EXPECT_EQ(Names(Found(2)), "AH 2H");
    EXPECT_EQ(sound.Names(), QStringList({"AUTOPLAY", "AUTOPLAY", "AUTOPLAY"}));

    sound.Clear();
    drive->DoubleClick(OnCard(Column(4))); // the Queen fits nowhere: free cell 2, no sound
    EXPECT_EQ(Names(Cell(2)), "QC");
    drive->DoubleClick(OnCard(Cell(1))); // a free cell's card moves on to the first empty cell
    EXPECT_EQ(Names(Cell(3)), "3C");
    EXPECT_TRUE(Cell(1)->Pile->Cards.empty());
    EXPECT_TRUE(sound.Names().isEmpty());
    EXPECT_EQ(form->MoveCount, 5);

    // Middle button on a column is a double-click; on a free cell it is nothing.
    drive->Click(OnCard(Column(1)), {}, Qt::MiddleButton);
    EXPECT_EQ(Names(Cell(1)), "9S");
    drive->Click(OnCard(Cell(2)), {}, Qt::MiddleButton);
    EXPECT_EQ(Names(Cell(2)), "QC");
    // Shift-click on a free cell is a double-click too.
    drive->Click(OnCard(Cell(2)), Qt::ShiftModifier);
    EXPECT_EQ(form->MoveCount, 6); // every cell was full: nothing moved
    EXPECT_EQ(Names(Cell(2)), "QC");
}

TEST_P(FreeCellTest, ADoubleClickThatMovesNothingStillRunsAutoplay) {
    Arrange(*form,
            {{"FreePileView1", "5C"}, {"FreePileView2", "6C"}, {"FreePileView3", "7C"}, {"FreePileView4", "AS"},
             {"TableauPileView1", "KD"}, {"TableauPileView2", ""}},
            "TableauPileView8");
    form->AutoplayOn = true; // switched on without a pass
    drive->DoubleClick(OnCard(Column(1)));
    EXPECT_EQ(Names(Column(1)), "KD");
    EXPECT_EQ(Names(Found(1)), "AS");
    EXPECT_EQ(form->MoveCount, 1);
}

TEST_P(FreeCellTest, AutoplayCascadesFreeCellsFirstAndIsSaved) {
    form->Autoplay1->trigger();
    EXPECT_TRUE(form->AutoplayOn);
    EXPECT_EQ(TProfile("FreeCell", "Autoplay").Text(), "True");
    Arrange(*form,
            {{"FreePileView3", "AC"}, {"TableauPileView1", "2D AD"}, {"TableauPileView2", "2C"},
             {"TableauPileView3", "KS"}, {"TableauPileView4", "QH"}},
            "TableauPileView8");
    EXPECT_TRUE(Found(1)->Pile->Cards.empty()); // no pass at the switch
    DragTo(Column(4), -1, Column(3));
    // The free cell's Ace before the column's: it takes foundation 1.
    EXPECT_EQ(Names(Found(1)), "AC 2C");
    EXPECT_EQ(Names(Found(2)), "AD 2D");
    EXPECT_EQ(form->MoveCount, 5);
    Undo();
    EXPECT_EQ(form->MoveCount, 4);
    EXPECT_EQ(form->windowTitle(), "FreeCell   Score: 3");
    form->Autoplay1->trigger();
    EXPECT_EQ(TProfile("FreeCell", "Autoplay").Text(), "False");
}

TEST_P(FreeCellTest, LegalMovesKeepTheLiftLimitAndTheDoubleClicksFreeCell) {
    // One empty free cell: two cards lift, not the Jack's three onto the red Queen.
    Arrange(*form, {{"FreePileView1", "2H"}, {"TableauPileView1", "KC QH JS 10H 9C"}, {"TableauPileView2", "QD"},
                    {"TableauPileView4", "10D"}, {"TableauPileView5", "5S"}, {"TableauPileView6", "6S"},
                    {"TableauPileView7", "7S"}, {"TableauPileView8", "8S"}, {"FreePileView2", "9S"}},
            "FreePileView4");
    EXPECT_EQ(MovesText(*form, MovesFrom(*form, "TableauPileView1")),
              "TableauPileView1 #3 -> TableauPileView3; TableauPileView1 #4 -> TableauPileView3; "
              "TableauPileView1 #4 -> TableauPileView4; TableauPileView1 #4 -> FreePileView3; "
              "TableauPileView1 #4: home -> FreePileView3");
    // A card from cell to cell is listed, and the hint's last choice.
    EXPECT_EQ(form->RoleOf(form->MoveTarget(form->HintMoves().back())), TPileSlot::Cell);
}

TEST_P(FreeCellTest, PromptsAtFiveAndSixMoves) {
    drive->DoubleClick(OnCard(Column(1)));
    ASSERT_EQ(form->MoveCount, 1);
    form->MoveCount = 5;
    form->NewGame1Click(form->Restart1);
    EXPECT_TRUE(dialogs.Of("Confirm").isEmpty());
    EXPECT_EQ(form->MoveCount, 0);
    form->MoveCount = 5;
    dialogs.ConfirmAnswers = {false};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList({"Quit this game of FreeCell?"}));
    form->MoveCount = 6;
    dialogs.ConfirmAnswers = {false, false};
    form->NewGame1Click(form->Restart1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Of("Confirm").mid(1),
              QStringList({"Restart this game of FreeCell?", "Quit this game of FreeCell?"}));
    EXPECT_EQ(form->MoveCount, 6);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, FreeCellTest, ::testing::Bool(), SizeName);
