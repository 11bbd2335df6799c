#include "DealTracker.h"

#include "CardPileView.h"
#include "Statistics.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

std::function<qint64()> TDealTracker::Clock = [] {
    static QElapsedTimer timer;
    if (!timer.isValid()) timer.start();
    return timer.elapsed();
};

TDealTracker::TDealTracker(QWidget* window, QString game) : QObject(window), window_(window), game_(std::move(game)) {
    window->installEventFilter(this);
}

void TDealTracker::Shuffle(TCardPile* pile) {
    const quint32 running = RandomSeed();
    number_ = chosen_.value_or(running);
    SeedRandom(number_);
    pile->Shuffle();
    if (chosen_) SeedRandom(running);
    chosen_.reset();
}

void TDealTracker::BeginDeal() {
    End(false);
    state_ = Untouched;
    dealing_ = true;
}

void TDealTracker::PlayerActed() {
    if (dealing_ || state_ != Untouched) return;
    state_ = Playing_;
    started_ = Clock();
    pausedMs_ = 0;
    pausedSince_ = window_->isMinimized() ? started_ : -1;
}

void TDealTracker::Won() {
    PlayerActed(); // a win is never an untouched deal
    End(true);
}

void TDealTracker::End(bool won) {
    if (state_ != Playing_) return;
    state_ = Ended;
    TDealRecord deal;
    deal.Number = number_;
    deal.Ended = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    deal.Won = won;
    deal.Moves = Moves ? Moves() : 0;
    deal.Seconds = (PlayedMs() + 500) / 1000;
    TStatisticsStore::Instance().Record(game_, deal);
}

qint64 TDealTracker::PlayedMs() const {
    const qint64 now = Clock();
    const qint64 paused = pausedMs_ + (pausedSince_ >= 0 ? now - pausedSince_ : 0);
    return qMax<qint64>(0, now - started_ - paused);
}

bool TDealTracker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange && state_ == Playing_) {
        const bool minimised = window_->isMinimized();
        if (minimised && pausedSince_ < 0) {
            pausedSince_ = Clock();
        } else if (!minimised && pausedSince_ >= 0) {
            pausedMs_ += Clock() - pausedSince_;
            pausedSince_ = -1;
        }
    }
    return QObject::eventFilter(watched, event);
}
