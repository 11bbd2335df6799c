// The small pieces every game's moves are made of: options, menu items, the
// deal frame, single-card moves, drag targets, free cells, autoplay and undo.
#include "GameForm.h"

#include "DealTracker.h"
#include "KeyboardPlay.h"
#include "Preferences.h"
#include "Rules.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

// --- Options and menu items ---

bool TGameForm::ReadOption(const QString& key, bool fallback) {
    Profile1.Entry = key;
    return Profile1.Text() == QLatin1String("None") ? fallback : Profile1.State();
}

void TGameForm::SaveOption(const QString& key, bool value) {
    Profile1.Entry = key;
    Profile1.SetState(value);
}

QAction* TGameForm::AddCommandItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key,
                                   const QString& hint) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (menu != nullptr) menu->addAction(action);
    addAction(action);
    return action;
}

QAction* TGameForm::AddCheckItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key,
                                 const QString& hint) {
    QAction* action = AddCommandItem(menu, name, caption, key, hint);
    action->setCheckable(true);
    return action;
}

// --- The deal frame ---

void TGameForm::BeginDeal(TCardPileView* dealer, bool newDeal, bool quiet, bool faceUp) {
    UpdateScore();
    if (newDeal) NewShuffledDeck(dealer->Pile, info_.Decks);
    else ReplaySavedDeck(dealer->Pile, faceUp);
    dealer->repaint();
    if (newDeal) {
        if (!quiet) Play(&TSoundManager::PlayShuffle);
    } else {
        Play(&TSoundManager::PlayRestart);
    }
}

TCard* TGameForm::DealCard(TCardPile* from, TCardPileView* to, bool faceUp, bool animate) {
    TCard* card = from->CardAt(TOP_OF_PILE);
    if (card == nullptr) return nullptr;
    from->RemoveCard(card);
    card->FaceUp = faceUp;
    to->Pile->AddCard(card);
    if (animate) to->repaint();
    return card;
}

void TGameForm::DealRoundDone(TCardPileView* dealer, bool animate) {
    if (!animate) return;
    dealer->repaint();
    Play(&TSoundManager::PlayDeal);
}

void TGameForm::EndDeal() {
    RepaintAll();
    MoveCount = 0;
    UndoList->Clear();
    GameWon = false;
    MoveLog.Clear();
    if (keyboard_) keyboard_->Reset();
    TableChanged();
}

bool TGameForm::Animate(bool quiet) const { return !quiet && Preferences().DoAnimation; }

void TGameForm::NewShuffledDeck(TCardPile* pile, int decks) {
    if (UndoList) UndoList->Clear();
    for (TCardPileView* view : views_) view->DragPile->Empty(false);
    pile->Empty(false);
    ReleaseDeal();
    for (int i = 0; i < decks; ++i) pile->AddDeck();
    Deals().Shuffle(pile);
    SavedDeck.Empty(false);
    pile->CopyPileTo(&SavedDeck);
}

void TGameForm::ReplaySavedDeck(TCardPile* pile, bool faceUp) {
    pile->Empty(false);
    SavedDeck.CopyPileTo(pile);
    for (TCard* card : pile->Cards) card->FaceUp = faceUp;
}

// --- Moves ---

TCard* TGameForm::MoveTopCard(TCardPileView* from, TCardPileView* to) {
    TCard* card = from->Pile->CardAt(TOP_OF_PILE);
    if (card == nullptr) return nullptr;
    from->Pile->RemoveCard(card);
    to->Pile->AddCard(card);
    from->repaint();
    to->repaint();
    UndoList->RecordCardMove(from, to, card);
    return card;
}

bool TGameForm::TurnUpTopCard(TCardPileView* view) {
    TCard* top = view->Pile->CardAt(TOP_OF_PILE);
    if (top == nullptr || top->FaceUp) return false;
    top->FaceUp = true;
    view->repaint();
    UndoList->RecordCardMove(view, view, top);
    return true;
}

TCardPileView* TGameForm::LiftablePress(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift) {
    auto* view = static_cast<TCardPileView*>(sender);
    if (button == Qt::MiddleButton) {
        if (HasStock()) StockClick();
        return nullptr;
    }
    view->CanDrag = false;
    if (button != Qt::LeftButton || view->SelectedCard == nullptr) return nullptr;
    if (shift & (Qt::ShiftModifier | Qt::ControlModifier)) {
        DoubleClickMove(view);
        return nullptr;
    }
    return view;
}

void TGameForm::ConsumePress(QObject* sender) { static_cast<TCardPileView*>(sender)->ConsumePress(); }

void TGameForm::AutoplaySweep(const std::vector<TCardPileView*>& sources,
                              const std::function<void(TCardPileView*)>& sendHome) {
    for (TCardPileView* pile : sources) {
        TCard* top = pile->Pile->CardAt(TOP_OF_PILE);
        if (top == nullptr || !top->FaceUp || FoundationFor(top) == nullptr) continue;
        // Each card autoplay sends is undone on its own, so it is an action of its own.
        ActionStarts(TMove::Home(IndexOf(pile), static_cast<int>(pile->Pile->Cards.size()) - 1), 1);
        sendHome(pile);
        ActionEnds();
    }
}

TCardPileView* TGameForm::FoundationFor(const TCard* card) const {
    // An Ace goes to the first empty foundation, any other card to the first
    // one whose top card is of its suit and one lower.
    for (TCardPileView* f : Foundation)
        if (Rules::UpSameSuitFromAce(card, f->Pile->CardAt(TOP_OF_PILE))) return f;
    return nullptr;
}

// --- Drag targets ---

bool TGameForm::PresetTarget(TCardPileView* source, const std::vector<TCardPileView*>& targets,
                             const LandTest& mayLand) {
    for (TCardPileView* target : targets) {
        if (source->DropTarget != nullptr) break;
        if (target != source && mayLand(target, source)) source->DropTarget = target;
    }
    return source->DropTarget != nullptr;
}

void TGameForm::OfferTarget(QObject* sender, TCardPileView* source, bool& accept, const LandTest& mayLand) {
    auto* target = static_cast<TCardPileView*>(sender);
    if (source != nullptr && target != source && mayLand(target, source)) source->DropTarget = target;
    AcceptWhenTargetSet(source, accept);
}

void TGameForm::AcceptWhenTargetSet(const TCardPileView* source, bool& accept) {
    accept = source != nullptr && source->DropTarget != nullptr;
}

void TGameForm::FormDragOver(QObject*, TCardPileView* source, int, int, bool& accept) {
    AcceptWhenTargetSet(source, accept);
}

void TGameForm::FormMouseDown(QObject*, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::MiddleButton && HasStock()) StockClick();
}

// --- Free cells ---

int TGameForm::EmptyCellCount() const {
    int count = 0;
    for (const TCardPileView* cell : FreeCells)
        if (cell->Pile->Cards.empty()) ++count;
    return count;
}

TCardPileView* TGameForm::FirstEmptyCell() const {
    for (TCardPileView* cell : FreeCells)
        if (cell->Pile->Cards.empty()) return cell;
    return nullptr;
}

// --- Undo ---

void TGameForm::UndoStep() {
    UndoList->UndoLast();
    if (UndoList->LastSource != nullptr) {
        UndoList->LastSource->repaint();
        UndoList->LastTarget->repaint();
    }
    UndoList->DropLast();
}

bool TGameForm::UndoTurnUp() {
    UndoList->PeekLast();
    TCardPileView* view = UndoList->LastSource;
    if (view == nullptr || view != UndoList->LastTarget) return false;
    UndoList->UndoLast();
    if (TCard* top = view->Pile->CardAt(TOP_OF_PILE)) top->FaceUp = false;
    view->repaint();
    UndoList->DropLast();
    return true;
}

void TGameForm::UndoMove() {
    UndoStep();
    --MoveCount;
    Play(&TSoundManager::PlayUndo);
    UpdateScore();
}

void TGameForm::Undo1Click() { UndoMove(); }

// --- Odds and ends ---

void TGameForm::Play(void (TSoundManager::*sound)()) {
    if (TSoundManager* sounds = SoundManager()) (sounds->*sound)();
}
