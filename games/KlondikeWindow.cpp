#include "KlondikeWindow.h"

#include "KlondikeSolver.h"
#include "PileEvents.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;
using K = TKlondikeForm;
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
    BindEvents();
}

void TKlondikeForm::BindEvents() {
    Bind<K>(this, {DeckPileView}, {.MouseDown = &K::FormMouseDown, .Click = &K::DeckPileViewClick,
                                   .DragOver = &K::FormDragOver});
    Bind<K>(this, {DiscardPileView},
            {.MouseDown = &K::DiscardPileViewMouseDown, .DblClick = &K::DiscardPileViewDblClick,
             .StartDrag = &K::TableauPileView1StartDrag, .DragOver = &K::FormDragOver,
             .EndDrag = &K::TableauPileView1EndDrag});
    Bind<K>(this, Foundation, {.MouseDown = &K::FormMouseDown, .DragOver = &K::FoundationPile1DragOver});
    Bind<K>(this, Tableau,
            {.MouseDown = &K::TableauPileView1MouseDown, .DblClick = &K::DiscardPileViewDblClick,
             .StartDrag = &K::TableauPileView1StartDrag, .DragOver = &K::TableauPileView1DragOver,
             .EndDrag = &K::TableauPileView1EndDrag});
}

bool TKlondikeForm::AddOptionItems(QMenu* menu) {
    Autoplay1 = AddCheckItem(menu, QStringLiteral("Autoplay1"), tr("A&utoplay"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    menu->addSeparator()->setObjectName(QStringLiteral("N3"));
    DrawThree1 = AddCheckItem(menu, QStringLiteral("DrawThree1"), tr("Draw Three"));
    DrawOne1 = AddCheckItem(menu, QStringLiteral("DrawOne1"), tr("Draw One"));
    DrawThree1->setChecked(true);
    connect(Autoplay1, &QAction::triggered, this, [this] { Autoplay1Click(); });
    connect(DrawThree1, &QAction::triggered, this, [this] { DrawThree1Click(); });
    connect(DrawOne1, &QAction::triggered, this, [this] { DrawOne1Click(); });
    return true;
}

void TKlondikeForm::ReadOptions() {
    DrawThreeOn = ReadOption(QStringLiteral("DrawThree"), DrawThreeOn);
    AutoplayOn = ReadOption(QStringLiteral("Autoplay"), AutoplayOn);
    DrawThree1->setChecked(DrawThreeOn);
    DrawOne1->setChecked(!DrawThreeOn);
    Autoplay1->setChecked(AutoplayOn);
    SyncSolverOptions();
}

// --- The solver's rules ---

std::shared_ptr<TSolverRules> TKlondikeForm::MakeSolver() const {
    auto index = [this](const std::vector<TCardPileView*>& views) {
        std::vector<int> out;
        for (const TCardPileView* view : views) out.push_back(IndexOf(view));
        return out;
    };
    auto rules = std::make_shared<TKlondikeSolver>(
        TKlondikeSolver::TPiles{IndexOf(DeckPileView), IndexOf(DiscardPileView), IndexOf(RecyclePileView),
                                index(Foundation), index(Tableau)},
        Info().Decks, OneTurnOver());
    rules->DrawThree = DrawThreeOn;
    return rules;
}

void TKlondikeForm::SolverCounters(TSolverTable& table) const {
    table.Counter[TKlondikeSolver::DrawThreeCounter] = DrawThreeOn ? 1 : 0;
    table.Counter[TKlondikeSolver::TurnOverSpentCounter] = TurnOverSpent() ? 1 : 0;
}

void TKlondikeForm::SyncSolverOptions() {
    if (const auto rules = std::static_pointer_cast<const TKlondikeSolver>(Solver())) rules->DrawThree = DrawThreeOn;
}

// --- Deal ---

void TKlondikeForm::DealCards(bool newDeal, bool quiet) {
    RecyclePileView->Pile->Empty(false);
    if (newDeal) {
        DrawOne1->setEnabled(true);
        DrawThree1->setEnabled(true);
    }
    // A thin stock while dealing, so the deal shows the pile going down.
    const float xOffset = DeckPileView->XOffset, yOffset = DeckPileView->YOffset;
    const bool thin = ThinStockWhileDealing();
    if (thin) {
        DeckPileView->XOffset = 0.4f;
        DeckPileView->YOffset = 0.1f;
    }
    BeginDeal(DeckPileView, newDeal, quiet);

    // Round r gives one card to each of columns r..7, the first face up.
    const bool animate = Animate(quiet);
    TCardPile* stock = DeckPileView->Pile;
    const std::size_t columns = Tableau.size();
    for (std::size_t round = 0; round < columns; ++round) {
        for (std::size_t c = round; c < columns; ++c)
            if (DealCard(stock, Tableau[c], c == round, animate) == nullptr) break;
        DealRoundDone(DeckPileView, animate);
    }

    DeckPileView->XOffset = xOffset;
    DeckPileView->YOffset = yOffset;
    UpdateStockHint();
    AfterDeal();
    EndDeal();
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
        // Turn the waste and its store over into a new stock.
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
    Play(&TSoundManager::PlayStock);
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

// --- Picking up: a column lifts a face-up run, the waste its top card ---

void TKlondikeForm::TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                              int, int) {
    if (TCardPileView* view = LiftablePress(sender, button, shift))
        view->CanDrag = MayLift(view, view->Pile->CardIndex(view->SelectedCard));
}

void TKlondikeForm::DiscardPileViewMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                             int, int) {
    if (TCardPileView* view = LiftablePress(sender, button, shift))
        view->CanDrag = MayLift(view, view->Pile->CardIndex(view->SelectedCard));
}

void TKlondikeForm::TableauPileView1StartDrag(QObject* sender) {
    auto* source = static_cast<TCardPileView*>(sender);
    auto lands = [this](TCardPileView* t, TCardPileView* s) { return MayLandDragged(t, s); };
    if (!PresetTarget(source, Tableau, lands)) PresetTarget(source, Foundation, lands);
    source->repaint();
}

void TKlondikeForm::TableauPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return MayLandDragged(t, s); });
}

void TKlondikeForm::FoundationPile1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return MayLandDragged(t, s); });
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

// --- Sending cards home ---

void TKlondikeForm::DiscardPileViewDblClick(QObject* sender) {
    if (Dragging()) return;
    DoubleClickMove(static_cast<TCardPileView*>(sender));
}

void TKlondikeForm::DoubleClickMove(TCardPileView* view) {
    TCard* card = view->Pile->CardAt(TOP_OF_PILE);
    if (card == nullptr) return;
    if (TCardPileView* home = DoubleClickTarget(view)) {
        MoveTopCard(view, home);
        Play(&TSoundManager::PlayAutoplay);
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
    AutoplaySweep(piles, [this](TCardPileView* pile) { DoubleClickMove(pile); });
    UpdateStockHint();
}

// --- Undo: a move may carry a turn-up, a stock turn its waste shift ---

void TKlondikeForm::Undo1Click() {
    UndoList->PeekLast();
    TCardPileView* source = UndoList->LastSource;
    if (source == nullptr) return;
    if (UndoTurnUp()) {
        // The card the move uncovered is face down again; now the move itself.
    } else if (source == DeckPileView) {
        // A draw: the drawn cards back face down, then the waste shift before it.
        UndoList->LastPile->Flip();
        UndoStep();
    } else if (source == RecyclePileView) {
        // A refill or a turn-over of the stock, then the record before it.
        const bool turnOver = UndoList->LastTarget == DeckPileView;
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = true;
        UndoStep();
        if (turnOver) AfterStockUndoTurnOver();
    }
    UndoMove();
    UpdateStockHint();
}

// --- Options ---

void TKlondikeForm::SetDrawThree(bool on) {
    DrawThreeOn = on;
    DrawThree1->setChecked(on);
    DrawOne1->setChecked(!on);
    SaveOption(QStringLiteral("DrawThree"), on);
    SyncSolverOptions();
}

void TKlondikeForm::DrawThree1Click() { SetDrawThree(true); }

void TKlondikeForm::DrawOne1Click() { SetDrawThree(false); }

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
        TPlaces{{"DeckPileView", 8, 8, 96, 101}, {"DiscardPileView", 120, 8, 107, 101}} +
            PlaceRow("FoundationPile", 4, 248, 64, 8, 61, 95) + PlaceRow("TableauPileView", 7, 8, 72, 120, 61, 270, 16.0f) +
            TPlaces{{"RecyclePileView", 464, 104, 25, 25}});
    return layout;
}

TsKlondikeForm::TsKlondikeForm(QWidget* parent) : TKlondikeForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
