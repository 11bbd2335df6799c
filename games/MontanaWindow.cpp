#include "MontanaWindow.h"

#include "DealTracker.h"
#include "MontanaSolver.h"
#include "PileEvents.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;
using M = TMontanaForm;
constexpr int kCards = TMontanaForm::Rows * TMontanaForm::Columns;
} // namespace

const TGameInfo& TMontanaForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TMontanaForm");
        i.Name = QStringLiteral("Montana");
        i.PlacementSection = QStringLiteral("Montana");
        i.HelpTopic = 1008;
        i.WinScore = 48;
        i.WinAtLeast = true;
        i.Fixed = true;
        i.ClientWidth = 1041;
        i.ClientHeight = 580;
        // The deal and a reshuffle leave the caption as it was.
        i.CaptionMayLag = true;
        i.RulesCaption = QStringLiteral(QT_TRANSLATE_NOOP("TGameForm", "Rul&es..."));
        i.FirstSeparator = QStringLiteral("N2");
        i.SecondSeparator = QStringLiteral("N1");
        return i;
    }();
    return info;
}

const TLayout& TMontanaForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c)
                l.push_back({Numbered("CardPileView", Columns * r + c + 1), S::Other, 80 * c, 8 + 144 * r, 80, 125,
                             0.0f, 0.0f, S::Draggable});
        l.push_back({QStringLiteral("DiscardPileView"), S::Store, 72, 576, 129, 17, 0.0f, 0.0f, S::Hidden});
        return l;
    }();
    return layout;
}

TMontanaForm::TMontanaForm(QWidget* parent) : TMontanaForm(parent, LargeInfo(), LargeLayout()) { FormCreate(); }

TMontanaForm::TMontanaForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    Grid = ViewsOf(S::Other);
    DiscardPileView = ViewsOf(S::Store).front();
    Bind<M>(this, Grid,
            {.MouseDown = &M::CardPileView1MouseDown, .DblClick = &M::CardPileView1DblClick,
             .StartDrag = &M::CardPileView1StartDrag, .DragOver = &M::CardPileView1DragOver,
             .EndDrag = &M::CardPileView1EndDrag});
    Bind<M>(this, {DiscardPileView}, {.DragOver = &M::FormDragOver});
}

bool TMontanaForm::AddOptionItems(QMenu* menu) {
    Shuffle1 = AddCommandItem(menu, QStringLiteral("Shuffle1"), tr("&Shuffle Remaining"),
                              QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(Shuffle1, &QAction::triggered, this, [this] {
        if (!Dragging() && Shuffle1->isEnabled()) Shuffle1Click();
    });
    return true;
}

TCard* TMontanaForm::CardOf(const TCardPileView* view) { return view->Pile->CardAt(TOP_OF_PILE); }

QString TMontanaForm::PileLabel(const TCardPileView* view) const {
    const int i = GridIndex(view);
    if (i < 0) return TGameForm::PileLabel(view);
    return tr("Row %1, place %2").arg(i / Columns + 1).arg(i % Columns + 1);
}

int TMontanaForm::GridIndex(const TCardPileView* view) const {
    for (int i = 0; i < kCards; ++i)
        if (Grid[std::size_t(i)] == view) return i;
    return -1;
}

// --- Deal: column by column, rows 1 to 4, then the Aces out ---

void TMontanaForm::DealCards(bool newDeal, bool quiet) {
    // The deck is gathered where the last card will lie.
    TCardPileView* dealer = Grid.back();
    BeginDeal(dealer, newDeal, quiet, true);
    TCardPile* deck = dealer->Pile;
    for (TCard* card : deck->Cards) card->FaceUp = true;
    const bool animate = Animate(quiet);
    for (int c = 0; c < Columns; ++c) {
        if (animate) Play(&TSoundManager::PlayDeal);
        for (int r = 0; r < Rows; ++r) DealCard(deck, At(r, c), true, animate);
    }
    for (TCardPileView* position : Grid) {
        TCard* card = CardOf(position);
        if (card == nullptr || card->Value != FS_ACE) continue;
        position->Pile->RemoveCard(card);
        DiscardPileView->Pile->AddCard(card);
        if (!quiet) position->repaint();
    }
    // The caption keeps the bare name until the first move.
    EndDeal();
    RedealCount = 0;
    Shuffle1->setEnabled(true);
}

// --- Score: the cards in sequence from column 1 of each row ---

int TMontanaForm::KeptLength(int row) const { return TMontanaSolver::KeptLength(SolverTable(), row); }

int TMontanaForm::CountScore() const { return TMontanaSolver::Sequence(SolverTable()); }

void TMontanaForm::CheckForWin() {
    UpdateScore();
    if (Info().IsWinningScore(FoundationCount)) Shuffle1->setEnabled(false);
    CheckWinScore();
}

// --- Moves ---

bool TMontanaForm::Fits(const TCard* card, int gap) const { return TMontanaSolver::Fits(SolverTable(), card, gap); }

TCardPileView* TMontanaForm::AutomaticTarget(const TCardPileView* view) const {
    return View(TMontanaSolver::AutomaticTarget(SolverTable(), IndexOf(view)));
}

bool TMontanaForm::AutomaticMove(TCardPileView* view) {
    CardMoved = false;
    TCardPileView* target = AutomaticTarget(view);
    if (target == nullptr) return false;
    MoveTopCard(view, target);
    ++MoveCount;
    CheckForWin();
    CardMoved = true;
    return true;
}

TCardPileView* TMontanaForm::GapFiller(const TCardPileView* gap) const {
    return View(TMontanaSolver::GapFiller(SolverTable(), IndexOf(gap)));
}

bool TMontanaForm::FillGap(TCardPileView* gap) {
    const int index = GridIndex(gap);
    if (index % Columns != 0)
        if (const TCard* left = CardOf(Grid[std::size_t(index - 1)]); left != nullptr && left->Value == FS_KING)
            return false;
    if (TCardPileView* from = GapFiller(gap)) {
        MoveTopCard(from, gap);
        ++MoveCount;
    }
    return true;
}

void TMontanaForm::CardPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button != Qt::LeftButton && button != Qt::MiddleButton) return;
    auto* view = static_cast<TCardPileView*>(sender);
    const int before = MoveCount;
    if (CardOf(view) != nullptr) {
        if (AutomaticMove(view)) CardMoved = false;
        else view->CanDrag = button == Qt::LeftButton && view->SelectedCard != nullptr;
    } else if (FillGap(view)) {
        CheckForWin();
    }
    // The rest of a double-click would land on what this press left behind:
    // a gap just opened, or the card just put into one.
    if (MoveCount != before) ConsumePress(sender);
}

void TMontanaForm::CardPileView1DblClick(QObject* sender) {
    if (!Dragging()) AutomaticMove(static_cast<TCardPileView*>(sender));
}

// --- The rules, shared with the solver ---

std::shared_ptr<TSolverRules> TMontanaForm::MakeSolver() const {
    return std::make_shared<TMontanaSolver>(Info().WinScore, Info().WinAtLeast);
}

QString TMontanaForm::HintWithoutMoves() const {
    if (Shuffle1 != nullptr && Shuffle1->isEnabled())
        return tr("No more moves. Shuffle Remaining deals the cards out of sequence again.");
    return {};
}

// --- Dragging: onto a gap that the card fits ---

void TMontanaForm::CardPileView1StartDrag(QObject* sender) { static_cast<TCardPileView*>(sender)->repaint(); }

void TMontanaForm::CardPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* target, TCardPileView* from) {
        return target->Pile->Cards.empty() && !from->DragPile->Cards.empty() &&
               Fits(from->DragPile->Cards.front(), GridIndex(target));
    });
}

void TMontanaForm::CardPileView1EndDrag(QObject* sender, QObject*, int, int) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) return;
    ++MoveCount;
    UndoList->RecordPileMove(source, source->DropTarget, source->DragPile);
    CheckForWin();
}

// --- Shuffle Remaining ---

void TMontanaForm::Shuffle1Click() {
    Deals().PlayerActed(); // the one move that leaves no undo record
    // Gather every card after each row's sequence; the position right after
    // a sequence stays a gap, the rest are dealt again.
    TCardPile rest;
    std::vector<TCardPileView*> refill[Rows];
    for (int r = 0; r < Rows; ++r) {
        const int kept = KeptLength(r);
        for (int c = kept; c < Columns; ++c) {
            TCardPileView* position = At(r, c);
            if (TCard* card = CardOf(position)) {
                position->Pile->RemoveCard(card);
                rest.AddCard(card);
            }
            if (c > kept || kept == 0) refill[r].push_back(position);
        }
    }
    RepaintAll();
    for (TCard* ace : std::vector<TCard*>(DiscardPileView->Pile->Cards)) {
        DiscardPileView->Pile->RemoveCard(ace);
        rest.AddCard(ace);
    }

    const bool animate = Animate(false);
    if (!rest.Cards.empty()) {
        rest.Shuffle();
        Play(&TSoundManager::PlayShuffle);
        for (int r = 0; r < Rows; ++r) {
            for (TCardPileView* position : refill[r]) DealCard(&rest, position, true, animate);
            if (animate) Play(&TSoundManager::PlayDeal);
        }
    }
    // No Aces on the grid: each goes back out, the next card in its place.
    for (int r = 0; r < Rows; ++r) {
        for (TCardPileView* position : refill[r]) {
            while (TCard* card = CardOf(position)) {
                if (card->Value != FS_ACE) break;
                position->Pile->RemoveCard(card);
                DiscardPileView->Pile->AddCard(card);
                DealCard(&rest, position, true, false);
            }
            position->repaint();
        }
    }
    // A reshuffle cannot be undone, nor anything before it.
    UndoList->Clear();
    while (TCard* card = rest.CardAt(TOP_OF_PILE)) {
        rest.RemoveCard(card);
        DiscardPileView->Pile->AddCard(card);
    }
    if (++RedealCount >= 2) Shuffle1->setEnabled(false);
    if (!animate) RepaintAll();
}

// --- Small cards ---

const TGameInfo& TsMontanaForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TMontanaForm::LargeInfo(), QStringLiteral("TsMontanaForm"),
                                                QStringLiteral("sMontana"), QSize(800, 420), 0, 0);
    return info;
}

const TLayout& TsMontanaForm::SmallLayout() {
    static const TLayout layout = [] {
        TPlaces places;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c)
                places.push_back({Numbered("CardPileView", Columns * r + c + 1), 3 + 61 * c, 8 + 104 * r, 61, 95});
        places.push_back({QStringLiteral("DiscardPileView"), 72, 400, 129, 17});
        return SmallCardLayout(TMontanaForm::LargeLayout(), places);
    }();
    return layout;
}

TsMontanaForm::TsMontanaForm(QWidget* parent) : TMontanaForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
