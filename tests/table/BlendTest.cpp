// The table background: rounding, bands, tiles, the pattern, repaint rules.
#include "Blend.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The painted picture of a width x height client.
QImage Painted(const TzBackground& background, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    background.PaintBackground(p, width, height);
    return image;
}

// Lengths of the runs of equal colour down column x (or along row y).
std::vector<std::pair<QRgb, int>> Runs(const QImage& image, bool vertical) {
    std::vector<std::pair<QRgb, int>> runs;
    const int n = vertical ? image.height() : image.width();
    for (int i = 0; i < n; ++i) {
        const QRgb c = vertical ? image.pixel(0, i) : image.pixel(i, 0);
        if (runs.empty() || runs.back().first != c)
            runs.push_back({c, 1});
        else
            ++runs.back().second;
    }
    return runs;
}

} // namespace

TEST(Blend, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(TzBackground::MulDiv(5, 1, 2), 3);
    EXPECT_EQ(TzBackground::MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(TzBackground::MulDiv(5, -1, 2), -3);
    EXPECT_EQ(TzBackground::MulDiv(-5, -1, 2), 3);
    EXPECT_EQ(TzBackground::MulDiv(4, 1, 3), 1);
    EXPECT_EQ(TzBackground::MulDiv(5, 1, 3), 2);
    EXPECT_EQ(TzBackground::MulDiv(7, -255, 255), -7);
    EXPECT_EQ(TzBackground::MulDiv(100000, 100000, 100000), 100000); // no 32-bit overflow
    EXPECT_EQ(TzBackground::MulDiv(1, 1, 0), -1);
    EXPECT_EQ(TzBackground::MulDiv(INT_MAX, 4, 1), -1);
}

TEST(Blend, VerticalBandsRunFromColorToEndColor) {
    QWidget window;
    TzBackground background(&window);
    background.SetBackType(btBlend);
    background.SetColor(QColor(0, 10, 200));
    background.SetEndColor(QColor(255, 20, 100));
    const QImage image = Painted(background, 30, 600);
    const auto runs = Runs(image, true);
    // 256 bands of 2 or 3 rows (600 / 256); neighbours always differ in red.
    ASSERT_EQ(runs.size(), 256u);
    for (const auto& run : runs) EXPECT_TRUE(run.second == 2 || run.second == 3) << run.second;
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(0, 10, 200));
    EXPECT_EQ(QColor(image.pixel(29, 599)), QColor(255, 20, 100));
    // Band 128 of 255: each component start + MulDiv(128, delta, 255).
    const int y = TzBackground::MulDiv(128, 600, 256);
    EXPECT_EQ(QColor(image.pixel(0, y)), QColor(128, 10 + 5, 200 - 50));
}

TEST(Blend, MoreBandsThanPixelsStillEndAtEndColor) {
    QWidget window;
    TzBackground background(&window);
    background.SetBackType(btBlend);
    background.SetColor(QColor(0, 0, 0));
    background.SetEndColor(QColor(200, 100, 50));
    background.SetBands(1000);
    const QImage image = Painted(background, 10, 100);
    // Most bands are 0 rows high and draw nothing; every row is painted, and
    // the first and last rows hold the colours of the first and last bands
    // that reach them (5 and 995 of 1000).
    EXPECT_EQ(Runs(image, true).size(), 100u);
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(1, 1, 0));
    EXPECT_EQ(QColor(image.pixel(0, 99)), QColor(199, 100, 50));
    EXPECT_NE(image.pixel(0, 0), qRgb(255, 255, 255));

    // No bands at all: one band of Color, not a division by zero.
    background.SetBands(0);
    const QImage none = Painted(background, 10, 100);
    EXPECT_EQ(QColor(none.pixel(5, 0)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(none.pixel(5, 99)), QColor(0, 0, 0));
}

TEST(Blend, HorizontalAndCentreGradients) {
    QWidget window;
    TzBackground background(&window);
    background.SetBackType(btBlend);
    background.SetColor(QColor(255, 0, 0));
    background.SetEndColor(QColor(0, 0, 255));
    background.SetFillType(gHorz);
    QImage image = Painted(background, 512, 20);
    EXPECT_EQ(QColor(image.pixel(0, 10)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(511, 10)), QColor(0, 0, 255));
    EXPECT_EQ(Runs(image, false).size(), 256u);
    EXPECT_EQ(image.pixel(100, 0), image.pixel(100, 19));

    background.SetFillType(gCenter);
    image = Painted(background, 301, 201);
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(300, 200)), QColor(255, 0, 0));
    // What the 100 rings leave in the middle is filled with EndColor.
    EXPECT_EQ(QColor(image.pixel(150, 100)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(image.pixel(150, 99)), QColor(3, 0, 252)); // ring 99
    // Steps = min(255, 150, 100) = 100, dx = 1, dy = 1: ring k has colour k.
    EXPECT_EQ(QColor(image.pixel(10, 100)), QColor(255 - 26, 0, 26)); // MulDiv(10, 255, 100) = 26
    EXPECT_EQ(image.pixel(10, 100), image.pixel(150, 10));

    // A client under 2 pixels leaves no step: plain Color.
    for (QSize size : {QSize(1, 50), QSize(50, 1), QSize(1, 1)}) {
        const QImage tiny = Painted(background, size.width(), size.height());
        EXPECT_EQ(QColor(tiny.pixel(0, 0)), QColor(255, 0, 0));
    }
}

TEST(Blend, PictureIsTiledAndCutAtTheEdge) {
    QWidget window;
    TzBackground background(&window);
    QImage tile(50, 40, QImage::Format_RGB32);
    tile.fill(QColor(0, 0, 200));
    tile.setPixel(0, 0, qRgb(255, 255, 0));
    tile.setPixel(19, 19, qRgb(0, 255, 0));
    background.SetBitMap(tile);
    const QImage image = Painted(background, 120, 100);
    int markers = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 0)) {
                ++markers;
                EXPECT_EQ(x % 50, 0);
                EXPECT_EQ(y % 40, 0);
            }
    EXPECT_EQ(markers, 9); // 3 x 3 tiles, the last row and column cut off
    EXPECT_EQ(image.pixel(100 + 19, 80 + 19), qRgb(0, 255, 0));

    // Without a picture: the window's own colour.
    background.SetBitMap(QImage());
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(0, 64, 0));
    window.setPalette(pal);
    EXPECT_EQ(QColor(Painted(background, 20, 20).pixel(7, 7)), QColor(0, 64, 0));
}

TEST(Blend, SteelIsSilverWithWhiteAtOddPoints) {
    QWidget window;
    TzBackground background(&window);
    background.SetBackType(btSteel);
    const QImage image = Painted(background, 20, 20);
    const QColor silver(192, 192, 192), white(255, 255, 255);
    EXPECT_EQ(QColor(image.pixel(0, 0)), silver);
    EXPECT_EQ(QColor(image.pixel(1, 1)), white);
    EXPECT_EQ(QColor(image.pixel(9, 3)), white);
    EXPECT_EQ(QColor(image.pixel(2, 1)), silver);
    EXPECT_EQ(QColor(image.pixel(1, 2)), silver);
    EXPECT_EQ(QColor(image.pixel(19, 19)), white);
}

TEST(Blend, WindowRepaintsOnlyOnChangeAndFollowsItsSize) {
    QWidget window;
    window.resize(200, 150);
    TzBackground background(&window);
    int paints = 0, resizes = 0;
    background.OnPaint = [&paints](QPainter&, TzBackground*) { ++paints; };
    background.OnResize = [&resizes, &background](QObject* sender) {
        EXPECT_EQ(sender, background.Window());
        ++resizes;
    };
    background.SetBackType(btBlend);
    background.SetColor(QColor(10, 20, 30));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    ASSERT_GT(paints, 0);

    auto settle = [&paints] {
        paints = 0;
        QCoreApplication::processEvents();
        return paints;
    };
    settle();
    background.SetColor(QColor(10, 20, 30));
    background.SetEndColor(background.EndColor());
    background.SetBackType(btBlend);
    background.SetBands(255);
    EXPECT_EQ(settle(), 0);
    background.SetFillType(gVert); // the fill type repaints even when unchanged
    EXPECT_GT(settle(), 0);
    background.SetBands(64);
    EXPECT_GT(settle(), 0);

    // The window shows the gradient and BackBuffer holds the same picture.
    QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QColor(shot.pixel(5, 0)), QColor(10, 20, 30));
    EXPECT_EQ(shot, background.BackBuffer()->convertToFormat(QImage::Format_RGB32));

    resizes = 0;
    window.resize(260, 190);
    QCoreApplication::processEvents();
    EXPECT_EQ(resizes, 1);
    shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(background.BackBuffer()->size(), QSize(260, 190));
    EXPECT_EQ(QColor(shot.pixel(100, 189)), QColor(0, 0, 0)); // EndColor at the new bottom
}
