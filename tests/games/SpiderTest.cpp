// Spider played through its real window: the deal, the stock and its one-step
// undo, runs by rank or suit, whole suits home, the counter and the option.
#include "GameTestSupport.h"
#include "SolverWalk.h"
#include "SpiderSolver.h"
#include "SpiderWindow.h"

#include <QAction>
#include <QMenu>
#include <memory>

using namespace GameTest;

namespace {

// Columns a test does not name get one of these, so that no column is empty
// and no run the tests lift finds a place by accident.
const char* const kFiller[] = {"2C", "2S", "2D", "2H", "3C", "3S", "3D", "3H", "4C", "4S"};

class SpiderTest : public TWindowTest<TSpiderForm> {
protected:
    SpiderTest() : TWindowTest(1012) {}
    TCardPileView* Col(int n) const { return V(QStringLiteral("TableauPile%1").arg(n)); }
    TCardPileView* Found(int n) const { return V(QStringLiteral("FoundPile%1").arg(n)); }
    TCardPileView* Stock() const { return V(QStringLiteral("DeckPileView")); }
    // A point of the bare table, between the stock and the first foundation.
    QPoint Table() const { return At(Stock(), Stock()->width() + 20, 60); }

    // The named columns as given, every other one a filler card; the rest of
    // the deal (or `rest`) goes to the stock face down.
    void Lay(const std::map<int, QString>& columns, std::vector<std::pair<QString, QString>> more = {}) {
        for (int c = 1; c <= 10; ++c) {
            auto it = columns.find(c);
            more.push_back({Col(c)->objectName(), it != columns.end() ? it->second : QLatin1String(kFiller[c - 1])});
        }
        Arrange(*form, more, QStringLiteral("DeckPileView"));
    }
    // "KS QS ... AS": one suit from King down to `lowest`.
    static QString Run(const QString& suit, int lowest = 0, int highest = 12) {
        static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
        QStringList cards;
        for (int v = highest; v >= lowest; --v) cards << QLatin1String(ranks[v]) + suit;
        return cards.join(QLatin1Char(' '));
    }
};

} // namespace

TEST_F(SpiderTest, DealsFiveRowsWithOnlyTheLastCardOfEachColumnUp) {
    EXPECT_TRUE(sound.Names().isEmpty());
    for (int c = 1; c <= 10; ++c) {
        const TCardPile& pile = *Col(c)->Pile;
        ASSERT_EQ(pile.Cards.size(), c <= 4 ? 5u : 4u) << c;
        for (std::size_t i = 0; i < pile.Cards.size(); ++i) EXPECT_EQ(pile.Cards[i]->FaceUp, i + 1 == pile.Cards.size());
    }
    EXPECT_EQ(Stock()->Pile->Cards.size(), 60u);
    EXPECT_EQ(Stock()->Hint, "60");
    EXPECT_TRUE(Stock()->ShowHint);
    EXPECT_EQ(Stock()->State, FS_BLANK);
    EXPECT_EQ(form->windowTitle(), "Spider");
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_TRUE(EveryCardOnce(*form));

    // Row by row from the stock's top: column 2's first card is the second dealt,
    // column 1's second card the eleventh, column 4's fifth the 44th.
    const auto& deck = form->SavedDeck.Cards;
    EXPECT_EQ(Col(1)->Pile->Cards[0], deck[103]);
    EXPECT_EQ(Col(2)->Pile->Cards[0], deck[102]);
    EXPECT_EQ(Col(1)->Pile->Cards[1], deck[93]);
    EXPECT_EQ(Col(4)->Pile->Cards[4], deck[60]);
    EXPECT_EQ(Stock()->Pile->CardAt(TOP_OF_PILE), deck[59]);
}

TEST_F(SpiderTest, TheStockDealsTenUpAndOneSilentUndoTakesThemAllBack) {
    const Snapshot dealt = Take(*form);
    StockClick();
    for (int c = 1; c <= 10; ++c) {
        const TCard* top = Col(c)->Pile->CardAt(TOP_OF_PILE);
        EXPECT_EQ(top, form->SavedDeck.Cards[std::size_t(60 - c)]) << c;
        EXPECT_TRUE(top->FaceUp);
    }
    EXPECT_EQ(Stock()->Hint, "50");
    EXPECT_EQ(sound.Names(), QStringList{"DEAL"});
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_FALSE(form->SameSuitBuilds1->isEnabled());
    drive->Key(Qt::Key_Space);
    EXPECT_EQ(Stock()->Hint, "40");
    EXPECT_EQ(form->MoveCount, 2);

    sound.Clear();
    Undo(); // only the newest deal
    EXPECT_EQ(Stock()->Hint, "50");
    EXPECT_EQ(form->MoveCount, 2);
    Undo();
    EXPECT_EQ(Take(*form), dealt);
    EXPECT_EQ(Stock()->Hint, "60");
    EXPECT_TRUE(sound.Names().isEmpty());
    EXPECT_FALSE(form->Undo1->isEnabled());
    EXPECT_FALSE(form->SameSuitBuilds1->isEnabled()); // undo does not give the option back
}

TEST_F(SpiderTest, AShortStockDealUndoesAloneAfterADrag) {
    Lay({{1, "10S 9H"}, {2, "6D"}, {3, "10C"}});
    // Three cards left in the stock: the last deal reaches columns 1-3 only.
    while (Stock()->Pile->Cards.size() > 3) {
        TCard* card = Stock()->Pile->Cards.front();
        Stock()->Pile->RemoveCard(card);
        card->FaceUp = true;
        Found(1)->Pile->AddCard(card);
    }
    const std::vector<TCard*> stock = Stock()->Pile->Cards;
    drive->Drag(OnCard(Col(1)), OnCard(Col(3)));
    ASSERT_EQ(Names(Col(3)), "10C 9H");
    StockClick();
    ASSERT_TRUE(Stock()->Pile->Cards.empty());
    EXPECT_EQ(Col(4)->Pile->Cards.size(), 1u);
    Undo(); // the three cards of the deal, not the drag made before it
    EXPECT_EQ(Stock()->Pile->Cards, stock);
    EXPECT_EQ(Names(Col(1)), "10S");
    EXPECT_EQ(Names(Col(3)), "10C 9H");
    EXPECT_EQ(form->MoveCount, 3);
    Undo();
    EXPECT_EQ(Names(Col(1)), "10S 9H");
    EXPECT_FALSE(form->Undo1->isEnabled());
}

TEST_F(SpiderTest, TheStockRefusesWhileAColumnIsEmptyEvenWhenItIsEmptyItself) {
    Lay({{7, ""}});
    const Snapshot before = Take(*form);
    StockClick();
    EXPECT_EQ(dialogs.Of("Information"), QStringList{"You must fill empty tableau spaces first."});
    EXPECT_EQ(Take(*form), before);
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_TRUE(sound.Names().isEmpty());
    EXPECT_TRUE(form->SameSuitBuilds1->isEnabled());

    // All cards on the table, one column empty: still the message.
    Lay({{7, ""}});
    for (TCard* card : std::vector<TCard*>(Stock()->Pile->Cards)) {
        Stock()->Pile->RemoveCard(card);
        card->FaceUp = true;
        Found(1)->Pile->AddCard(card);
    }
    StockClick();
    EXPECT_EQ(dialogs.Count("Information"), 2);
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_F(SpiderTest, AnEmptyStockStillCountsADeal) {
    Lay({});
    std::vector<TCard*> rest = Stock()->Pile->Cards;
    Stock()->Pile->Empty(false);
    for (TCard* card : rest) {
        card->FaceUp = true;
        Found(1)->Pile->AddCard(card); // out of the way; the score is not looked at here
    }
    const Snapshot before = Take(*form);
    StockClick();
    EXPECT_EQ(Take(*form), before);
    EXPECT_EQ(sound.Names(), QStringList{"DEAL"});
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_FALSE(form->SameSuitBuilds1->isEnabled());
    EXPECT_FALSE(Stock()->ShowHint);
    EXPECT_FALSE(form->Undo1->isEnabled());
}

TEST_F(SpiderTest, SameSuitMovesDecidesWhichRunsLift) {
    // Off: the mixed run lifts from the Nine and goes on a Ten of any suit.
    Lay({{1, "9S 8H 7C"}, {2, "10D"}});
    drive->Drag(OnCard(Col(1), 0), OnCard(Col(2)));
    EXPECT_EQ(Names(Col(2)), "10D 9S 8H 7C");
    EXPECT_EQ(Names(Col(1)), "");
}

TEST_F(SpiderTest, WithSameSuitMovesOnlyOneSuitRunsLiftButMayLandOnAnySuit) {
    form->SameSuitBuilds1->trigger();
    EXPECT_EQ(TProfile("Spider", "SameSuitBuilds").Text(), "True");
    Lay({{1, "9S 8H 7C"}, {2, "10D"}, {3, "8D"}, {4, "8S 7S 6S"}, {5, "9H"}});
    drive->Drag(OnCard(Col(1), 0), OnCard(Col(2)));
    drive->Drag(OnCard(Col(1), 1), OnCard(Col(2)));
    EXPECT_EQ(Names(Col(1)), "9S 8H 7C");
    EXPECT_EQ(form->MoveCount, 0);
    drive->Drag(OnCard(Col(1), 2), OnCard(Col(3))); // the Seven alone
    EXPECT_EQ(Names(Col(3)), "8D 7C");
    drive->Drag(OnCard(Col(4), 0), OnCard(Col(5))); // spades onto a heart
    EXPECT_EQ(Names(Col(5)), "9H 8S 7S 6S");
}

TEST_F(SpiderTest, TheOptionIsReadAtStartAndGreyedFromTheFirstMoveUntilNewGame) {
    form->GameWon = true;
    form->close();
    delete form.data();
    TProfile("Spider", "SameSuitBuilds").SetState(true);
    form = new TSpiderForm();
    EXPECT_TRUE(form->SameSuitBuilds1->isChecked());
    EXPECT_EQ(form->SameSuitBuilds1->toolTip(), "If checked, build down only in same suit");
    EXPECT_EQ(form->SameSuitBuilds1->text(), "&Same Suit Moves");

    form->SameSuitBuilds1->trigger();
    EXPECT_EQ(TProfile("Spider", "SameSuitBuilds").Text(), "False");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    drive = std::make_unique<Driver>(form);
    Lay({{1, "10S"}, {2, "9H"}});
    drive->Drag(OnCard(Col(2)), OnCard(Col(1)));
    EXPECT_FALSE(form->SameSuitBuilds1->isEnabled());
    Undo();
    EXPECT_FALSE(form->SameSuitBuilds1->isEnabled());
    form->NewGame1Click(form->Restart1);
    EXPECT_FALSE(form->SameSuitBuilds1->isEnabled());
    form->NewGame1Click(form->NewGame1);
    EXPECT_TRUE(form->SameSuitBuilds1->isEnabled());
}

TEST_F(SpiderTest, AWholeSuitGoesHomeFromADropAnywhere) {
    Lay({{1, "4D* " + Run("S")}}, {{"FoundPile1", "KH QH JH 10H 9H 8H 7H 6H 5H 4H 3H 2H AH"}});
    // Released over the bare table: the drag start chose the first empty foundation.
    drive->Drag(OnCard(Col(1), 1), Table());
    EXPECT_EQ(Names(Found(2)), Run("S"));
    EXPECT_EQ(Names(Col(1)), "4D");
    EXPECT_EQ(form->windowTitle(), "Spider   Score: 26");
    EXPECT_EQ(form->MoveCount, 2);
    EXPECT_TRUE(EveryCardOnce(*form));

    Undo();
    EXPECT_EQ(Names(Col(1)), "4D* " + Run("S"));
    EXPECT_TRUE(Found(2)->Pile->Cards.empty());
    EXPECT_EQ(form->windowTitle(), "Spider   Score: 13");

    // Released over its own column, it still goes home.
    drive->Drag(OnCard(Col(1), 1), OnCard(Col(1), 5));
    EXPECT_EQ(Names(Found(2)), Run("S"));
}

TEST_F(SpiderTest, MixedAndShortRunsNeverGoHome) {
    const QString mixed = "KS QH JS 10H 9S 8H 7S 6H 5S 4H 3S 2H AS";
    Lay({{1, mixed}, {2, Run("C", 1)}});
    drive->Drag(OnCard(Col(1), 0), OnCard(Found(1)));
    EXPECT_EQ(Names(Col(1)), mixed);
    drive->Drag(OnCard(Col(2), 0), OnCard(Found(3)));
    EXPECT_EQ(Names(Col(2)), Run("C", 1));
    for (int f = 1; f <= 8; ++f) EXPECT_TRUE(Found(f)->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_EQ(form->windowTitle(), "Spider");
}

TEST_F(SpiderTest, TheDragStartPrefersAColumnOfTheRunsSuitThenTheFirstThatFits) {
    Lay({{1, "9S"}, {3, "9H"}, {4, "4C 8H 7H"}});
    drive->Drag(OnCard(Col(4), 1), Table());
    EXPECT_EQ(Names(Col(3)), "9H 8H 7H"); // hearts before the earlier spade
    drive->Drag(OnCard(Col(3), 1), Table());
    EXPECT_EQ(Names(Col(1)), "9S 8H 7H"); // back: no other heart Nine
    // A gap counts as much as a fitting card: the first in column order wins.
    Lay({{2, ""}, {5, "7S"}, {6, "QD 6C"}});
    drive->Drag(OnCard(Col(6)), Table());
    EXPECT_EQ(Names(Col(2)), "6C");
}

TEST_F(SpiderTest, ADragTurnsUpTheCardBelowAndOneUndoTurnsItDownAgain) {
    Lay({{1, "QC* JC* 7D"}, {2, "8S"}});
    drive->Drag(OnCard(Col(1)), OnCard(Col(2)));
    EXPECT_EQ(Names(Col(1)), "QC* JC");
    EXPECT_EQ(form->MoveCount, 2);
    EXPECT_TRUE(form->Undo1->isEnabled());
    sound.Clear();
    Undo();
    EXPECT_EQ(Names(Col(1)), "QC* JC* 7D");
    EXPECT_EQ(Names(Col(2)), "8S");
    EXPECT_EQ(form->MoveCount, 1); // a drag counts two, its undo one
    EXPECT_EQ(sound.Names(), QStringList{"UNDO"});
    EXPECT_FALSE(form->Undo1->isEnabled());
}

TEST_F(SpiderTest, APressOnAFaceDownCardLiftsNothing) {
    Lay({{1, "5C* 4D"}, {2, "6H"}});
    drive->Drag(OnCard(Col(1), 0), OnCard(Col(2)));
    EXPECT_EQ(Names(Col(1)), "5C* 4D");
    EXPECT_EQ(Names(Col(2)), "6H");
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_F(SpiderTest, FiveDragsReachTheQuitThresholdAndTheSixthPassesIt) {
    auto pingPong = [this](int drags) {
        Lay({{1, "10S"}, {2, "10D"}, {3, "9H"}});
        form->MoveCount = 0;
        drive->Drag(OnCard(Col(3)), OnCard(Col(1)));
        for (int i = 1; i < drags; ++i) drive->Drag(OnCard(Col(i % 2 ? 1 : 2)), OnCard(Col(i % 2 ? 2 : 1)));
        ASSERT_EQ(form->MoveCount, 2 * drags);
    };
    pingPong(5);
    dialogs.ConfirmAnswers = {false};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Quit this game of Spider?"});
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(dialogs.Count("Confirm"), 1);
    EXPECT_EQ(form->MoveCount, 0);

    pingPong(6);
    dialogs.Log.clear();
    dialogs.ConfirmAnswers = {false, false};
    form->NewGame1Click(form->Restart1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList({"Restart this game of Spider?", "Quit this game of Spider?"}));
    EXPECT_EQ(form->MoveCount, 12);
}

TEST_F(SpiderTest, TheEighthSuitHomeWins) {
    const char* suits[] = {"C", "S", "D", "H", "C", "S", "D"};
    std::vector<std::pair<QString, QString>> home;
    for (int f = 0; f < 7; ++f) home.push_back({QStringLiteral("FoundPile%1").arg(f + 1), Run(suits[f])});
    Lay({{1, Run("H")}, {2, ""}, {3, ""}, {4, ""}, {5, ""}, {6, ""}, {7, ""}, {8, ""}, {9, ""}, {10, ""}}, home);
    ASSERT_TRUE(Stock()->Pile->Cards.empty());
    drive->Drag(OnCard(Col(1), 0), OnCard(Found(8)));
    EXPECT_EQ(form->windowTitle(), "Spider   Score: 104");
    EXPECT_TRUE(form->GameWon);
    EXPECT_EQ(dialogs.Count("Win"), 1);
    form->NewGame1Click(form->NewGame1); // no prompt after a win
    EXPECT_EQ(dialogs.Count("Confirm"), 0);
}

TEST_F(SpiderTest, LegalMovesLiftRunsByTheOptionAndTheHintBuildsInSuit) {
    Lay({{1, "JD 9H 8S 7S"}, {2, "AC"}, {3, "8D"}, {4, "10C"}, {5, "10H"}, {6, "AS"}, {7, "AD"}, {8, "AH"},
         {9, "AC"}, {10, "AS"}});
    auto at = [this](int c) { return form->IndexOf(Col(c)); };
    auto listed = [this](const TMove& m) { return std::ranges::count(form->LegalMoves(), m) == 1; };
    EXPECT_TRUE(listed(TMove::DropOn(at(1), 1, at(4))));
    EXPECT_EQ(form->HintMoves().front(), TMove::DropOn(at(1), 1, at(5)));
    EXPECT_EQ(form->HintMoves().back(), TMove::DropOn(at(1), 3, at(3))); // off its own suit
    form->SameSuitBuilds1->trigger();
    EXPECT_FALSE(listed(TMove::DropOn(at(1), 1, at(5))));
    EXPECT_TRUE(listed(TMove::DropOn(at(1), 3, at(3)))); // the Seven alone still lifts
}

TEST_F(SpiderTest, AWholeSuitIsListedForEveryEmptyFoundationAndTheStockNotWhileAColumnIsEmpty) {
    Lay({{1, "5D* " + Run("S")}, {2, ""}});
    auto home = [this](int f) { return TMove::DropOn(form->IndexOf(Col(1)), 1, form->IndexOf(Found(f))); };
    const TMoves moves = form->LegalMoves();
    EXPECT_EQ(std::ranges::count(moves, home(8)), 1);
    EXPECT_EQ(std::ranges::count(moves, TMove::Stock(form->IndexOf(Stock()))), 0);
    EXPECT_EQ(form->HintMoves().front(), home(1));
    ASSERT_TRUE(form->Perform(home(1)));
    EXPECT_EQ(Names(Col(1)), "5D");
}

TEST_F(SpiderTest, MenuAndPlacement) {
    QStringList items;
    for (QAction* a : form->PopupMenu1->actions()) items << (a->isSeparator() ? a->objectName() : a->text());
    EXPECT_EQ(items, QStringList({"&Undo", "N1", "&Same Suit Moves", "N2", "&New Game", "&Restart", "&Preferences...",
                                  "Rul&es..."}));
    EXPECT_EQ(form->Restart1->objectName(), "Redeal1");
    EXPECT_EQ(form->FormPlacement1.Options, TFormPlacement::StateAndPosition);
    drive->Key(Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList{"1012"});
    // The middle button on a foundation deals from the stock too.
    drive->Click(OnCard(Found(1)), {}, Qt::MiddleButton);
    EXPECT_EQ(Stock()->Hint, "50");
}

TEST(SpiderSmallTest, SmallCardsHaveTheirOwnPlacesAndShareTheOption) {
    ResetSettings();
    TFakeDialogs dialogs;
    TProfile("Spider", "SameSuitBuilds").SetState(true);
    TCard::SetCardSize(FS_SMALL);
    auto form = std::make_unique<TsSpiderForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->objectName(), "TsSpiderForm");
    EXPECT_EQ(form->width(), 725);
    EXPECT_EQ(form->FormPlacement1.IniSection, "sSpider");
    EXPECT_TRUE(form->SameSuitBuilds1->isChecked());
    const TCardPileView* stock = form->PileView("DeckPileView");
    EXPECT_EQ(stock->geometry(), QRect(8, 8, 107, 113));
    EXPECT_EQ(form->PileView("FoundPile8")->geometry(), QRect(656, 6, 61, 95));
    const TCardPileView* last = form->PileView("TableauPile10");
    EXPECT_EQ(last->x(), 656);
    EXPECT_EQ(last->YOffset, 16.0f);
    form->resize(725, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(last->height(), form->height() - 136);
    EXPECT_EQ(form->Tableau.size(), 10u);
    form->GameWon = true;
    form->close();
    TCard::SetCardSize(FS_LARGE);
}

// Same Suit Moves is a counter of the solver's table and the option of the
// deals the solver looks for.
TEST_F(SpiderTest, SameSuitMovesReachesTheSolversTableAndItsDeals) {
    const auto rules = std::static_pointer_cast<const TSpiderSolver>(form->Solver());
    EXPECT_EQ(form->SolverTable().Counter[TSpiderSolver::kSameSuitCounter], 0);
    form->SameSuitBuilds1->trigger();
    EXPECT_EQ(form->SolverTable().Counter[TSpiderSolver::kSameSuitCounter], 1);
    EXPECT_TRUE(rules->SameSuitDeals.load());
    form->GameWon = true;
    form->PlayDeal(5);
    EXPECT_TRUE(rules->Deal(5) == form->SolverTable());
    form->SameSuitBuilds1->trigger();
    EXPECT_FALSE(rules->SameSuitDeals.load());
}

// The solver's moves change its table as the window's handlers change the window.
TEST_F(SpiderTest, TheSolverPlaysEachMoveAsTheWindowDoes) { WalkWithTheSolver(*form, {3u, 11u, 40u}); }
