// Timings of the table presentation: loading the card pictures, painting a
// whole Klondike table, one step of a drag, painting a large gradient; with
// references (plain decoding, a plain window) beside the first two. The
// screen's scale comes from the environment (QT_SCALE_FACTOR=2 for 2x art);
// every benchmark name carries it.
#include "BenchSupport.h"
#include "Blend.h"
#include "CardDrag.h"
#include "CardPileView.h"
#include "Resources.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// A Klondike table as the game lays it out on large cards, after a deal,
// on a vertical gradient that the views copy from.
class KlondikeTable : public QWidget {
public:
    KlondikeTable() {
        resize(672, 491);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(0, 64, 0));
        setPalette(pal);
        Background = new TzBackground(this);
        Background->SetBackType(btBlend);
        Background->SetColor(QColor(0, 0, 128));
        Background->SetEndColor(QColor(0, 128, 0));

        Stock = View(8, 8, 121, 129);
        Stock->XOffset = 1.0f;
        Stock->YOffset = 0.2f;
        Waste = View(144, 8, 137, 129);
        Waste->XOffset = 20.0f;
        Waste->YOffset = 2.0f;
        for (int i = 0; i < 4; ++i) {
            Foundation.push_back(View(296 + 96 * i, 8, 80, 125));
            Foundation.back()->IsBordered = true;
        }
        for (int i = 0; i < 7; ++i) {
            Tableau.push_back(View(8 + 96 * i, 152, 80, 337));
            Tableau.back()->YOffset = 20.0f;
            Tableau.back()->AllowDrag = true;
            Tableau.back()->OnMouseDown = [](QObject* sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                auto* view = static_cast<TCardPileView*>(sender);
                view->CanDrag = view->SelectedCard != nullptr;
            };
            Tableau.back()->OnDragOver = [](QObject* sender, TCardPileView* source, int, int, bool& accept) {
                if (sender != source) source->DropTarget = static_cast<TCardPileView*>(sender);
                accept = source->DropTarget != nullptr;
            };
        }
        TDragLayer::Of(this)->OnDragOver = [](QObject*, TCardPileView* source, int, int, bool& accept) {
            accept = source->DropTarget != nullptr;
        };

        Deck.AddDeck();
        std::size_t next = 0;
        for (int r = 0; r < 7; ++r)
            for (int c = r; c < 7; ++c) {
                TCard* card = Deck.Cards[next++];
                card->FaceUp = c == r;
                Tableau[static_cast<std::size_t>(c)]->Pile->AddCard(card);
            }
        for (int i = 0; i < 3; ++i) {
            Deck.Cards[next]->FaceUp = true;
            Waste->Pile->AddCard(Deck.Cards[next++]);
        }
        for (int i = 0; i < 2; ++i) {
            Deck.Cards[next]->FaceUp = true;
            Foundation[static_cast<std::size_t>(i)]->Pile->AddCard(Deck.Cards[next++]);
        }
        while (next < Deck.Cards.size()) Stock->Pile->AddCard(Deck.Cards[next++]);
    }

    ~KlondikeTable() override {
        for (TCardPileView* view : findChildren<TCardPileView*>()) {
            view->Pile->Empty(false);
            view->DragPile->Empty(false);
        }
        Deck.Empty(true);
    }

    // A column holding a 13-card run, for dragging 12 of them.
    void LongRun() {
        for (TCardPileView* view : Tableau) view->Pile->Empty(false);
        for (int v = FS_KING; v >= FS_ACE; --v) {
            TCard* card = Deck.Cards[static_cast<std::size_t>(v * 4 + (v % 2))];
            card->FaceUp = true;
            Tableau[0]->Pile->AddCard(card);
        }
    }

    TzBackground* Background = nullptr;
    TCardPileView* Stock = nullptr;
    TCardPileView* Waste = nullptr;
    std::vector<TCardPileView*> Foundation;
    std::vector<TCardPileView*> Tableau;
    TCardPile Deck;

private:
    TCardPileView* View(int x, int y, int w, int h) {
        auto* view = new TCardPileView(this);
        view->setGeometry(x, y, w, h);
        view->BackgroundMode = FS_BITMAP;
        view->BackgroundBitmap = Background->BackBuffer();
        return view;
    }
};

// "Name@2x" for the current screen scale.
std::string Named(const char* name) {
    char text[96];
    std::snprintf(text, sizeof text, "%s@%dx", name, qRound(qApp->devicePixelRatio()));
    return text;
}

// Loading the faces, backs and pile symbols of one card size.
void LoadImageLists(benchmark::State& state, CardSize size) {
    TCard::SetCardSize(size);
    for (auto _ : state) {
        TCard::FreeCardBitmaps();
        if (size == FS_SMALL)
            TCard::LoadSmallCardBitmaps();
        else
            TCard::LoadCardBitmaps();
        TCardPileView::LoadPileBitmaps();
    }
    TCard::SetCardSize(FS_LARGE);
}

// The reference: decoding the same pictures into plain images, nothing else.
void DecodePictures(benchmark::State& state, CardSize size) {
    const int scale = qRound(qApp->devicePixelRatio());
    for (auto _ : state) {
        for (int number = 100; number < 158; ++number) {
            const QString name = (size == FS_SMALL ? QStringLiteral("sFSCARD%1") : QStringLiteral("FSCARD%1")).arg(number);
            QImage image = ResourceImage(name, scale);
            benchmark::DoNotOptimize(image);
        }
    }
}

void PaintTable(benchmark::State& state) {
    KlondikeTable table;
    table.show();
    if (!QTest::qWaitForWindowExposed(&table)) state.SkipWithError("window not exposed");
    // Each round changes the back, so every view draws its picture afresh.
    int back = 0;
    for (auto _ : state) {
        TCard::SetBackIndex(back++ % 2);
        table.repaint();
    }
    TCard::SetBackIndex(0);
}

void DragStep(benchmark::State& state) {
    KlondikeTable table;
    table.LongRun();
    table.show();
    if (!QTest::qWaitForWindowExposed(&table)) state.SkipWithError("window not exposed");
    QWindow* window = table.windowHandle();
    TCardPileView* column = table.Tableau[0];
    const QPoint grab = column->mapTo(&table, QPoint(40, 30)); // card 1: twelve cards lifted
    QTest::mousePress(window, Qt::LeftButton, {}, grab);
    QTest::mouseMove(window, grab + QPoint(4, 4));
    if (column->DragPile->GetCardCount() != 12) state.SkipWithError("the run was not lifted");
    // Back and forth between the bare table and the columns: each step
    // repaints the old and new picture rectangles.
    const QPoint path[] = {{250, 60}, {262, 70}, {300, 90}, {330, 100}, {300, 90}, {262, 70}};
    std::size_t i = 0;
    for (auto _ : state) {
        QTest::mouseMove(window, path[i++ % std::size(path)]); // delivers the move and paints the frame
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, path[0]);
}

// The reference for a drag step: a plain window repainting the same two
// rectangles (the old and new place of a 12-card picture) on each move.
void PlainDragStep(benchmark::State& state) {
    class Plain : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override {
            QPainter painter(this);
            painter.fillRect(rect(), QColor(0, 128, 0));
            painter.setBrush(Qt::white);
            for (int column = 0; column < 7; ++column)
                for (int row = 0; row <= column; ++row) painter.drawRect(8 + 96 * column, 152 + 20 * row, 80, 125);
        }
    } window;
    window.resize(672, 491);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    const QPoint path[] = {{250, 60}, {262, 70}, {300, 90}, {330, 100}, {300, 90}, {262, 70}};
    const QSize picture(80, 125 + 11 * 20);
    std::size_t i = 0;
    for (auto _ : state) {
        const QRect from(path[i % std::size(path)], picture);
        const QRect to(path[(i + 1) % std::size(path)], picture);
        ++i;
        window.repaint(QRegion(from) + QRegion(to));
    }
}

void GradientPaint(benchmark::State& state) {
    QWidget window;
    window.resize(1280, 1024);
    TzBackground background(&window);
    background.SetBackType(btBlend);
    background.SetColor(QColor(200, 0, 0));
    background.SetEndColor(QColor(0, 0, 200));
    background.SetBands(255);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    for (auto _ : state) {
        background.SetFillType(gVert); // marks the table changed
        window.repaint();
    }
}


} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitCardImagery();
    Spread(benchmark::RegisterBenchmark(Named("LoadLargeImageLists").c_str(), LoadImageLists, FS_LARGE));
    Spread(benchmark::RegisterBenchmark(Named("DecodeLargePictures").c_str(), DecodePictures, FS_LARGE));
    Spread(benchmark::RegisterBenchmark(Named("LoadSmallImageLists").c_str(), LoadImageLists, FS_SMALL));
    Spread(benchmark::RegisterBenchmark(Named("DecodeSmallPictures").c_str(), DecodePictures, FS_SMALL));
    Spread(benchmark::RegisterBenchmark(Named("PaintKlondikeTable").c_str(), PaintTable));
    Spread(benchmark::RegisterBenchmark(Named("DragStep12Cards").c_str(), DragStep));
    Spread(benchmark::RegisterBenchmark(Named("PlainDragStep").c_str(), PlainDragStep));
    Spread(benchmark::RegisterBenchmark(Named("Gradient1280x1024x255").c_str(), GradientPaint));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
