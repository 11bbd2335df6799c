// Forty Thieves played through its real window in both card sizes: the deal,
// building in suit, the single stock pass, a long waste, the peek window
// following the stock, autoplay and undo.
#include "FTPeekDialog.h"
#include "FortyThievesWindow.h"
#include "GameTestSupport.h"
#include "SolverWalk.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <memory>

using namespace GameTest;

namespace {

class FortyThievesTest : public TWindowTest<TFortyThievesForm, TsFortyThievesForm> {
protected:
    FortyThievesTest() : TWindowTest(4040) {}
    TCardPileView* Column(int n) const { return V(Numbered("TableauPile", n)); }
    TCardPileView* Found(int n) const { return V(Numbered("FoundPile", n)); }
    TCardPileView* Stock() const { return V("DeckPileView"); }
    TCardPileView* Waste() const { return V("DiscardPileView"); }
    // The game's shortcuts work in the game window, not in the peek window
    // that took the focus when it opened.
    void Key(int key, Qt::KeyboardModifiers m = {}) {
        QApplication::setActiveWindow(form);
        drive->Key(key, m);
    }
    void Undo() { Key(Qt::Key_Z, Qt::ControlModifier); }
    void Peek() { Key(Qt::Key_P, Qt::ControlModifier); }
    TCard* StockTop() const { return Stock()->Pile->CardAt(TOP_OF_PILE); }
};

// Eight Aces fill the other columns: nothing builds on an Ace.
std::vector<std::pair<QString, QString>> WithFillers(std::vector<std::pair<QString, QString>> piles, int from) {
    const char* aces[] = {"AC", "AS", "AD", "AH", "AC", "AS", "AD", "AH"};
    for (int c = from, i = 0; c <= 10; ++c, ++i) piles.push_back({Numbered("TableauPile", c), aces[i]});
    return piles;
}

} // namespace

TEST_P(FortyThievesTest, DealsFourRowsFaceUpAndKeepsSixtyFourInTheStock) {
    EXPECT_TRUE(sound.Names().isEmpty());
    EXPECT_TRUE(EveryCardOnce(*form));
    for (int c = 1; c <= 10; ++c) {
        ASSERT_EQ(Column(c)->Pile->Cards.size(), 4u);
        for (const TCard* card : Column(c)->Pile->Cards) EXPECT_TRUE(card->FaceUp);
    }
    // Row by row from the stock's top: column 2 gets the second card, column 1 the eleventh.
    EXPECT_EQ(Column(1)->Pile->Cards[0], form->SavedDeck.Cards[103]);
    EXPECT_EQ(Column(2)->Pile->Cards[0], form->SavedDeck.Cards[102]);
    EXPECT_EQ(Column(1)->Pile->Cards[1], form->SavedDeck.Cards[93]);
    EXPECT_EQ(Stock()->Pile->Cards.size(), 64u);
    for (const TCard* card : Stock()->Pile->Cards) EXPECT_FALSE(card->FaceUp);
    EXPECT_TRUE(Stock()->ShowHint);
    EXPECT_EQ(Stock()->Hint, "64");
    EXPECT_EQ(form->windowTitle(), "Forty Thieves");
    EXPECT_EQ(form->width(), Small() ? 725 : 885);
    EXPECT_EQ(Waste()->XOffset, Small() ? 9.0f : 12.0f);
    EXPECT_EQ(Found(8)->geometry(), Small() ? QRect(584, 418, 61, 95) : QRect(712, 546, 80, 125));
    EXPECT_EQ(Column(10)->geometry(), Small() ? QRect(656, 136, 61, 270) : QRect(800, 160, 80, 377));
}

TEST_P(FortyThievesTest, MenuCarriesPeekBetweenRestartAndPreferences) {
    QStringList names, captions;
    for (QAction* action : form->PopupMenu1->actions()) {
        names << action->objectName();
        captions << action->text();
    }
    EXPECT_EQ(names, QStringList({"Undo1", "N1", "Autoplay1", "N2", "NewDeal1", "Redeal1", "Peek1", "Preferences1",
                                  "About1"}));
    EXPECT_EQ(captions[6], "&Peek...");
    EXPECT_EQ(captions[7], "Pre&ferences...");
    EXPECT_EQ(form->Peek1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    drive->Key(Qt::Key_F1);
    EXPECT_EQ(dialogs.Of("Help"), QStringList{"1003"});
}

TEST_P(FortyThievesTest, ColumnsBuildDownInSuitAndTakeAnyCardWhenEmpty) {
    struct Case {
        const char* target; // the column's cards ("" empty)
        const char* moving;
        bool legal;
    } cases[] = {{"9H", "8H", true},  {"9H", "8D", false}, {"9H", "8S", false}, {"9H", "7H", false},
                 {"9H", "10H", false}, {"", "5C", true},   {"", "QD", true},    {"2S KC", "QC", true}};
    for (const Case& c : cases) {
        Arrange(*form, WithFillers({{"TableauPile1", c.target}, {"TableauPile2", c.moving}}, 3), "DeckPileView");
        const int moves = form->MoveCount;
        drive->Drag(OnCard(Column(2)), OnCard(Column(1)));
        const QString expected = (QString(c.target) + " " + c.moving).trimmed();
        EXPECT_EQ(Names(Column(1)), c.legal ? expected : QString(c.target)) << c.moving << " on " << c.target;
        EXPECT_EQ(form->MoveCount, moves + (c.legal ? 1 : 0)) << c.moving << " on " << c.target;
        EXPECT_TRUE(EveryCardOnce(*form));
    }
}

TEST_P(FortyThievesTest, OnlyTheTopCardLifts) {
    Arrange(*form, WithFillers({{"TableauPile1", ""}, {"TableauPile2", "9H 3C"}}, 3), "DeckPileView");
    drive->Drag(OnCard(Column(2), 0), OnCard(Column(1)));
    EXPECT_EQ(Names(Column(2)), "9H 3C");
    EXPECT_TRUE(Column(1)->Pile->Cards.empty());
    // The top card goes, even to an empty column.
    drive->Drag(OnCard(Column(2)), OnCard(Column(1)));
    EXPECT_EQ(Names(Column(1)), "3C");
    Undo();
    EXPECT_EQ(Names(Column(2)), "9H 3C");
    EXPECT_EQ(form->MoveCount, 0);
}

TEST_P(FortyThievesTest, AStockTurnCountsAndUndoesFaceDown) {
    TCard* top = StockTop();
    StockClick();
    EXPECT_EQ(Waste()->Pile->CardAt(TOP_OF_PILE), top);
    EXPECT_TRUE(top->FaceUp);
    EXPECT_EQ(Stock()->Hint, "63");
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(sound.Names().last(), "STOCK");
    EXPECT_TRUE(form->Undo1->isEnabled());

    Undo();
    EXPECT_EQ(StockTop(), top);
    EXPECT_FALSE(top->FaceUp);
    EXPECT_TRUE(Waste()->Pile->Cards.empty());
    EXPECT_EQ(Stock()->Hint, "64");
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_EQ(sound.Names().last(), "UNDO");

    // Space, and the middle button on a column or a foundation, turn the stock too.
    drive->Key(Qt::Key_Space);
    drive->Click(OnCard(Column(3)), {}, Qt::MiddleButton);
    drive->Click(OnCard(Found(2)), {}, Qt::MiddleButton);
    drive->Click(OnCard(Waste()), {}, Qt::MiddleButton);
    EXPECT_EQ(Waste()->Pile->Cards.size(), 4u);
    EXPECT_EQ(Stock()->Hint, "60");
}

TEST_P(FortyThievesTest, AnExhaustedStockOnlyRunsAutoplay) {
    Arrange(*form, {{"DeckPileView", "5C* 6C*"}, {"TableauPile1", "AH"}, {"DiscardPileView", ""}}, "TableauPile10");
    form->MoveCount = 0;
    StockClick();
    StockClick();
    EXPECT_TRUE(Stock()->Pile->Cards.empty());
    EXPECT_FALSE(Stock()->ShowHint);
    // Disabled at once, not only when the menu next opens: Ctrl+P cannot reach an empty stock.
    EXPECT_FALSE(form->Peek1->isEnabled());
    Peek();
    EXPECT_EQ(form->PeekDialog(), nullptr);
    EXPECT_EQ(form->MoveCount, 2);

    drive->Key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(form->AutoplayOn);
    const int records = form->UndoList->RecordCount();
    StockClick(); // nothing turns; autoplay sends the Ace home
    EXPECT_EQ(Names(Waste()), "6C 5C");
    EXPECT_EQ(Names(Found(1)), "AH");
    EXPECT_EQ(form->MoveCount, 3);
    EXPECT_EQ(form->UndoList->RecordCount(), records + 1);

    Undo(); // the Ace
    Undo(); // the last stock card: the stock has a card again, and Peek with it
    EXPECT_EQ(Names(Stock()), "5C*");
    EXPECT_TRUE(form->Peek1->isEnabled());
    EXPECT_EQ(Stock()->Hint, "1");
}

TEST_P(FortyThievesTest, AWasteOfSeventyCardsKeepsItsTopCardWholeAndPlayable) {
    QStringList cards;
    const char* ranks[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    for (int i = 0; i < 69; ++i) cards << QString(ranks[i % 12]) + "CSDH"[(i / 12) % 4];
    cards << "AH";
    Arrange(*form, {{"DiscardPileView", cards.join(' ')}}, "DeckPileView");
    TCardPileView* waste = Waste();
    ASSERT_EQ(waste->Pile->Cards.size(), 70u);
    const QPoint last = waste->CardPosition(69);
    EXPECT_LE(last.x() + TCard::GetCardWidth(), waste->width());
    EXPECT_GT(last.x(), waste->CardPosition(68).x()); // still a fan

    drive->DoubleClick(OnCard(waste));
    EXPECT_EQ(Names(Found(1)), "AH");
    ASSERT_EQ(waste->Pile->Cards.size(), 69u);
    // The new top card is pressed and dragged, not a card beneath it.
    const TCard* top = waste->Pile->CardAt(TOP_OF_PILE);
    drive->Drag(OnCard(waste), OnCard(Column(1)));
    ASSERT_EQ(Column(1)->Pile->Cards.size(), 1u);
    EXPECT_EQ(Column(1)->Pile->Cards[0], top);
    EXPECT_TRUE(EveryCardOnce(*form));
}

TEST_P(FortyThievesTest, DoubleClickSendsHomeToTheFirstFittingFoundation) {
    Arrange(*form,
            WithFillers({{"FoundPile2", "AH"}, {"FoundPile5", "AH"}, {"TableauPile1", "2H"}, {"TableauPile2", "AS"}},
                        10),
            "DeckPileView");
    drive->DoubleClick(OnCard(Column(1)));
    EXPECT_EQ(Names(Found(2)), "AH 2H");
    drive->DoubleClick(OnCard(Column(2)));
    EXPECT_EQ(Names(Found(1)), "AS");
    EXPECT_EQ(form->windowTitle(), "Forty Thieves   Score: 4");
    EXPECT_EQ(sound.Names().last(), "AUTOPLAY");
    // A card with no foundation stays; Shift-click is a double-click.
    Arrange(*form, WithFillers({{"TableauPile1", "3D"}, {"TableauPile2", "AD"}}, 10), "DeckPileView");
    drive->DoubleClick(OnCard(Column(1)));
    EXPECT_EQ(Names(Column(1)), "3D");
    drive->Click(OnCard(Column(2)), Qt::ShiftModifier);
    EXPECT_EQ(Names(Found(1)), "AD");
}

TEST_P(FortyThievesTest, AutoplayCascadesAndIsSaved) {
    form->Autoplay1->trigger();
    EXPECT_EQ(TProfile("FortyThieves", "Autoplay").Text(), "True");
    // Columns 4 to 10 are empty.
    Arrange(*form, {{"TableauPile1", "3S 2S"}, {"TableauPile2", "AS KD"}, {"TableauPile3", "QD"}}, "DeckPileView");
    TCardPileView* column10 = Column(10);
    drive->Drag(OnCard(Column(2)), OnCard(column10)); // the King uncovers the Ace
    EXPECT_EQ(Names(Found(1)), "AS 2S 3S");
    EXPECT_EQ(form->MoveCount, 4);
    Undo();
    Undo();
    Undo();
    EXPECT_TRUE(Found(1)->Pile->Cards.empty());
    EXPECT_EQ(Names(column10), "KD");
}

TEST_P(FortyThievesTest, WinsOnceAtOneHundredAndFour) {
    QString suits[4];
    for (const char* r : {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"})
        for (int s = 0; s < 4; ++s) suits[s] += QString(r) + "CSDH"[s] + " ";
    QString lastHearts = suits[3];
    lastHearts.chop(3);
    Arrange(*form,
            {{"FoundPile1", suits[0]}, {"FoundPile2", suits[1]}, {"FoundPile3", suits[2]}, {"FoundPile4", suits[3]},
             {"FoundPile5", suits[0]}, {"FoundPile6", suits[1]}, {"FoundPile7", suits[2]}, {"FoundPile8", lastHearts},
             {"TableauPile1", "KH"}},
            "DeckPileView");
    form->Autoplay1->trigger();
    drive->DoubleClick(OnCard(Column(1)));
    EXPECT_EQ(form->windowTitle(), "Forty Thieves   Score: 104");
    EXPECT_TRUE(form->GameWon);
    drive->DoubleClick(OnCard(Column(1)));
    EXPECT_EQ(dialogs.Count("Win"), 1);
}

TEST_P(FortyThievesTest, PromptsFromTenMoves) {
    form->MoveCount = 10;
    form->NewGame1Click(form->Restart1); // at ten, Restart does not ask
    EXPECT_EQ(dialogs.Count("Confirm"), 0);
    form->MoveCount = 11;
    dialogs.ConfirmAnswers = {false};
    form->NewGame1Click(form->Restart1);
    EXPECT_EQ(dialogs.Of("Confirm"), QStringList{"Restart this game of Forty Thieves?"});
    EXPECT_EQ(form->MoveCount, 11);
    form->MoveCount = 10;
    dialogs.ConfirmAnswers = {false};
    EXPECT_FALSE(form->FormCloseQuery());
    EXPECT_EQ(dialogs.Of("Confirm").last(), "Quit this game of Forty Thieves?");
}

TEST_P(FortyThievesTest, PeekFollowsTheStockAndClosesWithIt) {
    Peek();
    TFTPeekDlg* peek = form->PeekDialog();
    ASSERT_NE(peek, nullptr);
    EXPECT_TRUE(peek->isVisible());
    EXPECT_FALSE(peek->isModal());
    EXPECT_TRUE(peek->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(peek->windowTitle(), "Peek");
    EXPECT_EQ(peek->size(), QSize(114, 188));
    EXPECT_EQ(peek->Label1->text(), "Next card in stock");
    EXPECT_TRUE(peek->OKBtn->isDefault());
    EXPECT_EQ(peek->PeekCard, StockTop());
    EXPECT_FALSE(StockTop()->FaceUp); // shown face up, still face down in the stock
    EXPECT_FALSE(peek->Image1->pixmap().isNull());
    EXPECT_EQ(peek->Image1->pixmap().deviceIndependentSize().toSize(),
              QSize(TCard::GetCardWidth(), TCard::GetCardHeight()));

    StockClick();
    EXPECT_EQ(peek->PeekCard, StockTop());
    Undo();
    EXPECT_EQ(peek->PeekCard, StockTop());

    // The last card closes it.
    Arrange(*form, {{"DeckPileView", "5C* 6C*"}}, "TableauPile10");
    Peek();
    EXPECT_EQ(peek->PeekCard, StockTop());
    StockClick();
    EXPECT_EQ(Names(Stock()), "5C*");
    EXPECT_EQ(peek->PeekCard, StockTop());
    StockClick();
    EXPECT_FALSE(peek->isVisible());
    Peek();
    EXPECT_FALSE(peek->isVisible());

    // New Game lets go of the old cards and shows the new deal's stock top.
    Peek(); // still disabled: nothing
    Undo();
    Peek();
    ASSERT_TRUE(peek->isVisible());
    form->NewGame1Click(form->NewGame1);
    EXPECT_EQ(peek->PeekCard, StockTop());
    const auto& deck = form->SavedDeck.Cards;
    EXPECT_NE(std::find(deck.begin(), deck.end(), peek->PeekCard), deck.end());

    // OK closes it; closing the game window releases it.
    peek->OKBtn->click();
    EXPECT_FALSE(peek->isVisible());
    EXPECT_EQ(peek->result(), 1);
    Peek();
    EXPECT_TRUE(peek->isVisible());
    QPointer<TFTPeekDlg> alive(peek);
    form->GameWon = true;
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_P(FortyThievesTest, PeekStaysTrueThroughRandomPlay) {
    // Random turns, undos, deals and reopenings with the window open: the
    // peek window always shows the stock's top card, and is shut exactly
    // when the stock is empty.
    Peek();
    TFTPeekDlg* peek = form->PeekDialog();
    ASSERT_NE(peek, nullptr);
    QRandomGenerator rng(99);
    for (int step = 0; step < 400; ++step) {
        const int action = int(rng.bounded(20));
        if (action < 12) StockClick();
        else if (action < 17) Undo();
        else if (action < 18) form->NewGame1Click(rng.bounded(2) ? form->NewGame1 : form->Restart1);
        else Peek();
        ASSERT_EQ(form->Peek1->isEnabled(), StockTop() != nullptr) << step;
        if (peek->isVisible()) {
            ASSERT_EQ(peek->PeekCard, StockTop()) << step;
        }
        if (StockTop() == nullptr) {
            ASSERT_FALSE(peek->isVisible()) << step;
        }
        ASSERT_TRUE(EveryCardOnce(*form)) << step;
    }
}

TEST_P(FortyThievesTest, ColumnsAndFoundationsFollowTheHeight) {
    form->resize(form->width(), 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(Column(1)->height(), 800 - (Small() ? 250 : 298));
    EXPECT_EQ(Found(1)->y(), 800 - (Small() ? 102 : 129));
    EXPECT_EQ(Found(1)->x(), Small() ? 80 : 96);
}

TEST(FortyThievesPeek, CornersComeFromThePicturesOwnSize) {
    // Small and large cards, at one and two device pixels per pixel.
    for (QSize size : {QSize(61, 95), QSize(80, 125)}) {
        for (int scale : {1, 2}) {
            QPixmap picture(size * scale);
            picture.setDevicePixelRatio(scale);
            picture.fill(Qt::red);
            TFTPeekDlg::CutCorners(picture, Qt::blue);
            const QImage image = picture.toImage();
            ASSERT_EQ(image.size(), size * scale);
            const int w = size.width(), h = size.height();
            auto at = [&](int x, int y) { return image.pixelColor(x * scale + scale - 1, y * scale); };
            for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 1, 0), QPoint(w - 2, 0),
                             QPoint(w - 1, 1), QPoint(w - 1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2),
                             QPoint(0, h - 1), QPoint(1, h - 1), QPoint(0, h - 2)})
                EXPECT_EQ(at(p.x(), p.y()), QColor(Qt::blue)) << w << "x" << h << "@" << scale << " " << p.x() << ","
                                                              << p.y();
            for (QPoint p : {QPoint(1, 1), QPoint(w - 3, 0), QPoint(w - 2, h - 2), QPoint(2, h - 1), QPoint(w / 2, 0)})
                EXPECT_EQ(at(p.x(), p.y()), QColor(Qt::red)) << w << "x" << h << "@" << scale;
            EXPECT_EQ(picture.devicePixelRatio(), scale);
        }
    }
}

TEST_P(FortyThievesTest, LegalMovesAreTheTopCardsTheMouseMayPlay) {
    Arrange(*form, WithFillers({{"TableauPile1", "5H 9S"}, {"TableauPile2", "10S"}, {"TableauPile3", "10H"},
                                {"DiscardPileView", "7C 2D"}, {"FoundPile1", "AD"}}, 5), "DeckPileView");
    auto has = [this](const TMove& m) { return std::ranges::count(form->LegalMoves(), m) == 1; };
    auto drop = [&](TCardPileView* s, int i, TCardPileView* t) {
        return has(TMove::DropOn(form->IndexOf(s), i, form->IndexOf(t)));
    };
    EXPECT_TRUE(drop(Column(1), 1, Column(2)));
    EXPECT_FALSE(drop(Column(1), 1, Column(3))); // another suit
    EXPECT_TRUE(drop(Column(1), 1, Column(4)));  // any card on an empty column
    EXPECT_FALSE(drop(Column(1), 0, Column(4))); // only the top card
    EXPECT_TRUE(drop(Waste(), 1, Found(1)));
    EXPECT_TRUE(has(TMove::Home(form->IndexOf(Waste()), 1, form->IndexOf(Found(1)))));
}

INSTANTIATE_TEST_SUITE_P(BothSizes, FortyThievesTest, ::testing::Bool(), SizeName);

// The solver's moves change its table as the window's handlers change the window.
TEST_P(FortyThievesTest, TheSolverPlaysEachMoveAsTheWindowDoes) { WalkWithTheSolver(*form, {3u, 11u, 40u}); }
