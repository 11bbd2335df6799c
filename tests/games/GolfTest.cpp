// Golf played through its real window: the deal and its opening stock turn,
// plays one up or down, the King Stops Sequence option, the move count that
// drives the prompts, undo and the win.
#include "GameTestSupport.h"
#include "GolfWindow.h"

#include <QAction>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {

class GolfTest : public TWindowTest<TGolfForm> {
protected:
    GolfTest() : TWindowTest(1905) {}
    TCardPileView* Column(int n) const { return V(Numbered("TableauPileView", n)); }
    void Play(int column) { drive->Click(OnCard(Column(column))); }
};

} // namespace

TEST_F(GolfTest, DealsSevenColumnsOfFiveAndTurnsTheFirstStockCard) {
    EXPECT_TRUE(sound.Names().isEmpty());
    // Row by row from the top of the shuffled stock, columns 1 to 7.
    const auto& deck = form->SavedDeck.Cards;
    for (int c = 1; c <= 7; ++c) {
        ASSERT_EQ(Column(c)->Pile->Cards.size(), 5u);
        for (int r = 0; r < 5; ++r) {
            const TCard* card = Column(c)->Pile->Cards[std::size_t(r)];
            EXPECT_EQ(card, deck[std::size_t(51 - (7 * r + c - 1))]) << c << "/" << r;
            EXPECT_TRUE(card->FaceUp);
        }
    }
    ASSERT_EQ(V("DiscardPileView")->Pile->Cards.size(), 1u);
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards[0], deck[16]);
    EXPECT_TRUE(deck[16]->FaceUp);
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 16u);
    EXPECT_EQ(V("DeckPileView")->Hint, "16");
    EXPECT_TRUE(V("DeckPileView")->ShowHint);
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_TRUE(form->Undo1->isEnabled());
    EXPECT_EQ(form->windowTitle(), "Golf"); // left as it was until the next move
    EXPECT_TRUE(form->KingStopsSequence1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));

    Preferences().DoAnimation = true;
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(sound.Names(), QStringList({"SHUFFLE", "DEAL", "DEAL", "DEAL", "DEAL", "DEAL", "STOCK"}));
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_F(GolfTest, PlaysOneUpOrDownWithoutWrapping) {
    struct Case {
        const char* discard;
        const char* card;
        bool kingStops;
        bool plays;
    } cases[] = {
        {"7H", "6C", true, true},   {"7H", "8D", true, true},   {"7H", "7S", true, false},
        {"7H", "9H", true, false},  {"KS", "QH", true, false},  {"KS", "QH", false, true},
        {"KS", "AH", false, false}, {"KS", "JH", false, false}, {"AD", "2C", true, true},
        {"AD", "KC", true, false},  {"AD", "KC", false, false}, {"QC", "KD", true, true},
        {"2S", "AS", true, true},
    };
    for (const Case& c : cases) {
        form->KingStopsOn = c.kingStops;
        Arrange(*form, {{"DiscardPileView", c.discard}, {"TableauPileView3", QStringLiteral("5C %1").arg(c.card)}},
                "DeckPileView");
        const QString what = QStringLiteral("%1 on %2").arg(c.card, c.discard);
        Play(3);
        EXPECT_EQ(Names(V("DiscardPileView")), c.plays ? QStringLiteral("%1 %2").arg(c.discard, c.card) : c.discard)
            << what.toStdString();
        EXPECT_EQ(Names(Column(3)), c.plays ? QStringLiteral("5C") : QStringLiteral("5C %1").arg(c.card))
            << what.toStdString();
    }
    // A column play counts no move and makes no sound.
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_TRUE(sound.Names().isEmpty());
}

TEST_F(GolfTest, AnUnplayableCardIsLiftedButAlwaysComesBack) {
    Arrange(*form, {{"DiscardPileView", "7H"}, {"TableauPileView1", "JC"}, {"TableauPileView2", "QC"}},
            "DeckPileView");
    drive->Drag(OnCard(Column(1)), OnCard(Column(2)));
    EXPECT_EQ(Names(Column(1)), "JC");
    EXPECT_EQ(Names(Column(2)), "QC");
    drive->Drag(OnCard(Column(1)), OnCard(V("DiscardPileView")));
    EXPECT_EQ(Names(Column(1)), "JC");
    EXPECT_EQ(Names(V("DiscardPileView")), "7H");
    EXPECT_EQ(form->UndoList->RecordCount(), 1); // only the opening turn
}

TEST_F(GolfTest, KingStopsSequenceIsSavedAndFixedByTheFirstPress) {
    EXPECT_TRUE(form->KingStopsOn);
    EXPECT_TRUE(form->KingStopsSequence1->isChecked());
    form->KingStopsSequence1->trigger();
    EXPECT_FALSE(form->KingStopsOn);
    EXPECT_EQ(TProfile("Golf", "KingStopsSequence").Text(), "False");

    // A press on a covered card plays nothing but fixes the option.
    Arrange(*form, {{"DiscardPileView", "7H"}, {"TableauPileView1", "6C 9D"}}, "DeckPileView");
    drive->Click(OnCard(Column(1), 0));
    EXPECT_EQ(Names(Column(1)), "6C 9D");
    EXPECT_FALSE(form->KingStopsSequence1->isEnabled());

    form->NewGame1Click(form->Restart1);
    EXPECT_TRUE(form->KingStopsSequence1->isEnabled());
    EXPECT_FALSE(form->KingStopsOn); // the saved choice stays

    // The stock command fixes it too, even with the stock used up.
    V("DeckPileView")->Pile->Empty(false);
    drive->Key(Qt::Key_Space);
    EXPECT_FALSE(form->KingStopsSequence1->isEnabled());
    form->NewGame1Click(form->NewGame1);
    EXPECT_TRUE(form->KingStopsSequence1->isEnabled());

    // A new window reads the saved option.
    form->GameWon = true;
    form->close();
    delete form.data();
    form = new TGolfForm();
    EXPECT_FALSE(form->KingStopsOn);
    EXPECT_FALSE(form->KingStopsSequence1->isChecked());
}

TEST_F(GolfTest, OnlyStockTurnsCountAsMovesAndOnlyTheirUndoTakesOneOff) {
    Arrange(*form,
            {{"DiscardPileView", "5H"}, {"TableauPileView1", "4C"}, {"TableauPileView2", "3D"},
             {"TableauPileView3", "2S"}, {"DeckPileView", "KD* 9S*"}},
            "TableauPileView7");
    for (TCard* card : Column(7)->Pile->Cards) card->FaceUp = true;
    Play(1);
    Play(2);
    Play(3);
    EXPECT_EQ(Names(V("DiscardPileView")), "5H 4C 3D 2S");
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(form->windowTitle(), "Golf   Score: 4");

    // Undoing the column plays leaves the count alone: it never falls below
    // what the stock turns made, so the prompts still ask when they should.
    Undo();
    Undo();
    Undo();
    EXPECT_EQ(Names(V("DiscardPileView")), "5H");
    EXPECT_EQ(Names(Column(1)), "4C");
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(sound.Names(), QStringList({"UNDO", "UNDO", "UNDO"}));

    StockClick();
    EXPECT_EQ(Names(V("DiscardPileView")), "5H 9S");
    EXPECT_EQ(V("DeckPileView")->Hint, "1");
    EXPECT_EQ(form->MoveCount, 2);
    EXPECT_EQ(sound.Names().last(), "STOCK");
    Undo(); // the stock card goes back face down
    EXPECT_EQ(Names(V("DeckPileView")), "KD* 9S*");
    EXPECT_EQ(V("DeckPileView")->Hint, "2");
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(form->windowTitle(), "Golf   Score: 1");
}

TEST_F(GolfTest, PromptsFollowTheStockTurns) {
    // Three column plays after the deal leave the count at 1: nothing asks.
    Arrange(*form, {{"DiscardPileView", "5H"}, {"TableauPileView1", "6C"}, {"TableauPileView2", "7D"},
                    {"TableauPileView3", "8S"}}, "DeckPileView");
    Play(1);
    Play(2);
    Play(3);
    form->NewGame1Click(form->NewGame1);
    EXPECT_TRUE(dialogs.Log.isEmpty());

    for (int i = 0; i < 5; ++i) StockClick();
    EXPECT_EQ(form->MoveCount, 6);
    dialogs.ConfirmAnswers = {false, false};
    form->NewGame1Click(form->Restart1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Log, QStringList({"Confirm: Restart this game of Golf?", "Confirm: Quit this game of Golf?"}));
    EXPECT_EQ(form->MoveCount, 6);
}

TEST_F(GolfTest, TheMiddleButtonAndSpaceTurnTheStock) {
    drive->Click(At(Column(1), 10, 250), {}, Qt::MiddleButton); // below the cards
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards.size(), 2u);
    drive->Click(QPoint(690, 200), {}, Qt::MiddleButton); // the bare table
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards.size(), 3u);
    drive->Key(Qt::Key_Space);
    EXPECT_EQ(V("DiscardPileView")->Pile->Cards.size(), 4u);
    EXPECT_EQ(V("DeckPileView")->Hint, "13");
    EXPECT_EQ(form->MoveCount, 4);
    EXPECT_EQ(form->windowTitle(), "Golf   Score: 4");
}

TEST_F(GolfTest, WinsOnlyWhenTheStockIsUsedUpToo) {
    Arrange(*form, {{"TableauPileView1", "3H"}, {"DeckPileView", "9S*"}}, "DiscardPileView");
    TCardPile* discard = V("DiscardPileView")->Pile;
    for (TCard* card : discard->Cards) card->FaceUp = true;
    TCard* four = *std::find_if(discard->Cards.begin(), discard->Cards.end(),
                                [](const TCard* c) { return c->Value == FS_FOUR && c->Suit == FS_DIAMONDS; });
    discard->RemoveCard(four);
    discard->AddCard(four);
    Play(1); // every column empty, one stock card left
    EXPECT_EQ(form->windowTitle(), "Golf   Score: 51");
    EXPECT_FALSE(form->GameWon);
    EXPECT_EQ(dialogs.Count("Win"), 0);
    StockClick();
    EXPECT_TRUE(form->GameWon);
    EXPECT_EQ(dialogs.Count("Win"), 1);
    EXPECT_FALSE(V("DeckPileView")->ShowHint);
    form->NewGame1Click(form->NewGame1); // a won game deals without asking
    EXPECT_EQ(dialogs.Count("Confirm"), 0);
    EXPECT_FALSE(form->GameWon);
}

TEST_F(GolfTest, MenuAndWindowOfBothSizes) {
    EXPECT_EQ(ActionNames(form->PopupMenu1), QStringList({"Undo1", "N3", "KingStopsSequence1", "N1", "NewGame1",
                                                          "Restart1", "Preferences1", "About1"}));
    EXPECT_TRUE(form->KingStopsSequence1->shortcut().isEmpty());
    EXPECT_EQ(form->About1->text(), "Rule&s...");
    EXPECT_EQ(form->size(), QSize(700, 430));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    drive->Key(Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList{"1005"});

    TCard::SetCardSize(FS_SMALL);
    TsGolfForm small;
    TCard::SetCardSize(FS_LARGE);
    EXPECT_EQ(small.size(), QSize(585, 340));
    EXPECT_EQ(small.Info().PlacementSection, "Golf");
    EXPECT_EQ(small.DiscardPileView->XOffset, 7.0f);
    EXPECT_EQ(small.PileView("TableauPileView7")->geometry(), QRect(504, 8, 61, 200));
    EXPECT_EQ(small.PileView("TableauPileView7")->YOffset, 16.0f);
    EXPECT_EQ(small.DeckPileView->geometry(), QRect(8, 224, 97, 105));
    small.GameWon = true;
}

TEST_F(GolfTest, ListsPlayableColumnTopsThenTheStockAndRedoesAShiftPress) {
    Arrange(*form, {{"DiscardPileView", "7H"}, {"TableauPileView1", "6C"}, {"TableauPileView2", "9D 8S"},
                    {"TableauPileView3", "QC 4D"}}, "DeckPileView");
    EXPECT_EQ(MovesText(*form, form->LegalMoves()),
              "TableauPileView1 #0: press -> DiscardPileView; TableauPileView2 #1: press -> DiscardPileView; "
              "DeckPileView: stock");
    // The 8 leaves the 9 beneath it to follow.
    EXPECT_EQ(form->MoveText(form->HintMoves().front()), "TableauPileView2 #1: press -> DiscardPileView");
    // Shift changes nothing on a column: the press is listed, logged and redone as a press.
    drive->Click(OnCard(Column(2)), Qt::ShiftModifier);
    EXPECT_EQ(Names(V("DiscardPileView")), "7H 8S");
    Undo();
    form->Redo1->trigger();
    EXPECT_EQ(Names(V("DiscardPileView")), "7H 8S");
}
