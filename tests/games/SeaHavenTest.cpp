// Sea Towers played through its real window, in both card sizes: the deal
// into ten columns and two free cells, runs in suit, Kings into empty
// columns, the preset target, the foundations at both ends, options,
// prompts and the window's size and placement.
#include "GameTestSupport.h"
#include "SeaHavenWindow.h"

#include <QAction>
#include <memory>

using namespace GameTest;

namespace {

class SeaHavenTest : public TWindowTest<TSeaHavenForm, TsSeaHavenForm> {
protected:
    SeaHavenTest() : TWindowTest(90210) {}
    TCardPileView* Column(int n) const { return V(Numbered("TableauPileView", n)); }
    TCardPileView* Cell(int n) const { return V(Numbered("FreePileView", n)); }
    TCardPileView* Found(int n) const { return V(Numbered("FoundPileView", n)); }
    // Lifts card `index` of `from` and lets it go over the bare table at once.
    void DropOnTable(TCardPileView* from, int index) {
        const QPoint start = OnCard(from, index);
        const QPoint table = At(Column(1), Column(1)->width() + 3, Column(1)->height() - 4);
        drive->Press(start);
        drive->Move(start + QPoint(5, 5));
        drive->Move(table);
        drive->Release(table);
    }
};

} // namespace

TEST_P(SeaHavenTest, DealsTenColumnsOfFiveAndTheLastTwoIntoTheMiddleCells) {
    EXPECT_TRUE(sound.Names().isEmpty());
    const auto& deck = form->SavedDeck.Cards;
    for (std::size_t k = 0; k < 50; ++k)
        EXPECT_EQ(Column(int(k % 10) + 1)->Pile->Cards[k / 10], deck[51 - k]) << k;
    for (int c = 1; c <= 10; ++c) {
        ASSERT_EQ(Column(c)->Pile->Cards.size(), 5u);
        for (const TCard* card : Column(c)->Pile->Cards) EXPECT_TRUE(card->FaceUp);
    }
    ASSERT_EQ(Cell(3)->Pile->Cards.size(), 1u);
    ASSERT_EQ(Cell(2)->Pile->Cards.size(), 1u);
    EXPECT_EQ(Cell(3)->Pile->Cards[0], deck[1]);
    EXPECT_EQ(Cell(2)->Pile->Cards[0], deck[0]);
    EXPECT_TRUE(deck[0]->FaceUp && deck[1]->FaceUp);
    EXPECT_TRUE(Cell(1)->Pile->Cards.empty());
    EXPECT_TRUE(Cell(4)->Pile->Cards.empty());
    EXPECT_EQ(form->windowTitle(), "Sea Towers");
    EXPECT_TRUE(EveryCardOnce(*form));

    Preferences().DoAnimation = true;
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(sound.Names(), QStringList({"SHUFFLE", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL"}));
    const Snapshot dealt = Take(*form);
    drive->DoubleClick(OnCard(Column(4)));
    sound.Clear();
    form->NewGame1Click(form->Restart1);
    EXPECT_TRUE(Take(*form) == dealt);
    EXPECT_EQ(sound.Names().first(), "RESTART");
}

TEST_P(SeaHavenTest, FoundationsSitAtBothEndsAndFillInOrder) {
    EXPECT_LT(Found(2)->x(), Cell(1)->x());
    EXPECT_GT(Found(3)->x(), Cell(4)->x());
    Arrange(*form, {{"TableauPileView1", "AH"}, {"TableauPileView2", "AC"}, {"TableauPileView3", "AS"},
                    {"TableauPileView4", "KD"}}, "TableauPileView10");
    DragTo(Column(4), -1, Found(1)); // a King on an empty foundation (it may go to an empty column)
    EXPECT_TRUE(Found(1)->Pile->Cards.empty());
    for (int c = 1; c <= 3; ++c) drive->DoubleClick(OnCard(Column(c)));
    EXPECT_EQ(Names(Found(1)), "AH");
    EXPECT_EQ(Names(Found(2)), "AC");
    EXPECT_EQ(Names(Found(3)), "AS");
    EXPECT_EQ(form->windowTitle(), "Sea Towers   Score: 3");
}

TEST_P(SeaHavenTest, OnlyAKingOrAKingsRunFillsAnEmptyColumn) {
    Arrange(*form,
            {{"FreePileView1", "2C"}, {"FreePileView2", "3C"}, {"FreePileView3", "QS"}, {"TableauPileView1", ""},
             {"TableauPileView2", "5D QC"}, {"TableauPileView3", "9C KH QH"}, {"TableauPileView4", "KS"}},
            "FreePileView4");
    DragTo(Column(2), -1, Column(1)); // a Queen
    EXPECT_EQ(Names(Column(2)), "5D QC");
    EXPECT_TRUE(Column(1)->Pile->Cards.empty());
    DragTo(Column(4), -1, Column(1)); // a King alone
    EXPECT_EQ(Names(Column(1)), "KS");
    DragTo(Cell(3), -1, Column(1)); // frees a cell: runs of two may go
    EXPECT_EQ(Names(Column(1)), "KS QS");
    DragTo(Column(3), 1, Column(4)); // a run headed by a King
    EXPECT_EQ(Names(Column(4)), "KH QH");
    EXPECT_EQ(Names(Column(3)), "9C");
    EXPECT_EQ(form->MoveCount, 3);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(SeaHavenTest, RunsLiftInSuitWithinTheFreeCellLimit) {
    // One empty free cell: a run of two in suit, not three; a run in two suits never.
    Arrange(*form,
            {{"FreePileView1", "2C"}, {"FreePileView2", "3C"}, {"FreePileView3", "4C"}, {"FreePileView4", ""},
             {"TableauPileView1", "KD 9H 8H 7H"}, {"TableauPileView2", "10H"}, {"TableauPileView3", "9S 8D"},
             {"TableauPileView4", "10S"}, {"TableauPileView5", "9D"}},
            "TableauPileView10");
    DragTo(Column(1), 1, Column(2)); // three hearts
    EXPECT_EQ(Names(Column(1)), "KD 9H 8H 7H");
    DragTo(Column(3), 0, Column(4)); // the Nine of spades with a diamond on it
    EXPECT_EQ(Names(Column(3)), "9S 8D");
    DragTo(Column(1), 2, Column(5)); // two hearts onto a Nine of another suit
    EXPECT_EQ(Names(Column(1)), "KD 9H 8H 7H");
    EXPECT_EQ(form->MoveCount, 0);
    DragTo(Column(3), 1, Column(5)); // the Eight of diamonds on the Nine of diamonds
    EXPECT_EQ(Names(Column(5)), "9D 8D");
    DragTo(Column(3), 0, Column(4)); // now a single Nine on the Ten of spades
    EXPECT_EQ(Names(Column(4)), "10S 9S");
    EXPECT_EQ(form->MoveCount, 2);
}

TEST_P(SeaHavenTest, ThePresetTargetIsTheFirstLegalColumnAndNeverAFreeCell) {
    Arrange(*form,
            {{"TableauPileView1", ""}, {"TableauPileView2", "8C"}, {"TableauPileView3", "8S"},
             {"TableauPileView4", "7S"}, {"TableauPileView5", "QD"}},
            "TableauPileView10");
    DropOnTable(Column(4), -1);
    EXPECT_EQ(Names(Column(3)), "8S 7S");
    // The Queen has no column and no foundation: back home although free cells are empty.
    DropOnTable(Column(5), -1);
    EXPECT_EQ(Names(Column(5)), "QD");
    EXPECT_TRUE(Cell(1)->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, 1);
    Undo();
    EXPECT_EQ(Names(Column(4)), "7S");
    EXPECT_EQ(sound.Names().last(), "UNDO");
}

TEST_P(SeaHavenTest, AutoplayOptionIsSharedByBothSizes) {
    form->Autoplay1->trigger();
    EXPECT_EQ(TProfile("SeaHavenTowers", "Autoplay").Text(), "True");
    Arrange(*form,
            {{"FreePileView4", "2D"}, {"TableauPileView1", "3D AD"}, {"TableauPileView2", "KS"},
             {"TableauPileView3", "QS"}},
            "TableauPileView10");
    DragTo(Column(3), -1, Column(2));
    EXPECT_EQ(Names(Found(1)), "AD 2D 3D");
    EXPECT_EQ(form->MoveCount, 4);
    std::unique_ptr<TSeaHavenForm> other(Small() ? new TSeaHavenForm() : new TsSeaHavenForm());
    EXPECT_TRUE(other->AutoplayOn);
    other->GameWon = true;
}

TEST_P(SeaHavenTest, MenuSizePlacementAndPrompts) {
    EXPECT_EQ(form->objectName(), Small() ? "TsSeaHavenForm" : "TSeaHavenForm");
    EXPECT_EQ(form->size(), Small() ? QSize(725, 480) : QSize(887, 571));
    EXPECT_EQ(form->minimumWidth(), form->maximumWidth());
    EXPECT_EQ(form->Info().MinHeight, Small() ? 360 : 480);
    EXPECT_EQ(Column(10)->height(), Small() ? 370 : 429);
    EXPECT_EQ(form->Info().PlacementSection, Small() ? "sSeaHavenTowers" : "SeaHavenTowers");
    EXPECT_EQ(form->FormPlacement1.Options, TFormPlacement::StateAndPosition);
    EXPECT_EQ(form->Autoplay1->text(), "A&utoplay");
    EXPECT_NE(form->findChild<QAction*>("Redeal1"), nullptr);
    QTest::keyClick(form, Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList({"1011"}));

    form->MoveCount = 5;
    form->NewGame1Click(form->Restart1);
    EXPECT_TRUE(dialogs.Of("Confirm").isEmpty());
    form->MoveCount = 5;
    dialogs.ConfirmAnswers = {false};
    EXPECT_FALSE(form->close());
    form->MoveCount = 6;
    dialogs.ConfirmAnswers = {false, false};
    form->NewGame1Click(form->Restart1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList({"Quit this game of Sea Towers?", "Restart this game of Sea Towers?",
                                                   "Quit this game of Sea Towers?"}));
}

INSTANTIATE_TEST_SUITE_P(BothSizes, SeaHavenTest, ::testing::Bool(), SizeName);
