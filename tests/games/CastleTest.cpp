// Beleaguered Castle played through its real window, in both card sizes:
// the deal with the Aces home first, single-card moves down in any suit,
// the preset target, the double-click, autoplay, the caption after the deal,
// the menu, the fixed window and the options kept per card size.
#include "CastleWindow.h"
#include "GameTestSupport.h"
#include "Rules.h"

#include <QAction>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {

class CastleTest : public TWindowTest<TCastleForm, TsCastleForm> {
protected:
    CastleTest() : TWindowTest(1815) {}
    TCardPileView* Row(int n) const { return form->PileView(Numbered("TableauPileView", n)); }
    TCardPileView* Found(int n) const { return form->PileView(Numbered("FoundationPileView", n)); }
    // Every row filled, so that a refused card has no empty row to go to.
    void ArrangeRows(const QStringList& rows, const std::vector<std::pair<QString, QString>>& more = {}) {
        std::vector<std::pair<QString, QString>> piles = more;
        for (int i = 0; i < rows.size(); ++i) piles.push_back({Numbered("TableauPileView", i + 1), rows[i]});
        Arrange(*form, piles, "DeckPileView");
    }
};

} // namespace

TEST_P(CastleTest, DealsTheAcesHomeInDeckOrderThenSixPassesSkippingThem) {
    EXPECT_TRUE(sound.Names().isEmpty());
    const auto& deck = form->SavedDeck.Cards;
    std::vector<const TCard*> aces, others;
    for (const TCard* card : deck)
        if (card->Value == FS_ACE) aces.push_back(card);
    for (auto it = deck.rbegin(); it != deck.rend(); ++it)
        if ((*it)->Value != FS_ACE) others.push_back(*it);
    for (int f = 1; f <= 4; ++f) {
        ASSERT_EQ(Found(f)->Pile->Cards.size(), 1u);
        EXPECT_EQ(Found(f)->Pile->Cards[0], aces[std::size_t(f - 1)]);
    }
    for (std::size_t k = 0; k < 48; ++k) EXPECT_EQ(Row(int(k % 8) + 1)->Pile->Cards[k / 8], others[k]) << k;
    for (int r = 1; r <= 8; ++r) {
        ASSERT_EQ(Row(r)->Pile->Cards.size(), 6u);
        for (const TCard* card : Row(r)->Pile->Cards) EXPECT_TRUE(card->FaceUp);
    }
    EXPECT_TRUE(form->DeckPileView->Pile->Cards.empty());
    EXPECT_FALSE(form->DeckPileView->isVisible());
    EXPECT_TRUE(EveryCardOnce(*form));
    // Four Aces home, yet the caption shows the bare name until the first move.
    EXPECT_EQ(form->windowTitle(), "Beleaguered Castle");

    Preferences().DoAnimation = true;
    form->NewGame1Click(form->NewGame1);
    QStringList expected{"SHUFFLE"};
    for (int i = 0; i < 4 + 6; ++i) expected << "DEAL"; // one per Ace, one per pass
    EXPECT_EQ(sound.Names(), expected);
    const Snapshot dealt = Take(*form);
    sound.Clear();
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(sound.Names().first(), "RESTART");
    EXPECT_TRUE(Take(*form) == dealt);
}

TEST_P(CastleTest, TheCaptionCountsTheAcesFromTheFirstMove) {
    ArrangeRows({"2H", "KS", "QD", "7C", "8C", "9C", "10C", "JC"},
                {{"FoundationPileView1", "AH"}, {"FoundationPileView2", "AS"}, {"FoundationPileView3", "AD"},
                 {"FoundationPileView4", "AC"}});
    drive->DoubleClick(OnCard(Row(1)));
    EXPECT_EQ(Names(Found(1)), "AH 2H");
    EXPECT_EQ(form->windowTitle(), "Beleaguered Castle   Score: 5");
    EXPECT_EQ(sound.Names().last(), "AUTOPLAY");
    Undo();
    EXPECT_EQ(form->windowTitle(), "Beleaguered Castle   Score: 4");

    // A first move between rows of a fresh deal shows the four Aces too.
    TCardPileView* from = nullptr;
    TCardPileView* to = nullptr;
    for (int deal = 0; deal < 50 && from == nullptr; ++deal) {
        form->NewGame1Click(form->NewGame1);
        for (int r = 1; r <= 8 && from == nullptr; ++r)
            for (int t = 1; t <= 8 && from == nullptr; ++t)
                if (t != r && Rules::DownAnySuit(Row(r)->Pile->Cards.back(), Row(t)->Pile->Cards.back())) {
                    from = Row(r);
                    to = Row(t);
                }
    }
    ASSERT_NE(from, nullptr);
    ASSERT_EQ(form->windowTitle(), "Beleaguered Castle");
    DragTo(from, -1, to);
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(form->windowTitle(), "Beleaguered Castle   Score: 4");
}

TEST_P(CastleTest, RowsBuildDownInAnySuitOneCardAtATime) {
    // After the first move no top card fits on another: refused drags have nowhere else to go.
    ArrangeRows({"10D", "JC", "5C 9H", "KS", "2H", "7C", "2S", "7S"});
    const Snapshot start = Take(*form);
    DragTo(Row(3), -1, Row(1)); // a red Nine on a red Ten
    EXPECT_EQ(Names(Row(1)), "10D 9H");
    DragTo(Row(1), -1, Row(2)); // a Nine on a Jack
    DragTo(Row(1), 0, Row(2));  // a card under another
    DragTo(Row(3), -1, Row(7)); // a Five on a Two
    EXPECT_EQ(Names(Row(1)), "10D 9H");
    EXPECT_EQ(Names(Row(3)), "5C");
    EXPECT_EQ(form->MoveCount, 1);
    Undo();
    EXPECT_TRUE(Take(*form) == start);
    EXPECT_EQ(form->MoveCount, 0);

    ArrangeRows({"10C", "JC", "5C 9H", "KS", "2H", "7C", "2S", "7S"});
    DragTo(Row(3), -1, Row(1)); // on a black Ten alike
    EXPECT_EQ(Names(Row(1)), "10C 9H");
}

TEST_P(CastleTest, EmptyRowsTakeAnyCardButAFittingRowComesFirst) {
    ArrangeRows({"QH", "", "9S", "8C", "KD", "3H", "4H", "5H"});
    // Released over the table at once: onto the Nine, not into row 2.
    const QPoint start = OnCard(Row(4));
    const QPoint table = At(Found(4), Found(4)->width() / 2, Found(4)->height() + 4);
    drive->Press(start);
    drive->Move(start + QPoint(5, 5));
    drive->Move(table);
    drive->Release(table);
    EXPECT_EQ(Names(Row(3)), "9S 8C");
    DragTo(Row(5), -1, Row(2)); // a King into the empty row
    EXPECT_EQ(Names(Row(2)), "KD");
    // The Queen is preset onto the King, but the empty row hovered last takes her.
    DragTo(Row(1), -1, Row(4));
    EXPECT_EQ(Names(Row(4)), "QH");
    EXPECT_EQ(Names(Row(2)), "KD");
    EXPECT_EQ(form->MoveCount, 3);
}

TEST_P(CastleTest, FoundationsTakeTheNextCardOfTheirSuitAndNoneWhenEmpty) {
    ArrangeRows({"2D", "2S", "AC", "4D", "KS", "QS", "JS", "10S"}, {{"FoundationPileView1", "AS"}});
    const Snapshot start = Take(*form);
    DragTo(Row(1), -1, Found(1));       // a Two of another suit
    drive->DoubleClick(OnCard(Row(3))); // an Ace has no empty foundation to go to
    drive->DoubleClick(OnCard(Row(4))); // nor any card any other destination than home
    EXPECT_TRUE(Take(*form) == start);
    EXPECT_EQ(form->MoveCount, 0);
    DragTo(Row(3), -1, Found(2)); // the Ace goes onto a Two it passed over instead
    EXPECT_TRUE(Found(2)->Pile->Cards.empty());
    EXPECT_TRUE(Row(3)->Pile->Cards.empty());
    Undo();
    DragTo(Row(2), -1, Found(1));
    EXPECT_EQ(Names(Found(1)), "AS 2S");
    drive->Click(OnCard(Row(7)), Qt::ControlModifier);
    drive->Click(OnCard(Row(8)), {}, Qt::MiddleButton);
    EXPECT_EQ(Names(Row(7)), "JS");
    EXPECT_EQ(Names(Row(8)), "10S");
    EXPECT_EQ(form->MoveCount, 1);
}

TEST_P(CastleTest, LegalMovesAreOuterCardsOnlyAndAnEmptyFoundationTakesNothing) {
    ArrangeRows({"KC 9H", "10D", "5C", "2H", "AD", "KD", "KS", "KH"},
                {{"FoundationPileView1", "AH"}, {"FoundationPileView2", "AS"}, {"FoundationPileView4", "AC"}});
    EXPECT_EQ(MovesText(*form, form->LegalMoves()),
              "TableauPileView1 #1 -> TableauPileView2; TableauPileView4 #0 -> FoundationPileView1; "
              "TableauPileView4 #0: home -> FoundationPileView1; TableauPileView5 #0 -> TableauPileView4");
    EXPECT_EQ(form->MoveText(form->HintMoves().front()), "TableauPileView4 #0 -> FoundationPileView1");
}

TEST_P(CastleTest, AutoplayCascadesFromOneMoveAndIsKeptPerCardSize) {
    ArrangeRows({"3H 2H", "5H 4H", "3S 2S", "QS", "KH", "7C", "8C", "9C"},
                {{"FoundationPileView1", "AH"}, {"FoundationPileView2", "AS"}});
    form->Autoplay1->trigger();
    EXPECT_TRUE(form->Autoplay1->isChecked());
    EXPECT_EQ(TProfile(Small() ? "sCastle" : "Castle", "Autoplay").Text(), "True");
    EXPECT_EQ(TProfile(Small() ? "Castle" : "sCastle", "Autoplay").Text(), "None");
    EXPECT_EQ(Names(Found(1)), "AH"); // nothing moves at the switch
    DragTo(Row(4), -1, Row(5));
    EXPECT_EQ(Names(Found(1)), "AH 2H 3H 4H 5H");
    EXPECT_EQ(Names(Found(2)), "AS 2S 3S");
    EXPECT_EQ(form->MoveCount, 7);
    // A double-click that moves nothing still runs autoplay.
    form->AutoplayOn = false;
    Arrange(*form, {{"TableauPileView1", "KD"}, {"TableauPileView2", "2C"}, {"FoundationPileView1", "AC"}},
            "DeckPileView");
    form->AutoplayOn = true;
    drive->DoubleClick(OnCard(Row(1)));
    EXPECT_EQ(Names(Found(1)), "AC 2C");
}

TEST_P(CastleTest, MenuFixedWindowAndPrompts) {
    EXPECT_EQ(MenuText(form->PopupMenu1, MenuNames),
              QStringList({"Undo1 &Undo\tCtrl+Z", "- N3", "Autoplay1 &Autoplay\tCtrl+A", "- N1",
                           "NewGame1 &New Game\tCtrl+N", "Restart1 &Restart", "Preferences1 &Preferences...",
                           "About1 Rule&s..."}));
    const QSize client = Small() ? QSize(561, 422) : QSize(748, 554);
    EXPECT_EQ(form->size(), client);
    EXPECT_EQ(form->minimumSize(), client);
    EXPECT_EQ(form->maximumSize(), client);
    EXPECT_EQ(Row(1)->XOffset, Small() ? 9.0f : 12.0f);
    EXPECT_EQ(Row(5)->geometry(), Small() ? QRect(328, 8, 232, 95) : QRect(432, 8, 305, 125));
    EXPECT_EQ(Found(4)->geometry(), Small() ? QRect(248, 320, 61, 95) : QRect(336, 416, 80, 125));
    EXPECT_EQ(form->Info().PlacementSection, Small() ? "sCastle" : "Castle");
    QTest::keyClick(form, Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList({"1001"}));

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
    EXPECT_EQ(dialogs.Of("Confirm"),
              QStringList({"Quit this game of Beleaguered Castle?", "Restart this game of Beleaguered Castle?",
                           "Quit this game of Beleaguered Castle?"}));
    EXPECT_EQ(form->MoveCount, 6);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, CastleTest, ::testing::Bool(), SizeName);
