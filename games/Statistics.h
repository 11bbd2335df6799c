// The player's figures for each game (deals played and won, streaks, best
// results, time played, the last deals) and the file that keeps them:
// statistics.ini in the program's state folder, apart from the settings.
#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

// One finished deal.
struct TDealRecord {
    quint32 Number = 0;  // the generator seed that shuffled it
    QDateTime Ended;     // local time, to the second
    bool Won = false;
    int Moves = 0;
    qint64 Seconds = 0;  // time played, minimised time left out
    bool operator==(const TDealRecord&) const = default;
};

// The figures of one game, both card sizes together.
struct TGameFigures {
    static constexpr int kRecentDeals = 20;

    int Played = 0;
    int Won = 0;
    int WinningStreak = 0; // the current streak: one of the two is 0
    int LosingStreak = 0;
    int LongestWinningStreak = 0;
    int LongestLosingStreak = 0;
    int FewestMoves = 0;         // in a won deal; 0 before the first win
    qint64 FastestWin = 0;       // seconds; meaningful once Won > 0
    qint64 TotalSeconds = 0;
    QList<TDealRecord> Recent;   // newest first, at most kRecentDeals

    void Add(const TDealRecord& deal);
    // Whole per cent, rounded; 0 before the first deal.
    int WinRate() const;
    bool operator==(const TGameFigures&) const = default;
};

// "1:05", "12:00", "1:02:03".
QString DurationText(qint64 seconds);
// "3 won", "2 lost", "none".
QString StreakText(const TGameFigures& figures);
// The selector's tooltip for a game: played, won, win rate.
QString FiguresToolTip(const TGameFigures& figures);

// The file of figures. It is read when first asked for and written (under a
// lock, merged with what other running copies of the program wrote meanwhile,
// atomically) each time a deal ends or figures are reset. A damaged file is
// set aside with a ".bad" suffix; a file that cannot be written leaves the
// figures in memory for the rest of the run. Each is told to the player once.
class TStatisticsStore {
public:
    using Figures = QMap<QString, TGameFigures>; // by the game's list name

    explicit TStatisticsStore(QString path);
    // The program's store, in PrivateProfile::StateFolder().
    static TStatisticsStore& Instance();

    const QString& Path() const { return path_; }
    // The figures of the game ("Klondike", as the selector lists it).
    TGameFigures Of(const QString& game);
    // Adds a finished deal to the game's figures and saves them.
    void Record(const QString& game, const TDealRecord& deal);
    // Clears one game's figures, or every game's when `game` is empty.
    void Reset(const QString& game = {});

    // Shows a warning to the player; the dialog seam's warning by default.
    std::function<void(const QString&)> Warn;

private:
    void EnsureLoaded();
    // The file's figures; a damaged file is set aside and reads as empty.
    Figures Load();
    // Applies `change` to the freshest figures and writes them.
    void Update(const std::function<void(Figures&)>& change);
    // Shows the warnings gathered meanwhile.
    void TellPlayer();

    QString path_;
    Figures figures_;
    bool loaded_ = false;
    bool memoryOnly_ = false; // the file could not be written: keep the figures here
    QStringList untold_;      // warnings not shown yet
};
