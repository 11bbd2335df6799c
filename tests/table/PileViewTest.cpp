// What a pile view paints: placement, empty-pile symbols, the border, the
// background modes, the hint.
#include "Blend.h"
#include "CardPileView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor Green(0, 64, 0);

class PileViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        TCard::SetCardSize(FS_LARGE);
        TCard::SetBackIndex(0);
        window.resize(400, 300);
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, Green);
        window.setPalette(pal);
        view = new TCardPileView(&window);
        view->move(30, 40);
        deck.AddDeck();
    }
    void TearDown() override {
        view->Pile->Empty(false);
        deck.Empty(true);
    }
    QImage Shot() { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage Symbol(int index) {
        const TImageList* list = TCardPileView::GetPileImageList();
        QImage image(list->GetWidth(), list->GetHeight(), QImage::Format_RGB32);
        image.fill(Green);
        QPainter p(&image);
        list->Draw(p, QPoint(0, 0), index);
        return image;
    }

    QWidget window;
    TCardPileView* view = nullptr;
    TCardPile deck;
};

} // namespace

TEST_F(PileViewTest, NewViewTakesTheCardSizeAndDefaults) {
    EXPECT_EQ(view->size(), QSize(80, 125));
    EXPECT_EQ(view->State, FS_BLANK);
    EXPECT_EQ(view->BackgroundMode, FS_NORMAL);
    EXPECT_FALSE(view->AllowDrag);
    EXPECT_FALSE(view->ManualDrop);
    EXPECT_EQ(view->GetColor(), Green); // follows the window until set
    TCard::SetCardSize(FS_SMALL);
    TCardPileView small(&window);
    EXPECT_EQ(small.size(), QSize(61, 95));
}

TEST_F(PileViewTest, PlacementTruncatesEachStepInDoublePrecision) {
    view->XOffset = 0.2f;
    view->YOffset = 0.2f;
    EXPECT_EQ(view->CardPosition(4), QPoint(0, 0));
    EXPECT_EQ(view->CardPosition(5), QPoint(1, 1));
    EXPECT_EQ(view->CardPosition(23), QPoint(4, 4));
    view->XOffset = 12.0f;
    view->YOffset = -0.5f;
    EXPECT_EQ(view->CardPosition(3), QPoint(36, -1)); // toward zero

    // A 24-card stock draws its top card at (4, 4), cut at the view's edge.
    view->XOffset = view->YOffset = 0.2f;
    view->resize(82, 127);
    for (int i = 0; i < 24; ++i) view->Pile->AddCard(deck.Cards[static_cast<std::size_t>(i)]);
    TCard* top = deck.Cards[23];
    top->FaceUp = true;
    QPixmap face;
    top->GetCardBitmap(face);
    const QImage faceImage = face.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(4 + 40, 4 + 60), faceImage.pixel(40, 60));
    EXPECT_EQ(shot.pixel(81, 126), faceImage.pixel(77, 122));
    top->FaceUp = false;
}

// A fan that would reach past the view's edge is drawn closer: the top card
// stays whole and is the card a press on it picks; a fan that fits keeps its
// offset.
TEST_F(PileViewTest, OverflowingFanKeepsItsTopCardWhole) {
    view->XOffset = 12.0f;
    view->resize(400, 125);
    for (int i = 0; i < 27; ++i) view->Pile->AddCard(deck.Cards[static_cast<std::size_t>(i)]);
    EXPECT_EQ(view->CardPosition(26), QPoint(312, 0)); // 26 x 12 + 80 = 392 fits
    for (int i = 27; i < 52; ++i) view->Pile->AddCard(deck.Cards[static_cast<std::size_t>(i)]);
    const int topLeft = view->CardPosition(51).x();
    EXPECT_LE(topLeft + 80, 400);
    EXPECT_GE(topLeft + 80, 399);
    for (int i = 0; i < 51; ++i) EXPECT_LT(view->CardPosition(i).x(), view->CardPosition(i + 1).x());

    view->show();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(topLeft + 70, 60));
    EXPECT_EQ(view->SelectedCard, deck.Cards[51]);
    view->Pile->Empty(false);
}

TEST_F(PileViewTest, EmptyPileShowsItsSymbolOrNothing) {
    view->State = FS_RECYCLE;
    EXPECT_EQ(Shot(), Symbol(0));
    view->State = FS_EMPTY;
    EXPECT_EQ(Shot(), Symbol(1));
    EXPECT_NE(Symbol(0), Symbol(1));
    view->State = FS_BLANK;
    QImage blank(80, 125, QImage::Format_RGB32);
    blank.fill(Green);
    EXPECT_EQ(Shot(), blank);
    // Cards hide the symbol.
    view->State = FS_RECYCLE;
    view->Pile->AddCard(deck.Cards[0]);
    EXPECT_NE(Shot().pixel(40, 60), Symbol(0).pixel(40, 60));
}

TEST_F(PileViewTest, BorderedEmptyFoundationShowsTwoFrames) {
    view->IsBordered = true;
    view->SetColor(QColor(10, 20, 30));
    const QImage shot = Shot();
    const int w = 80, h = 125;
    const QColor black(0, 0, 0), grey(128, 128, 128), ground(10, 20, 30);
    auto at = [&shot](int x, int y) { return QColor(shot.pixel(x, y)); };
    // Black (0,0)-(w-1,h-1) with exclusive right and bottom edges, grey one
    // pixel down and right, drawn over it.
    EXPECT_EQ(at(0, 0), black);
    EXPECT_EQ(at(0, h - 2), black);
    EXPECT_EQ(at(w - 2, 0), black);
    EXPECT_EQ(at(w - 2, h - 2), black);
    EXPECT_EQ(at(1, 1), grey);
    EXPECT_EQ(at(w - 1, h - 1), grey);
    EXPECT_EQ(at(w - 1, 1), grey);
    EXPECT_EQ(at(1, h - 1), grey);
    EXPECT_EQ(at(1, h - 2), grey);
    EXPECT_EQ(at(w - 1, 0), ground);
    EXPECT_EQ(at(0, h - 1), ground);
    EXPECT_EQ(at(2, 2), ground);
    EXPECT_EQ(at(w - 3, h - 3), ground);
    int framed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) framed += at(x, y) != ground;
    EXPECT_EQ(framed, 2 * (w - 1) + 2 * (h - 1) - 4 + 2 * (w - 1) + 2 * (h - 1) - 4 - 2);
}

TEST_F(PileViewTest, BitmapModeCopiesTheTableUnderTheView) {
    // No picture yet: the view's own colour.
    view->BackgroundMode = FS_BITMAP;
    QImage plain(80, 125, QImage::Format_RGB32);
    plain.fill(Green);
    EXPECT_EQ(Shot(), plain);

    TzBackground background(&window);
    background.SetBackType(btBlend);
    background.SetColor(QColor(255, 0, 0));
    background.SetEndColor(QColor(0, 0, 255));
    view->BackgroundBitmap = background.BackBuffer();
    // The view paints before the window ever did: the buffer is brought up to date first.
    const QImage shot = Shot();
    const QImage table = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot, table.copy(30, 40, 80, 125));
    EXPECT_NE(shot.pixel(0, 0), shot.pixel(0, 124));

    // A view reaching past the picture fills the rest with its colour.
    view->move(350, 250);
    const QImage edge = Shot();
    EXPECT_EQ(edge.pixel(10, 10), background.BackBuffer()->pixel(360, 260));
    EXPECT_EQ(QColor(edge.pixel(60, 60)), Green);
}

TEST_F(PileViewTest, HintShowsAsTooltipOnlyWhenEnabled) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    view->Hint = QStringLiteral("24");
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), view->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view, &help);
    EXPECT_FALSE(help.isAccepted());
    view->ShowHint = true;
    QHelpEvent shown(QEvent::ToolTip, QPoint(5, 5), view->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view, &shown);
    EXPECT_TRUE(shown.isAccepted());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("24"));
    QToolTip::hideText();
}

// A view repaints from its last picture when nothing it shows has changed;
// every change that matters must still show.
TEST_F(PileViewTest, PictureFollowsEveryChangeThatShows) {
    TzBackground background(&window);
    background.SetBackType(btBlend);
    view->resize(120, 200);
    view->Pile->AddCard(deck.Cards[0]);
    view->Pile->AddCard(deck.Cards[5]);
    QImage last = Shot();
    auto changed = [&] {
        const QImage now = Shot();
        const bool differs = now != last;
        last = now;
        return differs;
    };
    EXPECT_FALSE(changed());
    deck.Cards[5]->FaceUp = true;
    EXPECT_TRUE(changed());
    view->YOffset = 20.0f;
    EXPECT_TRUE(changed());
    view->XOffset = 12.0f;
    EXPECT_TRUE(changed());
    TCard::SetBackIndex(1);
    EXPECT_TRUE(changed());
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::cyan);
    TCard::SetCustomBack(picture, true);
    EXPECT_TRUE(changed());
    view->IsBordered = true;
    EXPECT_TRUE(changed());
    view->SetColor(Qt::darkRed);
    EXPECT_TRUE(changed());
    view->BackgroundMode = FS_BITMAP;
    view->BackgroundBitmap = background.BackBuffer();
    EXPECT_TRUE(changed());
    background.SetEndColor(Qt::yellow);
    EXPECT_TRUE(changed());
    view->move(60, 90);
    EXPECT_TRUE(changed());
    view->Pile->Cards.pop_back();
    EXPECT_TRUE(changed());
    view->Pile->Cards.pop_back();
    view->State = FS_EMPTY;
    EXPECT_TRUE(changed());
    EXPECT_FALSE(changed());
    deck.Cards[5]->FaceUp = false;
    TCard::SetCardSize(FS_LARGE);
    TCard::FreeCardBitmaps();
    TCard::SetBackIndex(0);
}

// Pile views are part of the table: repainting the window repaints them,
// and so does any change of the background.
TEST_F(PileViewTest, WindowRepaintRedrawsThePiles) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    TzBackground background(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    view->installEventFilter(&counter);
    window.update();
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    counter.paints = 0;
    background.SetBackType(btSteel);
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
}
