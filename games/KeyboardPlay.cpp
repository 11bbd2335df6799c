#include "KeyboardPlay.h"

#include "GameForm.h"
#include "TableMarks.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Pile views are told to assistive technology as named groups.
QAccessibleInterface* PileViewAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("TCardPileView") && object != nullptr && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

QRect CardRectIn(const TGameForm& form, const TCardPileView* view, int index) {
    const QSize size(TCard::GetCardWidth(), TCard::GetCardHeight());
    const int n = static_cast<int>(view->Pile->Cards.size());
    QRect r = n == 0 || index < 0 ? QRect(QPoint(0, 0), size).intersected(view->rect())
                                  : QRect(view->CardPosition(qMin(index, n - 1)), size);
    return QRect(view->mapTo(&form, r.topLeft()), r.size());
}

} // namespace

QString TKeyboardPlay::CardName(const TCard* card) {
    static const char* const values[] = {
        QT_TRANSLATE_NOOP("TKeyboardPlay", "ace"),   QT_TRANSLATE_NOOP("TKeyboardPlay", "two"),
        QT_TRANSLATE_NOOP("TKeyboardPlay", "three"), QT_TRANSLATE_NOOP("TKeyboardPlay", "four"),
        QT_TRANSLATE_NOOP("TKeyboardPlay", "five"),  QT_TRANSLATE_NOOP("TKeyboardPlay", "six"),
        QT_TRANSLATE_NOOP("TKeyboardPlay", "seven"), QT_TRANSLATE_NOOP("TKeyboardPlay", "eight"),
        QT_TRANSLATE_NOOP("TKeyboardPlay", "nine"),  QT_TRANSLATE_NOOP("TKeyboardPlay", "ten"),
        QT_TRANSLATE_NOOP("TKeyboardPlay", "jack"),  QT_TRANSLATE_NOOP("TKeyboardPlay", "queen"),
        QT_TRANSLATE_NOOP("TKeyboardPlay", "king")};
    static const char* const suits[] = {
        QT_TRANSLATE_NOOP("TKeyboardPlay", "clubs"), QT_TRANSLATE_NOOP("TKeyboardPlay", "spades"),
        QT_TRANSLATE_NOOP("TKeyboardPlay", "diamonds"), QT_TRANSLATE_NOOP("TKeyboardPlay", "hearts")};
    const auto tr = [](const char* text) { return QCoreApplication::translate("TKeyboardPlay", text); };
    //: A card's name for screen readers: %1 is its value, %2 its suit.
    return QCoreApplication::translate("TKeyboardPlay", "%1 of %2").arg(tr(values[card->Value]), tr(suits[card->Suit]));
}

QString TKeyboardPlay::Describe(const TCardPileView* view) const {
    const std::vector<TCard*>& cards = view->Pile->Cards;
    const int n = static_cast<int>(cards.size());
    QString label = form_.PileLabel(view);
    const int index = form_.IndexOf(view);
    if (index == view_ && card_ >= 0 && card_ < n - 1) label += QStringLiteral(", ") + CardName(cards[std::size_t(card_)]);
    QString what;
    if (n == 0) {
        what = QCoreApplication::translate("TKeyboardPlay", "empty");
    } else if (!cards.back()->FaceUp) {
        what = n == 1 ? QCoreApplication::translate("TKeyboardPlay", "1 card face down") : QCoreApplication::translate("TKeyboardPlay", "%n cards face down", nullptr, n);
    } else if (Fanned(index)) {
        // The face-up cards from the top down, then what lies hidden under them.
        QStringList up;
        int down = 0;
        for (int i = n - 1; i >= 0; --i) {
            if (cards[std::size_t(i)]->FaceUp) up << CardName(cards[std::size_t(i)]);
            else ++down;
        }
        what = up.join(QCoreApplication::translate("TKeyboardPlay", " on "));
        if (down > 0) what += down == 1 ? QCoreApplication::translate("TKeyboardPlay", ", 1 card face down") : QCoreApplication::translate("TKeyboardPlay", ", %n cards face down", nullptr, down);
    } else {
        what = CardName(cards.back());
        if (n > 1) what += QCoreApplication::translate("TKeyboardPlay", ", %n cards", nullptr, n);
    }
    return label + QStringLiteral(": ") + what;
}

TCardPileView* TKeyboardPlay::FocusView() const { return form_.View(view_); }

bool TKeyboardPlay::Usable(int view) const {
    const TCardPileView* v = form_.View(view);
    return v != nullptr && v->isVisibleTo(&form_) && v->width() > 0 && v->height() > 0;
}

int TKeyboardPlay::Top(int view) const { return static_cast<int>(form_.View(view)->Pile->Cards.size()) - 1; }

bool TKeyboardPlay::Fanned(int view) const {
    const TCardPileView* v = form_.View(view);
    return v != nullptr && (v->YOffset >= 1.0f || v->XOffset >= 1.0f) && v->Pile->Cards.size() > 1;
}

int TKeyboardPlay::FirstReachable(int view) const {
    if (!Fanned(view)) return Top(view);
    const std::vector<TCard*>& cards = form_.View(view)->Pile->Cards;
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i]->FaceUp) return static_cast<int>(i);
    return Top(view);
}

void TKeyboardPlay::Reset() {
    picked_.reset();
    view_ = -1;
    const std::vector<TCardPileView*> columns = form_.ViewsOf(TPileSlot::Tableau);
    for (TCardPileView* column : columns)
        if (Usable(form_.IndexOf(column))) {
            view_ = form_.IndexOf(column);
            break;
        }
    for (int i = 0; view_ < 0 && i < static_cast<int>(form_.PileViews().size()); ++i)
        if (Usable(i)) view_ = i;
    card_ = view_ >= 0 ? Top(view_) : -1;
    TableChanged();
}

void TKeyboardPlay::Focus(int view, int card) {
    view_ = view;
    card_ = card;
    if (TCardPileView* v = FocusView(); v != nullptr && form_.isActiveWindow()) v->setFocus(Qt::OtherFocusReason);
    TableChanged();
}

void TKeyboardPlay::FocusCardOf(const TCard* card) {
    const std::vector<TCardPileView*>& views = form_.PileViews();
    for (std::size_t v = 0; v < views.size(); ++v) {
        const int at = views[v]->Pile->CardIndex(card);
        if (at >= 0 && Usable(static_cast<int>(v))) {
            Focus(static_cast<int>(v), at);
            return;
        }
    }
    TableChanged();
}

void TKeyboardPlay::TableChanged() {
    if (view_ >= 0 && !Usable(view_)) view_ = -1;
    if (view_ < 0) {
        for (int i = 0; view_ < 0 && i < static_cast<int>(form_.PileViews().size()); ++i)
            if (Usable(i)) view_ = i;
    }
    if (view_ >= 0) {
        const int top = Top(view_);
        if (card_ > top || card_ < 0) card_ = top;
        if (card_ >= 0 && card_ < FirstReachable(view_)) card_ = FirstReachable(view_);
    }
    if (picked_) {
        const TCardPileView* from = form_.View(picked_->View);
        if (from == nullptr || from->Pile->CardIndex(picked_->Card) != picked_->Index) picked_.reset();
    }
    static bool factory = false;
    if (!factory) {
        QAccessible::installFactory(PileViewAccessible);
        factory = true;
    }
    for (TCardPileView* view : form_.PileViews()) {
        const QString name = Describe(view);
        if (view->accessibleName() != name) view->setAccessibleName(name);
    }
    if (!visible_) return;
    TTableMarks* marks = TTableMarks::Of(&form_);
    const TCardPileView* focus = FocusView();
    marks->SetFocusRect(focus != nullptr ? CardRectIn(form_, focus, card_) : QRect());
    QRect picked;
    if (picked_) {
        const TCardPileView* from = form_.View(picked_->View);
        for (int i = picked_->Index; i <= Top(picked_->View); ++i) picked |= CardRectIn(form_, from, i);
    }
    marks->SetPickedRect(picked);
}

void TKeyboardPlay::Show() {
    visible_ = true;
    TableChanged();
}

void TKeyboardPlay::Step(int delta) {
    const int n = static_cast<int>(form_.PileViews().size());
    for (int k = 1; k <= n; ++k) {
        const int v = ((view_ + delta * k) % n + n) % n;
        if (Usable(v)) {
            Focus(v, Top(v));
            return;
        }
    }
}

void TKeyboardPlay::Vertical(int delta) {
    if (view_ < 0) return;
    if (Fanned(view_)) {
        if (delta < 0 && card_ > FirstReachable(view_)) return Focus(view_, card_ - 1);
        if (delta > 0 && card_ >= 0 && card_ < Top(view_)) return Focus(view_, card_ + 1);
    }
    // On to the nearest row of piles above or below, and in it the pile
    // nearest across.
    const QPoint from = CardRectIn(form_, FocusView(), card_).center();
    std::vector<std::pair<int, QPoint>> candidates;
    int nearest = -1;
    for (int v = 0; v < static_cast<int>(form_.PileViews().size()); ++v) {
        if (v == view_ || !Usable(v)) continue;
        const QPoint to = CardRectIn(form_, form_.View(v), Top(v)).center();
        const int dy = (to.y() - from.y()) * delta;
        if (dy <= 0) continue;
        candidates.push_back({v, to});
        if (nearest < 0 || dy < nearest) nearest = dy;
    }
    int best = -1, bestDx = 0;
    for (const auto& [v, to] : candidates) {
        if ((to.y() - from.y()) * delta > nearest + TCard::GetCardHeight() / 2) continue;
        const int dx = std::abs(to.x() - from.x());
        if (best < 0 || dx < bestDx) {
            best = v;
            bestDx = dx;
        }
    }
    if (best >= 0) Focus(best, delta < 0 ? Top(best) : FirstReachable(best));
}

void TKeyboardPlay::NextGroup(bool next) {
    Show();
    const int n = static_cast<int>(form_.PileViews().size());
    if (n == 0 || view_ < 0) return;
    auto role = [this](int v) { return form_.RoleOf(form_.View(v)); };
    // The first view of the current group, then walk to the next group's first.
    int v = view_;
    for (int k = 0; k < n; ++k) {
        v = ((v + (next ? 1 : -1)) % n + n) % n;
        if (!Usable(v) || role(v) == role(view_)) continue;
        if (!next) // back to the start of that group
            while (true) {
                const int before = ((v - 1) % n + n) % n;
                if (before == view_ || !Usable(before) || role(before) != role(v)) break;
                v = before;
            }
        Focus(v, Top(v));
        return;
    }
}

bool TKeyboardPlay::Key(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        Show();
        Step(event->key() == Qt::Key_Left ? -1 : 1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        Show();
        Vertical(event->key() == Qt::Key_Up ? -1 : 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Show();
        if (shift) SendHome();
        else Enter();
        return true;
    case Qt::Key_Escape:
        if (!picked_) return false;
        picked_.reset();
        TableChanged();
        return true;
    default:
        return false;
    }
}

void TKeyboardPlay::Enter() {
    if (view_ < 0) return;
    const TMoves moves = form_.LegalMoves();
    const int index = Top(view_) < 0 ? -1 : card_;
    if (picked_) {
        if (view_ == picked_->View) {
            picked_.reset();
            TableChanged();
            return;
        }
        for (const TMove& m : moves)
            if (m.Type == TMove::Drop && m.Source == picked_->View && m.Index == picked_->Index && m.Target == view_) {
                const TCard* card = picked_->Card;
                picked_.reset();
                form_.Perform(m);
                FocusCardOf(card);
                return;
            }
        QApplication::beep(); // not here: the cards stay picked up
        return;
    }
    for (const TMove& m : moves)
        if (m.Type == TMove::Drop && m.Source == view_ && m.Index == index) {
            picked_ = Pick{view_, index, form_.View(view_)->Pile->Cards[std::size_t(index)]};
            TableChanged();
            return;
        }
    for (const TMove& m : moves)
        if (m.Source == view_ && (m.Type == TMove::StockTurn || (m.Type == TMove::Press && m.Index == index))) {
            form_.Perform(m);
            TableChanged();
            return;
        }
    QApplication::beep();
}

void TKeyboardPlay::SendHome() {
    if (view_ < 0) return;
    picked_.reset();
    for (const TMove& m : form_.LegalMoves())
        if (m.Type == TMove::SendHome && m.Source == view_) {
            form_.Perform(m);
            TableChanged();
            return;
        }
    QApplication::beep();
}
