// Montana played through its real window: the deal, the automatic move,
// filling gaps by clicking, dragging, the score, Shuffle Remaining and the
// double-click that must make one move only.
#include "GameTestSupport.h"
#include "MontanaWindow.h"
#include "TableMarks.h"

#include <QAction>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {

QString Token(const TCard* c) {
    static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QLatin1String(ranks[c->Value]) + QLatin1Char("CSDH"[c->Suit]);
}

class MontanaTest : public TWindowTest<TMontanaForm> {
protected:
    MontanaTest() : TWindowTest(1941) {}
    // Position n (1..52, row by row).
    TCardPileView* P(int n) const { return form->Grid[std::size_t(n - 1)]; }
    QString At(int n) const { return P(n)->Pile->Cards.empty() ? QStringLiteral("--") : Names(P(n)); }
    void Press(int n) { drive->Click(OnCard(P(n))); }
    int Gaps() const {
        int gaps = 0;
        for (const TCardPileView* v : form->Grid) gaps += v->Pile->Cards.empty();
        return gaps;
    }

    // Lays out the grid: the named positions get the named card, or stay a
    // gap ("--"); the other positions take the remaining cards but the
    // Aces, in deck order. The Aces wait in the hidden pile.
    void Lay(const std::map<int, QString>& named) {
        QStringList pool;
        for (const TCard* c : form->SavedDeck.Cards)
            if (c->Value != FS_ACE) pool << Token(c);
        for (const auto& [n, card] : named) pool.removeAll(card);
        std::vector<std::pair<QString, QString>> piles;
        for (int n = 1; n <= 52; ++n) {
            QString card;
            if (auto it = named.find(n); it != named.end()) card = it->second == "--" ? QString() : it->second;
            else if (!pool.isEmpty()) card = pool.takeFirst();
            piles.push_back({P(n)->objectName(), card});
        }
        Arrange(*form, piles, "DiscardPileView");
        for (TCard* c : form->DiscardPileView->Pile->Cards) c->FaceUp = true;
    }
    // Row `row` (1..4) from column 1 holds `cards`.
    static void Row(std::map<int, QString>& named, int row, const QString& cards) {
        int n = 13 * (row - 1) + 1;
        for (const QString& card : cards.split(QLatin1Char(' '), Qt::SkipEmptyParts)) named[n++] = card;
    }
};

} // namespace

TEST_F(MontanaTest, DealsColumnByColumnAndTakesTheAcesOut) {
    EXPECT_TRUE(sound.Names().isEmpty());
    const auto& deck = form->SavedDeck.Cards;
    std::vector<TCard*> aces;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 13; ++c) {
            TCard* dealt = deck[std::size_t(51 - (4 * c + r))];
            const TCardPileView* view = P(13 * r + c + 1);
            if (dealt->Value == FS_ACE) {
                EXPECT_TRUE(view->Pile->Cards.empty());
                aces.push_back(dealt);
            } else {
                ASSERT_EQ(view->Pile->Cards.size(), 1u);
                EXPECT_EQ(view->Pile->Cards[0], dealt);
                EXPECT_TRUE(dealt->FaceUp);
            }
        }
    }
    EXPECT_EQ(Gaps(), 4);
    EXPECT_EQ(form->DiscardPileView->Pile->Cards, aces); // row by row
    EXPECT_FALSE(form->DiscardPileView->isVisible());
    EXPECT_EQ(form->windowTitle(), "Montana");
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(form->Shuffle1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));

    Preferences().DoAnimation = true;
    form->NewGame1Click(form->NewGame1);
    QStringList expected{"SHUFFLE"};
    for (int c = 0; c < 13; ++c) expected << "DEAL";
    EXPECT_EQ(sound.Names(), expected);
    EXPECT_EQ(Gaps(), 4);

    // Restart lays the same grid out again, every card face up.
    std::vector<QString> grid;
    for (int n = 1; n <= 52; ++n) grid.push_back(At(n));
    Press(1);
    sound.Clear();
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(sound.Names().first(), "RESTART");
    for (int n = 1; n <= 52; ++n) EXPECT_EQ(At(n), grid[std::size_t(n - 1)]) << n;
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_F(MontanaTest, ATwoGoesToTheFirstGapOfColumnOne) {
    Lay({{14, "--"}, {40, "--"}, {5, "--"}, {30, "--"}, {8, "2D"}});
    Press(8);
    EXPECT_EQ(At(14), "2D"); // rows tested top to bottom
    EXPECT_EQ(At(8), "--");
    EXPECT_EQ(At(40), "--");
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_TRUE(sound.Names().isEmpty());
    Undo();
    EXPECT_EQ(At(8), "2D");
    EXPECT_EQ(At(14), "--");
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_EQ(sound.Names(), QStringList{"UNDO"});

    // With no gap in column 1 a 2 stays put and may only be dragged.
    Lay({{5, "--"}, {6, "--"}, {7, "--"}, {9, "--"}, {8, "2D"}});
    Press(8);
    EXPECT_EQ(At(8), "2D");
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_F(MontanaTest, ACardGoesToTheGapAfterItsPredecessor) {
    Lay({{3, "--"}, {2, "4H"}, {20, "--"}, {19, "KH"}, {33, "--"}, {32, "KD"}, {44, "KC"}, {45, "5H"},
         {52, "--"}, {51, "KS"}});
    Press(45);
    EXPECT_EQ(At(3), "5H");
    EXPECT_EQ(At(45), "--");
    // Nothing ever fits after a King: neither a click on the gap nor a drag.
    const QString card = At(50);
    Press(52);
    EXPECT_EQ(At(52), "--");
    EXPECT_EQ(form->MoveCount, 1);
    drive->Drag(OnCard(P(50)), OnCard(P(52)));
    EXPECT_EQ(At(52), "--");
    EXPECT_EQ(At(50), card);
    EXPECT_EQ(form->MoveCount, 1);
}

TEST_F(MontanaTest, ClickingAGapFetchesTheCardThatFitsIt) {
    // Column 1 next to a 3: that 3's 2, even from column 1 of another row.
    Lay({{14, "--"}, {15, "3H"}, {27, "2H"}, {28, "9S"}, {1, "9D"}, {2, "9C"}, {3, "9H"}, {4, "2C"}, {5, "--"},
         {6, "--"}, {7, "--"}});
    Press(14);
    EXPECT_EQ(At(14), "2H");
    EXPECT_EQ(At(27), "--");
    // Column 1 otherwise: the first 2 in grid order that is not in column 1.
    Press(27);
    EXPECT_EQ(At(27), "2C");
    EXPECT_EQ(At(4), "--");
    // Elsewhere: the card one above the left neighbour, in its suit.
    Lay({{10, "--"}, {9, "6C"}, {44, "7C"}, {1, "--"}, {2, "--"}, {3, "--"}});
    Press(10);
    EXPECT_EQ(At(10), "7C");
    EXPECT_EQ(At(44), "--");
    EXPECT_EQ(form->MoveCount, 3);
    Undo(); // the card goes back and the gap it filled opens again
    EXPECT_EQ(At(44), "7C");
    EXPECT_EQ(At(10), "--");
    // A gap after a gap has nothing to fetch.
    Press(3);
    EXPECT_EQ(At(3), "--");
    EXPECT_EQ(form->MoveCount, 2);
}

TEST_F(MontanaTest, ACardThatFitsNoGapIsLiftedAndComesBack) {
    // Every gap follows a King: nothing can move, a dragged card goes home.
    Lay({{20, "--"}, {19, "KH"}, {33, "--"}, {32, "KD"}, {45, "--"}, {44, "KC"}, {52, "--"}, {51, "KS"},
         {30, "7D"}});
    drive->Drag(OnCard(P(30)), OnCard(P(33)));
    EXPECT_EQ(At(30), "7D");
    EXPECT_EQ(At(33), "--");
    drive->Drag(OnCard(P(30)), QPoint(500, 575)); // the bare table
    EXPECT_EQ(At(30), "7D");
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_F(MontanaTest, ScoresTheSequencesFromColumnOne) {
    std::map<int, QString> named;
    Row(named, 1, "2S 3S 4S 5S 6S 7S -- KD");
    Row(named, 2, "3D 4D 5D 6D");
    Row(named, 3, "2H 3H --");
    Row(named, 4, "2C 4C 5C");
    named[52] = "--";
    named[51] = "--";
    Lay(named);
    EXPECT_EQ(form->CurrentScore(), 6 + 0 + 2 + 1);
    // Filling the gap after the 7 of spades scores it.
    Press(7);
    EXPECT_EQ(At(7), "8S");
    EXPECT_EQ(form->windowTitle(), "Montana   Score: 10");
}

TEST_F(MontanaTest, ShuffleRemainingKeepsTheSequencesWithAGapAfterEach) {
    std::map<int, QString> named;
    Row(named, 1, "2H 3H 4H 9H");
    Row(named, 2, "2S 9D");
    Row(named, 3, "3D");
    named[19] = "5D";
    Row(named, 4, "2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC --");
    named[20] = "--";
    named[30] = "--";
    named[31] = "--";
    Lay(named);
    Press(20); // a move, to see the history end
    ASSERT_TRUE(form->Undo1->isEnabled());
    sound.Clear();
    drive->Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(sound.Names().first(), "SHUFFLE");
    EXPECT_EQ(At(1) + " " + At(2) + " " + At(3) + " " + At(4), "2H 3H 4H --");
    EXPECT_EQ(At(14) + " " + At(15), "2S --");
    for (int n = 40; n <= 51; ++n) EXPECT_NE(At(n), "--");
    EXPECT_EQ(At(52), "--");
    EXPECT_EQ(Gaps(), 4); // three after the sequences, one where no card was left
    for (const TCardPileView* v : form->Grid)
        for (const TCard* c : v->Pile->Cards) EXPECT_NE(c->Value, FS_ACE);
    EXPECT_EQ(form->DiscardPileView->Pile->Cards.size(), 4u);
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_TRUE(form->Shuffle1->isEnabled());

    form->Shuffle1->trigger();
    EXPECT_EQ(form->RedealCount, 2);
    EXPECT_FALSE(form->Shuffle1->isEnabled());
    EXPECT_EQ(At(1) + " " + At(2) + " " + At(3), "2H 3H 4H");
    EXPECT_EQ(Gaps(), 4);
    drive->Key(Qt::Key_S, Qt::ControlModifier); // greyed: nothing happens
    EXPECT_EQ(form->RedealCount, 2);
    form->NewGame1Click(form->Restart1);
    EXPECT_TRUE(form->Shuffle1->isEnabled());
    EXPECT_EQ(form->RedealCount, 0);
}

TEST_F(MontanaTest, ShuffleRemainingWithEveryRowStartedLeavesExactlyTheGapsAfterThem) {
    std::map<int, QString> named;
    Row(named, 1, "2H KH");
    Row(named, 2, "2S 3S KS");
    Row(named, 3, "2D KD");
    Row(named, 4, "2C 3C 4C KC");
    Lay(named);
    form->Shuffle1->trigger();
    EXPECT_EQ(At(2), "--");
    EXPECT_EQ(At(16), "--");
    EXPECT_EQ(At(28), "--");
    EXPECT_EQ(At(43), "--");
    EXPECT_EQ(Gaps(), 4);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_F(MontanaTest, ADoubleClickMakesOneMove) {
    // The first press sends the 5 of hearts away; the second would land on
    // the gap it left and fetch the 9 of diamonds after the 8.
    Lay({{3, "--"}, {2, "4H"}, {19, "8D"}, {20, "5H"}, {33, "--"}, {52, "--"}, {47, "--"}});
    drive->DoubleClick(OnCard(P(20)));
    EXPECT_EQ(At(3), "5H");
    EXPECT_EQ(At(20), "--");
    EXPECT_EQ(form->MoveCount, 1);
    // The same for a gap filled by a double-click: the card that came stays.
    Lay({{10, "--"}, {9, "6C"}, {11, "--"}, {1, "--"}, {2, "--"}});
    drive->DoubleClick(OnCard(P(10)));
    EXPECT_EQ(At(10), "7C");
    EXPECT_EQ(form->MoveCount, 2);
    // A click after the double-click acts again.
    Press(11);
    EXPECT_EQ(At(11), "8C");
}

TEST_F(MontanaTest, FourFullRowsWin) {
    std::map<int, QString> named;
    Row(named, 1, "2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH --");
    Row(named, 2, "2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS --");
    Row(named, 3, "2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD --");
    Row(named, 4, "2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC -- KC");
    Lay(named);
    Press(52);
    EXPECT_EQ(At(51), "KC");
    EXPECT_EQ(form->windowTitle(), "Montana   Score: 48");
    EXPECT_TRUE(form->GameWon);
    EXPECT_EQ(dialogs.Count("Win"), 1);
    EXPECT_FALSE(form->Shuffle1->isEnabled());
    // The gaps after the Kings stay shut; nothing asks to quit.
    Press(13);
    EXPECT_EQ(dialogs.Count("Win"), 1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Count("Confirm"), 0);
}

TEST_F(MontanaTest, MenuAndWindowOfBothSizes) {
    EXPECT_EQ(ActionNames(form->PopupMenu1),
              QStringList({"Undo1", "N2", "Shuffle1", "N1", "NewGame1", "Restart1", "Preferences1", "About1"}));
    EXPECT_EQ(form->Shuffle1->text(), "&Shuffle Remaining");
    EXPECT_FALSE(form->Shuffle1->isCheckable());
    EXPECT_EQ(form->Shuffle1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(form->About1->text(), "Rul&es...");
    EXPECT_EQ(form->size(), QSize(1041, 580));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(P(52)->geometry(), QRect(960, 440, 80, 125));

    TCard::SetCardSize(FS_SMALL);
    TsMontanaForm small;
    TCard::SetCardSize(FS_LARGE);
    EXPECT_EQ(small.size(), QSize(800, 420));
    EXPECT_EQ(small.Info().PlacementSection, "sMontana");
    EXPECT_EQ(small.Grid[14]->geometry(), QRect(64, 112, 61, 95));
    EXPECT_EQ(small.Grid[51]->geometry(), QRect(735, 320, 61, 95));
    small.GameWon = true;
}

TEST_F(MontanaTest, ListsCardPressesThenGapPressesAndHintsTheJoiningTwo) {
    // Gaps at 3 (after 3C), 14 (column 1, a 3S to its right), 20 (after a
    // King: dead) and 52 (after QH).
    std::map<int, QString> named{{1, "2C"},  {2, "3C"},  {3, "--"},  {4, "9H"},  {9, "5H"},  {10, "4C"},
                                 {14, "--"}, {15, "3S"}, {19, "KD"}, {20, "--"}, {24, "5D"}, {25, "2S"},
                                 {29, "6D"}, {30, "2D"}, {40, "6H"}, {41, "2H"}, {44, "6S"}, {45, "KH"},
                                 {51, "QH"}, {52, "--"}};
    Lay(named);
    EXPECT_EQ(MovesText(*form, form->LegalMoves()),
              "CardPileView1 #0: press -> CardPileView14; CardPileView10 #0: press -> CardPileView3; "
              "CardPileView25 #0: press -> CardPileView14; CardPileView30 #0: press -> CardPileView14; "
              "CardPileView41 #0: press -> CardPileView14; CardPileView45 #0: press -> CardPileView52; "
              "CardPileView3: press -> CardPileView10; CardPileView14: press -> CardPileView25; "
              "CardPileView52: press -> CardPileView45");
    EXPECT_EQ(form->MoveText(form->HintMoves().front()), "CardPileView25 #0: press -> CardPileView14");
    // Only dead gaps: Shuffle Remaining is what is left while it may be used.
    Lay({{1, "KC"}, {2, "--"}, {3, "KD"}, {4, "--"}, {5, "KH"}, {6, "--"}, {7, "KS"}, {8, "--"}});
    EXPECT_TRUE(form->LegalMoves().empty());
    dialogs.Log.clear();
    form->Hint1->trigger();
    form->Shuffle1->setEnabled(false);
    form->Hint1->trigger();
    EXPECT_EQ(dialogs.Log.join('|'), "Information: No more moves. Shuffle Remaining deals the cards out of sequence "
                                     "again.|Information: No more moves.");
}

// The solver leaves Shuffle Remaining out: a grid it proves lost is "no
// longer won" only once no reshuffle is left; before that the hint shows a move.
TEST_F(MontanaTest, ALostGridIsToldOnlyWithoutAReshuffleLeft) {
    auto hintAnswered = [this] {
        for (int waited = 0; waited < 30000 && form->HintPending(); waited += 5)
            QTest::qWait(5);
    };
    // Three gaps after Kings or a gap; the King of the fourth's Queen leaves
    // a gap after a King: one move, then none.
    const std::map<int, QString> lost{{1, "KC"},  {2, "--"},  {27, "KH"}, {28, "--"}, {41, "QS"},
                                      {42, "--"}, {50, "KD"}, {51, "KS"}, {52, "--"}};
    Lay(lost);
    dialogs.Log.clear();
    form->Hint1->trigger();
    hintAnswered();
    EXPECT_TRUE(dialogs.Log.isEmpty());
    EXPECT_TRUE(TTableMarks::Of(form)->HintShown());
    // The same grid with the Clubs row moved down, as a new table.
    std::map<int, QString> moved = lost;
    moved.erase(1);
    moved.erase(2);
    moved[14] = "KC";
    moved[15] = "--";
    Lay(moved);
    form->Shuffle1->setEnabled(false);
    TTableMarks::Of(form)->ClearHint();
    form->Hint1->trigger();
    hintAnswered();
    EXPECT_EQ(dialogs.Log.join('|'), "Information: This deal can no longer be won.");
}
