// Moves as data in the frame: the default list of legal moves, playing a move
// through the mouse's handlers, the log behind Redo, and the hint.
#include "GameForm.h"

#include "Dialogs.h"
#include "KeyboardPlay.h"
#include "Solver.h"
#include "TableMarks.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

// --- Piles by index ---

TCardPileView* TGameForm::View(int index) const {
    return index >= 0 && index < static_cast<int>(views_.size()) ? views_[static_cast<std::size_t>(index)] : nullptr;
}

int TGameForm::IndexOf(const TCardPileView* view) const {
    const auto it = std::find(views_.begin(), views_.end(), view);
    return it == views_.end() ? -1 : static_cast<int>(it - views_.begin());
}

TPileSlot::Role TGameForm::RoleOf(const TCardPileView* view) const {
    const int i = IndexOf(view);
    return i < 0 ? TPileSlot::Other : slots_[static_cast<std::size_t>(i)].Kind;
}

QString TGameForm::MoveText(const TMove& move) const {
    std::vector<QString> names;
    names.reserve(views_.size());
    for (const TCardPileView* view : views_) names.push_back(view->objectName());
    return ::MoveText(move, names);
}

std::uint64_t TGameForm::TableKey() const {
    // FNV-1a over every pile: card codes with their faces, a mark between piles.
    std::uint64_t key = 14695981039346656037ull;
    auto mix = [&key](unsigned byte) {
        key ^= byte;
        key *= 1099511628211ull;
    };
    for (const TCardPileView* view : views_) {
        // Cards lifted by a drag still count where they came from.
        for (const TCardPile* pile : {view->Pile, view->DragPile})
            if (pile == view->Pile || view->IsDragging())
                for (const TCard* card : pile->Cards) mix(card->Suit * 13u + card->Value + (card->FaceUp ? 64u : 0u));
        mix(255u);
    }
    return key;
}

// --- The rules' default shape ---

std::vector<TCardPileView*> TGameForm::DropOrder() const {
    std::vector<TCardPileView*> order = Tableau;
    order.insert(order.end(), Foundation.begin(), Foundation.end());
    order.insert(order.end(), FreeCells.begin(), FreeCells.end());
    return order;
}

TCardPileView* TGameForm::StockView() const {
    const std::vector<TCardPileView*> stock = ViewsOf(TPileSlot::Stock);
    return stock.empty() ? nullptr : stock.front();
}

bool TGameForm::MayLand(const TCardPileView* target, const TCardPileView* source, int index) const {
    const std::vector<TCard*>& cards = source->Pile->Cards;
    return target != source && Takes(target, cards[static_cast<std::size_t>(index)], cards.size() - static_cast<std::size_t>(index));
}

bool TGameForm::MayLandDragged(const TCardPileView* target, const TCardPileView* source) const {
    const std::vector<TCard*>& lifted = source->DragPile->Cards;
    return target != source && !lifted.empty() && Takes(target, lifted.front(), lifted.size());
}

TMoves TGameForm::LegalMoves() const {
    TMoves moves;
    if (const auto rules = Solver()) {
        rules->Moves(SolverTable(), moves);
        return moves;
    }
    const std::vector<TCardPileView*> order = DropOrder();
    for (std::size_t s = 0; s < views_.size(); ++s) {
        const TCardPileView* source = views_[s];
        const int n = static_cast<int>(source->Pile->Cards.size());
        if (n == 0) continue;
        if (source->AllowDrag)
            for (int i = 0; i < n; ++i) {
                if (!MayLift(source, i)) continue;
                for (const TCardPileView* target : order)
                    if (target != source && MayLand(target, source, i))
                        moves.push_back(TMove::DropOn(static_cast<int>(s), i, IndexOf(target)));
            }
        if (const TCardPileView* home = DoubleClickTarget(source))
            moves.push_back(TMove::Home(static_cast<int>(s), n - 1, IndexOf(home)));
    }
    if (HasStock() && StockTurnChanges()) moves.push_back(TMove::Stock(IndexOf(StockView())));
    return moves;
}

TCardPileView* TGameForm::MoveTarget(const TMove& move) const {
    if (move.Target >= 0) return View(move.Target);
    if (move.Type == TMove::SendHome) return DoubleClickTarget(View(move.Source));
    return nullptr;
}

// --- Playing a move ---

bool TGameForm::Perform(const TMove& move) {
    TCardPileView* source = View(move.Source);
    if (source == nullptr || Dragging() || !UndoList) return false;
    ActionEnds();
    const std::uint64_t before = TableKey();
    const int moves = MoveCount, records = UndoList->RecordCount();
    switch (move.Type) {
    case TMove::Drop:
        if (TCardPileView* target = View(move.Target)) source->PlayDrag(move.Index, target);
        break;
    case TMove::SendHome:
        source->PlayClick(move.Index, true);
        break;
    case TMove::StockTurn:
    case TMove::Press:
        source->PlayClick(move.Index);
        break;
    }
    // A gesture whose end no handler saw (a drag without an end handler).
    ActionEnds();
    return TableKey() != before || MoveCount != moves || UndoList->RecordCount() != records;
}

// --- The log of the player's actions ---

TMoveLog::TState TGameForm::LogState() const {
    return {UndoList ? UndoList->RecordCount() : 0, MoveCount, TableKey()};
}

TMove TGameForm::PressMove(const TCardPileView* view, Qt::MouseButton button, Qt::KeyboardModifiers shift) const {
    const int top = static_cast<int>(view->Pile->Cards.size()) - 1;
    if (button == Qt::MiddleButton) return TMove::Stock(IndexOf(StockView()));
    if (shift & (Qt::ShiftModifier | Qt::ControlModifier)) return TMove::Home(IndexOf(view), top);
    return TMove::PressOn(IndexOf(view), view->Pile->CardIndex(view->SelectedCard));
}

void TGameForm::ActionStarts(const TMove& move, int moved) {
    if (!UndoList) return;
    MoveLog.Open(move, moved, LogState());
}

void TGameForm::ActionTarget(const TCardPileView* target) {
    if (target != nullptr) MoveLog.SetTarget(IndexOf(target));
}

void TGameForm::ActionEnds() {
    if (!MoveLog.IsOpen()) return;
    MoveLog.Close(LogState());
    TableChanged();
}

void TGameForm::TableChanged() {
    UpdateRedoItem();
    if (keyboard_) keyboard_->TableChanged();
}

QString TGameForm::PileLabel(const TCardPileView* view) const {
    const TPileSlot::Role role = RoleOf(view);
    static const char* const nouns[] = {QT_TRANSLATE_NOOP("TGameForm", "Stock"),      QT_TRANSLATE_NOOP("TGameForm", "Waste"),
                                        QT_TRANSLATE_NOOP("TGameForm", "Reserve"),    QT_TRANSLATE_NOOP("TGameForm", "Foundation"),
                                        QT_TRANSLATE_NOOP("TGameForm", "Column"),     QT_TRANSLATE_NOOP("TGameForm", "Free cell"),
                                        QT_TRANSLATE_NOOP("TGameForm", "Place"),      ""};
    const std::vector<TCardPileView*> same = ViewsOf(role);
    QString label = tr(nouns[role]);
    if (same.size() > 1)
        label += QLatin1Char(' ') + QString::number(std::find(same.begin(), same.end(), view) - same.begin() + 1);
    return label;
}

void TGameForm::UpdateRedoItem() {
    if (Redo1 != nullptr) Redo1->setEnabled(MoveLog.CanRedo() && MoveLog.NextRedo(TableKey()) != nullptr);
}

void TGameForm::Redo1Click() {
    if (Dragging() || FindingDeal()) return;
    ActionEnds();
    const TMoveLog::TEntry* next = MoveLog.NextRedo(TableKey());
    if (next == nullptr) return;
    const TMove move = next->Move;
    MoveLog.BeginRedo();
    if (Perform(move)) {
        // Undo may take off another count than the action added: the count
        // goes back to what it was after the action.
        if (const std::optional<int> moves = MoveLog.EndRedo(TableKey())) MoveCount = *moves;
    } else {
        MoveLog.CancelRedo();
    }
    TableChanged();
}

// --- The hint ---

int TGameForm::HintScore(const TMove& move) const {
    if (const auto rules = Solver()) return rules->Score(SolverTable(), move);
    const TCardPileView* source = View(move.Source);
    const TCardPileView* target = MoveTarget(move);
    if (move.Type == TMove::StockTurn) return 0;
    if (move.Type == TMove::Press || source == nullptr) return 100;
    const std::vector<TCard*>& cards = source->Pile->Cards;
    const int n = static_cast<int>(cards.size());
    const int moved = n - move.Index;
    const TPileSlot::Role from = RoleOf(source), to = target ? RoleOf(target) : TPileSlot::Other;
    int score = 100;
    if (to == TPileSlot::Foundation) score += 1000;
    if (move.Index > 0) {
        const TCard* under = cards[static_cast<std::size_t>(move.Index - 1)];
        if (!under->FaceUp) score += 600;                  // turns a card up
        else if (FoundationFor(under) != nullptr) score += 300; // frees a card that can go home
    } else if (from == TPileSlot::Tableau && target != nullptr && !target->Pile->Cards.empty()) {
        score += 400; // empties a column
    }
    if (to == TPileSlot::Tableau && target != nullptr && !target->Pile->Cards.empty()) {
        int run = 0;
        for (auto it = target->Pile->Cards.rbegin(); it != target->Pile->Cards.rend() && (*it)->FaceUp; ++it) ++run;
        score += 50 + 5 * (run + moved);
    }
    if (target != nullptr && target->Pile->Cards.empty() && to != TPileSlot::Foundation) score -= 60;
    if (to == TPileSlot::Cell) score -= 70;
    if (from == TPileSlot::Waste) score += 40;
    return score;
}

TMoves TGameForm::HintMoves() const {
    const TMoveLog::TEntry* last = MoveLog.Last();
    struct Ranked {
        TMove Move;
        int Score;
    };
    std::vector<Ranked> ranked;
    std::vector<std::pair<std::pair<int, int>, int>> seen; // source, index, target
    for (const TMove& move : LegalMoves()) {
        const TCardPileView* source = View(move.Source);
        const TCardPileView* target = MoveTarget(move);
        if (move.Type == TMove::Drop && target != nullptr) {
            const int moved = static_cast<int>(source->Pile->Cards.size()) - move.Index;
            // Never the way back of the previous move ...
            if (last != nullptr && (last->Move.Type == TMove::Drop || last->Move.Type == TMove::SendHome) &&
                MoveTarget(last->Move) == source && View(last->Move.Source) == target && last->Moved == moved)
                continue;
            // ... nor a whole column into an empty one.
            if (move.Index == 0 && RoleOf(source) == TPileSlot::Tableau && RoleOf(target) == TPileSlot::Tableau &&
                target->Pile->Cards.empty())
                continue;
        }
        // A double-click and a drag of the same card to the same pile are one
        // hint, and so are the same cards to any empty pile of one kind.
        const int to = target == nullptr ? -1
                       : target->Pile->Cards.empty() ? -2 - static_cast<int>(RoleOf(target))
                                                     : IndexOf(target);
        const auto key = std::make_pair(std::make_pair(move.Source, move.Index), to);
        if (move.Type != TMove::StockTurn && move.Type != TMove::Press && target != nullptr) {
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
            seen.push_back(key);
        }
        ranked.push_back({move, HintScore(move)});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) { return a.Score > b.Score; });
    TMoves moves;
    for (const Ranked& r : ranked) moves.push_back(r.Move);
    return moves;
}

void TGameForm::ShowHint(const TMove& move) {
    shownHint_ = move;
    const QSize card(TCard::GetCardWidth(), TCard::GetCardHeight());
    auto cardRect = [this, card](const TCardPileView* view, int index) {
        const int n = static_cast<int>(view->Pile->Cards.size());
        if (index < 0 || index >= n) index = qMax(0, n - 1);
        QRect r(view->CardPosition(index), card);
        if (n == 0) r = QRect(QPoint(0, 0), card).intersected(view->rect());
        return QRect(view->mapTo(this, r.topLeft()), r.size());
    };
    QVector<QRect> rects;
    const TCardPileView* source = View(move.Source);
    if (source != nullptr) {
        QRect moving = cardRect(source, move.Index);
        if (move.Index >= 0)
            for (int i = move.Index + 1; i < static_cast<int>(source->Pile->Cards.size()); ++i)
                moving |= cardRect(source, i);
        rects.push_back(moving);
    }
    if (const TCardPileView* target = MoveTarget(move)) rects.push_back(cardRect(target, -1));
    TTableMarks::Of(this)->ShowHint(rects);
}

void TGameForm::AddPlayerAids() {
    Redo1 = AppendCommand(QStringLiteral("Redo1"), tr("Re&do"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Redo1->setEnabled(false);
    Hint1 = AppendCommand(QStringLiteral("Hint1"), tr("&Hint"), QKeySequence(Qt::Key_H));
    connect(Redo1, &QAction::triggered, this, [this] { Redo1Click(); });
    connect(Hint1, &QAction::triggered, this, [this] { Hint1Click(); });
}
