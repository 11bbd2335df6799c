// Moves as data in Klondike, the reference game: the legal moves of laid-out
// tables, the hint's choice and Redo.
#include "GameTestSupport.h"
#include "TableMarks.h"
#include "KeyboardPlay.h"
#include "KlondikeWindow.h"
#include "PyramidWindow.h"

#include <QAction>

using namespace GameTest;

namespace {

class MoveListTest : public TWindowTest<TKlondikeForm> {
protected:
    MoveListTest() : TWindowTest(2024) {}

    QStringList Listed() const {
        QStringList out;
        for (const TMove& m : form->LegalMoves()) out << form->MoveText(m);
        return out;
    }
    void Press(const QString& action) { form->findChild<QAction*>(action)->trigger(); }
};

} // namespace

// Runs lift only from the first face-up card that starts a run; a King (and
// only a King) goes to an empty column; one card at a time goes home; the
// double-click and the stock are listed only when they would change the table.
TEST_F(MoveListTest, ListsWhatTheRulesAllow) {
    struct Row {
        std::vector<std::pair<QString, QString>> piles;
        QStringList listed, absent;
    };
    const Row rows[] = {
        {{{"TableauPileView1", "KS* 5H 4S 3H"}, {"TableauPileView2", "6C"}, {"TableauPileView4", "QC* KD 9C"},
          {"TableauPileView6", "QS* KH"}, {"DiscardPileView", "AD"}, {"FoundationPile2", "AH 2H"}},
         {"TableauPileView1 #1 -> TableauPileView2", "TableauPileView1 #3 -> FoundationPile2",
          "TableauPileView1 #3: home -> FoundationPile2", "DiscardPileView #0 -> FoundationPile1",
          "DiscardPileView #0: home -> FoundationPile1", "TableauPileView6 #1 -> TableauPileView3",
          "DeckPileView: stock"},
         {"TableauPileView1 #0 -> TableauPileView3", "TableauPileView1 #2 -> TableauPileView2",
          "TableauPileView4 #1 -> TableauPileView3", "TableauPileView1 #2 -> FoundationPile2"}},
        // Stock, waste and store all empty: nothing to turn.
        {{{"TableauPileView1", "2H"}, {"TableauPileView2", "3H"}, {"FoundationPile1", "AH"}},
         {"TableauPileView1 #0 -> FoundationPile1"},
         {"DeckPileView: stock", "TableauPileView1 #0 -> TableauPileView2"}},
    };
    for (const Row& row : rows) {
        Arrange(*form, row.piles, row.listed.size() > 1 ? QStringLiteral("DeckPileView") : QStringLiteral("FoundationPile4"));
        if (row.listed.size() == 1) form->PileView("FoundationPile4")->Pile->Empty(false);
        const QStringList listed = Listed();
        for (const QString& m : row.listed) EXPECT_TRUE(listed.contains(m)) << m.toStdString() << " in " << listed.join(", ").toStdString();
        for (const QString& m : row.absent) EXPECT_FALSE(listed.contains(m)) << m.toStdString();
    }
}

// A card home first; else the move that turns a card up; never the way back
// of the last move nor a lone King from column to column; H again shows the
// next; a hint plays nothing and counts nothing.
TEST_F(MoveListTest, HintRanksAndPlaysNothing) {
    Arrange(*form, {{"TableauPileView1", "9S* 5H"}, {"TableauPileView2", "6C"}, {"TableauPileView3", "KD"},
                    {"TableauPileView5", "7D 6S"}, {"DiscardPileView", "AH"}},
            QStringLiteral("DeckPileView"));
    auto hints = [this] {
        QStringList out;
        for (const TMove& m : form->HintMoves()) out << form->MoveText(m);
        return out;
    };
    QStringList ranked = hints();
    ASSERT_GE(ranked.size(), 3) << ranked.join(", ").toStdString();
    SCOPED_TRACE(ranked.join(", ").toStdString());
    EXPECT_EQ(ranked[0], "DiscardPileView #0 -> FoundationPile1");
    EXPECT_EQ(ranked[1], "TableauPileView1 #1 -> TableauPileView5"); // the longer run
    EXPECT_EQ(ranked[2], "TableauPileView1 #1 -> TableauPileView2");
    EXPECT_EQ(ranked.last(), "DeckPileView: stock");
    EXPECT_FALSE(ranked.contains("TableauPileView3 #0 -> TableauPileView4"));
    EXPECT_FALSE(ranked.contains("DiscardPileView #0: home -> FoundationPile1")); // the same as the drop

    const Snapshot before = Take(*form);
    Press("Hint1");
    TTableMarks* marks = TTableMarks::Of(form);
    EXPECT_TRUE(marks->isVisible());
    EXPECT_EQ(marks->HintRects().size(), 2);
    EXPECT_EQ(Take(*form), before);
    EXPECT_EQ(form->MoveCount, 0);
    EXPECT_FALSE(form->Undo1->isEnabled());
    drive->Key(Qt::Key_H);
    EXPECT_TRUE(marks->HintShown());
    drive->Click(QPoint(650, 480)); // any press ends it
    EXPECT_FALSE(marks->HintShown());

    // Once played, a move's way back is never proposed.
    Arrange(*form, {{"TableauPileView2", "6C 5H"}, {"TableauPileView5", "7D 6S"}}, QStringLiteral("DeckPileView"));
    const TMove five = TMove::DropOn(form->IndexOf(V("TableauPileView2")), 1, form->IndexOf(V("TableauPileView5")));
    ASSERT_TRUE(form->Perform(five));
    QStringList listed;
    for (const TMove& m : form->LegalMoves()) listed << form->MoveText(m);
    EXPECT_TRUE(listed.contains("TableauPileView5 #2 -> TableauPileView2"));
    EXPECT_FALSE(hints().contains("TableauPileView5 #2 -> TableauPileView2"));
}

TEST_F(MoveListTest, NoMoreMovesWhenNothingIsLeft) {
    Arrange(*form, {{"TableauPileView1", "2H"}, {"TableauPileView2", "2S"}, {"FoundationPile1", "AD"}},
            QStringLiteral("FoundationPile4"));
    form->PileView("FoundationPile4")->Pile->Empty(false);
    Press("Hint1");
    EXPECT_EQ(dialogs.Log, QStringList({"Information: No more moves."}));
}

// Redo after one and after several undos gives back the table, the count and
// the caption; a new action ends what could be redone.
TEST_F(MoveListTest, RedoReplaysWhatUndoTookBack) {
    std::vector<Snapshot> tables{Take(*form)};
    std::vector<int> counts{0};
    for (int i = 0; i < 4; ++i) {
        const TMoves moves = form->HintMoves();
        ASSERT_FALSE(moves.empty());
        ASSERT_TRUE(form->Perform(moves.front())) << form->MoveText(moves.front()).toStdString();
        tables.push_back(Take(*form));
        counts.push_back(form->MoveCount);
    }
    const QString caption = form->windowTitle();
    EXPECT_FALSE(form->Redo1->isEnabled());
    Undo();
    EXPECT_TRUE(form->Redo1->isEnabled());
    drive->Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Take(*form), tables[4]);
    EXPECT_EQ(form->MoveCount, counts[4]);
    EXPECT_FALSE(form->Redo1->isEnabled());

    for (int i = 0; i < 3; ++i) Undo();
    EXPECT_EQ(Take(*form), tables[1]);
    drive->Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Take(*form), tables[2]);
    Press("Redo1");
    Press("Redo1");
    EXPECT_EQ(Take(*form), tables[4]);
    EXPECT_EQ(form->MoveCount, counts[4]);
    EXPECT_EQ(form->windowTitle(), caption);

    Undo();
    StockClick();
    EXPECT_FALSE(form->Redo1->isEnabled());
    Undo();
    form->NewGame1Click(form->Restart1);
    EXPECT_FALSE(form->Redo1->isEnabled());
}

// Keyboard play: the focus starts on the first column and moves by the
// arrows; Enter picks up and drops through the legal moves, an illegal place
// changes nothing, the focus follows the cards; Shift+Enter sends home; the
// piles' accessible names follow the table.
TEST_F(MoveListTest, KeyboardPlaysAndTellsWhatLiesWhere) {
    Arrange(*form, {{"TableauPileView1", "9S* 5H"}, {"TableauPileView2", "6C"}, {"TableauPileView3", "4D* 7D"},
                    {"DiscardPileView", "AH"}},
            QStringLiteral("DeckPileView"));
    form->activateWindow();
    TKeyboardPlay& keys = *form->Keyboard();
    keys.TableChanged();
    EXPECT_EQ(keys.FocusView(), V("TableauPileView1"));
    EXPECT_EQ(V("TableauPileView1")->accessibleName(), "Column 1: five of hearts, 1 card face down");
    EXPECT_EQ(V("FoundationPile1")->accessibleName(), "Foundation 1: empty");
    EXPECT_EQ(V("DeckPileView")->accessibleName(), "Stock: 46 cards face down");

    drive->Key(Qt::Key_Return); // pick up the five
    drive->Key(Qt::Key_Right);
    drive->Key(Qt::Key_Right); // the seven of diamonds: not here
    drive->Key(Qt::Key_Return);
    EXPECT_EQ(Names(V("TableauPileView1")), "9S* 5H");
    EXPECT_TRUE(keys.Picked());
    drive->Key(Qt::Key_Left);
    drive->Key(Qt::Key_Return);
    EXPECT_EQ(Names(V("TableauPileView2")), "6C 5H");
    EXPECT_EQ(Names(V("TableauPileView1")), "9S");
    EXPECT_EQ(keys.FocusView(), V("TableauPileView2"));
    EXPECT_EQ(keys.FocusCard(), 1);
    EXPECT_EQ(form->MoveCount, 1);
    EXPECT_EQ(V("TableauPileView2")->accessibleName(), "Column 2: five of hearts on six of clubs");
    EXPECT_TRUE(TTableMarks::Of(form)->isVisible());

    drive->Key(Qt::Key_Up); // the six of clubs
    EXPECT_EQ(keys.FocusCard(), 0);
    EXPECT_EQ(V("TableauPileView2")->accessibleName(), "Column 2, six of clubs: five of hearts on six of clubs");
    drive->Key(Qt::Key_Up); // on up to the pile above
    EXPECT_EQ(keys.FocusView()->objectName().toStdString(), "DiscardPileView");
    drive->Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Names(V("FoundationPile1")), "AH");
    drive->Key(Qt::Key_Tab);
    EXPECT_EQ(keys.FocusView(), V("FoundationPile1"));
    drive->Key(Qt::Key_Tab);
    EXPECT_EQ(keys.FocusView(), V("TableauPileView1"));
    drive->Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(keys.FocusView(), V("FoundationPile1"));
}

namespace {

// Plays `move` with the keys a player would press.
void PlayByKeys(TGameForm& form, Driver& drive, const TMove& move) {
    TKeyboardPlay& keys = *form.Keyboard();
    auto reach = [&](int view) {
        for (int i = 0; keys.FocusView() != form.View(view) && i < 60; ++i) drive.Key(Qt::Key_Right);
        ASSERT_EQ(keys.FocusView(), form.View(view));
    };
    reach(move.Source);
    for (int i = 0; move.Index >= 0 && keys.FocusCard() != move.Index && i < 30; ++i)
        drive.Key(keys.FocusCard() > move.Index ? Qt::Key_Up : Qt::Key_Down);
    switch (move.Type) {
    case TMove::SendHome:
        drive.Key(Qt::Key_Return, Qt::ShiftModifier);
        break;
    case TMove::Drop:
        drive.Key(Qt::Key_Return);
        reach(move.Target);
        drive.Key(Qt::Key_Return);
        break;
    default:
        drive.Key(Qt::Key_Return);
    }
}

// A whole deal played with the keyboard alone, each time doing what the
// hint shows (the next hint where a table comes back), up to the win.
void WinByKeys(TGameForm& form, Driver& drive, const TFakeDialogs& dialogs) {
    std::map<std::uint64_t, int> seen;
    for (int moves = 0; !form.GameWon && moves < 400; ++moves) {
        const TMoves hints = form.HintMoves();
        ASSERT_FALSE(hints.empty());
        int& n = seen[form.TableKey()];
        ASSERT_LT(n, int(hints.size())) << "stuck after " << moves << " moves";
        const TMove move = hints[std::size_t(n++)];
        const std::uint64_t before = form.TableKey();
        PlayByKeys(form, drive, move);
        ASSERT_NE(form.TableKey(), before) << moves << ": " << form.MoveText(move).toStdString();
    }
    EXPECT_TRUE(form.GameWon);
    EXPECT_EQ(form.windowTitle(), form.Info().Name + "   Score: " + QString::number(form.Info().WinScore));
    EXPECT_EQ(dialogs.Log.count("Win"), 1);
}

class KlondikeByKeys : public TWindowTest<TKlondikeForm> {
protected:
    KlondikeByKeys() : TWindowTest(18) {}
};

class PyramidByKeys : public TWindowTest<TPyramidForm> {
protected:
    PyramidByKeys() : TWindowTest(5) {}
};

} // namespace

TEST_F(KlondikeByKeys, AWholeDealWon) {
    form->DrawOne1->trigger();
    form->NewGame1Click(form->Restart1);
    WinByKeys(*form, *drive, dialogs);
}

TEST_F(PyramidByKeys, AWholeDealWon) { WinByKeys(*form, *drive, dialogs); }
