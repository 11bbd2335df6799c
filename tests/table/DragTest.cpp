// Dragging cards with real mouse events through the window, as a player does.
#include "DemoTable.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Strings = std::vector<std::string>;

class DragTest : public ::testing::Test {
protected:
    void SetUp() override {
        TCard::SetCardSize(FS_LARGE);
        table = std::make_unique<TDemoTable>();
        table->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    }
    void TearDown() override {
        // A test that failed mid-drag must not leave the button down for the next one.
        if (QTestPrivate::qtestMouseButtons & Qt::LeftButton) Release({5, 5});
        table.reset();
    }

    QWindow* Win() const { return table->windowHandle(); }
    void Press(QPoint p, Qt::KeyboardModifiers m = {}) { QTest::mousePress(Win(), Qt::LeftButton, m, p); }
    void Move(QPoint p) { QTest::mouseMove(Win(), p); }
    void Release(QPoint p) { QTest::mouseRelease(Win(), Qt::LeftButton, {}, p); }
    // Press on `from`, move in three steps to `to`, release there.
    void Drag(QPoint from, QPoint to) {
        Press(from);
        Move(from + QPoint(3, 3));
        Move((from + to) / 2);
        Move(to);
        Release(to);
    }
    QPoint On(const TCardPileView* view, int x, int y) const { return table->At(view, {x, y}); }

    std::unique_ptr<TDemoTable> table;
};

std::vector<TCard*> Cards(const TCardPile* pile) { return pile->Cards; }

} // namespace

TEST_F(DragTest, PressPicksTheTopmostCardUnderTheMouse) {
    table->Deal({3});
    TCardPileView* column = table->Column[0];
    const std::vector<TCard*> cards = Cards(column->Pile);

    Press(On(column, 10, 45)); // card 2 spans y 40..164
    EXPECT_EQ(column->SelectedCard, cards[2]);
    EXPECT_EQ(column->GrabX, 10);
    EXPECT_EQ(column->GrabY, 5);
    Release(On(column, 10, 45));

    Press(On(column, 0, 30)); // left edge inclusive; card 1 spans y 20..144
    EXPECT_EQ(column->SelectedCard, cards[1]);
    EXPECT_EQ(column->GrabY, 10);
    Release(On(column, 0, 30));

    Press(On(column, 10, 164)); // last row of card 2
    EXPECT_EQ(column->SelectedCard, cards[2]);
    Release(On(column, 10, 164));

    Press(On(column, 10, 165)); // bottom edge exclusive
    EXPECT_EQ(column->SelectedCard, nullptr);
    Release(On(column, 10, 165));

    table->Column[1]->resize(100, 260);
    table->Deal({3, 1});
    Press(On(table->Column[1], 80, 10)); // right edge exclusive
    EXPECT_EQ(table->Column[1]->SelectedCard, nullptr);
    Release(On(table->Column[1], 80, 10));
}

TEST_F(DragTest, LiftingTheMiddleOfAColumnTakesTheCardsAboveIt) {
    table->Deal({5});
    TCardPileView* column = table->Column[0];
    const std::vector<TCard*> cards = Cards(column->Pile);

    Press(On(column, 20, 50)); // card 2
    Move(On(column, 25, 60));
    ASSERT_TRUE(column->IsDragging());
    EXPECT_EQ(Cards(column->DragPile), (std::vector<TCard*>{cards[2], cards[3], cards[4]}));
    EXPECT_EQ(Cards(column->Pile), (std::vector<TCard*>{cards[0], cards[1]}));
    // One offset step larger than the three cards need.
    EXPECT_EQ(column->GetDragImages().deviceIndependentSize().toSize(), QSize(80, 125 + 3 * 20));

    // The drag picture follows the mouse with the grabbed point under it.
    const TDragLayer* layer = TDragLayer::Find(table.get());
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->ImageRect().topLeft(), On(column, 25, 60) - QPoint(20, 10));

    Release(On(column, 25, 60));
    EXPECT_FALSE(column->IsDragging());
    EXPECT_FALSE(layer->ImageShown());
    EXPECT_TRUE(column->GetDragImages().isNull()); // not kept after the drag
}

TEST_F(DragTest, DragWithNoTargetRestoresThePileExactly) {
    table->Deal({5, 2});
    table->ColumnsAccept = false;
    TCardPileView* column = table->Column[0];
    const std::vector<TCard*> before = Cards(column->Pile);
    const std::vector<TCard*> other = Cards(table->Column[1]->Pile);

    Drag(On(column, 20, 50), On(table->Column[1], 30, 40));

    EXPECT_EQ(Cards(column->Pile), before);
    EXPECT_EQ(Cards(table->Column[1]->Pile), other);
    EXPECT_EQ(column->DropTarget, nullptr);
    EXPECT_EQ(table->Log.back(), "EndDrag TableauPileView1 -> none drop none");
}

TEST_F(DragTest, OneDragFiresItsEventsInOrder) {
    table->Deal({2, 1});
    TCardPileView* from = table->Column[0];
    TCardPileView* to = table->Column[1];
    TCard* moved = from->Pile->Cards[1];

    Press(On(from, 10, 30));
    Move(On(from, 12, 32));                 // lift: drag-over on the source itself
    Move(QPoint(300, 120));                 // bare table
    Move(On(to, 30, 40));                   // a legal column
    Release(On(to, 30, 40));

    EXPECT_EQ(table->Log, (Strings{"MouseDown TableauPileView1", "StartDrag TableauPileView1",
                                   "DragOver TableauPileView1", "DragOver Form", "DragOver TableauPileView2",
                                   "DragDrop TableauPileView2",
                                   "EndDrag TableauPileView1 -> TableauPileView2 drop TableauPileView2"}));
    EXPECT_EQ(Cards(to->Pile), (std::vector<TCard*>{table->Deck.Cards[2], moved}));
    EXPECT_EQ(from->Pile->GetCardCount(), 1);
    // The game still reads what moved after the drop.
    EXPECT_EQ(Cards(from->DragPile), (std::vector<TCard*>{moved}));
}

TEST_F(DragTest, ReleaseAnywhereGoesToTheLastLegalTarget) {
    table->Deal({1, 1});
    TCardPileView* from = table->Column[0];
    TCard* card = from->Pile->Cards[0];

    // Over a legal column, then over the bare table, then out of the window.
    Press(On(from, 10, 10));
    Move(On(table->Column[1], 10, 10));
    Move(QPoint(300, 120));
    Move(QPoint(-40, -40));
    Release(QPoint(-40, -40));
    EXPECT_EQ(table->Column[1]->Pile->CardAt(TOP_OF_PILE), card);
    EXPECT_EQ(from->Pile->GetCardCount(), 0);
    EXPECT_EQ(table->Log.back(), "EndDrag TableauPileView1 -> none drop TableauPileView2");

    // Released over the table, which accepts while a target is set: the
    // table gets the drop, the cards still go to the target.
    table->Log.clear();
    Press(On(table->Column[1], 10, 30));
    Move(On(table->Column[0], 10, 10));
    Move(QPoint(300, 120));
    Release(QPoint(300, 120));
    EXPECT_EQ(table->Log.back(), "EndDrag TableauPileView2 -> Form drop TableauPileView1");
    EXPECT_NE(std::find(table->Log.begin(), table->Log.end(), "DragDrop Form"), table->Log.end());
    EXPECT_EQ(from->Pile->CardAt(TOP_OF_PILE), card);
}

TEST_F(DragTest, ManualDropLeavesTheMoveToTheGame) {
    table->Deal({1, 1});
    TCardPileView* from = table->Column[0];
    from->ManualDrop = true;
    TCard* card = from->Pile->Cards[0];

    Drag(On(from, 10, 10), On(table->Column[1], 10, 10));
    EXPECT_EQ(table->Column[1]->Pile->GetCardCount(), 1);
    EXPECT_EQ(from->Pile->GetCardCount(), 0);
    EXPECT_EQ(Cards(from->DragPile), (std::vector<TCard*>{card}));
    EXPECT_EQ(from->DropTarget, table->Column[1]);
    EXPECT_EQ(table->Log[table->Log.size() - 2], "DragDrop TableauPileView2");
}

// A manual drop that no drop handler took must not leave the cards in the
// air: released outside the window, or over a target without a drop handler,
// they go home although a target was set on the way.
TEST_F(DragTest, ManualDropThatNoHandlerTookGoesHome) {
    table->Deal({1, 1});
    TCardPileView* from = table->Column[0];
    from->ManualDrop = true;
    TCard* card = from->Pile->Cards[0];

    Press(On(from, 10, 10));
    Move(On(table->Column[1], 10, 10)); // a legal target is set
    ASSERT_EQ(from->DropTarget, table->Column[1]);
    Move(QPoint(-40, -40));
    Release(QPoint(-40, -40));
    EXPECT_EQ(Cards(from->Pile), (std::vector<TCard*>{card}));
    EXPECT_EQ(from->DropTarget, nullptr);
    EXPECT_EQ(table->Column[1]->Pile->GetCardCount(), 1);
    EXPECT_TRUE(from->isVisible());

    table->Column[1]->OnDragDrop = nullptr;
    Drag(On(from, 10, 10), On(table->Column[1], 10, 10));
    EXPECT_EQ(Cards(from->Pile), (std::vector<TCard*>{card}));
    EXPECT_EQ(table->Column[1]->Pile->GetCardCount(), 1);
}

// A press that the game marked as used up ends its double-click: neither the
// second press nor the double-click reach the game.
TEST_F(DragTest, ConsumedPressSwallowsTheRestOfItsDoubleClick) {
    table->Deal({1});
    TCardPileView* column = table->Column[0];
    int presses = 0, doubles = 0;
    column->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        ++presses;
        column->ConsumePress();
    };
    column->OnDblClick = [&](QObject*) { ++doubles; };
    QTest::mouseDClick(Win(), Qt::LeftButton, {}, On(column, 10, 10));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(doubles, 0);
    // The next press is an ordinary one again.
    QTest::mouseClick(Win(), Qt::LeftButton, {}, On(column, 10, 10), 500);
    EXPECT_EQ(presses, 2);

    // Without the mark both arrive.
    presses = 0;
    column->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++presses; };
    QTest::mouseDClick(Win(), Qt::LeftButton, {}, On(column, 10, 10), 1000);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(doubles, 1);
}

TEST_F(DragTest, EscapeCancelsAndTheCardsGoHome) {
    QAction undo(table.get());
    undo.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    table->addAction(&undo);
    int undone = 0;
    QObject::connect(&undo, &QAction::triggered, [&undone] { ++undone; });

    table->Deal({3, 1});
    TCardPileView* from = table->Column[0];
    const std::vector<TCard*> before = Cards(from->Pile);

    Press(On(from, 10, 45));
    Move(On(table->Column[1], 10, 10)); // sets a target
    ASSERT_EQ(from->DropTarget, table->Column[1]);
    // No shortcut runs while cards are in the air.
    QTest::keyClick(table.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 0);
    QTest::keyClick(table.get(), Qt::Key_Escape);
    EXPECT_FALSE(from->IsDragging());
    EXPECT_EQ(Cards(from->Pile), before);
    EXPECT_EQ(from->DropTarget, nullptr);
    EXPECT_EQ(table->Column[1]->Pile->GetCardCount(), 1);
    EXPECT_EQ(table->Log.back(), "EndDrag TableauPileView1 -> none drop none");

    // The release that follows is neither a drop nor a click.
    const std::size_t logged = table->Log.size();
    Release(On(table->Column[1], 10, 10));
    EXPECT_EQ(table->Log.size(), logged);

    QTest::keyClick(table.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 1);
}

TEST_F(DragTest, ClicksDelayedDragsAndRefusedLifts) {
    table->Deal({2});
    TCardPileView* column = table->Column[0];

    // The game did not grant CanDrag (face-down card): no drag, a click.
    column->Pile->Cards[1]->FaceUp = false;
    Press(On(column, 10, 30));
    Move(On(column, 40, 90));
    EXPECT_FALSE(column->IsDragging());
    Release(On(column, 40, 90));
    EXPECT_EQ(table->Log, (Strings{"MouseDown TableauPileView1", "Click TableauPileView1", "MouseUp TableauPileView1"}));
    column->Pile->Cards[1]->FaceUp = true;

    // A delayed drag waits for the start-drag distance; a release before it is a click.
    column->DragDelayed = true;
    table->Log.clear();
    const int distance = QApplication::startDragDistance();
    Press(On(column, 10, 30));
    Move(On(column, 10 + distance - 1, 30));
    EXPECT_FALSE(column->IsDragging());
    EXPECT_EQ(column->Pile->GetCardCount(), 2);
    Release(On(column, 10 + distance - 1, 30));
    EXPECT_EQ(table->Log.back(), "MouseUp TableauPileView1");
    EXPECT_EQ(table->Log[1], "Click TableauPileView1");

    Press(On(column, 10, 30));
    Move(On(column, 10 + distance, 30));
    EXPECT_TRUE(column->IsDragging());
    Release(On(column, 10 + distance, 30));
    EXPECT_EQ(column->Pile->GetCardCount(), 2);

    // A release outside the view after a press is no click.
    table->Log.clear();
    table->Stock->Pile->AddCard(table->Deck.Cards[40]);
    Press(On(table->Stock, 5, 5));
    Release(QPoint(300, 120));
    EXPECT_EQ(table->Log, (Strings{"MouseDown DeckPileView", "MouseUp DeckPileView"}));
    table->Stock->Pile->Empty(false);
}

TEST_F(DragTest, DoubleClickIsAPressThenOnDblClick) {
    table->Deal({1});
    TCardPileView* column = table->Column[0];
    column->OnDblClick = [this](QObject* sender) { table->Log.push_back("DblClick " + sender->objectName().toStdString()); };
    QTest::mouseDClick(Win(), Qt::LeftButton, {}, On(column, 10, 10));
    EXPECT_EQ(table->Log, (Strings{"MouseDown TableauPileView1", "Click TableauPileView1", "MouseUp TableauPileView1",
                                   "MouseDown TableauPileView1", "DblClick TableauPileView1",
                                   "MouseUp TableauPileView1"}));

    // A view without a double-click handler counts both clicks.
    table->Log.clear();
    QTest::mouseDClick(Win(), Qt::LeftButton, {}, On(table->Stock, 10, 10));
    EXPECT_EQ(std::count(table->Log.begin(), table->Log.end(), "Click DeckPileView"), 2);
}

TEST_F(DragTest, DoubleClickThatSendsTheCardAwayStartsNoDrag) {
    table->Deal({2});
    TCardPileView* column = table->Column[0];
    column->OnDblClick = [this, column](QObject*) {
        TCard* top = column->Pile->CardAt(TOP_OF_PILE);
        column->Pile->RemoveCard(top);
        table->Foundation->Pile->AddCard(top);
    };
    QTest::mouseDClick(Win(), Qt::LeftButton, {}, On(column, 10, 30));
    // The press handler granted a drag, but the card has gone home.
    Press(On(column, 10, 30));
    column->OnDblClick(column);
    Move(On(column, 30, 60));
    EXPECT_FALSE(column->IsDragging());
    Release(On(column, 30, 60));
    EXPECT_EQ(column->Pile->GetCardCount(), 0);
    EXPECT_EQ(table->Foundation->Pile->GetCardCount(), 2);
}

TEST_F(DragTest, SourceHiddenDuringTheDragKeepsTheMouse) {
    table->Deal({1, 1});
    TCardPileView* from = table->Column[0];
    from->OnStartDrag = [](QObject* sender) { static_cast<TCardPileView*>(sender)->hide(); };
    from->resize(80, 125);

    // Refused: the cards come home and the view shows again.
    table->ColumnsAccept = false;
    Drag(On(from, 10, 10), QPoint(300, 120));
    EXPECT_TRUE(from->isVisible());
    EXPECT_EQ(from->Pile->GetCardCount(), 1);

    table->ColumnsAccept = true;
    Drag(On(from, 10, 10), On(table->Column[1], 10, 10));
    EXPECT_FALSE(from->isVisible());
    EXPECT_EQ(table->Column[1]->Pile->GetCardCount(), 2);
}

TEST_F(DragTest, WholeDragOnEveryBackground) {
    struct Case {
        TzBackType type;
        gradType fill;
    };
    for (const Case c : {Case{btNormal, gVert}, Case{btBlend, gVert}, Case{btBlend, gHorz}, Case{btBlend, gCenter},
                         Case{btBitmap, gVert}, Case{btSteel, gVert}}) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " fill " << int(c.fill));
        table->ApplyBackground(c.type, c.fill);
        table->Deal({4, 3, 0, 1});
        TCardPileView* from = table->Column[0];
        TCardPileView* to = table->Column[2];
        const std::vector<TCard*> run(from->Pile->Cards.begin() + 1, from->Pile->Cards.end());

        Press(On(from, 40, 30));
        Move(On(from, 45, 40));
        Move(QPoint(250, 300));
        // Mid-drag the picture of the run shows over the bare table.
        QImage shot = table->grab().toImage();
        if (qEnvironmentVariableIsSet("QUILLANE_SHOTS"))
            shot.save(QStringLiteral("%1/drag-%2-%3.png").arg(qEnvironmentVariable("QUILLANE_SHOTS")).arg(int(c.type)).arg(int(c.fill)));
        const QRect image = TDragLayer::Find(table.get())->ImageRect();
        EXPECT_EQ(image.topLeft(), QPoint(250 - 40, 300 - 10));
        QImage top;
        {
            QPixmap face;
            run.back()->GetCardBitmap(face);
            top = face.toImage().convertToFormat(QImage::Format_RGB32);
        }
        EXPECT_EQ(shot.pixel(image.left() + 40, image.top() + 2 * 20 + 60), top.pixel(40, 60));

        Move(On(to, 10, 10));
        Release(On(to, 10, 10));
        EXPECT_EQ(to->Pile->Cards, run);
        EXPECT_EQ(from->Pile->GetCardCount(), 1);

        // The uncovered part of a view shows the table under it; the bare
        // table where the picture was shows the table again.
        shot = table->grab().toImage();
        const QPoint below = On(from, 40, 200);
        const QImage& buffer = *table->Background->BackBuffer();
        if (from->BackgroundMode == FS_BITMAP)
            EXPECT_EQ(shot.pixel(below), buffer.pixel(below));
        else
            EXPECT_EQ(QColor(shot.pixel(below)), from->GetColor());
        const QPoint bare(250, 140);
        if (c.type != btNormal) {
            QImage reference(table->size(), QImage::Format_RGB32);
            QPainter p(&reference);
            table->Background->PaintBackground(p, table->width(), table->height());
            p.end();
            EXPECT_EQ(shot.pixel(bare), reference.pixel(bare));
            EXPECT_EQ(shot.pixel(QPoint(470, 300)), reference.pixel(470, 300));
        }
        if (qEnvironmentVariableIsSet("QUILLANE_SHOTS"))
            shot.save(QStringLiteral("%1/demo-%2-%3.png").arg(qEnvironmentVariable("QUILLANE_SHOTS")).arg(int(c.type)).arg(int(c.fill)));
        table->Log.clear();
    }
}
