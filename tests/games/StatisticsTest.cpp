// The player's figures: the counting rules played out on a real Golf window,
// the file's damage and write-failure cases, and deal numbers.
#include "DealTracker.h"
#include "GameTestSupport.h"
#include "GolfWindow.h"
#include "MontanaWindow.h"
#include "Statistics.h"
#include "StatisticsDlg.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace GameTest;

void PrintTo(const TGameFigures& f, std::ostream* os) {
    *os << "played " << f.Played << " won " << f.Won << " streaks " << f.WinningStreak << '/' << f.LosingStreak
        << " longest " << f.LongestWinningStreak << '/' << f.LongestLosingStreak << " fewest " << f.FewestMoves
        << " fastest " << f.FastestWin << " total " << f.TotalSeconds << " deals " << f.Recent.size();
}

namespace {
// Plays the events of `script` on Golf windows; each deal is first laid out
// one card-pair from a win (column 1: 3S under 2S, the Ace of spades on the
// discard pile). a: play 2S (the first action), w: play 3S (the win), u: undo,
// n: New Game, r: Restart, c: close and open a new window, t: 60 seconds
// pass, m / M: minimise / restore. The last window closes at the end.
class GolfScript {
public:
    explicit GolfScript(qint64* clock) : clock_(clock) { Open(); }
    void Run(const char* script) {
        for (const char* e = script; *e; ++e) {
            switch (*e) {
            case 'a': Play(); break;
            case 'w': Play(); break;
            case 'u': form_->Undo1->trigger(); break;
            case 'n': form_->NewGame1->trigger(); arranged_ = false; break;
            case 'r': form_->Restart1->trigger(); arranged_ = false; break;
            case 'c': form_->close(); form_.reset(); Open(); break;
            case 't': *clock_ += 60000; break;
            case 'm': form_->setWindowState(Qt::WindowMinimized); break;
            case 'M': form_->setWindowState(Qt::WindowNoState); break;
            }
        }
        form_->close();
    }

private:
    void Open() {
        form_ = std::make_unique<TGolfForm>();
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        arranged_ = false;
    }
    void Play() {
        TCardPileView* column = form_->PileView(QStringLiteral("TableauPileView1"));
        if (!arranged_) {
            Arrange(*form_, {{"TableauPileView1", "3S 2S"}}, QStringLiteral("DiscardPileView"));
            TCardPile* discard = form_->PileView(QStringLiteral("DiscardPileView"))->Pile;
            TCard* ace = *std::find_if(discard->Cards.begin(), discard->Cards.end(),
                                       [](TCard* c) { return c->Value == FS_ACE && c->Suit == FS_SPADES; });
            discard->RemoveCard(ace);
            discard->AddCard(ace);
            ace->FaceUp = true;
            arranged_ = true;
        }
        if (!column->Pile->Cards.empty()) Driver(form_.get()).Click(OnCard(column));
    }

    qint64* clock_;
    std::unique_ptr<TGolfForm> form_;
    bool arranged_ = false;
};

TGameFigures Expect(int played, int won, int wStreak, int lStreak, int longestW, int longestL, int fewest,
                    qint64 fastest, qint64 total) {
    TGameFigures f;
    f.Played = played, f.Won = won, f.WinningStreak = wStreak, f.LosingStreak = lStreak;
    f.LongestWinningStreak = longestW, f.LongestLosingStreak = longestL;
    f.FewestMoves = fewest, f.FastestWin = fastest, f.TotalSeconds = total;
    return f;
}

// The figures without the list of deals.
TGameFigures Counts(TGameFigures f) {
    f.Recent.clear();
    return f;
}
} // namespace

TEST(StatisticsTest, CountingRulesForEverySequence) {
    ResetSettings();
    TFakeDialogs dialogs;
    qint64 now = 0;
    const auto steadyClock = TDealTracker::Clock;
    TDealTracker::Clock = [&] { return now; };
    const struct {
        const char* script;
        TGameFigures figures;
    } rows[] = {
        // Untouched deals count nothing, whichever way they end; Golf's
        // opening stock turn is the deal's.
        {"nrc", Expect(0, 0, 0, 0, 0, 0, 0, 0, 0)},
        {"a", Expect(1, 0, 0, 1, 0, 1, 0, 0, 0)},
        {"atwn", Expect(1, 1, 1, 0, 1, 0, 1, 60, 60)},
        // Undo after a win and winning again counts nothing more.
        {"awuwtn", Expect(1, 1, 1, 0, 1, 0, 1, 0, 0)},
        // Restart, New Game and closing each end a touched deal as lost.
        {"atratnac", Expect(3, 0, 0, 3, 0, 3, 0, 0, 120)},
        {"awnawnacttawtt", Expect(4, 3, 1, 0, 2, 1, 1, 0, 0)},
        // Minimised time is left out; the clock starts at the first action.
        {"tatmttMtw", Expect(1, 1, 1, 0, 1, 0, 1, 120, 120)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        TStatisticsStore::Instance().Reset();
        GolfScript(&now).Run(row.script);
        EXPECT_EQ(Counts(TStatisticsStore::Instance().Of("Golf")), row.figures);
        // What the file holds reads back the same.
        EXPECT_EQ(TStatisticsStore(TStatisticsStore::Instance().Path()).Of("Golf"),
                  TStatisticsStore::Instance().Of("Golf"));
    }
    EXPECT_EQ(dialogs.Count("Warning"), 0);
    TDealTracker::Clock = steadyClock;
}

TEST(StatisticsTest, DamagedFileUnwritableFolderAndTwoProgramsAtOnce) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/statistics.ini");
    QStringList warnings;
    auto store = [&](const QString& file) {
        auto s = std::make_unique<TStatisticsStore>(file);
        s->Warn = [&](const QString& text) { warnings << text; };
        return s;
    };
    TDealRecord won;
    won.Won = true;
    won.Moves = 40;
    won.Ended = QDateTime(QDate(2024, 5, 1), QTime(10, 0));

    const QByteArray damage = "[Statistics]\r\nVersion=1\r\n[Golf]\r\nPlayed=lots\r\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damage);
    file.close();
    auto first = store(path);
    EXPECT_EQ(first->Of("Golf"), TGameFigures());
    ASSERT_EQ(warnings.size(), 1);
    QFile bad(path + QStringLiteral(".bad"));
    ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
    EXPECT_EQ(bad.readAll(), damage);

    // A second program that read the file before the first one wrote: each
    // write builds on the file, so no deal is lost.
    auto second = store(path);
    EXPECT_EQ(second->Of("Golf").Played, 0);
    first->Record("Golf", won);
    second->Record("Golf", won);
    EXPECT_EQ(store(path)->Of("Golf").Won, 2);
    EXPECT_EQ(store(path)->Of("Golf").Recent.front(), won);
    EXPECT_EQ(warnings.size(), 1);

    // A folder nobody can write into (not even root): a plain file stands in its path.
    auto stuck = store(path + QStringLiteral("/statistics.ini"));
    stuck->Record("Golf", won);
    stuck->Record("Golf", won);
    EXPECT_EQ(stuck->Of("Golf").Played, 2);
    EXPECT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings.back().contains(QStringLiteral("kept until Quillane closes")));
}

TEST(StatisticsTest, DealNumberDealsTheSameLayoutAgain) {
    ResetSettings();
    TFakeDialogs dialogs;
    SeedRandom(4000000000u);
    TMontanaForm form;
    EXPECT_EQ(form.Deals().Number(), 4000000000u);
    auto layout = [&] {
        QStringList piles;
        for (const TCardPileView* view : form.PileViews()) piles << Names(view);
        return piles;
    };
    const QStringList first = layout();
    form.Shuffle1->trigger(); // draws numbers during play
    form.NewGame1->trigger();
    EXPECT_NE(layout(), first);

    dialogs.OnExecModal = [](QDialog* d) {
        static_cast<TSelectDealDlg*>(d)->NumberEdit->setText(QStringLiteral("4000000000"));
        return int(QDialog::Accepted);
    };
    form.SelectDeal1->trigger();
    EXPECT_EQ(layout(), first);
    EXPECT_EQ(form.Deals().Number(), 4000000000u);
    EXPECT_EQ(dialogs.Of("Modal"), QStringList({"SelectDealDlg"}));
}
