// The card pictures: list contents, drawing, transparency, the custom back.
#include "CardPileView.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Table(0, 64, 0);

class ImageryTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCardImagery();
        TCard::SetImageryScale(1);
        TCard::SetCardSize(FS_LARGE);
        TCard::FreeCardBitmaps();
        TCard::SetBackIndex(0);
    }
    void TearDown() override {
        TCard::SetCardSize(FS_LARGE);
        TCard::SetImageryScale(0);
        TCard::FreeCardBitmaps();
        TCard::SetBackIndex(0);
    }

    // The card drawn at (10, 10) on a table-coloured canvas.
    static QImage Drawn(const TCard& card) {
        QImage canvas(TCard::GetCardWidth() + 20, TCard::GetCardHeight() + 20, QImage::Format_RGB32);
        canvas.fill(Table);
        QPainter p(&canvas);
        card.DrawCardOnCanvas(QPoint(10, 10), p);
        return canvas;
    }
    static QImage Entry(const TImageList* list, int index) {
        QImage image(list->GetWidth(), list->GetHeight(), QImage::Format_RGB32);
        image.fill(Table);
        QPainter p(&image);
        list->Draw(p, QPoint(0, 0), index);
        return image;
    }
    static bool SameAsEntry(const QImage& drawn, const TImageList* list, int index) {
        return drawn.copy(10, 10, list->GetWidth(), list->GetHeight()) == Entry(list, index);
    }
};

} // namespace

TEST_F(ImageryTest, ListsHoldFacesBacksAndSymbolsOfTheCurrentSize) {
    TImageList* faces = TCard::GetCardImageList();
    TImageList* backs = TCard::GetBackImageList();
    TImageList* symbols = TCardPileView::GetPileImageList();
    EXPECT_EQ(faces->Count(), 53);
    EXPECT_EQ(backs->Count(), 3);
    EXPECT_EQ(symbols->Count(), 2);
    for (const TImageList* list : {faces, backs, symbols}) {
        EXPECT_EQ(list->GetWidth(), 80);
        EXPECT_EQ(list->GetHeight(), 125);
        EXPECT_EQ(list->Image(0).deviceIndependentSize().toSize(), QSize(80, 125));
    }
    // Loaded once: more cards and the same size again keep the same pictures.
    const qint64 key = faces->Image(0).cacheKey();
    TCard a(FS_HEARTS, FS_KING), b;
    TCard::SetCardSize(FS_LARGE);
    EXPECT_EQ(TCard::GetCardImageList()->Image(0).cacheKey(), key);

    TCard::SetBackIndex(2);
    TCard::SetCardSize(FS_SMALL);
    EXPECT_EQ(TCard::GetBackIndex(), 2);
    for (const TImageList* list :
         {TCard::GetCardImageList(), TCard::GetBackImageList(), TCardPileView::GetPileImageList()}) {
        EXPECT_EQ(list->GetWidth(), 61);
        EXPECT_EQ(list->Image(0).deviceIndependentSize().toSize(), QSize(61, 95));
    }
    EXPECT_EQ(TCard::GetCardImageList()->Count(), 53);
}

TEST_F(ImageryTest, FacesFollowSuitAndValueAndBacksFollowTheIndex) {
    const TImageList* faces = TCard::GetCardImageList();
    const TImageList* backs = TCard::GetBackImageList();
    EXPECT_TRUE(SameAsEntry(Drawn(TCard(FS_CLUBS, FS_ACE, 1)), faces, 0));
    EXPECT_TRUE(SameAsEntry(Drawn(TCard(FS_SPADES, FS_ACE, 1)), faces, 13));
    EXPECT_TRUE(SameAsEntry(Drawn(TCard(FS_HEARTS, FS_KING, 1)), faces, 51));
    EXPECT_FALSE(SameAsEntry(Drawn(TCard(FS_HEARTS, FS_KING, 1)), faces, 50));

    for (int back = 0; back < 3; ++back) {
        TCard::SetBackIndex(back);
        EXPECT_TRUE(SameAsEntry(Drawn(TCard(FS_DIAMONDS, FS_SEVEN)), backs, back));
        EXPECT_TRUE(SameAsEntry(Drawn(TCard(FS_CLUBS, FS_TWO)), backs, back));
    }

    // The face picture whatever the card shows.
    QPixmap bitmap;
    TCard(FS_DIAMONDS, FS_QUEEN).GetCardBitmap(bitmap);
    EXPECT_EQ(bitmap.cacheKey(), faces->Image(2 * 13 + 11).cacheKey());
}

TEST_F(ImageryTest, CornersOfEveryDrawnCardShowTheTable) {
    for (CardSize size : {FS_LARGE, FS_SMALL}) {
        TCard::SetCardSize(size);
        const int w = TCard::GetCardWidth(), h = TCard::GetCardHeight();
        std::vector<TCard> cards;
        for (int i = 0; i < 52; ++i) cards.emplace_back(CardSuit(i / 13), CardValue(i % 13), 1);
        for (int back = 0; back < 3; ++back) cards.emplace_back(FS_CLUBS, FS_ACE, 0);
        int back = 0;
        for (const TCard& card : cards) {
            if (!card.FaceUp) TCard::SetBackIndex(back++);
            const QImage drawn = Drawn(card);
            const QPoint corners[] = {{10, 10}, {10 + w - 1, 10}, {10, 10 + h - 1}, {10 + w - 1, 10 + h - 1}};
            for (QPoint c : corners) {
                const int sx = c.x() == 10 ? 1 : -1, sy = c.y() == 10 ? 1 : -1;
                EXPECT_EQ(QColor(drawn.pixel(c)), Table);
                EXPECT_EQ(QColor(drawn.pixel(c + QPoint(sx, 0))), Table);
                EXPECT_EQ(QColor(drawn.pixel(c + QPoint(0, sy))), Table);
                EXPECT_NE(QColor(drawn.pixel(c + QPoint(sx, sy))), Table);
            }
            // Nothing of the card spills outside its rectangle.
            EXPECT_EQ(QColor(drawn.pixel(9, 40)), Table);
            EXPECT_EQ(QColor(drawn.pixel(10 + w, 40)), Table);
        }
    }
}

TEST_F(ImageryTest, BackIndexWithoutAPictureDrawsTheFirstBack) {
    const TImageList* backs = TCard::GetBackImageList();
    for (int index : {3, 7, -1}) {
        TCard::SetBackIndex(index);
        EXPECT_TRUE(SameAsEntry(Drawn(TCard(FS_SPADES, FS_FIVE)), backs, 0)) << index;
    }
}

TEST_F(ImageryTest, CustomBackIsFramedMaskedAndReplacedNotAppended) {
    EXPECT_FALSE(TCard::SetCustomBack(QImage()));
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 3);

    QImage blue(30, 20, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    ASSERT_TRUE(TCard::SetCustomBack(blue));
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 4);
    EXPECT_EQ(TCard::GetBackIndex(), 0); // not selected

    QImage red(30, 20, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(TCard::SetCustomBack(red, true));
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 4);
    EXPECT_EQ(TCard::GetBackIndex(), 3);

    const QImage drawn = Drawn(TCard(FS_CLUBS, FS_NINE));
    // The picture fills (5,5)-(75,120); the frame shows in the margin; the
    // corners are cut by the mask.
    EXPECT_EQ(QColor(drawn.pixel(10 + 5, 10 + 5)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(drawn.pixel(10 + 74, 10 + 119)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(drawn.pixel(10 + 40, 10 + 60)), QColor(255, 0, 0));
    EXPECT_NE(QColor(drawn.pixel(10 + 4, 10 + 60)), QColor(255, 0, 0));
    EXPECT_NE(QColor(drawn.pixel(10 + 75, 10 + 60)), QColor(255, 0, 0));
    EXPECT_NE(QColor(drawn.pixel(10 + 2, 10 + 60)), Table);
    EXPECT_EQ(QColor(drawn.pixel(10, 10)), Table);
    EXPECT_EQ(QColor(drawn.pixel(11, 10)), Table);
    EXPECT_EQ(QColor(drawn.pixel(10 + 79, 10 + 124)), Table);

    // A size change drops the custom back; the index stays and draws back 0.
    TCard::SetCardSize(FS_SMALL);
    EXPECT_EQ(TCard::GetBackImageList()->Count(), 3);
    EXPECT_EQ(TCard::GetBackIndex(), 3);
    EXPECT_TRUE(SameAsEntry(Drawn(TCard(FS_CLUBS, FS_NINE)), TCard::GetBackImageList(), 0));

    // Small cards use the 4-pixel margin.
    ASSERT_TRUE(TCard::SetCustomBack(red));
    const QImage small = Drawn(TCard(FS_CLUBS, FS_NINE));
    EXPECT_EQ(QColor(small.pixel(10 + 4, 10 + 4)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(small.pixel(10 + 56, 10 + 90)), QColor(255, 0, 0));
    EXPECT_NE(QColor(small.pixel(10 + 57, 10 + 90)), QColor(255, 0, 0));
}

TEST_F(ImageryTest, HighDensityArtIsDrawnAtItsLogicalSize) {
    TCard::SetImageryScale(2);
    EXPECT_EQ(TCard::GetImageryScale(), 2);
    const QPixmap& face = TCard::GetCardImageList()->Image(0);
    EXPECT_EQ(face.devicePixelRatio(), 2.0);
    EXPECT_EQ(face.size(), QSize(160, 250));
    EXPECT_EQ(face.deviceIndependentSize().toSize(), QSize(80, 125));

    // Every device pixel of the corner key is transparent on a 2x canvas.
    QImage canvas(200, 300, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(2);
    canvas.fill(Table);
    {
        QPainter p(&canvas);
        TCard(FS_HEARTS, FS_TWO, 1).DrawCardOnCanvas(QPoint(10, 10), p);
    }
    for (QPoint d : {QPoint(20, 20), QPoint(23, 20), QPoint(20, 23), QPoint(21, 21), QPoint(20 + 159, 20 + 249)})
        EXPECT_EQ(QColor(canvas.pixel(d)), Table) << d.x() << "," << d.y();
    EXPECT_NE(QColor(canvas.pixel(24, 24)), Table);

    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    ASSERT_TRUE(TCard::SetCustomBack(picture));
    EXPECT_EQ(TCard::GetBackImageList()->Image(3).size(), QSize(160, 250));
}
