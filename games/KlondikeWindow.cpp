#include "KlondikeWindow.h"

#include "CardDrag.h"
#include "Rules.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;

void PlaySound(void (TSoundManager::*play)()) {
    if (TSoundManager* sounds = SoundManager()) (sounds->*play)();
}
} // namespace

const TGameInfo& TKlondikeForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TKlondikeForm");
        i.Name = QStringLiteral("Klondike");
        i.PlacementSection = QStringLiteral("Klondike");
        i.ProfileSection = QStringLiteral("Klondike");
        i.HelpTopic = 1007;
        i.ClientWidth = 672;
        i.ClientHeight = 491;
        i.MinHeight = 480;
        i.ResizeMargin = 154;
        return i;
    }();
    return info;
}

const TLayout& TKlondikeForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l = {
            {QStringLiteral("DeckPileView"), S::Stock, 8, 8, 121, 129, 1.0f, 0.2f, S::Hint, FS_RECYCLE},
            {QStringLiteral("DiscardPileView"), S::Waste, 144, 8, 137, 129, 20.0f, 2.0f, S::Draggable},
        };
        for (int i = 0; i < 4; ++i)
            l.push_back({Numbered("FoundationPile", i + 1), S::Foundation, 296 + 96 * i, 8, 80, 125, 0.0f, 0.0f,
                         S::Bordered});
        for (int i = 0; i < 7; ++i)
            l.push_back({Numbered("TableauPileView", i + 1), S::Tableau, 8 + 96 * i, 152, 80, 337, 0.0f, 20.0f,
                         S::Draggable});
        l.push_back({QStringLiteral("RecyclePileView"), S::Store, 640, 112, 25, 25, 0.0f, 0.0f, S::Hidden | S::Black});
        return l;
    }();
    return layout;
}

TKlondikeForm::TKlondikeForm(QWidget* parent) : TKlondikeForm(parent, LargeInfo(), LargeLayout()) { FormCreate(); }

TKlondikeForm::TKlondikeForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    DeckPileView = ViewsOf(S::Stock).front();
    DiscardPileView = ViewsOf(S::Waste).front();
    RecyclePileView = ViewsOf(S::Store).front();
    Tableau = ViewsOf(S::Tableau);
    Foundation = ViewsOf(S::Foundation);
    BindEvents();
}

void TKlondikeForm::BindEvents() {
    DeckPileView->OnClick = [this](QObject* s) { DeckPileViewClick(s); };
    DeckPileView->OnMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        FormMouseDown(s, b, m, x, y);
    };
    auto formDragOver = [this](QObject* s, TCardPileView* src, int x, int y, bool& a) { FormDragOver(s, src, x, y, a); };
    auto startDrag = [this](QObject* s) { TableauPileView1StartDrag(s); };
    auto endDrag = [this](QObject* s, QObject* t, int x, int y) { TableauPileView1EndDrag(s, t, x, y); };
    auto dblClick = [this](QObject* s) { DiscardPileViewDblClick(s); };
    DeckPileView->OnDragOver = formDragOver;

    DiscardPileView->OnMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        DiscardPileViewMouseDown(s, b, m, x, y);
    };
    DiscardPileView->OnDblClick = dblClick;
    DiscardPileView->OnStartDrag = startDrag;
    DiscardPileView->OnEndDrag = endDrag;
    DiscardPileView->OnDragOver = formDragOver;

    for (TCardPileView* f : Foundation) {
        f->OnDragOver = [this](QObject* s, TCardPileView* src, int x, int y, bool& a) {
            FoundationPile1DragOver(s, src, x, y, a);
        };
        f->OnMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
            FormMouseDown(s, b, m, x, y);
        };
    }
    for (TCardPileView* t : Tableau) {
        t->OnMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
            TableauPileView1MouseDown(s, b, m, x, y);
        };
        t->OnDblClick = dblClick;
        t->OnStartDrag = startDrag;
        t->OnDragOver = [this](QObject* s, TCardPileView* src, int x, int y, bool& a) {
            TableauPileView1DragOver(s, src, x, y, a);
        };
        t->OnEndDrag = endDrag;
    }
    TDragLayer::Of(this)->OnDragOver = formDragOver;
}

bool TKlondikeForm::AddOptionItems(QMenu* menu) {
    Autoplay1 = AddCheckItem(menu, QStringLiteral("Autoplay1"), QStringLiteral("A&utoplay"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    menu->addSeparator()->setObjectName(QStringLiteral("N3"));
    DrawThree1 = AddCheckItem(menu, QStringLiteral("DrawThree1"), QStringLiteral("Draw Three"));
    DrawOne1 = AddCheckItem(menu, QStringLiteral("DrawOne1"), QStringLiteral("Draw One"));
    DrawThree1->setChecked(true);
    connect(Autoplay1, &QAction::triggered, this, [this] { Autoplay1Click(); });
    connect(DrawThree1, &QAction::triggered, this, [this] { DrawThree1Click(); });
    connect(DrawOne1, &QAction::triggered, this, [this] { DrawOne1Click(); });
    return true;
}

void TKlondikeForm::ReadOptions() {
    Profile1.Entry = QStringLiteral("DrawThree");
    if (Profile1.Text() != QLatin1String("None")) DrawThreeOn = Profile1.State();
    Profile1.Entry = QStringLiteral("Autoplay");
    if (Profile1.Text() != QLatin1String("None")) AutoplayOn = Profile1.State();
    DrawThree1->setChecked(DrawThreeOn);
    DrawOne1->setChecked(!DrawThreeOn);
    Autoplay1->setChecked(AutoplayOn);
}

void TKlondikeForm::SaveOption(const QString& key, bool value) {
    Profile1.Entry = key;
    Profile1.SetState(value);
}

// --- Deal ---

void TKlondikeForm::DealCards(bool newDeal, bool quiet) {
    UpdateScore();
    RecyclePileView->Pile->Empty(false);
    TCardPile* stock = DeckPileView->Pile;
    const float xOffset = DeckPileView->XOffset, yOffset = DeckPileView->YOffset;
    const bool thin = ThinStockWhileDealing();
    if (newDeal) {
        DrawOne1->setEnabled(true);
        DrawThree1->setEnabled(true);
        NewShuffledDeck(stock, DeckCount());
    } else {
        ReplaySavedDeck(stock);
    }
    if (thin) {
        DeckPileView->XOffset = 0.4f;
        DeckPileView->YOffset = 0.1f;
    }
    DeckPileView->repaint();
    if (newDeal) {
        if (!quiet) PlaySound(&TSoundManager::PlayShuffle);
    } else {
        PlaySound(&TSoundManager::PlayRestart);
    }

    const bool animate = Animate(quiet);
    const int columns = static_cast<int>(Tableau.size());
    for (int round = 0; round < columns; ++round) {
        for (int c = round; c < columns; ++c) {
            TCard* card = stock->CardAt(TOP_OF_PILE);
            if (card == nullptr) break;
            stock->RemoveCard(card);
            card->FaceUp = (c == round);
            Tableau[static_cast<std::size_t>(c)]->Pile->AddCard(card);
            if (animate) Tableau[static_cast<std::size_t>(c)]->repaint();
        }
        if (animate) {
            DeckPileView->repaint();
            PlaySound(&TSoundManager::PlayDeal);
        }
    }

    if (thin) {
        DeckPileView->XOffset = xOffset;
        DeckPileView->YOffset = yOffset;
    }
    DeckPileView->repaint();
    UpdateStockHint();
    for (TCardPileView* t : Tableau) t->repaint();
    MoveCount = 0;
    AfterDeal();
    UndoList->Clear();
    GameWon = false;
}

int TKlondikeForm::CountScore() const {
    int count = 0;
    for (TCardPileView* f : Foundation) count += static_cast<int>(f->Pile->Cards.size());
    return count;
}

// --- Stock ---

void TKlondikeForm::ShiftWasteToStore() {
    TCardPile moved;
    TCardPile* waste = DiscardPileView->Pile;
    for (int i = 0; i < DrawCount() && !waste->Cards.empty(); ++i) {
        TCard* card = waste->Cards.front();
        waste->RemoveCard(card);
        RecyclePileView->Pile->AddCard(card);
        moved.AddCard(card);
    }
    UndoList->RecordPileMove(DiscardPileView, RecyclePileView, &moved);
}

void TKlondikeForm::DeckPileViewClick(QObject*) {
    if (Dragging()) return;
    (DrawThreeOn ? DrawOne1 : DrawThree1)->setEnabled(false);
    if (!BeforeStockClick()) return;
    TCardPile* stock = DeckPileView->Pile;
    if (stock->Cards.empty()) {
        ShiftWasteToStore();
        TCardPile* store = RecyclePileView->Pile;
        store->CopyPileTo(stock);
        UndoList->RecordPileMove(RecyclePileView, DeckPileView, store);
        stock->Flip();
        store->Empty(false);
        DiscardPileView->repaint();
        DeckPileView->repaint();
    }
    TCardPile drawn;
    for (int i = 1; i <= DrawCount(); ++i) {
        TCard* card = stock->CardAt(TOP_OF_PILE);
        if (card == nullptr) break;
        if (i == 1) {
            ShiftWasteToStore();
            ++MoveCount;
        }
        stock->RemoveCard(card);
        card->FaceUp = true;
        DiscardPileView->Pile->AddCard(card);
        drawn.AddCard(card);
        DeckPileView->repaint();
        DiscardPileView->repaint();
    }
    UndoList->RecordPileMove(DeckPileView, DiscardPileView, &drawn);
    PlaySound(&TSoundManager::PlayStock);
    AutoplayPass();
    UpdateStockHint();
}

void TKlondikeForm::RefillWaste() {
    TCardPile* waste = DiscardPileView->Pile;
    TCardPile* store = RecyclePileView->Pile;
    if (!waste->Cards.empty() || store->Cards.empty()) return;
    for (int i = 0; i < DrawCount() && !store->Cards.empty(); ++i) {
        TCard* card = store->CardAt(TOP_OF_PILE);
        store->RemoveCard(card);
        waste->InsertCard(card, 0);
    }
    DiscardPileView->repaint();
    UndoList->RecordPileMove(RecyclePileView, DiscardPileView, waste);
}

void TKlondikeForm::UpdateStockHint() {
    TCardPile* stock = DeckPileView->Pile;
    if (!stock->Cards.empty()) {
        DeckPileView->ShowHint = true;
        DeckPileView->Hint = QString::number(stock->Cards.size());
    } else {
        DeckPileView->ShowHint = false;
        const bool nothingLeft = RecyclePileView->Pile->Cards.empty() && DiscardPileView->Pile->Cards.empty();
        DeckPileView->State = nothingLeft ? FS_BLANK : FS_RECYCLE;
    }
    DeckPileView->repaint();
}

// --- Picking up ---

void TKlondikeForm::FormMouseDown(QObject*, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::MiddleButton) StockClick();
}

void TKlondikeForm::TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                              int, int) {
    auto* view = static_cast<TCardPileView*>(sender);
    if (button == Qt::MiddleButton) {
        StockClick();
        return;
    }
    view->CanDrag = false;
    if (button != Qt::LeftButton || view->SelectedCard == nullptr) return;
    if (shift & (Qt::ShiftModifier | Qt::ControlModifier)) {
        DoubleClickMove(view);
        return;
    }
    TCardPile* pile = view->Pile;
    if (view->SelectedCard == pile->CardAt(TOP_OF_PILE)) view->CanDrag = true;
    else if (Rules::IsAlternateRun(*pile, pile->CardIndex(view->SelectedCard))) view->CanDrag = true;
}

void TKlondikeForm::DiscardPileViewMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                             int, int) {
    auto* view = static_cast<TCardPileView*>(sender);
    if (button == Qt::MiddleButton) {
        StockClick();
        return;
    }
    view->CanDrag = false;
    if (button != Qt::LeftButton || view->SelectedCard == nullptr) return;
    if (shift & (Qt::ShiftModifier | Qt::ControlModifier)) {
        DoubleClickMove(view);
        return;
    }
    view->CanDrag = view->SelectedCard == view->Pile->CardAt(TOP_OF_PILE);
}

// --- Dropping ---

void TKlondikeForm::CanDropOnColumn(TCardPileView* target, TCardPileView* source) {
    if (target == source || source->DragPile->Cards.empty()) return;
    TCard* bottom = source->DragPile->Cards.front();
    TCard* top = target->Pile->CardAt(TOP_OF_PILE);
    const bool legal = top != nullptr ? Rules::DownAlternate(bottom, top) : bottom->Value == FS_KING;
    if (legal) source->DropTarget = target;
}

void TKlondikeForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
    if (target == source || source->DragPile->Cards.size() != 1) return;
    if (Rules::UpSameSuitFromAce(source->DragPile->Cards.front(), target->Pile->CardAt(TOP_OF_PILE)))
        source->DropTarget = target;
}

void TKlondikeForm::TableauPileView1StartDrag(QObject* sender) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) {
        for (TCardPileView* t : Tableau) {
            CanDropOnColumn(t, source);
            if (source->DropTarget != nullptr) break;
        }
    }
    if (source->DropTarget == nullptr) {
        for (TCardPileView* f : Foundation) {
            CanDropOnFoundation(f, source);
            if (source->DropTarget != nullptr) break;
        }
    }
    source->repaint();
}

void TKlondikeForm::TableauPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    if (source != nullptr) CanDropOnColumn(static_cast<TCardPileView*>(sender), source);
    accept = source != nullptr && source->DropTarget != nullptr;
}

void TKlondikeForm::FoundationPile1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    if (source != nullptr) CanDropOnFoundation(static_cast<TCardPileView*>(sender), source);
    accept = source != nullptr && source->DropTarget != nullptr;
}

void TKlondikeForm::FormDragOver(QObject*, TCardPileView* source, int, int, bool& accept) {
    accept = source != nullptr && source->DropTarget != nullptr;
}

void TKlondikeForm::TableauPileView1EndDrag(QObject* sender, QObject*, int, int) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) return;
    UndoList->RecordPileMove(source, source->DropTarget, source->DragPile);
    RefillWaste();
    TurnUpTopCard(source);
    ++MoveCount;
    CheckForWin();
}

void TKlondikeForm::TurnUpTopCard(TCardPileView* view) {
    TCard* top = view->Pile->CardAt(TOP_OF_PILE);
    if (top == nullptr || top->FaceUp) return;
    top->FaceUp = true;
    view->repaint();
    UndoList->RecordCardMove(view, view, top);
}

// --- Sending cards home ---

TCardPileView* TKlondikeForm::FoundationFor(const TCard* card) const {
    // An Ace goes to the first empty foundation, any other card to the first
    // one whose top card is of its suit and one lower.
    for (TCardPileView* f : Foundation)
        if (Rules::UpSameSuitFromAce(card, f->Pile->CardAt(TOP_OF_PILE))) return f;
    return nullptr;
}

void TKlondikeForm::DiscardPileViewDblClick(QObject* sender) {
    if (Dragging()) return;
    DoubleClickMove(static_cast<TCardPileView*>(sender));
}

void TKlondikeForm::DoubleClickMove(TCardPileView* view) {
    TCard* card = view->Pile->CardAt(TOP_OF_PILE);
    if (card == nullptr) return;
    TCardPileView* home = card->FaceUp ? FoundationFor(card) : nullptr;
    if (home != nullptr) {
        view->Pile->RemoveCard(card);
        home->Pile->AddCard(card);
        view->repaint();
        home->repaint();
        UndoList->RecordCardMove(view, home, card);
        PlaySound(&TSoundManager::PlayAutoplay);
        ++MoveCount;
        if (view != DiscardPileView) TurnUpTopCard(view);
    }
    CheckForWin();
    RefillWaste();
}

void TKlondikeForm::CheckForWin() {
    UpdateScore();
    CheckWinScore();
    AutoplayPass();
}

void TKlondikeForm::AutoplayPass() {
    if (!AutoplayOn) return;
    std::vector<TCardPileView*> piles = Tableau;
    piles.push_back(DiscardPileView);
    for (TCardPileView* pile : piles) {
        TCard* top = pile->Pile->CardAt(TOP_OF_PILE);
        if (top != nullptr && top->FaceUp && FoundationFor(top) != nullptr) DoubleClickMove(pile);
    }
    UpdateStockHint();
}

// --- Undo ---

void TKlondikeForm::Undo1Click() {
    UndoList->PeekLast();
    TCardPileView* source = UndoList->LastSource;
    if (source == nullptr) return;
    if (source == UndoList->LastTarget) {
        UndoList->UndoLast();
        if (TCard* top = source->Pile->CardAt(TOP_OF_PILE)) top->FaceUp = false;
        source->repaint();
        UndoList->DropLast();
    } else if (source == DeckPileView) {
        UndoList->LastPile->Flip();
        UndoList->UndoLast();
        UndoList->LastSource->repaint();
        UndoList->LastTarget->repaint();
        UndoList->DropLast();
    } else if (source == RecyclePileView) {
        const bool turnOver = UndoList->LastTarget == DeckPileView;
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = true;
        UndoList->UndoLast();
        UndoList->LastSource->repaint();
        UndoList->LastTarget->repaint();
        UndoList->DropLast();
        if (turnOver) AfterStockUndoTurnOver();
    }
    UndoList->UndoLast();
    if (UndoList->LastSource != nullptr) {
        UndoList->LastSource->repaint();
        UndoList->LastTarget->repaint();
    }
    UndoList->DropLast();
    --MoveCount;
    PlaySound(&TSoundManager::PlayUndo);
    UpdateStockHint();
    UpdateScore();
}

// --- Options ---

void TKlondikeForm::DrawThree1Click() {
    DrawThreeOn = true;
    DrawThree1->setChecked(true);
    DrawOne1->setChecked(false);
    SaveOption(QStringLiteral("DrawThree"), DrawThree1->isChecked());
}

void TKlondikeForm::DrawOne1Click() {
    DrawThreeOn = false;
    DrawOne1->setChecked(true);
    DrawThree1->setChecked(false);
    SaveOption(QStringLiteral("DrawThree"), DrawThree1->isChecked());
}

void TKlondikeForm::Autoplay1Click() {
    AutoplayOn = !AutoplayOn;
    Autoplay1->setChecked(AutoplayOn);
    SaveOption(QStringLiteral("Autoplay"), AutoplayOn);
}

// --- Small cards ---

const TGameInfo& TsKlondikeForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TKlondikeForm::LargeInfo(), QStringLiteral("TsKlondikeForm"),
                                                QStringLiteral("sKlondike"), QSize(510, 392), 300, 122);
    return info;
}

const TLayout& TsKlondikeForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(
        TKlondikeForm::LargeLayout(),
        TPlaces{{8, 8, 96, 101}, {120, 8, 107, 101}} + PlaceRow(4, 248, 64, 8, 61, 95) +
            PlaceRow(7, 8, 72, 120, 61, 270, 16.0f) + TPlaces{{464, 104, 25, 25}});
    return layout;
}

TsKlondikeForm::TsKlondikeForm(QWidget* parent) : TKlondikeForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
