// Timings of the game windows: opening a game from the selector's list until
// its window has painted, and repainting a whole mid-game table; each beside
// a plain window of the same size that paints 28 rectangles.
#include "BenchSupport.h"
#include "CardPileView.h"
#include "GameRegistry.h"
#include "GameForm.h"
#include "Preferences.h"
#include "SolitaireWindow.h"
#include "SoundManager.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class SilentSound : public TSoundBackend {
public:
    void Play(const QString&, bool) override {}
};

// Notes the first paint of any widget inside a game window.
class PaintSpy : public QObject {
public:
    bool Painted = false;
    QWidget* Window = nullptr; // null: any game window

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (Window ? window == Window : qobject_cast<TGameForm*>(window) != nullptr) Painted = true;
        }
        return false;
    }
};


TSolitaireForm* selector = nullptr;
PaintSpy* spy = nullptr;

// Processes events until the spy saw a paint; the paint and the flush to the
// screen happen within the same pass.
bool WaitPainted() {
    for (int pass = 0; pass < 10000 && !spy->Painted; ++pass) QCoreApplication::processEvents();
    return spy->Painted;
}

void CloseGame() {
    QPointer<TGameForm> form = TSolitaireForm::OpenGame();
    if (!form) return;
    form->GameWon = true; // no quit question
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete form.data();
}

int Row(const char* name) {
    const auto& games = SolitaireGames();
    for (std::size_t i = 0; i < games.size(); ++i)
        if (qstrcmp(games[i].Name, name) == 0) return int(i);
    return -1;
}

// From the list choice to the game window painted. `loaded`: the card
// pictures of that size are already in memory (a second game); otherwise
// they are loaded as for the first game of a session.
void OpenGame(benchmark::State& state, const char* game, bool large, bool loaded) {
    const int row = Row(game);
    Preferences().CardSize = large ? 1 : 0;
    TCard::SetCardSize(large ? FS_LARGE : FS_SMALL);
    for (auto _ : state) {
        CloseGame();
        if (!loaded) TCard::FreeCardBitmaps();
        {
            const QSignalBlocker quiet(selector->GameSelectListBox);
            selector->GameSelectListBox->setCurrentRow(row == 1 ? 0 : 1); // any other game
            selector->GameSelectListBox->setCurrentRow(row);
        }
        spy->Window = nullptr;
        spy->Painted = false;
        const Clock::time_point start = Clock::now();
        selector->ChooseGame(TDisplay{1280, 24});
        const bool painted = WaitPainted();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!painted) state.SkipWithError("the game window never painted");
    }
    CloseGame();
}

// The plain window of the same client size: made, shown and painted.
void OpenTrivial(benchmark::State& state, int width, int height) {
    for (auto _ : state) {
        spy->Painted = false;
        const Clock::time_point start = Clock::now();
        auto window = std::make_unique<TTrivialWindow>();
        spy->Window = window.get();
        window->resize(width, height);
        window->show();
        const bool painted = WaitPainted();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!painted) state.SkipWithError("the window never painted");
        window.reset();
    }
}

// A game some moves in, played by its own views: stock clicks, then a
// double-click and a click on the top card of every other view, so that
// every kind of pile shows cards whatever the game.
void PlayInto(TGameForm* form) {
    QWindow* window = form->windowHandle();
    auto top = [](TCardPileView* view) {
        const int index = qMax(0, int(view->Pile->Cards.size()) - 1);
        return view->mapTo(view->window(), view->CardPosition(index) + QPoint(10, 8));
    };
    const std::vector<TCardPileView*> stocks = form->ViewsOf(TPileSlot::Stock);
    for (int i = 0; i < 20; ++i) {
        for (TCardPileView* stock : stocks)
            if (stock->isVisible()) QTest::mouseClick(window, Qt::LeftButton, {}, top(stock));
        for (TCardPileView* view : form->PileViews()) {
            if (!view->isVisible() || view->Pile->Cards.empty()) continue;
            if (std::find(stocks.begin(), stocks.end(), view) != stocks.end()) continue;
            QTest::mouseDClick(window, Qt::LeftButton, {}, top(view));
            if (view->isVisible() && !view->Pile->Cards.empty())
                QTest::mouseClick(window, Qt::LeftButton, {}, top(view));
        }
    }
}

// One repaint of the whole table of a game window some moves in.
void PaintGame(benchmark::State& state, const char* className, bool large) {
    TCard::SetCardSize(large ? FS_LARGE : FS_SMALL);
    SeedRandom(2024);
    QPointer<TGameForm> form = CreateGameForm(QLatin1String(className));
    form->show();
    if (!QTest::qWaitForWindowExposed(form)) state.SkipWithError("window not exposed");
    PlayInto(form);
    if (form->MoveCount == 0) state.SkipWithError("no move was played");
    int back = 0;
    for (auto _ : state) {
        TCard::SetBackIndex(back++ % 2); // every view draws its cards afresh
        form->repaint();
    }
    TCard::SetBackIndex(0);
    form->GameWon = true;
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete form.data();
}

// A busy table: 30 moves in, each one of the hint's first three (seeded).
QPointer<TGameForm> MidGame(const char* className) {
    TCard::SetCardSize(FS_LARGE);
    SeedRandom(2024);
    QPointer<TGameForm> form = CreateGameForm(QLatin1String(className));
    form->show();
    QRandomGenerator rng(7);
    for (int i = 0; i < 30 && !form->GameWon; ++i) {
        const TMoves moves = form->HintMoves();
        if (moves.empty()) break;
        form->Perform(moves[rng.bounded(qMin(3, int(moves.size())))]);
    }
    return form;
}

// Listing the legal moves, and the hint's ranking of them, on that table.
void MoveList(benchmark::State& state, const char* className, bool hint) {
    QPointer<TGameForm> form = MidGame(className);
    std::size_t n = 0;
    for (auto _ : state) {
        const TMoves moves = hint ? form->HintMoves() : form->LegalMoves();
        n = moves.size();
        benchmark::DoNotOptimize(n);
    }
    // A label, not a counter: the CSV report wants the same counters in every row.
    state.SetLabel(std::to_string(n) + " moves");
    form->GameWon = true;
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete form.data();
}

void PaintTrivial(benchmark::State& state, int width, int height) {
    TTrivialWindow window;
    window.resize(width, height);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    for (auto _ : state) window.repaint();
}


} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", (config.path() + QStringLiteral("/state")).toLocal8Bit());
    QApplication app(argc, argv);
    InitCardImagery();
    PaintSpy paintSpy;
    spy = &paintSpy;
    app.installEventFilter(spy);

    // As the program starts: the selector, then the preferences dialog.
    auto form = std::make_unique<TSolitaireForm>(std::make_unique<SilentSound>());
    auto preferences = std::make_unique<TPreferencesDlg>(nullptr, 1280);
    Preferences().DoAnimation = false;
    Preferences().DoSound = false;
    selector = form.get();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return 1;

    // Every game the registry can open, in both card sizes.
    struct Game {
        std::string label;
        const char* name;
        const char* large;
        const char* small;
    };
    std::vector<Game> games;
    for (const TSolitaireGame& entry : SolitaireGames()) {
        if (!entry.CreateLarge || !entry.CreateSmall) continue;
        std::string label = entry.Name;
        label.erase(std::remove(label.begin(), label.end(), ' '), label.end());
        games.push_back({label, entry.Name, entry.LargeClass, entry.SmallClass});
    }
    // --games lists what is measured, one "key|name|size|plain|class" line per window.
    const bool listOnly = argc > 1 && qstrcmp(argv[1], "--games") == 0;
    for (const Game& game : games) {
        for (bool large : {true, false}) {
            // The window's size, for the plain window beside it.
            const char* className = large ? game.large : game.small;
            TCard::SetCardSize(large ? FS_LARGE : FS_SMALL);
            int width = 0, height = 0;
            if (TGameForm* probe = CreateGameForm(QLatin1String(className))) {
                width = probe->width();
                height = probe->height();
                probe->GameWon = true;
                delete probe;
            }
            const std::string size = large ? "Large" : "Small";
            if (listOnly) {
                std::printf("%s|%s|%s|%dx%d|%s\n", (game.label + size).c_str(), game.name, large ? "large" : "small",
                            width, height, className);
                continue;
            }
            Spread(benchmark::RegisterBenchmark(("OpenFirst" + game.label + size).c_str(),
                                                [game, large](benchmark::State& s) { OpenGame(s, game.name, large, false); }))
                ->UseManualTime()
                ->Iterations(1)
                ->Repetitions(15);
            Spread(benchmark::RegisterBenchmark(("OpenAgain" + game.label + size).c_str(),
                                                [game, large](benchmark::State& s) { OpenGame(s, game.name, large, true); }))
                ->UseManualTime()
                ->Iterations(1)
                ->Repetitions(15);
            Spread(benchmark::RegisterBenchmark(("OpenPlain" + std::to_string(width) + "x" + std::to_string(height)).c_str(),
                                                [=](benchmark::State& s) { OpenTrivial(s, width, height); }))
                ->UseManualTime()
                ->Iterations(1)
                ->Repetitions(15);
            Spread(benchmark::RegisterBenchmark(("Paint" + std::string(className)).c_str(),
                                                [=](benchmark::State& s) { PaintGame(s, className, large); }))
                ->Repetitions(9);
            Spread(benchmark::RegisterBenchmark(("PaintPlain" + std::to_string(width) + "x" + std::to_string(height)).c_str(),
                                                [=](benchmark::State& s) { PaintTrivial(s, width, height); }))
                ->Repetitions(9);
            if (large) {
                Spread(benchmark::RegisterBenchmark(("LegalMoves" + std::string(className)).c_str(),
                                                    [=](benchmark::State& s) { MoveList(s, className, false); }))
                    ->Repetitions(9);
                Spread(benchmark::RegisterBenchmark(("HintMoves" + std::string(className)).c_str(),
                                                    [=](benchmark::State& s) { MoveList(s, className, true); }))
                    ->Repetitions(9);
            }
        }
    }
    if (listOnly) {
        preferences.reset();
        form.reset();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    preferences.reset();
    form.reset();
    return 0;
}
