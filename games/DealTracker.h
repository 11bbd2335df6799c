// TDealTracker: follows the deal on a game window's table for the player's
// figures. It numbers each new deal (the generator seed that shuffles it),
// notices the player's first action, keeps the deal's time (leaving out the
// time the window spends minimised) and, when the deal ends, adds it to the
// game's figures: won at the winning move, lost when the player leaves a
// deal he touched unwon.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class TCardPile;

class TDealTracker : public QObject {
public:
    // `game` is the game's list name, under which its figures are kept.
    TDealTracker(QWidget* window, QString game);

    const QString& Game() const { return game_; }
    // The number of the deal on the table.
    quint32 Number() const { return number_; }
    // Numbers and shuffles a new deal: the number chosen by Choose when one
    // is pending, else the generator's own state. A chosen number leaves the
    // generator where it was, so later deals stay as random as ever.
    void Shuffle(TCardPile* pile);
    // The next new deal gets this number; nothing after Forget.
    void Choose(quint32 number) { chosen_ = number; }
    void Forget() { chosen_.reset(); }
    bool Chosen() const { return chosen_.has_value(); }

    // The frame around a deal: BeginDeal ends the deal on the table (lost
    // when the player touched it and did not win), and what happens until
    // DealDone is the deal's doing, not the player's.
    void BeginDeal();
    void DealDone() { dealing_ = false; }
    // The player made a move: the first one starts the deal and its clock.
    void PlayerActed();
    // The winning move; counts once per deal.
    void Won();
    // The deal on the table ends (New Game, Restart, the window closing).
    void Leave() { End(false); }
    // Whether the player has touched the deal on the table.
    bool Playing() const { return state_ == Playing_; }

    // The game's move count, recorded with each deal.
    std::function<int()> Moves;
    // Milliseconds of a steady clock; tests replace it.
    static std::function<qint64()> Clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End(bool won);
    qint64 PlayedMs() const;

    enum State { Untouched, Playing_, Ended } state_ = Untouched;
    QWidget* window_;
    QString game_;
    quint32 number_ = 0;
    std::optional<quint32> chosen_;
    bool dealing_ = false;
    qint64 started_ = 0;
    qint64 pausedMs_ = 0;    // minimised time of this deal so far
    qint64 pausedSince_ = -1; // while minimised: when it began
};
