#include "PyramidWindow.h"

#include "Fonts.h"
#include "PyramidSolver.h"
#include "PileEvents.h"
#include "Preferences.h"
#include "Rules.h"
#include "SoundManager.h"

#include <QAction>
#include <QLabel>

namespace {
using S = TPileSlot;
using P = TPyramidForm;

constexpr int kRows = 7;
constexpr int kPositions = 28;

// Left edges of the positions, row by row from the apex.
constexpr int kLargeLeft[kPositions] = {288, 240, 328, 192, 280, 368, 144, 232, 320, 408,
                                        104, 192, 280, 368, 456, 56,  144, 232, 320, 408,
                                        496, 16,  104, 192, 280, 368, 456, 544};
constexpr int kSmallLeft[kPositions] = {232, 200, 264, 168, 232, 296, 128, 197, 267, 336,
                                        88,  160, 232, 304, 376, 50,  122, 194, 267, 339,
                                        411, 16,  88,  160, 232, 304, 376, 448};

// Position p (from 0) lies in row r (from 1) at place c (from 1).
int RowOf(int p) { return TPyramidSolver::RowOf(p); }
int PlaceOf(int p) {
    const int row = RowOf(p);
    return p - row * (row - 1) / 2 + 1;
}

const char* PassCaption(int pass) {
    switch (pass) {
    case 1: return QT_TRANSLATE_NOOP("TPyramidForm", "First Pass");
    case 2: return QT_TRANSLATE_NOOP("TPyramidForm", "Second Pass");
    default: return QT_TRANSLATE_NOOP("TPyramidForm", "Third Pass");
    }
}
} // namespace

const TGameInfo& TPyramidForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TPyramidForm");
        i.Name = QStringLiteral("Pyramid");
        i.PlacementSection = QStringLiteral("Pyramid");
        i.HelpTopic = 1009;
        i.Fixed = true;
        i.ClientWidth = 640;
        i.ClientHeight = 586;
        i.RestoreState = true;
        return i;
    }();
    return info;
}

const TLayout& TPyramidForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l;
        for (int p = 0; p < kPositions; ++p) {
            const unsigned freeRow = RowOf(p) == kRows ? S::Draggable : S::None;
            l.push_back({Numbered("CardPileView", p + 1), S::Other, kLargeLeft[p], 8 + 48 * (RowOf(p) - 1), 80, 125,
                         0.0f, 0.0f, S::ManualDrop | freeRow});
        }
        l.push_back({QStringLiteral("DeckPileView"), S::Stock, 136, 432, 113, 145, 0.6f, 0.6f, S::Hint | S::DragDelayed,
                     FS_RECYCLE});
        l.push_back({QStringLiteral("PlayPileView"), S::Waste, 272, 432, 80, 125, 0.0f, 0.0f,
                     S::Draggable | S::DragDelayed | S::ManualDrop});
        l.push_back({QStringLiteral("WastePileView"), S::Waste, 368, 432, 113, 145, 0.6f, 0.6f,
                     S::Draggable | S::ManualDrop});
        l.push_back({QStringLiteral("DiscardPileView"), S::Foundation, 544, 440, 80, 125, 0.0f, 0.0f, S::Bordered});
        l.push_back({QStringLiteral("Label1"), S::Label, 8, 560, 71, 19});
        return l;
    }();
    return layout;
}

TPyramidForm::TPyramidForm(QWidget* parent) : TPyramidForm(parent, LargeInfo(), LargeLayout(), 16) { FormCreate(); }

TPyramidForm::TPyramidForm(QWidget* parent, const TGameInfo& info, const TLayout& layout, int labelPixels)
    : TGameForm(info, layout, parent) {
    for (int p = 0; p < kPositions; ++p) Pyramid.push_back(PileView(Numbered("CardPileView", p + 1)));
    DeckPileView = PileView(QStringLiteral("DeckPileView"));
    PlayPileView = PileView(QStringLiteral("PlayPileView"));
    WastePileView = PileView(QStringLiteral("WastePileView"));
    DiscardPileView = PileView(QStringLiteral("DiscardPileView"));
    Label1 = LayoutLabel(QStringLiteral("Label1"));
    QFont font = ArialMetricsFont(labelPixels);
    font.setItalic(true);
    Label1->setFont(font);
    ShowPass();
    SetLabelColour();
    BindEvents();
}

void TPyramidForm::BindEvents() {
    Bind<P>(this, Pyramid,
            {.MouseDown = &P::CardPileView1MouseDown, .DblClick = &P::CardPileView1DblClick,
             .StartDrag = &P::CardPileView1StartDrag, .DragOver = &P::CardPileView1DragOver,
             .DragDrop = &P::CardPileView1DragDrop, .EndDrag = &P::CardPileView1EndDrag});
    Bind<P>(this, {PlayPileView, WastePileView},
            {.MouseDown = &P::CardPileView1MouseDown, .DblClick = &P::CardPileView1DblClick,
             .StartDrag = &P::PlayPileViewStartDrag, .DragOver = &P::CardPileView1DragOver,
             .DragDrop = &P::PlayPileViewDragDrop});
    Bind<P>(this, {DiscardPileView},
            {.MouseDown = &P::FormMouseDown, .DragOver = &P::DiscardPileViewDragOver,
             .DragDrop = &P::DiscardPileViewDragDrop});
    Bind<P>(this, {DeckPileView},
            {.MouseDown = &P::FormMouseDown, .Click = &P::DeckPileViewClick, .DragOver = &P::FormDragOver});
}

// --- The pyramid's positions ---

QString TPyramidForm::PileLabel(const TCardPileView* view) const {
    if (const int p = PositionOf(view); p >= 0) return tr("Row %1, card %2").arg(RowOf(p)).arg(PlaceOf(p));
    if (view == PlayPileView) return tr("Turned card");
    if (view == WastePileView) return tr("Waste");
    if (view == DiscardPileView) return tr("Discard");
    return TGameForm::PileLabel(view);
}

int TPyramidForm::PositionOf(const TCardPileView* view) const {
    for (int p = 0; p < kPositions; ++p)
        if (Pyramid[std::size_t(p)] == view) return p;
    return -1;
}

TCardPileView* TPyramidForm::At(int row, int place) const {
    if (row < 1 || row > kRows || place < 1 || place > row) return nullptr;
    return Pyramid[std::size_t(row * (row - 1) / 2 + place - 1)];
}

// A position is free when both positions of the row below that overlap it
// are empty; only the rows above an emptied or refilled one can change.
void TPyramidForm::UpdateFreeCards(const TCardPileView* position) {
    const int p = PositionOf(position);
    if (p < 0) return;
    const int row = RowOf(p), place = PlaceOf(p);
    auto empty = [this](int r, int c) {
        const TCardPileView* v = At(r, c);
        return v == nullptr || v->Pile->Cards.empty();
    };
    for (int c : {place - 1, place})
        if (TCardPileView* above = At(row - 1, c)) above->AllowDrag = empty(row, c) && empty(row, c + 1);
}

void TPyramidForm::RepaintPyramidFrom(const TCardPileView* position) {
    const int p = PositionOf(position);
    if (p < 0) return;
    const int row = qMax(1, RowOf(p) - 1);
    for (int q = row * (row - 1) / 2; q < kPositions; ++q)
        if (Pyramid[std::size_t(q)]->isVisible()) Pyramid[std::size_t(q)]->repaint();
}

void TPyramidForm::ClearPosition(TCardPileView* view) {
    view->hide();
    view->lower();
    UpdateFreeCards(view);
}

void TPyramidForm::ShowPosition(TCardPileView* view) {
    view->raise();
    view->show();
    view->repaint();
}

// --- Deal ---

void TPyramidForm::DealCards(bool newDeal, bool quiet) {
    DeckPileView->YOffset = 0.2f; // a thin stock while dealing
    BeginDeal(DeckPileView, newDeal, quiet);
    const bool animate = Animate(quiet);
    for (int p = 0; p < kPositions; ++p) {
        TCardPileView* view = Pyramid[std::size_t(p)];
        view->raise();
        view->show();
        view->AllowDrag = RowOf(p) == kRows;
        if (DealCard(DeckPileView->Pile, view, true, animate) != nullptr && animate) DeckPileView->repaint();
    }
    DealRoundDone(DeckPileView, animate);
    DeckPileView->YOffset = 0.6f;
    PassNumber = 1;
    ShowPass();
    UpdateStockHint();
    EndDeal();
}

int TPyramidForm::CountScore() const { return static_cast<int>(DiscardPileView->Pile->Cards.size()); }

int TPyramidForm::UpdateScore() {
    DiscardCount = TGameForm::UpdateScore();
    return DiscardCount;
}

void TPyramidForm::CheckForWin() {
    UpdateScore();
    CheckWinScore();
}

// --- Stock ---

void TPyramidForm::DeckPileViewClick(QObject*) {
    if (Dragging()) return;
    UndoList->BeginAction();
    TCardPile* stock = DeckPileView->Pile;
    if (!PlayPileView->Pile->Cards.empty()) MoveTopCard(PlayPileView, WastePileView);
    auto turnUp = [this, stock] {
        TCard* card = stock->CardAt(TOP_OF_PILE);
        stock->RemoveCard(card);
        card->FaceUp = true;
        PlayPileView->Pile->AddCard(card);
        UndoList->RecordCardMove(DeckPileView, PlayPileView, card);
    };
    if (!stock->Cards.empty()) {
        turnUp();
        ++MoveCount;
    } else {
        // The third pass ends here: at most the play card went to the waste.
        if (PassNumber >= 3) return;
        // Redeal: the waste, turned over, is the stock again, and the first
        // card of the new pass comes up. It counts no move.
        TCardPile* waste = WastePileView->Pile;
        waste->CopyPileTo(stock);
        UndoList->RecordPileMove(WastePileView, DeckPileView, waste);
        waste->Empty(false);
        stock->Flip();
        if (!stock->Cards.empty()) turnUp();
        ++PassNumber;
    }
    DeckPileView->repaint();
    PlayPileView->repaint();
    WastePileView->repaint();
    ShowPass();
    Play(&TSoundManager::PlayStock);
    CheckForWin();
    UpdateStockHint();
}

void TPyramidForm::UpdateStockHint() {
    const TCardPile* stock = DeckPileView->Pile;
    DeckPileView->ShowHint = !stock->Cards.empty();
    DeckPileView->Hint = stock->Cards.empty() ? QString() : QString::number(stock->Cards.size());
    // Once the third pass has emptied the stock nothing can be turned over.
    DeckPileView->State = stock->Cards.empty() && PassNumber >= 3 ? FS_BLANK : FS_RECYCLE;
    DeckPileView->repaint();
}

void TPyramidForm::ShowPass() {
    Label1->setText(tr(PassCaption(PassNumber)));
    Label1->adjustSize();
}

void TPyramidForm::SetLabelColour() {
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, Preferences().BackgroundColor < 8388607u ? Qt::white : Qt::black);
    Label1->setPalette(pal);
}

// --- Picking up: one top card of a free position, the play card or the waste ---

void TPyramidForm::CardPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int,
                                          int) {
    if (TCardPileView* view = LiftablePress(sender, button, shift))
        view->CanDrag = view->SelectedCard == view->Pile->CardAt(TOP_OF_PILE);
}

void TPyramidForm::CardPileView1StartDrag(QObject* sender) {
    auto* view = static_cast<TCardPileView*>(sender);
    view->repaint();
    view->hide(); // its card travels with the mouse
    RepaintPyramidFrom(view);
}

void TPyramidForm::PlayPileViewStartDrag(QObject* sender) { static_cast<TCardPileView*>(sender)->repaint(); }

void TPyramidForm::CardPileView1EndDrag(QObject* sender, QObject*, int, int) {
    auto* view = static_cast<TCardPileView*>(sender);
    if (!view->Pile->Cards.empty()) ShowPosition(view);
}

// --- Where a card may go: every test starts by refusing ---

bool TPyramidForm::Pairs(const TCardPileView* target, const TCardPileView* source, const TCard* card) const {
    // A card never pairs with the card beneath it on its own pile.
    return target != source && target != DiscardPileView && Takes(target, card, 1);
}

bool TPyramidForm::MayPair(TCardPileView* target, TCardPileView* source) const {
    return source->DragPile->Cards.size() == 1 && Pairs(target, source, source->DragPile->Cards.front());
}

// --- The rules, shared with the solver ---

std::shared_ptr<TSolverRules> TPyramidForm::MakeSolver() const { return std::make_shared<TPyramidSolver>(); }

void TPyramidForm::SolverCounters(TSolverTable& table) const { table.Counter[TPyramidSolver::PassSlot] = PassNumber; }

void TPyramidForm::CardPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    if (source != nullptr) source->DropTarget = nullptr;
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return MayPair(t, s); });
}

void TPyramidForm::DiscardPileViewDragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    if (source != nullptr) source->DropTarget = nullptr;
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) {
        return s->DragPile->Cards.size() == 1 && Takes(t, s->DragPile->Cards.front(), 1);
    });
}

void TPyramidForm::FormDragOver(QObject*, TCardPileView* source, int, int, bool& accept) {
    if (source != nullptr) source->DropTarget = nullptr;
    accept = false;
}

// --- Removing cards: each removal is one action of the history ---

void TPyramidForm::DiscardDragged(TCardPileView* source) {
    UndoList->BeginAction();
    DiscardPileView->Pile->AddPile(source->DragPile);
    UndoList->RecordPileMove(source, DiscardPileView, source->DragPile);
}

void TPyramidForm::CardPileView1DragDrop(QObject* sender, TCardPileView* source, int, int) {
    auto* target = static_cast<TCardPileView*>(sender);
    // Not the drop the drag-over allowed: the card goes home.
    if (source->DropTarget != target || !MayPair(target, source)) {
        source->DropTarget = nullptr;
        return;
    }
    DiscardDragged(source);
    DiscardPileView->Pile->AddPile(target->Pile);
    UndoList->RecordPileMove(target, DiscardPileView, target->Pile);
    target->Pile->Empty(false);
    ClearPosition(target);
    if (IsPyramid(source)) ClearPosition(source);
    else source->repaint();
    DiscardPileView->repaint();
    ++MoveCount;
    RepaintPyramidFrom(target);
    Play(&TSoundManager::PlayAutoplayAsync);
    CheckForWin();
}

void TPyramidForm::PlayPileViewDragDrop(QObject* sender, TCardPileView* source, int, int) {
    auto* target = static_cast<TCardPileView*>(sender);
    if (source->DropTarget != target || !MayPair(target, source)) {
        source->DropTarget = nullptr;
        return;
    }
    DiscardDragged(source);
    TCard* card = target->Pile->CardAt(TOP_OF_PILE);
    target->Pile->RemoveCard(card);
    DiscardPileView->Pile->AddCard(card);
    UndoList->RecordCardMove(target, DiscardPileView, card);
    target->repaint();
    DiscardPileView->repaint();
    ++MoveCount;
    if (IsPyramid(source)) {
        ClearPosition(source);
        RepaintPyramidFrom(source);
    } else {
        source->repaint();
    }
    Play(&TSoundManager::PlayAutoplay);
    CheckForWin();
}

void TPyramidForm::DiscardPileViewDragDrop(QObject*, TCardPileView* source, int, int) {
    if (source->DropTarget != DiscardPileView) {
        source->DropTarget = nullptr;
        return;
    }
    DiscardDragged(source);
    if (IsPyramid(source)) {
        ClearPosition(source);
        RepaintPyramidFrom(source);
    } else {
        source->repaint();
    }
    DiscardPileView->repaint();
    ++MoveCount;
    Play(&TSoundManager::PlayAutoplay);
    CheckForWin();
}

void TPyramidForm::CardPileView1DblClick(QObject* sender) {
    if (Dragging()) return;
    DoubleClickMove(static_cast<TCardPileView*>(sender));
}

void TPyramidForm::DoubleClickMove(TCardPileView* view) {
    if (DoubleClickTarget(view) == DiscardPileView) {
        TCard* king = view->Pile->CardAt(TOP_OF_PILE);
        UndoList->BeginAction();
        view->Pile->RemoveCard(king);
        DiscardPileView->Pile->AddCard(king);
        UndoList->RecordCardMove(view, DiscardPileView, king);
        if (IsPyramid(view)) {
            ClearPosition(view);
            RepaintPyramidFrom(view);
        } else {
            view->repaint();
        }
        DiscardPileView->repaint();
        ++MoveCount;
    }
    CheckForWin();
}

// --- Undo: one player action at a time ---
//
// A turn from the stock is its card and the play card it sent to the waste;
// a pair is its two cards; a redeal is taken back in two steps, first the
// card it turned up, then the turned-over waste with the play card that went
// there first.

void TPyramidForm::UndoRecord() {
    UndoList->PeekLast();
    TCardPileView* source = UndoList->LastSource;
    TCardPileView* target = UndoList->LastTarget;
    UndoList->UndoLast();
    if (source == WastePileView && target == DeckPileView) {
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = true;
        --PassNumber;
        ShowPass();
    } else if (source == DeckPileView) {
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = false;
    }
    UndoList->DropLast();
    if (target != nullptr) target->repaint();
    if (IsPyramid(source)) {
        ShowPosition(source);
        UpdateFreeCards(source);
        RepaintPyramidFrom(source);
    } else if (source != nullptr) {
        source->repaint();
    }
}

void TPyramidForm::Undo1Click() {
    const int count = UndoList->RecordCount();
    if (count == 0) return;
    Play(&TSoundManager::PlayUndo);
    int records = UndoList->LastActionSize();
    bool redeal = false, counted = false;
    for (int k = count - records; k < count; ++k) {
        const TCardPileView* source = UndoList->Sources[std::size_t(k)];
        const TCardPileView* target = UndoList->Targets[std::size_t(k)];
        redeal = redeal || (source == WastePileView && target == DeckPileView);
        counted = counted || target == DiscardPileView || (source == DeckPileView && target == PlayPileView);
    }
    // The first step back from a redeal is the card it turned up alone.
    if (redeal && UndoList->Sources.back() == DeckPileView) records = 1;
    for (int i = 0; i < records; ++i) UndoRecord();
    // A redeal counted no move; every other turn and every removal one.
    if (counted && !redeal) --MoveCount;
    UpdateStockHint();
    UpdateScore();
}

// --- Small cards ---

const TGameInfo& TsPyramidForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TPyramidForm::LargeInfo(), QStringLiteral("TsPyramidForm"),
                                                QStringLiteral("sPyramid"), QSize(520, 480), 0, 0);
    return info;
}

const TLayout& TsPyramidForm::SmallLayout() {
    static const TLayout layout = [] {
        TPlaces places;
        for (int p = 0; p < kPositions; ++p)
            places.push_back({Numbered("CardPileView", p + 1), kSmallLeft[p], 8 + 40 * (RowOf(p) - 1), 61, 95});
        places = places + TPlaces{{"DeckPileView", 112, 353, 88, 113, 0.5f, 0.5f},
                                  {"PlayPileView", 216, 353, 61, 95},
                                  {"WastePileView", 296, 353, 88, 113, 0.5f, 0.5f},
                                  {"DiscardPileView", 448, 361, 61, 95},
                                  {"Label1", 5, 454, 60, 16}};
        return SmallCardLayout(TPyramidForm::LargeLayout(), places);
    }();
    return layout;
}

TsPyramidForm::TsPyramidForm(QWidget* parent) : TPyramidForm(parent, SmallInfo(), SmallLayout(), 13) {
    FormCreate();
}
