// Queen of Italy played through its real window: the terrace, the base
// choice, wrapping ranks, the stock's turn-overs and their undo, autoplay.
#include "GameTestSupport.h"
#include "QueenItalySolver.h"
#include "QueenItalyWindow.h"

#include <QAction>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {

class QueenItalyTest : public TWindowTest<TQueenItalyForm> {
protected:
    QueenItalyTest() : TWindowTest(1010) {}
    TCardPileView* Col(int n) const { return V(QStringLiteral("TableauPileView%1").arg(n)); }
    TCardPileView* Found(int n) const { return V(QStringLiteral("FoundPile%1").arg(n)); }
    TCardPileView* Stock() const { return form->DeckPileView; }
    TCardPileView* Waste() const { return form->DiscardPileView; }
    TCardPileView* Terrace() const { return form->TerracePileView; }
    // Near the stock's corner rather than on its top card.
    void StockClick() { drive->Click(At(Stock(), 20, 20)); }

    // A table after the base choice: the listed piles as given, the rest in
    // the stock (or, with `stock`, exactly those stock cards and the rest
    // out of play on the terrace's bottom, face up).
    void Lay(CardValue base, const std::vector<std::pair<QString, QString>>& piles, const QString* stock = nullptr) {
        Arrange(*form, piles, QStringLiteral("DeckPileView"));
        form->BaseChosen = true;
        form->BaseRank = base;
        if (stock == nullptr) return;
        std::vector<TCard*> rest = Stock()->Pile->Cards;
        Stock()->Pile->Empty(false);
        for (const QString& token : stock->split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const auto [value, suit] = ParseCard(token);
            auto it = std::find_if(rest.begin(), rest.end(), [&](TCard* c) { return c->Value == value && c->Suit == suit; });
            ASSERT_NE(it, rest.end());
            Stock()->Pile->AddCard(*it);
            rest.erase(it);
        }
        for (TCard* card : rest) {
            card->FaceUp = true;
            Terrace()->Pile->InsertCard(card, 0);
        }
    }
    // `count` cards of one suit from `base` up, wrapping from King to Ace.
    static QString Climb(const QString& suit, int base, int count) {
        static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
        QStringList cards;
        for (int i = 0; i < count; ++i) cards << QLatin1String(ranks[(base + i) % 13]) + suit;
        return cards.join(QLatin1Char(' '));
    }
    // Moves a card of this rank from inside the stock to its top.
    void OnStockTop(CardValue value) {
        auto& cards = Stock()->Pile->Cards;
        auto it = std::find_if(cards.begin(), cards.end(), [&](TCard* c) { return c->Value == value; });
        ASSERT_NE(it, cards.end());
        TCard* card = *it;
        cards.erase(it);
        cards.push_back(card);
    }
};

} // namespace

TEST_F(QueenItalyTest, DealsTheTerraceAndFourColumnsAndWaitsForTheBase) {
    EXPECT_TRUE(sound.Names().isEmpty());
    const auto& deck = form->SavedDeck.Cards;
    ASSERT_EQ(Terrace()->Pile->Cards.size(), 11u);
    EXPECT_EQ(Terrace()->Pile->Cards.front(), deck[103]); // the first dealt lies leftmost
    EXPECT_EQ(Terrace()->Pile->Cards.back(), deck[93]);
    for (int c = 1; c <= 9; ++c) {
        ASSERT_EQ(Col(c)->Pile->Cards.size(), c <= 4 ? 1u : 0u) << c;
        if (c <= 4) {
            EXPECT_EQ(Col(c)->Pile->Cards[0], deck[std::size_t(93 - c)]);
        }
    }
    for (const TCardPileView* view : {Terrace(), Col(1), Col(4)})
        for (const TCard* card : view->Pile->Cards) EXPECT_TRUE(card->FaceUp);
    EXPECT_EQ(Stock()->Pile->Cards.size(), 89u);
    EXPECT_EQ(Stock()->Hint, "89");
    EXPECT_EQ(Stock()->State, FS_RECYCLE);
    EXPECT_EQ(form->windowTitle(), "Queen of Italy");
    EXPECT_TRUE(EveryCardOnce(*form));

    // Until the base is chosen nothing else does anything.
    const Snapshot dealt = Take(*form);
    StockClick();
    drive->Key(Qt::Key_Space);
    drive->DoubleClick(OnCard(Terrace()));
    drive->Drag(OnCard(Terrace()), OnCard(Col(5), 0));
    drive->Click(OnCard(Col(1)), {}, Qt::MiddleButton);
    EXPECT_EQ(Take(*form), dealt);
    EXPECT_FALSE(form->BaseChosen);
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_F(QueenItalyTest, TheFirstPressChoosesTheBaseAndFillsTheGaps) {
    TCard* base = Col(3)->Pile->Cards[0];
    const std::vector<TCard*> next(Stock()->Pile->Cards.end() - 6, Stock()->Pile->Cards.end());
    drive->Click(OnCard(Col(3)));
    EXPECT_TRUE(form->BaseChosen);
    EXPECT_EQ(form->BaseRank, base->Value);
    ASSERT_EQ(Found(1)->Pile->Cards.size(), 1u);
    EXPECT_EQ(Found(1)->Pile->Cards[0], base);
    // Columns 3, 5, 6, 7, 8, 9 in that order, from the stock's top.
    const int filled[] = {3, 5, 6, 7, 8, 9};
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(Col(filled[i])->Pile->Cards.size(), 1u);
        EXPECT_EQ(Col(filled[i])->Pile->Cards[0], next[std::size_t(5 - i)]);
        EXPECT_TRUE(Col(filled[i])->Pile->Cards[0]->FaceUp);
    }
    EXPECT_EQ(Stock()->Pile->Cards.size(), 83u);
    EXPECT_EQ(Stock()->Hint, "83");
    // Not a move: nothing to undo, nothing counted, the caption as it was.
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_EQ(form->windowTitle(), "Queen of Italy");
    EXPECT_TRUE(EveryCardOnce(*form));

    // Restart deals the same table, and the base is open again.
    const std::vector<TCard*> terrace = Terrace()->Pile->Cards;
    form->NewGame1Click(form->Restart1);
    EXPECT_FALSE(form->BaseChosen);
    EXPECT_EQ(Terrace()->Pile->Cards, terrace);
    EXPECT_EQ(Col(3)->Pile->Cards[0], base);
    EXPECT_TRUE(Found(1)->Pile->Cards.empty());
}

TEST_F(QueenItalyTest, ADoubleClickThatChoosesTheBaseSendsNothingHome) {
    // The card dealt into the gap has the base's rank: the double-click's
    // second half must not send it to a foundation.
    TCard* base = Col(2)->Pile->Cards[0];
    OnStockTop(base->Value);
    TCard* dealtIntoGap = Stock()->Pile->Cards.back();
    drive->DoubleClick(OnCard(Col(2)));
    EXPECT_EQ(Found(1)->Pile->Cards, std::vector<TCard*>{base});
    EXPECT_TRUE(Found(2)->Pile->Cards.empty());
    EXPECT_EQ(Col(2)->Pile->Cards, std::vector<TCard*>{dealtIntoGap});
    EXPECT_EQ(form->MoveCount, 0);
    // A later double-click on it does send it home.
    drive->DoubleClick(OnCard(Col(2)));
    EXPECT_EQ(Found(2)->Pile->Cards, std::vector<TCard*>{dealtIntoGap});
    EXPECT_EQ(form->MoveCount, 1);
}

TEST_F(QueenItalyTest, FoundationsWrapFromKingToAceAndHoldThirteen) {
    Lay(FS_TEN, {{"FoundPile1", "10H JH QH KH"}, {"TableauPileView1", "3S AH"}, {"TableauPileView2", "9D 2H"}});
    drive->DoubleClick(OnCard(Col(1)));
    EXPECT_EQ(Names(Found(1)), "10H JH QH KH AH");
    drive->Drag(OnCard(Col(2)), OnCard(Found(1)));
    EXPECT_EQ(Names(Found(1)), "10H JH QH KH AH 2H");
    EXPECT_EQ(form->windowTitle(), "Queen of Italy   Score: 6");

    // Full: the thirteenth card closes it, the next base card opens another.
    Lay(FS_TEN, {{"FoundPile1", Climb("H", 9, 13)}, {"TableauPileView1", "10H"}, {"TableauPileView2", "2C 10S"}});
    drive->DoubleClick(OnCard(Col(1)));
    EXPECT_EQ(Found(1)->Pile->Cards.size(), 13u);
    EXPECT_EQ(Names(Found(2)), "10H");
    drive->DoubleClick(OnCard(Col(2)));
    EXPECT_EQ(Names(Found(3)), "10S");
    // Only the base rank opens a foundation.
    drive->DoubleClick(OnCard(Col(2)));
    EXPECT_EQ(Names(Col(2)), "2C");
    EXPECT_TRUE(Found(4)->Pile->Cards.empty());
}

TEST_F(QueenItalyTest, ColumnsBuildDownInAlternateColoursWithAKingOnAnAce) {
    Lay(FS_SIX, {{"TableauPileView1", "AS"}, {"TableauPileView2", "AH"}, {"TableauPileView3", "KH"},
                  {"TableauPileView4", "KC"}, {"TableauPileView5", "5D"}, {"TableauPileView6", "8C"},
                  {"TableauPileView7", "9H"}, {"TableauPileView8", "3C"}, {"TableauPileView9", "3D"}});
    drive->Drag(OnCard(Col(5)), OnCard(Col(1))); // no black Six anywhere: back home
    EXPECT_EQ(Names(Col(5)), "5D");
    EXPECT_EQ(form->MoveCount, 0);
    drive->Drag(OnCard(Col(4)), OnCard(Col(2))); // black King on the red Ace
    EXPECT_EQ(Names(Col(2)), "AH KC");
    drive->Drag(OnCard(Col(3)), OnCard(Col(1)));
    EXPECT_EQ(Names(Col(1)), "AS KH");
    drive->Drag(OnCard(Col(6)), OnCard(Col(7)));
    EXPECT_EQ(Names(Col(7)), "9H 8C");
    EXPECT_EQ(form->MoveCount, 3);
    // Only single cards move: a press below the top card lifts nothing.
    drive->Drag(OnCard(Col(7), 0), OnCard(Col(3)));
    EXPECT_EQ(Names(Col(7)), "9H 8C");
}

TEST_F(QueenItalyTest, TerraceCardsGoOnlyHome) {
    Lay(FS_ACE, {{"TerracePileView", "4C 8D"}, {"TableauPileView1", "9S"}, {"TableauPileView2", ""},
                 {"FoundPile1", "AD 2D 3D 4D 5D 6D 7D"}});
    // Dropped on the Nine, the Eight goes home: the drag start chose the foundation.
    drive->Drag(OnCard(Terrace()), OnCard(Col(1)));
    EXPECT_EQ(Names(Col(1)), "9S");
    EXPECT_EQ(Names(Found(1)), "AD 2D 3D 4D 5D 6D 7D 8D");
    // Not even a gap takes a terrace card.
    drive->Drag(OnCard(Terrace()), OnCard(Col(2), 0));
    EXPECT_TRUE(Col(2)->Pile->Cards.empty());
    EXPECT_EQ(Names(Terrace()), "4C");
    EXPECT_EQ(form->MoveCount, 1);
    // A waste card may go to a column.
    Lay(FS_ACE, {{"DiscardPileView", "8H"}, {"TableauPileView1", "9S"}});
    drive->Drag(OnCard(Waste()), OnCard(Col(1)));
    EXPECT_EQ(Names(Col(1)), "9S 8H");
}

TEST_F(QueenItalyTest, TurnOversKeepTheirRestrictionThroughTheUndoOfALaterOne) {
    const QString stock = "9S 5C";
    Lay(FS_ACE, {{"TableauPileView1", "6D"}, {"FoundPile1", "AH"}}, &stock);
    StockClick();
    StockClick();
    EXPECT_EQ(Names(Waste()), "5C 9S");
    EXPECT_EQ(Stock()->State, FS_RECYCLE);
    StockClick(); // turned over, and the first card turned at once
    EXPECT_EQ(form->StockTurns, 1);
    EXPECT_EQ(Names(Waste()), "5C");
    EXPECT_EQ(Names(Stock()), "9S*");
    EXPECT_EQ(Stock()->State, FS_BLANK);
    EXPECT_EQ(form->MoveCount, 3); // the turn-over itself is no move
    StockClick(); // refused: the waste holds a card
    EXPECT_EQ(Names(Waste()), "5C");
    EXPECT_EQ(form->MoveCount, 3);
    drive->Drag(OnCard(Waste()), OnCard(Col(1)));
    EXPECT_EQ(Names(Col(1)), "6D 5C");
    StockClick();
    EXPECT_EQ(Names(Waste()), "9S");
    StockClick(); // the second turn-over
    EXPECT_EQ(form->StockTurns, 2);
    EXPECT_EQ(Names(Waste()), "9S");
    EXPECT_EQ(form->MoveCount, 6);

    Undo(); // the turned card
    EXPECT_EQ(Names(Stock()), "9S*");
    Undo(); // the second turn-over: not a move
    EXPECT_EQ(Names(Waste()), "9S");
    EXPECT_TRUE(Stock()->Pile->Cards.empty());
    EXPECT_EQ(form->StockTurns, 1);
    EXPECT_EQ(Stock()->State, FS_RECYCLE);
    EXPECT_EQ(form->MoveCount, 5);
    Undo();
    Undo();
    EXPECT_EQ(Names(Waste()), "5C");
    EXPECT_EQ(Names(Stock()), "9S*");
    EXPECT_EQ(form->MoveCount, 3);
    // The first turn-over still stands: no card onto the waste's Five.
    StockClick();
    EXPECT_EQ(Names(Waste()), "5C");
    EXPECT_EQ(form->MoveCount, 3);

    Undo();
    Undo(); // the first turn-over: the waste as it was, the restriction gone
    EXPECT_EQ(Names(Waste()), "5C 9S");
    EXPECT_EQ(form->StockTurns, 0);
    EXPECT_EQ(form->MoveCount, 2);
    Undo();
    Undo();
    EXPECT_EQ(Names(Stock()), "9S* 5C*");
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
}

TEST_F(QueenItalyTest, AClickOnAnEmptyStockWithAnEmptyWasteRecordsNothing) {
    const QString none;
    Lay(FS_ACE, {{"TableauPileView1", "6D"}}, &none);
    StockClick();
    StockClick();
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_EQ(form->StockTurns, 0);
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_TRUE(sound.Names().isEmpty());
}

TEST_F(QueenItalyTest, ADoubleClickTakesTheFirstFoundationThatFits) {
    Lay(FS_ACE, {{"FoundPile2", "AH 2H 3H"}, {"FoundPile4", "AH 2H 3H"}, {"DiscardPileView", "4H"}});
    drive->Click(OnCard(Waste()), Qt::ControlModifier);
    EXPECT_EQ(Names(Found(2)), "AH 2H 3H 4H");
    EXPECT_EQ(sound.Names().last(), "AUTOPLAY");
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(form->windowTitle(), "Queen of Italy   Score: 7");
}

TEST_F(QueenItalyTest, AutoplaySweepsTerraceColumnsThenWasteAndCascades) {
    form->Autoplay1->trigger();
    ASSERT_TRUE(form->AutoplayOn);
    EXPECT_EQ(TProfile("QueenItaly", "Autoplay").Text(), "True");
    Lay(FS_ACE, {{"FoundPile1", "AS"}, {"TerracePileView", "3S 2S"}, {"TableauPileView1", "2S"},
                 {"TableauPileView2", "4S 9D"}, {"TableauPileView3", "10C"}, {"DiscardPileView", "5S"}});
    const TCard* terraceTwo = Terrace()->Pile->Cards.back();
    drive->Drag(OnCard(Col(2)), OnCard(Col(3))); // the Nine onto the Ten; nothing else moves yet
    EXPECT_EQ(Found(1)->Pile->Cards[1], terraceTwo);
    EXPECT_EQ(Names(Found(1)), "AS 2S 3S 4S 5S");
    EXPECT_EQ(Names(Col(1)), "2S");
    EXPECT_EQ(form->MoveCount, 5);
    EXPECT_EQ(form->windowTitle(), "Queen of Italy   Score: 5");
    // Each card home is an undo step of its own.
    Undo();
    EXPECT_EQ(Names(Waste()), "5S");
    EXPECT_EQ(form->MoveCount, 4);
}

TEST_F(QueenItalyTest, TheLastCardHomeWins) {
    std::vector<std::pair<QString, QString>> home;
    const char* suits = "CSDHCSDH";
    for (int f = 1; f <= 8; ++f)
        home.push_back({QStringLiteral("FoundPile%1").arg(f), Climb(QString(QLatin1Char(suits[f - 1])), 4, f < 8 ? 13 : 12)});
    home.push_back({"TableauPileView4", "4H"});
    Lay(FS_FIVE, home);
    ASSERT_TRUE(Stock()->Pile->Cards.empty());
    drive->DoubleClick(OnCard(Col(4)));
    EXPECT_EQ(form->windowTitle(), "Queen of Italy   Score: 104");
    EXPECT_TRUE(form->GameWon);
    StockClick(); // nothing left to do, and no second win
    EXPECT_EQ(dialogs.Count("Win"), 1);
}

TEST_F(QueenItalyTest, FiveMovesAskOnlyAtCloseSixAskEverywhere) {
    drive->Click(OnCard(Col(1)));
    for (int i = 0; i < 5; ++i) StockClick();
    ASSERT_EQ(form->MoveCount, 5);
    dialogs.ConfirmAnswers = {false};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Quit this game of Queen of Italy?"});
    StockClick();
    dialogs.ConfirmAnswers = {false, false};
    form->NewGame1Click(form->Restart1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList({"Quit this game of Queen of Italy?", "Restart this game of Queen of Italy?",
                                                  "Quit this game of Queen of Italy?"}));
    EXPECT_EQ(form->MoveCount, 6);
}

TEST_F(QueenItalyTest, MenuStockAtTheBottomAndALongWasteStaysPressable) {
    QStringList items;
    for (QAction* a : form->PopupMenu1->actions()) items << (a->isSeparator() ? a->objectName() : a->text());
    EXPECT_EQ(items, QStringList({"&Undo", "N3", "&Autoplay", "N1", "&New Game", "&Restart", "&Preferences...",
                                  "Rule&s..."}));
    EXPECT_EQ(form->Autoplay1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(form->width(), 882);
    EXPECT_EQ(Stock()->y(), form->height() - 148);
    EXPECT_EQ(Waste()->y(), form->height() - 148);
    EXPECT_EQ(Col(1)->height(), form->height() - 427);
    form->resize(882, form->height() + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(Stock()->y(), form->height() - 148);
    EXPECT_EQ(Waste()->y(), form->height() - 148);

    // 80 cards on the waste: drawn closer, the top card whole and its own.
    drive->Click(OnCard(Col(1)));
    for (int i = 0; i < 80; ++i) StockClick();
    ASSERT_EQ(Waste()->Pile->Cards.size(), 80u);
    const QPoint top = Waste()->CardPosition(79);
    EXPECT_LE(top.x() + 80, Waste()->width());
    const TCard* last = Waste()->Pile->Cards.back();
    drive->Press(At(Waste(), top.x() + 70, 60));
    EXPECT_EQ(Waste()->SelectedCard, last);
    EXPECT_TRUE(Waste()->CanDrag);
    drive->Release(At(Waste(), top.x() + 70, 60));
}

TEST(QueenItalySmallTest, SmallCardsKeepOptionsAndPlacesOfTheirOwn) {
    ResetSettings();
    TFakeDialogs dialogs;
    TProfile("QueenItaly", "Autoplay").SetState(true);
    TCard::SetCardSize(FS_SMALL);
    auto form = std::make_unique<TsQueenItalyForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_FALSE(form->AutoplayOn); // the large window's option is not this one's
    form->Autoplay1->trigger();
    EXPECT_EQ(TProfile("sQueenItaly", "Autoplay").Text(), "True");
    EXPECT_EQ(form->FormPlacement1.IniSection, "sQueenItaly");
    EXPECT_EQ(form->width(), 670);
    EXPECT_EQ(form->TerracePileView->geometry(), QRect(248, 8, 170, 95));
    EXPECT_EQ(form->TerracePileView->XOffset, 9.0f);
    EXPECT_EQ(form->DiscardPileView->XOffset, 9.0f);
    EXPECT_EQ(form->PileView("FoundPile8")->geometry(), QRect(552, 107, 61, 95));
    EXPECT_EQ(form->PileView("TableauPileView9")->x(), 592);
    EXPECT_EQ(form->PileView("TableauPileView9")->YOffset, 16.0f);
    EXPECT_EQ(form->DeckPileView->y(), form->height() - 116);
    EXPECT_EQ(form->DiscardPileView->y(), form->height() - 116);
    EXPECT_EQ(form->PileView("TableauPileView1")->height(), form->height() - 333);
    form->GameWon = true;
    form->close();
    TCard::SetCardSize(FS_LARGE);
}

TEST_F(QueenItalyTest, ListsTheBaseChoiceFirstThenDropsHomeAndTheStock) {
    EXPECT_EQ(MovesText(*form, form->LegalMoves()),
              "TableauPileView1 #0: press -> FoundPile1; TableauPileView2 #0: press -> FoundPile1; "
              "TableauPileView3 #0: press -> FoundPile1; TableauPileView4 #0: press -> FoundPile1");
    Lay(FS_FIVE, {{"TerracePileView", "9C 7S"}, {"FoundPile1", "5S 6S"}, {"TableauPileView1", "AS"},
                  {"TableauPileView2", "KD"}, {"DiscardPileView", "QH"}});
    form->StockTurns = 1;
    QStringList moves = MovesText(*form, form->LegalMoves()).split(QStringLiteral("; "));
    EXPECT_TRUE(moves.contains("TerracePileView #1 -> FoundPile1"));
    EXPECT_TRUE(moves.contains("TerracePileView #1: home -> FoundPile1"));
    EXPECT_TRUE(moves.contains("TableauPileView2 #0 -> TableauPileView1")); // a King on an Ace
    // After a turn-over a card comes only onto an empty waste.
    EXPECT_FALSE(moves.contains("DeckPileView: stock"));
    Waste()->Pile->Empty(false);
    moves = MovesText(*form, form->LegalMoves()).split(QStringLiteral("; "));
    EXPECT_TRUE(moves.contains("DeckPileView: stock"));
}

// Terrace cards go home top first onto the two foundations of their suit:
// a terrace that needs three is lost at once, one that two can take is won.
TEST(QueenItalySolverTest, TheTerraceOrderDecides) {
    using Q = TQueenItalySolver;
    const Q rules;
    auto table = [](std::initializer_list<int> terraceValues) {
        TSolverTable t(Q::PileCount);
        t.Counter[Q::BaseChosenSlot] = 1; // base rank: the Ace
        for (int f : {Q::FirstFoundation, Q::FirstFoundation + 1})
            for (int value = FS_ACE; value <= FS_SEVEN; ++value) t.Push(f, SolverCard(FS_HEARTS * 13 + value, true));
        for (int value : terraceValues) t.Push(Q::Terrace, SolverCard(FS_HEARTS * 13 + value, true));
        return t;
    };
    EXPECT_EQ(Solve(rules, table({FS_EIGHT, FS_NINE, FS_EIGHT})).Kind, TSolverResult::Winnable);
    // Bottom first: each Nine lies on an Eight it must go home after.
    TSolverTable lost = table({FS_EIGHT, FS_NINE, FS_EIGHT, FS_NINE});
    lost.Push(Q::FirstColumn, SolverCard(FS_SPADES * 13 + FS_TEN, true));
    EXPECT_EQ(Solve(rules, lost).Kind, TSolverResult::NotWinnable);
}
