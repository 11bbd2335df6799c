#include "SpiderWindow.h"

#include "Dialogs.h"
#include "PileEvents.h"
#include "SoundManager.h"
#include "SpiderSolver.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace {
using S = TPileSlot;
using F = TSpiderForm;

const QString kSameSuitKey = QStringLiteral("SameSuitBuilds");
constexpr int kColumns = 10;
} // namespace

const TGameInfo& TSpiderForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TSpiderForm");
        i.Name = QStringLiteral("Spider");
        i.PlacementSection = QStringLiteral("Spider");
        i.ProfileSection = QStringLiteral("Spider");
        i.HelpTopic = 1012;
        i.QuitThreshold = 10;
        i.Decks = 2;
        i.WinScore = 104;
        i.ClientWidth = 887;
        i.ClientHeight = 646;
        i.MinHeight = 480;
        i.ResizeMargin = 158;
        i.RestoreState = true;
        i.RestartName = QStringLiteral("Redeal1");
        i.RulesCaption = QStringLiteral(QT_TRANSLATE_NOOP("TGameForm", "Rul&es..."));
        return i;
    }();
    return info;
}

const TLayout& TSpiderForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l = {{QStringLiteral("DeckPileView"), S::Stock, 8, 8, 137, 145, 0.4f, 0.2f, S::Hint, FS_BLANK}};
        for (int i = 0; i < 8; ++i)
            l.push_back({Numbered("FoundPile", i + 1), S::Foundation, 184 + 88 * i, 6, 80, 125, 0.0f, 0.0f,
                         S::Bordered});
        for (int i = 0; i < kColumns; ++i)
            l.push_back({Numbered("TableauPile", i + 1), S::Tableau, 8 + 88 * i, 161, 80, 488, 0.0f, 20.0f,
                         S::Draggable});
        return l;
    }();
    return layout;
}

TSpiderForm::TSpiderForm(QWidget* parent) : TSpiderForm(parent, LargeInfo(), LargeLayout()) { FormCreate(); }

TSpiderForm::TSpiderForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    DeckPileView = ViewsOf(S::Stock).front();
    Bind<F>(this, {DeckPileView}, {.MouseDown = &F::FormMouseDown, .Click = &F::DeckPileViewClick});
    Bind<F>(this, Foundation, {.MouseDown = &F::FormMouseDown, .DragOver = &F::FoundPile1DragOver});
    Bind<F>(this, Tableau,
            {.MouseDown = &F::TableauPile1MouseDown, .StartDrag = &F::TableauPile1StartDrag,
             .DragOver = &F::TableauPile1DragOver, .EndDrag = &F::TableauPile1EndDrag});
}

bool TSpiderForm::AddOptionItems(QMenu* menu) {
    SameSuitBuilds1 = AddCheckItem(menu, QStringLiteral("SameSuitBuilds1"), tr("&Same Suit Moves"), {},
                                   tr("If checked, build down only in same suit"));
    connect(SameSuitBuilds1, &QAction::triggered, this, [this] { SameSuitBuilds1Click(); });
    return true;
}

void TSpiderForm::ReadOptions() {
    SameSuitBuilds1->setChecked(ReadOption(kSameSuitKey, false));
    SolverOptionChanged();
}

bool TSpiderForm::SameSuitMoves() const { return SameSuitBuilds1->isChecked(); }

// --- Deal: 44 cards in five rows, only the last card of each column face up ---

void TSpiderForm::DealCards(bool newDeal, bool quiet) {
    if (newDeal) SameSuitBuilds1->setEnabled(true);
    BeginDeal(DeckPileView, newDeal, quiet);

    // Rows 1-4 give every column a card, row 5 columns 1-4 only.
    const bool animate = Animate(quiet);
    TCardPile* stock = DeckPileView->Pile;
    for (int row = 0; row < 5; ++row) {
        const int columns = row < 4 ? kColumns : 4;
        for (int c = 0; c < columns; ++c) {
            const bool last = row == 4 || (row == 3 && c >= 4);
            DealCard(stock, Tableau[std::size_t(c)], last, animate);
        }
        DealRoundDone(DeckPileView, animate);
    }

    UpdateStockHint();
    EndDeal();
}

int TSpiderForm::CountScore() const {
    int count = 0;
    for (const TCardPileView* f : Foundation) count += static_cast<int>(f->Pile->Cards.size());
    return count;
}

// --- Stock: one face-up card onto every column, never onto a gap ---

void TSpiderForm::DeckPileViewClick(QObject*) {
    if (Dragging()) return;
    if (AnyColumnEmpty()) {
        Dialogs().Information(this, tr("You must fill empty tableau spaces first."));
        return;
    }
    // The cards of one deal are one action: Undo takes them back together.
    UndoList->BeginAction();
    TCardPile* stock = DeckPileView->Pile;
    for (TCardPileView* column : Tableau) {
        TCard* card = stock->CardAt(TOP_OF_PILE);
        if (card == nullptr) break;
        stock->RemoveCard(card);
        card->FaceUp = true;
        column->Pile->AddCard(card);
        column->repaint();
        UndoList->RecordCardMove(DeckPileView, column, card);
    }
    // An empty stock still counts a deal: the sound plays and the option greys.
    Play(&TSoundManager::PlayDeal);
    DeckPileView->repaint();
    ++MoveCount;
    SameSuitBuilds1->setEnabled(false);
    UpdateStockHint();
}

bool TSpiderForm::AnyColumnEmpty() const {
    return std::any_of(Tableau.begin(), Tableau.end(), [](const TCardPileView* c) { return c->Pile->Cards.empty(); });
}

void TSpiderForm::UpdateStockHint() {
    const std::size_t left = DeckPileView->Pile->Cards.size();
    DeckPileView->ShowHint = left > 0;
    DeckPileView->Hint = left > 0 ? QString::number(left) : QString();
}

// --- Picking up: a face-up run down by rank (and suit, with Same Suit Moves) ---

void TSpiderForm::TableauPile1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    // Shift and Ctrl mean nothing here: Spider sends no single card home.
    if (TCardPileView* view = LiftablePress(sender, button, {}))
        view->CanDrag = MayLift(view, view->Pile->CardIndex(view->SelectedCard));
}

std::shared_ptr<TSolverRules> TSpiderForm::MakeSolver() const {
    auto rules = std::make_shared<TSpiderSolver>();
    rules->SameSuitDeals = SameSuitMoves();
    return rules;
}

void TSpiderForm::SolverCounters(TSolverTable& table) const {
    table.Counter[TSpiderSolver::kSameSuitCounter] = SameSuitMoves() ? 1 : 0;
}

void TSpiderForm::SolverOptionChanged() const {
    if (const auto rules = std::static_pointer_cast<const TSpiderSolver>(Solver())) rules->SameSuitDeals = SameSuitMoves();
}

// --- Dropping: any run on a card one higher or on a gap; home only as a whole suit ---

bool TSpiderForm::MayLand(const TCardPileView* target, const TCardPileView* source, int index) const {
    const auto rules = std::static_pointer_cast<const TSpiderSolver>(Solver());
    return rules->Lands(SolverTable(), IndexOf(source), index, IndexOf(target));
}

bool TSpiderForm::MayLandDragged(const TCardPileView* target, const TCardPileView* source) const {
    // The solver's table holds the lifted run on its column, above the cards left there.
    return !source->DragPile->Cards.empty() && MayLand(target, source, static_cast<int>(source->Pile->Cards.size()));
}

void TSpiderForm::TableauPile1StartDrag(QObject* sender) {
    auto* source = static_cast<TCardPileView*>(sender);
    auto lands = [this](TCardPileView* t, TCardPileView* s) { return MayLandDragged(t, s); };
    // Home first, then a column of the run's suit, then any column.
    auto onSameSuit = [lands](TCardPileView* t, TCardPileView* s) {
        const TCard* top = t->Pile->CardAt(TOP_OF_PILE);
        return top != nullptr && !s->DragPile->Cards.empty() && top->Suit == s->DragPile->Cards.front()->Suit &&
               lands(t, s);
    };
    if (!PresetTarget(source, Foundation, lands) && !PresetTarget(source, Tableau, onSameSuit))
        PresetTarget(source, Tableau, lands);
    source->repaint();
}

void TSpiderForm::TableauPile1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return MayLandDragged(t, s); });
}

void TSpiderForm::FoundPile1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return MayLandDragged(t, s); });
}

void TSpiderForm::TableauPile1EndDrag(QObject* sender, QObject*, int, int) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) return;
    ++MoveCount;
    UndoList->BeginAction();
    UndoList->RecordPileMove(source, source->DropTarget, source->DragPile);
    TurnUpTopCard(source);
    ++MoveCount;
    CheckForWin();
    SameSuitBuilds1->setEnabled(false);
}

void TSpiderForm::CheckForWin() {
    UpdateScore();
    CheckWinScore();
}

// --- Undo: a stock deal goes back whole and silently, a move with its turn-up ---

void TSpiderForm::Undo1Click() {
    UndoList->PeekLast();
    if (UndoList->LastSource == nullptr) return;
    if (UndoList->LastSource == DeckPileView) {
        // Only the cards of the newest deal, however many it moved.
        const int records = UndoList->LastActionSize();
        for (int i = 0; i < records && i < kColumns; ++i) {
            UndoList->PeekLast();
            if (UndoList->LastSource != DeckPileView) break;
            for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = false;
            UndoStep();
        }
        UpdateStockHint();
        UpdateScore();
        return;
    }
    UndoTurnUp();
    UndoMove();
}

// --- Options ---

void TSpiderForm::SameSuitBuilds1Click() {
    SaveOption(kSameSuitKey, SameSuitBuilds1->isChecked());
    SolverOptionChanged();
}

// --- Small cards ---

const TGameInfo& TsSpiderForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TSpiderForm::LargeInfo(), QStringLiteral("TsSpiderForm"),
                                                QStringLiteral("sSpider"), QSize(725, 506), 450, 136);
    return info;
}

const TLayout& TsSpiderForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(
        TSpiderForm::LargeLayout(), TPlaces{{"DeckPileView", 8, 8, 107, 113}} +
                                        PlaceRow("FoundPile", 8, 208, 64, 6, 61, 95) +
                                        PlaceRow("TableauPile", kColumns, 8, 72, 129, 61, 370, 16.0f));
    return layout;
}

TsSpiderForm::TsSpiderForm(QWidget* parent) : TSpiderForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
