#include "MontanaWindow.h"

#include "DealTracker.h"
#include "PileEvents.h"
#include "Rules.h"
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

int TMontanaForm::KeptLength(int row) const {
    const TCard* first = CardOf(At(row, 0));
    if (first == nullptr || first->Value != FS_TWO) return 0;
    int length = 1;
    for (int c = 1; c < Columns; ++c) {
        const TCard* card = CardOf(At(row, c));
        if (card == nullptr || !Rules::FitsAfter(card, CardOf(At(row, c - 1)))) break;
        ++length;
    }
    return length;
}

int TMontanaForm::CountScore() const {
    int count = 0;
    for (int r = 0; r < Rows; ++r) count += KeptLength(r);
    return count;
}

void TMontanaForm::CheckForWin() {
    UpdateScore();
    if (Info().IsWinningScore(FoundationCount)) Shuffle1->setEnabled(false);
    CheckWinScore();
}

// --- Moves ---

bool TMontanaForm::Fits(const TCard* card, int gap) const {
    if (gap % Columns == 0) return card->Value == FS_TWO;
    return Rules::FitsAfter(card, CardOf(Grid[std::size_t(gap - 1)]));
}

template <class Match> TCardPileView* TMontanaForm::FindCard(Match match) const {
    for (int i = 0; i < kCards; ++i)
        if (const TCard* card = CardOf(Grid[std::size_t(i)]); card != nullptr && match(card, i))
            return Grid[std::size_t(i)];
    return nullptr;
}

TCardPileView* TMontanaForm::AutomaticTarget(const TCardPileView* view) const {
    const TCard* card = CardOf(view);
    if (card == nullptr) return nullptr;
    if (card->Value == FS_TWO) {
        // The first gap of column 1, top to bottom.
        for (int r = 0; r < Rows; ++r)
            if (CardOf(At(r, 0)) == nullptr) return At(r, 0);
        return nullptr;
    }
    // The first gap it fits, column by column from column 2.
    for (int c = 1; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r)
            if (CardOf(At(r, c)) == nullptr && Fits(card, Columns * r + c)) return At(r, c);
    return nullptr;
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
    const int index = GridIndex(gap);
    if (index < 0 || CardOf(gap) != nullptr) return nullptr;
    if (index % Columns == 0) {
        // The 2 that the 3 on the right asks for, else the first 2 not yet in column 1.
        const TCard* right = CardOf(Grid[std::size_t(index + 1)]);
        if (right != nullptr && right->Value == FS_THREE)
            return FindCard([&](const TCard* c, int) { return c->Value == FS_TWO && c->Suit == right->Suit; });
        return FindCard([](const TCard* c, int i) { return c->Value == FS_TWO && i % Columns != 0; });
    }
    const TCard* left = CardOf(Grid[std::size_t(index - 1)]);
    if (left == nullptr || left->Value == FS_KING) return nullptr;
    return FindCard([&](const TCard* c, int) { return Rules::FitsAfter(c, left); });
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

// --- Moves as data ---

TMoves TMontanaForm::LegalMoves() const {
    TMoves moves;
    for (const TCardPileView* view : Grid)
        if (const TCardPileView* gap = AutomaticTarget(view))
            moves.push_back(TMove::PressOn(IndexOf(view), 0, IndexOf(gap)));
    for (const TCardPileView* gap : Grid)
        if (const TCardPileView* from = GapFiller(gap))
            moves.push_back(TMove::PressOn(IndexOf(gap), -1, IndexOf(from)));
    return moves;
}

int TMontanaForm::HintScore(const TMove& move) const {
    const TCardPileView* source = View(move.Source);
    const TCardPileView* target = View(move.Target);
    if (source == nullptr || target == nullptr) return TGameForm::HintScore(move);
    // The card's place and the gap it goes to, whichever of them was pressed.
    const bool gapPressed = move.Index < 0;
    const int from = GridIndex(gapPressed ? target : source), to = GridIndex(gapPressed ? source : target);
    const int fromRow = from / Columns, fromColumn = from % Columns;
    int score = 100;
    if (to % Columns == KeptLength(to / Columns)) score += 500;
    // The card joins the one to the right of the gap.
    if (to % Columns + 1 < Columns)
        if (const TCard* right = CardOf(Grid[std::size_t(to + 1)]); right != nullptr &&
            Rules::FitsAfter(right, CardOf(Grid[std::size_t(from)])))
            score += 100;
    if (fromColumn < KeptLength(fromRow)) score -= 300;
    if (fromColumn > 0)
        if (const TCard* left = CardOf(Grid[std::size_t(from - 1)]); left != nullptr && left->Value == FS_KING)
            score -= 50;
    // The same card into the same gap is listed once more from the gap: offer it once.
    if (gapPressed && AutomaticTarget(Grid[std::size_t(from)]) == source) score -= 1000;
    return score;
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
