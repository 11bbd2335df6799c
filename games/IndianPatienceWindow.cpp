#include "IndianPatienceWindow.h"

#include "IndianPatienceSolver.h"
#include "SoundManager.h"

#include <algorithm>

const TGameInfo& TIndianPatienceForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i = TFortyThievesForm::LargeInfo();
        i.ClassName = QStringLiteral("TIndianPatienceForm");
        i.Name = QStringLiteral("Indian Patience");
        i.PlacementSection = QStringLiteral("IndianPatience");
        i.ProfileSection = QStringLiteral("IndianPatience");
        i.HelpTopic = 1006;
        return i;
    }();
    return info;
}

// The Forty Thieves table.
const TLayout& TIndianPatienceForm::LargeLayout() { return TFortyThievesForm::LargeLayout(); }

TIndianPatienceForm::TIndianPatienceForm(QWidget* parent) : TIndianPatienceForm(parent, LargeInfo(), LargeLayout()) {
    FormCreate();
}

TIndianPatienceForm::TIndianPatienceForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TFortyThievesForm(parent, info, layout) {}

// --- Deal: three rows of ten, the first face down as the base cards ---

void TIndianPatienceForm::DealCards(bool newDeal, bool quiet) {
    BaseCards.fill(nullptr);
    BeginDeal(DeckPileView, newDeal, quiet);
    const bool animate = Animate(quiet);
    for (int row = 0; row < 3; ++row) {
        for (std::size_t c = 0; c < Tableau.size(); ++c) {
            TCard* card = DealCard(DeckPileView->Pile, Tableau[c], row != 0, animate);
            if (row == 0) BaseCards[c] = card;
        }
        DealRoundDone(DeckPileView, animate);
    }
    UpdateStockHint();
    EndDeal();
}

// Building down in another suit, never on or with a base card: the rules
// live in the solver's rules, which find the base cards on the table.
std::shared_ptr<TSolverRules> TIndianPatienceForm::MakeSolver() const { return std::make_shared<TIndianPatienceSolver>(); }

// --- After every play: refill emptied columns, then the base cards ---

void TIndianPatienceForm::AfterPlay() {
    RefillEmptyColumns();
    RefreshBaseCards();
}

void TIndianPatienceForm::RefillEmptyColumns() {
    for (std::size_t c = 0; c < Tableau.size(); ++c) {
        TCardPileView* column = Tableau[c];
        if (!column->Pile->Cards.empty() || StockEmpty()) continue;
        for (int k = 0; k < 3; ++k) {
            TCard* card = DealCard(DeckPileView->Pile, column, k != 0, true);
            if (card == nullptr) break;
            if (k == 0) BaseCards[c] = card;
            DeckPileView->repaint();
        }
        Play(&TSoundManager::PlayDeal);
        // The stock ran out after one card: it lies alone, face up.
        if (column->Pile->Cards.size() == 1) {
            column->Pile->Cards.front()->FaceUp = true;
            column->repaint();
        }
        UndoList->RecordPileMove(DeckPileView, column, column->Pile);
        ++MoveCount;
        UpdateStockHint(); // the stock's count changed
    }
}

void TIndianPatienceForm::RefreshBaseCards(bool recordTurns) {
    const bool stockLeft = !StockEmpty();
    for (std::size_t c = 0; c < Tableau.size(); ++c) {
        TCardPile* pile = Tableau[c]->Pile;
        BaseCards[c] = pile->Cards.empty() ? nullptr : pile->Cards.front();
        TCard* base = BaseCards[c];
        if (base != nullptr && base->FaceUp && pile->Cards.size() > 1 && stockLeft) {
            base->FaceUp = false;
            Tableau[c]->repaint();
        }
    }
    for (std::size_t c = 0; c < Tableau.size(); ++c) {
        TCard* top = Tableau[c]->Pile->CardAt(TOP_OF_PILE);
        if (top == nullptr || top != BaseCards[c] || top->FaceUp) continue;
        if (recordTurns) {
            TurnUpTopCard(Tableau[c]);
        } else {
            top->FaceUp = true;
            Tableau[c]->repaint();
        }
    }
    if (!stockLeft) BaseCards.fill(nullptr);
}

// --- Undo: one player action at a time, a refill together with its move ---

bool TIndianPatienceForm::UndoRecord() {
    if (UndoTurnUp()) return false;
    UndoList->PeekLast();
    TCardPileView* source = UndoList->LastSource;
    TCardPileView* target = UndoList->LastTarget;
    const bool refill = source == DeckPileView && target != DiscardPileView;
    // A refill's cards go back on the stock in the order they were taken
    // from it, face down.
    if (refill) UndoList->LastPile->Flip();
    UndoList->UndoLast();
    if (refill) {
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = false;
    } else if (TCard* top = StockTop()) {
        top->FaceUp = false;
    }
    if (source != nullptr) {
        source->repaint();
        target->repaint();
    }
    UndoList->DropLast();
    return true;
}

void TIndianPatienceForm::Undo1Click() {
    for (int n = UndoList->LastActionSize(); n > 0; --n)
        if (UndoRecord()) --MoveCount;
    Play(&TSoundManager::PlayUndo);
    RefreshBaseCards(false);
    UpdateStockHint();
    UpdateScore();
}

// --- Small cards ---

const TGameInfo& TsIndianPatienceForm::SmallInfo() {
    static const TGameInfo info =
        SmallCardInfo(TIndianPatienceForm::LargeInfo(), QStringLiteral("TsIndianPatienceForm"),
                      QStringLiteral("sIndianPatience"), QSize(725, 520), 520, 250);
    return info;
}

const TLayout& TsIndianPatienceForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(TIndianPatienceForm::LargeLayout(), FortyThievesSmallPlaces(79));
    return layout;
}

TsIndianPatienceForm::TsIndianPatienceForm(QWidget* parent)
    : TIndianPatienceForm(parent, SmallInfo(), SmallLayout()) {
    FormCreate();
}
