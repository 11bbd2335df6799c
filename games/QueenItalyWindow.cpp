#include "QueenItalyWindow.h"

#include "PileEvents.h"
#include "QueenItalySolver.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;
using F = TQueenItalyForm;

constexpr int kTerraceCards = 11;
constexpr int kFirstColumns = 4;
} // namespace

const TGameInfo& TQueenItalyForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TQueenItalyForm");
        i.Name = QStringLiteral("Queen of Italy");
        i.PlacementSection = QStringLiteral("QueenItaly");
        i.ProfileSection = QStringLiteral("QueenItaly");
        i.HelpTopic = 1010;
        i.Decks = 2;
        i.WinScore = 104;
        i.ClientWidth = 882;
        i.ClientHeight = 702;
        i.MinHeight = 600;
        i.ResizeMargin = 427;
        // The base card goes home without a new caption: the score shows
        // from the next move on.
        i.CaptionMayLag = true;
        i.FirstSeparator = QStringLiteral("N3");
        i.SecondSeparator = QStringLiteral("N1");
        return i;
    }();
    return info;
}

const TLayout& TQueenItalyForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l = {{QStringLiteral("TerracePileView"), S::Other, 344, 8, 225, 125, 12.0f, 0.0f, S::Draggable}};
        for (int i = 0; i < 8; ++i)
            l.push_back({Numbered("FoundPile", i + 1), S::Foundation, 96 + 88 * i, 139, 80, 125, 0.0f, 0.0f,
                         S::Bordered});
        for (int i = 0; i < 9; ++i)
            l.push_back({Numbered("TableauPileView", i + 1), S::Tableau, 56 + 88 * i, 272, 80, 273, 0.0f, 20.0f,
                         S::Draggable});
        // Stock and waste stay at the bottom edge as the window grows.
        l.push_back({QStringLiteral("DeckPileView"), S::Stock, 12, 552, 117, 145, 0.2f, 0.2f, S::Hint, FS_RECYCLE,
                     148});
        l.push_back({QStringLiteral("DiscardPileView"), S::Waste, 136, 552, 745, 125, 12.0f, 0.0f, S::Draggable,
                     FS_BLANK, 148});
        return l;
    }();
    return layout;
}

TQueenItalyForm::TQueenItalyForm(QWidget* parent) : TQueenItalyForm(parent, LargeInfo(), LargeLayout()) {
    FormCreate();
}

TQueenItalyForm::TQueenItalyForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    TerracePileView = PileView(QStringLiteral("TerracePileView"));
    DeckPileView = ViewsOf(S::Stock).front();
    DiscardPileView = ViewsOf(S::Waste).front();
    Bind<F>(this, {DeckPileView},
            {.MouseDown = &F::FormMouseDown, .Click = &F::DeckPileViewClick, .DragOver = &F::FormDragOver});
    Bind<F>(this, {TerracePileView, DiscardPileView},
            {.MouseDown = &F::DiscardPileViewMouseDown, .DblClick = &F::TableauPileView1DblClick,
             .StartDrag = &F::TableauPileView1StartDrag, .DragOver = &F::FormDragOver,
             .EndDrag = &F::TableauPileView1EndDrag});
    Bind<F>(this, Foundation, {.MouseDown = &F::FormMouseDown, .DragOver = &F::FoundPile1DragOver});
    Bind<F>(this, Tableau,
            {.MouseDown = &F::TableauPileView1MouseDown, .DblClick = &F::TableauPileView1DblClick,
             .StartDrag = &F::TableauPileView1StartDrag, .DragOver = &F::TableauPileView1DragOver,
             .EndDrag = &F::TableauPileView1EndDrag});
}

bool TQueenItalyForm::AddOptionItems(QMenu* menu) {
    Autoplay1 = AddCheckItem(menu, QStringLiteral("Autoplay1"), tr("&Autoplay"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(Autoplay1, &QAction::triggered, this, [this] { Autoplay1Click(); });
    return true;
}

void TQueenItalyForm::ReadOptions() {
    AutoplayOn = ReadOption(QStringLiteral("Autoplay"), false);
    Autoplay1->setChecked(AutoplayOn);
}

// --- Deal: eleven cards on the terrace, one on each of the first four columns ---

void TQueenItalyForm::DealCards(bool newDeal, bool quiet) {
    BeginDeal(DeckPileView, newDeal, quiet);
    const bool animate = Animate(quiet);
    TCardPile* stock = DeckPileView->Pile;
    for (int i = 0; i < kTerraceCards; ++i) DealCard(stock, TerracePileView, true, animate);
    DealRoundDone(DeckPileView, animate);
    for (int c = 0; c < kFirstColumns; ++c) {
        DealCard(stock, Tableau[std::size_t(c)], true, animate);
        DealRoundDone(DeckPileView, animate);
    }
    UpdateStockHint();
    StockTurns = 0;
    BaseChosen = false;
    DeckPileView->State = FS_RECYCLE;
    EndDeal();
}

int TQueenItalyForm::CountScore() const {
    int count = 0;
    for (const TCardPileView* f : Foundation) count += static_cast<int>(f->Pile->Cards.size());
    return count;
}

// --- The base: the first card pressed goes home and sets every foundation's first rank ---

void TQueenItalyForm::ChooseBase(TCardPileView* column) {
    TCard* card = column->SelectedCard;
    column->Pile->RemoveCard(card);
    Foundation.front()->Pile->AddCard(card);
    column->repaint();
    Foundation.front()->repaint();
    BaseChosen = true;
    BaseRank = card->Value;
    FillGaps();
}

void TQueenItalyForm::FillGaps() {
    const bool animate = Animate(false);
    for (TCardPileView* column : Tableau) {
        if (!column->Pile->Cards.empty()) continue;
        if (DealCard(DeckPileView->Pile, column, true, animate) != nullptr && animate)
            Play(&TSoundManager::PlayDeal);
    }
    DeckPileView->repaint();
    UpdateStockHint();
    for (TCardPileView* column : Tableau) column->repaint();
}

// --- Stock: one card at a time; turned over, it turns only onto an empty waste ---

void TQueenItalyForm::DeckPileViewClick(QObject*) {
    if (!BaseChosen || Dragging()) return;
    TCardPile* stock = DeckPileView->Pile;
    TCardPile* waste = DiscardPileView->Pile;
    // With both piles empty there is nothing to turn over, and nothing is recorded.
    if (stock->Cards.empty() && !waste->Cards.empty()) {
        waste->CopyPileTo(stock);
        UndoList->RecordPileMove(DiscardPileView, DeckPileView, waste);
        stock->Flip();
        waste->Empty(false);
        DiscardPileView->repaint();
        DeckPileView->repaint();
        ++StockTurns;
        DeckPileView->State = FS_BLANK;
    }
    TurnStockCard();
    MoveDone();
}

void TQueenItalyForm::TurnStockCard() {
    const bool wasteBlocked = StockTurned() && !DiscardPileView->Pile->Cards.empty();
    if (TCard* card = wasteBlocked ? nullptr : DeckPileView->Pile->CardAt(TOP_OF_PILE)) {
        card->FaceUp = true;
        MoveTopCard(DeckPileView, DiscardPileView);
        ++MoveCount;
        Play(&TSoundManager::PlayStock);
    }
    UpdateStockHint();
}

void TQueenItalyForm::UpdateStockHint() {
    const std::size_t left = DeckPileView->Pile->Cards.size();
    DeckPileView->ShowHint = left > 0;
    DeckPileView->Hint = left > 0 ? QString::number(left) : QString();
    DeckPileView->repaint();
}

// --- Picking up: single top cards, after the base is chosen ---

void TQueenItalyForm::TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button,
                                                Qt::KeyboardModifiers shift, int, int) {
    auto* view = static_cast<TCardPileView*>(sender);
    if (!BaseChosen) {
        if (button != Qt::LeftButton || view->SelectedCard == nullptr) return;
        ChooseBase(view);
        // The second press of a double-click would act on the card just dealt here.
        ConsumePress(sender);
        return;
    }
    if (TCardPileView* v = LiftablePress(sender, button, shift))
        v->CanDrag = v->SelectedCard == v->Pile->CardAt(TOP_OF_PILE);
}

void TQueenItalyForm::DiscardPileViewMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                               int, int) {
    if (!BaseChosen) return;
    if (TCardPileView* v = LiftablePress(sender, button, shift))
        v->CanDrag = v->SelectedCard == v->Pile->CardAt(TOP_OF_PILE);
}

// --- Dropping: columns down in alternate colours, foundations up from the base ---

bool TQueenItalyForm::ColumnTakes(const TCardPileView* target, const TCardPileView* source, const TCard* card) const {
    return target != source && TQueenItalySolver::ColumnTakes(card, target->Pile->CardAt(TOP_OF_PILE), source == TerracePileView);
}

bool TQueenItalyForm::CanDropOnColumn(TCardPileView* target, TCardPileView* source) const {
    return source->DragPile->Cards.size() == 1 && ColumnTakes(target, source, source->DragPile->Cards.front());
}

bool TQueenItalyForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) const {
    return source->DragPile->Cards.size() == 1 && Takes(target, source->DragPile->Cards.front(), 1);
}

void TQueenItalyForm::TableauPileView1StartDrag(QObject* sender) {
    auto* source = static_cast<TCardPileView*>(sender);
    auto onColumn = [this](TCardPileView* t, TCardPileView* s) { return CanDropOnColumn(t, s); };
    auto onBuiltColumn = [onColumn](TCardPileView* t, TCardPileView* s) {
        return !t->Pile->Cards.empty() && onColumn(t, s);
    };
    auto onFoundation = [this](TCardPileView* t, TCardPileView* s) { return CanDropOnFoundation(t, s); };
    // A column that holds cards first, then a gap, then home.
    if (!PresetTarget(source, Tableau, onBuiltColumn) && !PresetTarget(source, Tableau, onColumn))
        PresetTarget(source, Foundation, onFoundation);
    source->repaint();
}

void TQueenItalyForm::TableauPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return CanDropOnColumn(t, s); });
}

void TQueenItalyForm::FoundPile1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept,
                [this](TCardPileView* t, TCardPileView* s) { return CanDropOnFoundation(t, s); });
}

void TQueenItalyForm::TableauPileView1EndDrag(QObject* sender, QObject*, int, int) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) return;
    ++MoveCount;
    UndoList->RecordPileMove(source, source->DropTarget, source->DragPile);
    MoveDone();
}

// --- The rules, shared with the solver ---

std::shared_ptr<TSolverRules> TQueenItalyForm::MakeSolver() const { return std::make_shared<TQueenItalySolver>(); }

void TQueenItalyForm::SolverCounters(TSolverTable& table) const {
    using Q = TQueenItalySolver;
    table.Counter[Q::BaseChosenSlot] = BaseChosen ? 1 : 0;
    table.Counter[Q::BaseRankSlot] = BaseChosen ? static_cast<std::int16_t>(BaseRank) : 0;
    table.Counter[Q::TurnedSlot] = StockTurned() ? 1 : 0;
}

// --- Sending cards home ---

TCardPileView* TQueenItalyForm::FoundationFor(const TCard* card) const {
    return View(TQueenItalySolver::FoundationFor(SolverTable(), card));
}

void TQueenItalyForm::TableauPileView1DblClick(QObject* sender) {
    if (Dragging() || !BaseChosen) return;
    DoubleClickMove(static_cast<TCardPileView*>(sender));
}

void TQueenItalyForm::DoubleClickMove(TCardPileView* view) {
    if (!BaseChosen) return;
    const TCard* card = view->Pile->CardAt(TOP_OF_PILE);
    if (card == nullptr) return;
    if (TCardPileView* home = FoundationFor(card)) {
        MoveTopCard(view, home);
        Play(&TSoundManager::PlayAutoplay);
        ++MoveCount;
    }
    MoveDone();
}

void TQueenItalyForm::MoveDone() {
    UpdateScore();
    if (!GameWon) CheckWinScore();
    AutoplayPass();
}

void TQueenItalyForm::AutoplayPass() {
    if (!AutoplayOn) return;
    std::vector<TCardPileView*> piles{TerracePileView};
    piles.insert(piles.end(), Tableau.begin(), Tableau.end());
    piles.push_back(DiscardPileView);
    // Each move home runs a new pass of its own, so cards cascade.
    AutoplaySweep(piles, [this](TCardPileView* pile) { DoubleClickMove(pile); });
}

// --- Undo: one record at a time ---

void TQueenItalyForm::Undo1Click() {
    UndoList->PeekLast();
    if (UndoList->LastSource == nullptr) return;
    const bool turnOver = UndoList->LastSource == DiscardPileView && UndoList->LastTarget == DeckPileView;
    if (UndoList->LastSource == DeckPileView) {
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = false; // back onto the stock
    } else if (turnOver) {
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = true; // back onto the waste
    }
    UndoStep();
    if (turnOver) {
        // A turn-over was no move; the restriction stays while an earlier one stands.
        --StockTurns;
        DeckPileView->State = FS_RECYCLE;
        DeckPileView->repaint();
    } else {
        --MoveCount;
    }
    Play(&TSoundManager::PlayUndo);
    UpdateStockHint();
    UpdateScore();
}

// --- Options ---

void TQueenItalyForm::Autoplay1Click() {
    AutoplayOn = !AutoplayOn;
    Autoplay1->setChecked(AutoplayOn);
    SaveOption(QStringLiteral("Autoplay"), AutoplayOn);
}

// --- Small cards: options of their own ---

const TGameInfo& TsQueenItalyForm::SmallInfo() {
    static const TGameInfo info =
        SmallCardInfo(TQueenItalyForm::LargeInfo(), QStringLiteral("TsQueenItalyForm"), QStringLiteral("sQueenItaly"),
                      QSize(670, 541), 480, 333, QStringLiteral("sQueenItaly"));
    return info;
}

const TLayout& TsQueenItalyForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(
        TQueenItalyForm::LargeLayout(),
        TPlaces{{"TerracePileView", 248, 8, 170, 95, -1.0f, 9.0f}} + PlaceRow("FoundPile", 8, 48, 72, 107, 61, 95) +
            PlaceRow("TableauPileView", 9, 16, 72, 208, 61, 207, 16.0f) +
            TPlaces{{"DeckPileView", 12, 424, 89, 110, -1.0f, -1.0f, 116},
                    {"DiscardPileView", 104, 424, 566, 95, -1.0f, 9.0f, 116}});
    return layout;
}

TsQueenItalyForm::TsQueenItalyForm(QWidget* parent) : TQueenItalyForm(parent, SmallInfo(), SmallLayout()) {
    FormCreate();
}
