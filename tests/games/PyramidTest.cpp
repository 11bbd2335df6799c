// Pyramid played through its real window, in both card sizes: the deal,
// pairs to 13, Kings, the free flags, refused drops, the three passes and
// undo of each kind of action.
#include "GameTestSupport.h"
#include "PyramidSolver.h"
#include "PyramidWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>
#include <memory>

using namespace GameTest;

namespace {

class PyramidTest : public TWindowTest<TPyramidForm, TsPyramidForm> {
protected:
    PyramidTest() : TWindowTest(1009) {}
    TCardPileView* Pos(int n) const { return form->Pyramid[std::size_t(n - 1)]; }
    // Beside the apex: bare table in both sizes.
    QPoint BareTable() const { return At(Pos(1), Pos(1)->width() + 20, 10); }

    // Lays out the table (the rest face down on the stock) as a deal would
    // leave it: positions with a card shown, the uncovered ones free, no
    // history.
    void Lay(const std::vector<std::pair<QString, QString>>& piles, const QString& rest = "DeckPileView") {
        Arrange(*form, piles, rest);
        auto empty = [this](int row, int place) {
            return row > 7 || Pos(row * (row - 1) / 2 + place)->Pile->Cards.empty();
        };
        for (int row = 1, n = 1; row <= 7; ++row)
            for (int place = 1; place <= row; ++place, ++n) {
                Pos(n)->setVisible(!Pos(n)->Pile->Cards.empty());
                Pos(n)->AllowDrag = empty(row + 1, place) && empty(row + 1, place + 1);
            }
        form->UndoList->Clear();
        form->MoveCount = 0;
        form->UpdateScore();
    }
    // Only row 7 holds the given cards (apart from `more`).
    void LayRow7(const QStringList& cards, std::vector<std::pair<QString, QString>> more = {}) {
        for (int i = 0; i < cards.size(); ++i) more.push_back({Numbered("CardPileView", 22 + i), cards[i]});
        Lay(more);
    }
    int Discarded() const { return int(V("DiscardPileView")->Pile->Cards.size()); }
    // The view a player sees at `p` (window coordinates).
    QWidget* Under(QPoint p) const { return form->childAt(p); }

    // Releases outside the window are part of these tests.
    TQuietOutsideEvents quiet;
};

} // namespace

TEST_P(PyramidTest, DealsTwentyEightFaceUpWithOnlyTheBottomRowFree) {
    EXPECT_TRUE(sound.Names().isEmpty());
    EXPECT_TRUE(EveryCardOnce(*form));
    for (int n = 1; n <= 28; ++n) {
        ASSERT_EQ(Pos(n)->Pile->Cards.size(), 1u);
        EXPECT_TRUE(Pos(n)->Pile->Cards[0]->FaceUp);
        EXPECT_TRUE(Pos(n)->isVisible());
        EXPECT_EQ(Pos(n)->AllowDrag, n >= 22) << n;
        EXPECT_TRUE(Pos(n)->ManualDrop);
        // Dealt in position order from the stock's top.
        EXPECT_EQ(Pos(n)->Pile->Cards[0], form->SavedDeck.Cards[std::size_t(52 - n)]);
    }
    EXPECT_TRUE(V("PlayPileView")->ManualDrop && V("WastePileView")->ManualDrop);
    EXPECT_FALSE(V("DiscardPileView")->ManualDrop);
    const TCardPileView* stock = V("DeckPileView");
    EXPECT_EQ(stock->Pile->Cards.size(), 24u);
    EXPECT_EQ(stock->Hint, "24");
    EXPECT_TRUE(stock->ShowHint);
    EXPECT_EQ(stock->State, FS_RECYCLE);
    EXPECT_FLOAT_EQ(stock->YOffset, 0.6f);
    EXPECT_FLOAT_EQ(stock->XOffset, Small() ? 0.5f : 0.6f);
    EXPECT_EQ(form->Label1->text(), "First Pass");
    EXPECT_EQ(form->windowTitle(), "Pyramid");
    EXPECT_EQ(form->PassNumber, 1);
    // A row overlaps the row above: a press where two cards meet picks the lower row's card.
    EXPECT_EQ(Under(At(Pos(22), 50, 10)), Pos(22));
}

TEST_P(PyramidTest, FixedWindowWithoutOptionGroup) {
    EXPECT_EQ(form->size(), Small() ? QSize(520, 480) : QSize(640, 586));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->Info().PlacementSection, Small() ? "sPyramid" : "Pyramid");
    EXPECT_TRUE(form->Info().RestoreState);
    EXPECT_EQ(ActionNames(form->PopupMenu1),
              QStringList({"Undo1", "N1", "NewGame1", "Restart1", "Preferences1", "About1"}));
    drive->Key(Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList{"1009"});

    const QFont font = form->Label1->font();
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(font.pixelSize(), Small() ? 13 : 16);
    EXPECT_EQ(form->Label1->pos(), Small() ? QPoint(5, 454) : QPoint(8, 560));
    if (Small()) {
        EXPECT_EQ(Pos(9)->geometry(), QRect(267, 128, 61, 95));
        EXPECT_EQ(Pos(28)->geometry(), QRect(448, 248, 61, 95));
        EXPECT_EQ(V("WastePileView")->geometry(), QRect(296, 353, 88, 113));
        EXPECT_FLOAT_EQ(V("WastePileView")->XOffset, 0.5f);
        EXPECT_EQ(V("DiscardPileView")->geometry(), QRect(448, 361, 61, 95));
    } else {
        EXPECT_EQ(Pos(9)->geometry(), QRect(320, 152, 80, 125));
        EXPECT_EQ(V("DeckPileView")->geometry(), QRect(136, 432, 113, 145));
        EXPECT_EQ(V("DiscardPileView")->geometry(), QRect(544, 440, 80, 125));
    }
}

TEST_P(PyramidTest, NewGameAndRestartDealWithTheirSounds) {
    Preferences().DoAnimation = true;
    const Snapshot first = Take(*form);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(sound.Names(), QStringList({"SHUFFLE", "DEAL"}));
    const Snapshot second = Take(*form);
    EXPECT_NE(second, first);
    LayRow7({"KH"});
    drive->DoubleClick(OnCard(Pos(22)));
    StockClick();
    sound.Clear();
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(sound.Names(), QStringList({"RESTART", "DEAL"}));
    EXPECT_EQ(Take(*form), second);
    for (int n = 1; n <= 28; ++n) EXPECT_TRUE(Pos(n)->isVisible());
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_EQ(form->windowTitle(), "Pyramid");
    EXPECT_TRUE(EveryCardOnce(*form));

    // Past five moves both commands ask, with the game's own wording.
    form->MoveCount = 6;
    dialogs.ConfirmAnswers = {false};
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Restart this game of Pyramid?"});
    EXPECT_EQ(form->MoveCount, 6);
}

TEST_P(PyramidTest, FreeCardsAddingToThirteenLeaveTogether) {
    LayRow7({"7C", "6D", "QH", "AS", "JD", "2C", "7H"}, {{"CardPileView16", "3D"}, {"PlayPileView", "7S"}});
    EXPECT_FALSE(Pos(16)->AllowDrag);

    DragTo(Pos(22), Pos(23));
    EXPECT_EQ(Names(V("DiscardPileView")), "7C 6D");
    EXPECT_FALSE(Pos(22)->isVisible());
    EXPECT_FALSE(Pos(23)->isVisible());
    EXPECT_TRUE(Pos(16)->AllowDrag); // both cards over it are gone
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(form->windowTitle(), "Pyramid   Score: 2");
    ASSERT_FALSE(sound.Played().empty());
    EXPECT_EQ(sound.Played().back().Name, "AUTOPLAY");
    EXPECT_FALSE(sound.Played().back().Wait); // a pair on a position does not wait

    DragTo(Pos(25), Pos(24)); // Ace on Queen
    DragTo(Pos(26), Pos(27)); // Jack on Two
    EXPECT_EQ(Names(V("DiscardPileView")), "7C 6D AS QH JD 2C");

    // Two Sevens make 14: the card comes back and nothing is counted.
    DragTo(Pos(28), V("PlayPileView"));
    EXPECT_EQ(Names(Pos(28)), "7H");
    EXPECT_TRUE(Pos(28)->isVisible());
    EXPECT_EQ(Names(V("PlayPileView")), "7S");
    EXPECT_EQ(form->MoveCount, 3);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(PyramidTest, ThePlayCardAndTheWasteTopPairWithEachOther) {
    Lay({{"PlayPileView", "6H"}, {"WastePileView", "9C 7S"}, {"CardPileView22", "4D"}});
    DragTo(V("WastePileView"), V("PlayPileView"));
    EXPECT_EQ(Names(V("DiscardPileView")), "7S 6H");
    EXPECT_EQ(Names(V("WastePileView")), "9C");
    EXPECT_TRUE(V("PlayPileView")->Pile->Cards.empty());
    EXPECT_TRUE(sound.Played().back().Wait); // on the play position the sound is waited for
    // A free pyramid card pairs with the waste's top card.
    DragTo(Pos(22), V("WastePileView"));
    EXPECT_EQ(Names(V("DiscardPileView")), "7S 6H 4D 9C");
    EXPECT_FALSE(Pos(22)->isVisible());
    EXPECT_EQ(form->MoveCount, 2);
}

TEST_P(PyramidTest, TheWasteTopNeverPairsWithTheCardBeneathIt) {
    Lay({{"WastePileView", "5C 8D"}});
    DragTo(V("WastePileView"), V("WastePileView"));
    EXPECT_EQ(Names(V("WastePileView")), "5C 8D");
    EXPECT_TRUE(V("DiscardPileView")->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(PyramidTest, AKingGoesAloneByDragDoubleClickShiftOrCtrlClick) {
    LayRow7({"KC", "KH", "KS", "AC"}, {{"CardPileView16", "KD"}});
    // A King never pairs, not even with an Ace.
    DragTo(Pos(22), Pos(25));
    EXPECT_EQ(Names(Pos(22)), "KC");
    EXPECT_EQ(Discarded(), 0);
    // Covered, the King in row 6 stays.
    drive->DoubleClick(OnCard(Pos(16)));
    EXPECT_EQ(Discarded(), 0);

    DragTo(Pos(22), V("DiscardPileView"));
    EXPECT_EQ(Names(V("DiscardPileView")), "KC");
    EXPECT_EQ(form->windowTitle(), "Pyramid   Score: 1");
    ASSERT_FALSE(sound.Played().empty());
    EXPECT_EQ(sound.Played().back().Name, "AUTOPLAY");
    EXPECT_TRUE(sound.Played().back().Wait);
    sound.Clear();
    drive->DoubleClick(OnCard(Pos(23)));
    EXPECT_TRUE(Pos(16)->AllowDrag);
    drive->Click(OnCard(Pos(24)), Qt::ShiftModifier);
    drive->Click(OnCard(Pos(16)), Qt::ControlModifier);
    EXPECT_EQ(Names(V("DiscardPileView")), "KC KH KS KD");
    EXPECT_TRUE(sound.Names().isEmpty()); // the King click is silent
    EXPECT_EQ(form->MoveCount, 4);
    // Something that is not a King stays.
    drive->DoubleClick(OnCard(Pos(25)));
    EXPECT_EQ(Names(Pos(25)), "AC");
    EXPECT_EQ(form->MoveCount, 4);
    // Each King comes back alone, the last first.
    Undo();
    EXPECT_EQ(Names(Pos(16)), "KD");
    EXPECT_TRUE(Pos(16)->isVisible());
    EXPECT_EQ(form->MoveCount, 3);
    EXPECT_EQ(form->windowTitle(), "Pyramid   Score: 3");
}

TEST_P(PyramidTest, TheApexIsFreeOnlyWhenBothCardsOfRowTwoAreGone) {
    Lay({{"CardPileView1", "KC"}, {"CardPileView2", "KH"}, {"CardPileView3", "KS"}});
    EXPECT_FALSE(Pos(1)->AllowDrag);
    drive->DoubleClick(OnCard(Pos(2)));
    EXPECT_FALSE(Pos(1)->AllowDrag);
    drive->Click(OnCard(Pos(1)), Qt::ShiftModifier);
    EXPECT_EQ(Names(Pos(1)), "KC");
    drive->DoubleClick(OnCard(Pos(3)));
    EXPECT_TRUE(Pos(1)->AllowDrag);
    drive->DoubleClick(OnCard(Pos(1)));
    EXPECT_EQ(Discarded(), 3);
}

TEST_P(PyramidTest, ADropOverTheTableOrOutsideTheWindowReturnsTheCard) {
    LayRow7({"7C", "6D"}, {{"CardPileView16", "9D"}});
    const Snapshot before = Take(*form);
    // Over the bare table, and over the stock, after passing a card it pairs with.
    for (const QPoint end : {BareTable(), OnCard(V("DeckPileView"))}) {
        const QPoint start = OnCard(Pos(22));
        drive->Press(start);
        drive->Move(start + QPoint(5, 5));
        drive->Move(OnCard(Pos(23)));
        drive->Move(end);
        drive->Release(end);
        EXPECT_EQ(Take(*form), before);
        EXPECT_TRUE(Pos(22)->isVisible());
    }
    // Outside the window.
    const QPoint start = OnCard(Pos(22));
    const QPoint outside(-40, form->height() + 40);
    drive->Press(start);
    drive->Move(start + QPoint(5, 5));
    drive->Move(OnCard(Pos(23)));
    drive->Move(outside);
    drive->Release(outside);
    EXPECT_EQ(Take(*form), before);
    EXPECT_TRUE(Pos(22)->isVisible());
    // Back in front of the card it overlaps.
    EXPECT_EQ(Under(At(Pos(22), 50, 10)), Pos(22));
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));

    // The play card dropped outside comes home too.
    Lay({{"PlayPileView", "5H"}, {"CardPileView22", "8S"}});
    const QPoint play = OnCard(V("PlayPileView"));
    drive->Press(play);
    drive->Move(play + QPoint(12, 12));
    drive->Move(OnCard(Pos(22)));
    drive->Move(outside);
    drive->Release(outside);
    EXPECT_EQ(Names(V("PlayPileView")), "5H");
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(PyramidTest, ThreePassesThroughTheStock) {
    TCardPileView* stock = V("DeckPileView");
    for (int i = 0; i < 24; ++i) StockClick();
    EXPECT_TRUE(stock->Pile->Cards.empty());
    EXPECT_EQ(stock->State, FS_RECYCLE);
    EXPECT_FALSE(stock->ShowHint);
    EXPECT_EQ(V("WastePileView")->Pile->Cards.size(), 23u);
    EXPECT_EQ(form->MoveCount, 24);
    EXPECT_EQ(sound.Names().last(), "STOCK");

    StockClick(); // the redeal turns up the first card of the second pass
    EXPECT_EQ(form->Label1->text(), "Second Pass");
    ASSERT_EQ(V("PlayPileView")->Pile->Cards.size(), 1u);
    EXPECT_EQ(V("PlayPileView")->Pile->Cards[0], form->SavedDeck.Cards[23]);
    EXPECT_EQ(stock->Pile->Cards.size(), 23u);
    for (const TCard* c : stock->Pile->Cards) EXPECT_FALSE(c->FaceUp);
    EXPECT_TRUE(V("WastePileView")->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, 24); // a redeal is no move

    for (int i = 0; i < 23; ++i) StockClick();
    StockClick();
    EXPECT_EQ(form->Label1->text(), "Third Pass");
    for (int i = 0; i < 23; ++i) StockClick();
    EXPECT_TRUE(stock->Pile->Cards.empty());
    EXPECT_EQ(stock->State, FS_BLANK);

    // No fourth pass: the play card goes to the waste, and then nothing happens.
    const int moves = form->MoveCount;
    StockClick();
    EXPECT_TRUE(V("PlayPileView")->Pile->Cards.empty());
    EXPECT_EQ(V("WastePileView")->Pile->Cards.size(), 24u);
    const int records = form->UndoList->RecordCount();
    sound.Clear();
    StockClick();
    drive->Key(Qt::Key_Space);
    EXPECT_EQ(form->UndoList->RecordCount(), records);
    EXPECT_TRUE(sound.Names().isEmpty());
    EXPECT_EQ(form->MoveCount, moves);
    EXPECT_EQ(form->PassNumber, 3);

    // Undo of that last click brings back only the play card.
    Undo();
    EXPECT_EQ(V("PlayPileView")->Pile->Cards.size(), 1u);
    EXPECT_EQ(V("WastePileView")->Pile->Cards.size(), 23u);
    EXPECT_TRUE(stock->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, moves);
    // And the turn before it: one card back on the stock, the recycle sign again.
    Undo();
    EXPECT_EQ(stock->Pile->Cards.size(), 1u);
    EXPECT_EQ(stock->State, FS_RECYCLE);
    EXPECT_EQ(form->MoveCount, moves - 1);
}

TEST_P(PyramidTest, UndoOfATurnTakesBackTheTurnAndItsWasteShift) {
    StockClick();
    const Snapshot afterOne = Take(*form);
    StockClick();
    EXPECT_EQ(V("DeckPileView")->Hint, "22");
    sound.Clear();
    Undo();
    EXPECT_EQ(sound.Names().first(), "UNDO");
    EXPECT_EQ(Take(*form), afterOne);
    EXPECT_EQ(V("DeckPileView")->Hint, "23");
    EXPECT_FALSE(V("DeckPileView")->Pile->Cards.back()->FaceUp);
    EXPECT_EQ(form->MoveCount, 1);
}

TEST_P(PyramidTest, UndoOfARedealTakesTwoSteps) {
    for (int i = 0; i < 24; ++i) StockClick();
    const Snapshot beforeRedeal = Take(*form);
    StockClick();
    ASSERT_EQ(form->PassNumber, 2);

    Undo(); // the card the redeal turned up
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 24u);
    EXPECT_TRUE(V("PlayPileView")->Pile->Cards.empty());
    EXPECT_TRUE(V("WastePileView")->Pile->Cards.empty());
    EXPECT_EQ(form->Label1->text(), "Second Pass");
    EXPECT_EQ(form->MoveCount, 24);

    Undo(); // the redeal with the play card it sent to the waste
    EXPECT_EQ(Take(*form), beforeRedeal);
    EXPECT_EQ(form->Label1->text(), "First Pass");
    EXPECT_EQ(form->PassNumber, 1);
    EXPECT_EQ(form->MoveCount, 24);

    Undo(); // the earlier turns are whole, one each
    EXPECT_EQ(V("DeckPileView")->Pile->Cards.size(), 1u);
    EXPECT_EQ(V("WastePileView")->Pile->Cards.size(), 22u);
    EXPECT_EQ(form->MoveCount, 23);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(PyramidTest, UndoOfAPairIsOneStepAndCoversTheCardBelowAgain) {
    LayRow7({"7C", "6D"}, {{"CardPileView16", "9D"}});
    const Snapshot before = Take(*form);
    DragTo(Pos(23), Pos(22));
    ASSERT_TRUE(Pos(16)->AllowDrag);
    Undo();
    EXPECT_EQ(Take(*form), before);
    EXPECT_FALSE(Pos(16)->AllowDrag);
    EXPECT_TRUE(Pos(22)->isVisible() && Pos(23)->isVisible());
    EXPECT_EQ(Under(At(Pos(22), 50, 10)), Pos(22)); // in front of the card it covers
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_EQ(form->windowTitle(), "Pyramid");
    EXPECT_FALSE(form->Undo1->isEnabled());
}

TEST_P(PyramidTest, ATurnOntoAnEmptyPlayPositionUndoesAloneAfterAPair) {
    Lay({{"PlayPileView", "6H"}, {"CardPileView22", "7C"}});
    DragTo(Pos(22), V("PlayPileView"));
    ASSERT_EQ(Discarded(), 2);
    ASSERT_TRUE(V("PlayPileView")->Pile->Cards.empty());
    const int stockCards = int(V("DeckPileView")->Pile->Cards.size());
    StockClick();
    EXPECT_EQ(form->MoveCount, 2);

    Undo(); // only the turn
    EXPECT_EQ(int(V("DeckPileView")->Pile->Cards.size()), stockCards);
    EXPECT_TRUE(V("PlayPileView")->Pile->Cards.empty());
    EXPECT_EQ(Discarded(), 2);
    EXPECT_EQ(form->MoveCount, 1);
    Undo(); // then the pair
    EXPECT_EQ(Names(V("PlayPileView")), "6H");
    EXPECT_EQ(Names(Pos(22)), "7C");
    EXPECT_TRUE(Pos(22)->isVisible());
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(PyramidTest, AKingTurnedFromThePlayPositionToTheWasteUndoesAsATurn) {
    Lay({{"PlayPileView", "KS"}});
    StockClick();
    ASSERT_EQ(Names(V("WastePileView")), "KS");
    Undo();
    EXPECT_EQ(Names(V("PlayPileView")), "KS");
    EXPECT_TRUE(V("WastePileView")->Pile->Cards.empty());
    EXPECT_EQ(Discarded(), 0);
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_P(PyramidTest, WonOnlyWithAllFiftyTwoOnTheDiscardPile) {
    // The pyramid cleared with cards left in the stock is no win.
    LayRow7({"KH"});
    drive->DoubleClick(OnCard(Pos(22)));
    EXPECT_EQ(dialogs.Count("Win"), 0);
    EXPECT_FALSE(form->GameWon);

    Lay({{"CardPileView22", "6C"}, {"CardPileView23", "7C"}}, QStringLiteral("DiscardPileView"));
    for (TCard* card : V("DiscardPileView")->Pile->Cards) card->FaceUp = true;
    DragTo(Pos(22), Pos(23));
    EXPECT_EQ(Discarded(), 52);
    EXPECT_EQ(dialogs.Count("Win"), 1);
    EXPECT_TRUE(form->GameWon);
    EXPECT_EQ(form->windowTitle(), "Pyramid   Score: 52");
}

TEST_P(PyramidTest, ThePassLabelFollowsTheBackgroundColour) {
    auto colour = [this] { return form->Label1->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(), QColor(Qt::white)); // on the dark green table
    dialogs.OnPreferences = [] { Preferences().BackgroundColor = 0xC0C0C0; };
    form->Preferences1->trigger();
    EXPECT_EQ(colour(), QColor(Qt::black));
    dialogs.OnPreferences = [] { Preferences().BackgroundColor = 8388606; };
    form->Preferences1->trigger();
    EXPECT_EQ(colour(), QColor(Qt::white));
    dialogs.OnPreferences = [] { Preferences().BackgroundColor = 8388607; };
    form->Preferences1->trigger();
    EXPECT_EQ(colour(), QColor(Qt::black));
}

// Seeded play with undo mixed in: the move count stays at or above zero and
// returns to zero with the history; the table returns to the deal.
TEST_P(PyramidTest, TheMoveCountNeverFallsBelowZero) {
    const Snapshot dealt = Take(*form);
    QRandomGenerator rng(Small() ? 41 : 14);
    std::vector<TCardPileView*> views = form->Pyramid;
    views.push_back(V("PlayPileView"));
    views.push_back(V("WastePileView"));
    views.push_back(V("DiscardPileView"));
    int undos = 0;
    for (int step = 0; step < 400; ++step) {
        const int action = rng.bounded(10);
        TCardPileView* from = views[rng.bounded(int(views.size()))];
        TCardPileView* to = views[rng.bounded(int(views.size()))];
        if (action < 3) {
            StockClick();
        } else if (action < 6) {
            if (form->UndoList->RecordCount() > 0) ++undos;
            Undo();
        } else if (action == 6) {
            if (from->isVisible() && !from->Pile->Cards.empty()) drive->DoubleClick(OnCard(from));
        } else if (from->isVisible() && !from->Pile->Cards.empty()) {
            drive->Drag(OnCard(from), to->isVisible() ? OnCard(to) : BareTable());
        }
        ASSERT_GE(form->MoveCount, 0) << "step " << step;
        ASSERT_TRUE(EveryCardOnce(*form)) << "step " << step;
        ASSERT_EQ(form->windowTitle(),
                  Discarded() ? QStringLiteral("Pyramid   Score: %1").arg(Discarded()) : QStringLiteral("Pyramid"));
    }
    EXPECT_GT(undos, 50);
    while (form->Undo1->isEnabled()) Undo();
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_EQ(form->PassNumber, 1);
    EXPECT_EQ(Take(*form), dealt);
    for (int n = 1; n <= 28; ++n) EXPECT_TRUE(Pos(n)->isVisible()) << n;
}

TEST_P(PyramidTest, ListsPairsOntoTheOtherCardKingsAndTheStockWhileItCanTurn) {
    LayRow7({"6C", "7D", "KS", "5H", "8H", "QD", "3S"}, {{"PlayPileView", "AD"}, {"WastePileView", "9C 2C"}});
    EXPECT_EQ(MovesText(*form, form->LegalMoves()),
              "CardPileView22 #0 -> CardPileView23; CardPileView23 #0 -> CardPileView22; "
              "CardPileView24 #0 -> DiscardPileView; CardPileView24 #0: home -> DiscardPileView; "
              "CardPileView25 #0 -> CardPileView26; CardPileView26 #0 -> CardPileView25; "
              "CardPileView27 #0 -> PlayPileView; PlayPileView #0 -> CardPileView27; DeckPileView: stock");
    // Two pyramid cards before a King, a King before a card of the stock.
    EXPECT_EQ(form->MoveText(form->HintMoves().front()), "CardPileView22 #0 -> CardPileView23");
    // An empty stock on the third pass turns only while a play card is left.
    Lay({{"CardPileView22", "6C"}, {"PlayPileView", "AD"}}, "DiscardPileView");
    form->PassNumber = 3;
    EXPECT_EQ(MovesText(*form, form->LegalMoves()), "DeckPileView: stock");
    form->Perform(form->LegalMoves().front());
    EXPECT_EQ(Names(V("WastePileView")), "AD");
    EXPECT_EQ(MovesText(*form, form->LegalMoves()), "");
}

INSTANTIATE_TEST_SUITE_P(BothSizes, PyramidTest, ::testing::Bool(), SizeName);

// The search's shortcuts (stuck cards, free Kings and sure pairs first, each
// pair once) change no verdict: the plain search agrees wherever both decide.
TEST(PyramidSolverTest, ShortcutsKeepTheVerdicts) {
    struct Plain : TPyramidSolver {
        bool Prune(const TSolverTable&, const TMove&, const TMove&) const override { return false; }
    };
    const TPyramidSolver rules;
    const Plain plain;
    TSolverBudget budget;
    budget.Seconds = 60;
    budget.Nodes = 60'000;
    int compared = 0;
    for (std::uint32_t n = 1; n <= 10; ++n) {
        const TSolverResult fast = Solve(rules, rules.Deal(n), budget), slow = Solve(plain, plain.Deal(n), budget);
        if (fast.Kind == TSolverResult::Undecided || slow.Kind == TSolverResult::Undecided) continue;
        ++compared;
        EXPECT_EQ(fast.Kind, slow.Kind) << n;
    }
    EXPECT_GE(compared, 3);
}
