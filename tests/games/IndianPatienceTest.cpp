// Indian Patience played through its real window in both card sizes: the
// deal with its base cards, building in another suit, the base-card
// restrictions while the stock lasts, the refill of emptied columns and its
// one-step undo.
#include "GameTestSupport.h"
#include "SolverWalk.h"
#include "IndianPatienceWindow.h"

#include <QAction>
#include <QMenu>
#include <QRandomGenerator>
#include <array>
#include <memory>

using namespace GameTest;

namespace {

class IndianPatienceTest : public TWindowTest<TIndianPatienceForm, TsIndianPatienceForm> {
protected:
    IndianPatienceTest() : TWindowTest(1006) {}
    TCardPileView* Column(int n) const { return V(Numbered("TableauPile", n)); }
    TCardPileView* Found(int n) const { return V(Numbered("FoundPile", n)); }
    TCardPileView* Stock() const { return V("DeckPileView"); }
    TCardPileView* Waste() const { return V("DiscardPileView"); }

    // Lays out the table and names each column's bottom card its base card,
    // as the game does while its stock lasts; the moves start from nothing.
    void Lay(const std::vector<std::pair<QString, QString>>& piles, const QString& rest = "DeckPileView") {
        Arrange(*form, piles, rest);
        const bool stockLeft = !Stock()->Pile->Cards.empty();
        for (int c = 0; c < 10; ++c) {
            const auto& cards = Column(c + 1)->Pile->Cards;
            form->BaseCards[std::size_t(c)] = stockLeft && !cards.empty() ? cards.front() : nullptr;
        }
        form->MoveCount = 0;
        form->UndoList->Clear();
        sound.Clear();
    }
};

// Two-card columns whose face-up Twos take nothing but an Ace.
std::vector<std::pair<QString, QString>> WithFillers(std::vector<std::pair<QString, QString>> piles, int from) {
    const char* fillers[] = {"KC* 2C", "KS* 2S", "KD* 2D", "KH* 2H", "QC* 2C", "QS* 2S", "QD* 2D", "QH* 2H"};
    for (int c = from, i = 0; c <= 10; ++c, ++i) piles.push_back({Numbered("TableauPile", c), fillers[i]});
    return piles;
}

} // namespace

TEST_P(IndianPatienceTest, DealsThreeRowsOverAFaceDownBase) {
    EXPECT_TRUE(sound.Names().isEmpty());
    EXPECT_TRUE(EveryCardOnce(*form));
    for (int c = 1; c <= 10; ++c) {
        const auto& cards = Column(c)->Pile->Cards;
        ASSERT_EQ(cards.size(), 3u);
        EXPECT_FALSE(cards[0]->FaceUp);
        EXPECT_TRUE(cards[1]->FaceUp);
        EXPECT_TRUE(cards[2]->FaceUp);
        EXPECT_EQ(form->BaseCards[std::size_t(c - 1)], cards[0]);
    }
    EXPECT_EQ(Column(1)->Pile->Cards[0], form->SavedDeck.Cards[103]);
    EXPECT_EQ(Column(2)->Pile->Cards[0], form->SavedDeck.Cards[102]);
    EXPECT_EQ(Column(1)->Pile->Cards[1], form->SavedDeck.Cards[93]);
    EXPECT_EQ(Stock()->Pile->Cards.size(), 74u);
    EXPECT_EQ(Stock()->Hint, "74");
    EXPECT_TRUE(Stock()->ShowHint);
    EXPECT_EQ(form->windowTitle(), "Indian Patience");
    EXPECT_EQ(form->width(), Small() ? 725 : 885);
    EXPECT_EQ(form->height(), Small() ? 520 : 675);
    EXPECT_EQ(Found(1)->pos(), Small() ? QPoint(79, 418) : QPoint(96, 546));
    EXPECT_EQ(Waste()->XOffset, Small() ? 9.0f : 12.0f);

    EXPECT_EQ(ActionNames(form->PopupMenu1),
              QStringList({"Undo1", "N1", "Autoplay1", "N2", "NewDeal1", "Redeal1", "Preferences1", "About1"}));
    EXPECT_EQ(form->Preferences1->text(), "Pre&ferences...");
    drive->Key(Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList{"1006"});
}

TEST_P(IndianPatienceTest, ColumnsBuildDownInAnySuitButTheCardsOwn) {
    struct Case {
        const char* target;
        const char* moving;
        bool legal;
    } cases[] = {{"JD* 7C", "6S", true},  {"JD* 7H", "6S", true},   {"JD* 7D", "6S", true},
                 {"JD* 7S", "6S", false}, {"JD* 7C", "5S", false},  {"JD* 7C", "6C", false},
                 {"JD* 7C", "8S", false}, {"JD* 10S", "9S", false}, {"JD* 10S", "9H", true}};
    for (const Case& c : cases) {
        Lay(WithFillers({{"TableauPile1", c.target}, {"TableauPile2", QString("JC* ") + c.moving}}, 3));
        drive->Drag(OnCard(Column(2)), OnCard(Column(1)));
        const QString expected = QString(c.target) + (c.legal ? QString(" ") + c.moving : QString());
        EXPECT_EQ(Names(Column(1)), expected) << c.moving << " on " << c.target;
        EXPECT_EQ(form->MoveCount, c.legal ? 1 : 0) << c.moving << " on " << c.target;
        EXPECT_TRUE(EveryCardOnce(*form));
    }
}

TEST_P(IndianPatienceTest, BaseCardsTakeNothingAndGoOnlyHomeWhileTheStockLasts) {
    Lay(WithFillers({{"TableauPile1", "9H"}, {"TableauPile2", "4C* 8S"}, {"TableauPile3", "7D"},
                     {"TableauPile4", "5C* 8C"}, {"TableauPile5", "AD"}, {"TableauPile6", "2S* AH"}},
                    7));
    drive->Drag(OnCard(Column(2)), OnCard(Column(1))); // onto a lone base
    EXPECT_EQ(Names(Column(1)), "9H");
    drive->Drag(OnCard(Column(3)), OnCard(Column(4))); // a base onto a column
    EXPECT_EQ(Names(Column(4)), "5C* 8C");
    EXPECT_EQ(form->MoveCount, 0);

    // A base goes home; its column is dealt three cards at once, the first
    // one face down, and that counts as a second move.
    const std::vector<TCard*> stock = Stock()->Pile->Cards;
    drive->DoubleClick(OnCard(Column(5)));
    EXPECT_EQ(Names(Found(1)), "AD");
    ASSERT_EQ(Column(5)->Pile->Cards.size(), 3u);
    EXPECT_EQ(Column(5)->Pile->Cards[0], stock[stock.size() - 1]);
    EXPECT_EQ(Column(5)->Pile->Cards[2], stock[stock.size() - 3]);
    EXPECT_FALSE(Column(5)->Pile->Cards[0]->FaceUp);
    EXPECT_TRUE(Column(5)->Pile->Cards[1]->FaceUp);
    EXPECT_EQ(form->BaseCards[4], Column(5)->Pile->Cards[0]);
    EXPECT_EQ(form->MoveCount, 2);
    EXPECT_EQ(sound.Names(), QStringList({"AUTOPLAY", "DEAL"}));
    EXPECT_EQ(Stock()->Hint, QString::number(stock.size() - 3));

    // Taking the last card off a base turns the base up.
    drive->DoubleClick(OnCard(Column(6)));
    EXPECT_EQ(Names(Column(6)), "2S");
    EXPECT_EQ(Names(Found(2)), "AH");
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(IndianPatienceTest, AnEmptyStockLiftsTheRestrictions) {
    Lay(WithFillers({{"TableauPile1", "9H"}, {"TableauPile2", "4C* 8S"}, {"TableauPile3", "AD"},
                     {"DeckPileView", "6D*"}},
                    4),
        "TableauPile10");
    StockClick(); // the last stock card
    EXPECT_TRUE(Stock()->Pile->Cards.empty());
    EXPECT_FALSE(Stock()->ShowHint);
    for (const TCard* base : form->BaseCards) EXPECT_EQ(base, nullptr);
    drive->Drag(OnCard(Column(2)), OnCard(Column(1)));
    EXPECT_EQ(Names(Column(1)), "9H 8S");
    EXPECT_EQ(Names(Column(2)), "4C"); // uncovered and turned up
    // An emptied column stays empty and takes any card.
    drive->DoubleClick(OnCard(Column(3)));
    EXPECT_TRUE(Column(3)->Pile->Cards.empty());
    drive->Drag(OnCard(Waste()), OnCard(Column(3)));
    EXPECT_EQ(Names(Column(3)), "6D");
    StockClick(); // nothing left to turn
    EXPECT_EQ(form->MoveCount, 4);
}

TEST_P(IndianPatienceTest, ARefillTakesWhatIsLeftAndUndoesWithItsMove) {
    struct Case {
        const char* stock;    // bottom first
        const char* refilled; // the column afterwards
    } cases[] = {{"9S* 8S* 7S* 6S*", "6S* 7S 8S"}, {"8S* 7S* 6S*", "6S* 7S 8S"}, {"7S* 6S*", "6S* 7S"},
                 {"6S*", "6S"}};
    for (const Case& c : cases) {
        Lay(WithFillers({{"TableauPile1", "AH"}, {"TableauPile2", "5C* KD"}, {"DeckPileView", c.stock}}, 3),
            "TableauPile10");
        const Snapshot before = Take(*form);
        drive->DoubleClick(OnCard(Column(1)));
        EXPECT_EQ(Names(Found(1)), "AH");
        EXPECT_EQ(Names(Column(1)), c.refilled) << c.stock;
        EXPECT_EQ(form->MoveCount, 2);
        EXPECT_EQ(form->windowTitle(), "Indian Patience   Score: 1");

        Undo(); // the refill and the move that emptied the column, together
        EXPECT_EQ(Take(*form), before) << c.stock;
        EXPECT_EQ(Names(Stock()), c.stock);
        EXPECT_EQ(form->MoveCount, 0);
        EXPECT_EQ(form->windowTitle(), "Indian Patience");
        EXPECT_FALSE(form->Undo1->isEnabled());
        EXPECT_EQ(form->BaseCards[0], Column(1)->Pile->Cards[0]);
        EXPECT_EQ(sound.Names().last(), "UNDO");
    }
}

TEST_P(IndianPatienceTest, ADragThatEmptiesAColumnUndoesWithItsRefill) {
    Lay(WithFillers({{"TableauPile1", "AH"}, {"TableauPile2", "JC* 10H"}, {"TableauPile3", "JS* 9S"}}, 4));
    const Snapshot before = Take(*form);
    drive->Drag(OnCard(Column(1)), OnCard(Found(4)));
    EXPECT_EQ(Names(Found(4)), "AH");
    EXPECT_EQ(Column(1)->Pile->Cards.size(), 3u);
    EXPECT_EQ(form->MoveCount, 2);
    Undo();
    EXPECT_EQ(Take(*form), before);
    EXPECT_EQ(form->MoveCount, 0);

    // Uncovering a base turns it up; Undo turns it down again.
    drive->Drag(OnCard(Column(3)), OnCard(Column(2)));
    EXPECT_EQ(Names(Column(2)), "JC* 10H 9S");
    EXPECT_EQ(Names(Column(3)), "JS");
    Undo();
    EXPECT_EQ(Take(*form), before);
}

TEST_P(IndianPatienceTest, UndoTurnsAnUncoveredBaseDownEvenAfterTheStockIsGone) {
    Lay(WithFillers({{"TableauPile1", "5C* 9D"}, {"TableauPile2", ""}}, 3), "TableauPile10");
    ASSERT_TRUE(Stock()->Pile->Cards.empty());
    drive->Drag(OnCard(Column(1)), OnCard(Column(2)));
    EXPECT_EQ(Names(Column(1)), "5C");
    EXPECT_EQ(Names(Column(2)), "9D");
    EXPECT_EQ(form->MoveCount, 1);
    Undo();
    EXPECT_EQ(Names(Column(1)), "5C* 9D");
    EXPECT_TRUE(Column(2)->Pile->Cards.empty());
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
}

TEST_P(IndianPatienceTest, AStockTurnUndoesFaceDown) {
    TCard* top = Stock()->Pile->CardAt(TOP_OF_PILE);
    StockClick();
    EXPECT_EQ(Waste()->Pile->CardAt(TOP_OF_PILE), top);
    EXPECT_TRUE(top->FaceUp);
    EXPECT_EQ(Stock()->Hint, "73");
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(sound.Names().last(), "STOCK");
    Undo();
    EXPECT_EQ(Stock()->Pile->CardAt(TOP_OF_PILE), top);
    EXPECT_FALSE(top->FaceUp);
    EXPECT_EQ(Stock()->Hint, "74");
    EXPECT_EQ(form->MoveCount, 0);
    drive->Key(Qt::Key_Space);
    drive->Click(OnCard(Column(2)), {}, Qt::MiddleButton);
    drive->Click(OnCard(Found(3)), {}, Qt::MiddleButton);
    EXPECT_EQ(Waste()->Pile->Cards.size(), 3u);
}

TEST_P(IndianPatienceTest, AutoplayIsSavedAndPromptsNameTheGame) {
    form->Autoplay1->trigger();
    EXPECT_EQ(TProfile("IndianPatience", "Autoplay").Text(), "True");
    form->MoveCount = 11;
    dialogs.ConfirmAnswers = {false, false};
    form->NewGame1Click(form->Restart1);
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(dialogs.Of("Confirm"),
              QStringList({"Restart this game of Indian Patience?", "Quit this game of Indian Patience?"}));
    EXPECT_EQ(form->MoveCount, 11);
}

TEST_P(IndianPatienceTest, LongPlayWithRefillsUndoesBackToTheStart) {
    // Low cards over low bases: autoplay clears columns, refills follow
    // again and again; undoing everything must give back the start, faces
    // and base cards included.
    Lay({{"TableauPile1", "3C* 2C AC"}, {"TableauPile2", "3S* 2S AS"}, {"TableauPile3", "3D* 2D AD"},
         {"TableauPile4", "3H* 2H AH"}, {"TableauPile5", "3C* 2C AC"}, {"TableauPile6", "3S* 2S AS"},
         {"TableauPile7", "3D* 2D AD"}, {"TableauPile8", "3H* 2H AH"}, {"TableauPile9", "KC* 9D 5S"},
         {"TableauPile10", "KD* 10S 4H"}});
    form->Autoplay1->trigger();
    const Snapshot start = Take(*form);
    const std::array<TCard*, 10> bases = form->BaseCards;
    QRandomGenerator rng(31);
    for (int step = 0; step < 400; ++step) {
        const int action = int(rng.bounded(10));
        TCardPileView* from = action < 9 ? Column(int(rng.bounded(10)) + 1) : Waste();
        if (action < 2) {
            StockClick();
        } else if (action < 4) {
            if (!from->Pile->Cards.empty()) drive->DoubleClick(OnCard(from));
        } else if (!from->Pile->Cards.empty()) {
            drive->Drag(OnCard(from), OnCard(Column(int(rng.bounded(10)) + 1)));
        }
        ASSERT_TRUE(EveryCardOnce(*form)) << step;
    }
    EXPECT_GT(sound.Names().count("DEAL"), 8);
    for (int guard = 0; guard < 2000 && form->Undo1->isEnabled(); ++guard) Undo();
    EXPECT_EQ(Take(*form), start);
    EXPECT_EQ(form->BaseCards, bases);
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_P(IndianPatienceTest, LegalMovesKeepTheBaseCardRules) {
    Lay(WithFillers({{"TableauPile1", "KS* 7H"}, {"TableauPile2", "8C"}, {"TableauPile3", "10D* 9H"},
                     {"TableauPile4", "QD* 8S"}, {"DiscardPileView", "6C"}}, 5));
    auto drop = [this](TCardPileView* s, int i, TCardPileView* t) {
        return std::ranges::count(form->LegalMoves(), TMove::DropOn(form->IndexOf(s), i, form->IndexOf(t))) == 1;
    };
    EXPECT_TRUE(drop(Column(1), 1, Column(4)));  // another suit
    EXPECT_FALSE(drop(Column(1), 1, Column(2))); // never on a base card
    EXPECT_FALSE(drop(Column(2), 0, Column(3))); // a base card never onto a column
    EXPECT_TRUE(drop(Waste(), 0, Column(1)));
}

INSTANTIATE_TEST_SUITE_P(BothSizes, IndianPatienceTest, ::testing::Bool(), SizeName);

// A lone base card and its twin on the waste are the same card to look at:
// the twin builds on a column, the base card only goes home, by the list of
// moves and by the mouse alike.
TEST_P(IndianPatienceTest, ABaseCardStaysWhereItsTwinFromTheWasteMayBuild) {
    Lay(WithFillers({{"TableauPile1", "8S"}, {"TableauPile2", "4C* 9D"}, {"DiscardPileView", "8S"}}, 3));
    const int base = form->IndexOf(Column(1)), waste = form->IndexOf(Waste()), onto = form->IndexOf(Column(2));
    const TMoves moves = form->LegalMoves();
    EXPECT_EQ(std::ranges::count(moves, TMove::DropOn(waste, 0, onto)), 1);
    EXPECT_EQ(std::ranges::count(moves, TMove::DropOn(base, 0, onto)), 0);
    drive->Drag(OnCard(Column(1)), OnCard(Column(2)));
    EXPECT_EQ(Names(Column(2)), "4C* 9D");
    drive->Drag(OnCard(Waste()), OnCard(Column(2)));
    EXPECT_EQ(Names(Column(2)), "4C* 9D 8S");
    EXPECT_EQ(Names(Column(1)), "8S");
}

// The solver's moves change its table as the window's handlers change the window.
TEST_P(IndianPatienceTest, TheSolverPlaysEachMoveAsTheWindowDoes) { WalkWithTheSolver(*form, {3u, 11u, 40u}); }
