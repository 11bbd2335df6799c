#include "GolfWindow.h"

#include "GolfSolver.h"
#include "PileEvents.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;
using G = TGolfForm;
constexpr int kRows = 5;
} // namespace

const TGameInfo& TGolfForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TGolfForm");
        i.Name = QStringLiteral("Golf");
        i.PlacementSection = QStringLiteral("Golf");
        i.ProfileSection = QStringLiteral("Golf");
        i.HelpTopic = 1005;
        i.Fixed = true;
        i.ClientWidth = 700;
        i.ClientHeight = 430;
        // The opening stock turn leaves the bare name in the caption.
        i.CaptionMayLag = true;
        i.FirstSeparator = QStringLiteral("N3");
        i.SecondSeparator = QStringLiteral("N1");
        return i;
    }();
    return info;
}

const TLayout& TGolfForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l;
        for (int i = 0; i < 7; ++i)
            l.push_back({Numbered("TableauPileView", i + 1), S::Tableau, 24 + 96 * i, 8, 80, 265, 0.0f, 20.0f,
                         S::Draggable});
        l.push_back({QStringLiteral("DeckPileView"), S::Stock, 8, 288, 113, 137, 0.4f, 0.2f, S::Hint, FS_BLANK});
        l.push_back({QStringLiteral("DiscardPileView"), S::Waste, 128, 288, 569, 125, 9.0f, 0.0f});
        return l;
    }();
    return layout;
}

TGolfForm::TGolfForm(QWidget* parent) : TGolfForm(parent, LargeInfo(), LargeLayout()) { FormCreate(); }

TGolfForm::TGolfForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    DeckPileView = ViewsOf(S::Stock).front();
    DiscardPileView = ViewsOf(S::Waste).front();
    // Nothing accepts a drop: a lifted card always goes back to its column.
    Bind<G>(this, Tableau, {.MouseDown = &G::TableauPileView1MouseDown, .StartDrag = &G::TableauPileView1StartDrag});
    Bind<G>(this, {DeckPileView}, {.MouseDown = &G::FormMouseDown, .Click = &G::DeckPileViewClick});
    Bind<G>(this, {DiscardPileView}, {.MouseDown = &G::FormMouseDown});
}

bool TGolfForm::AddOptionItems(QMenu* menu) {
    KingStopsSequence1 = AddCheckItem(menu, QStringLiteral("KingStopsSequence1"), tr("King Stops Sequence"));
    KingStopsSequence1->setChecked(true);
    connect(KingStopsSequence1, &QAction::triggered, this, [this] { KingStopsSequence1Click(); });
    return true;
}

void TGolfForm::ReadOptions() {
    KingStopsOn = ReadOption(QStringLiteral("KingStopsSequence"), true);
    KingStopsSequence1->setChecked(KingStopsOn);
    SyncSolverOptions();
}

void TGolfForm::KingStopsSequence1Click() {
    KingStopsOn = KingStopsSequence1->isChecked();
    SaveOption(QStringLiteral("KingStopsSequence"), KingStopsOn);
    SyncSolverOptions();
}

// --- The solver's rules ---

std::shared_ptr<TSolverRules> TGolfForm::MakeSolver() const {
    std::vector<int> columns;
    for (const TCardPileView* column : Tableau) columns.push_back(IndexOf(column));
    auto rules = std::make_shared<TGolfSolver>(columns, IndexOf(DeckPileView), IndexOf(DiscardPileView));
    rules->KingStops = KingStopsOn;
    return rules;
}

void TGolfForm::SolverCounters(TSolverTable& table) const {
    table.Counter[TGolfSolver::KingStopsCounter] = KingStopsOn ? 1 : 0;
}

void TGolfForm::SyncSolverOptions() {
    if (const auto rules = std::static_pointer_cast<const TGolfSolver>(Solver())) rules->KingStops = KingStopsOn;
}

// --- Deal: five rows across the seven columns, then the first stock card ---

void TGolfForm::DealCards(bool newDeal, bool quiet) {
    BeginDeal(DeckPileView, newDeal, quiet);
    const bool animate = Animate(quiet);
    TCardPile* stock = DeckPileView->Pile;
    for (int row = 0; row < kRows; ++row) {
        for (TCardPileView* column : Tableau) DealCard(stock, column, true, animate);
        DealRoundDone(DeckPileView, animate);
    }
    UpdateStockHint();
    EndDeal();
    // The opening turn is a move of its own, so Undo can take it back; the
    // caption keeps the bare name until the next move.
    TurnStockCard(quiet);
    KingStopsSequence1->setEnabled(true);
}

int TGolfForm::CountScore() const { return static_cast<int>(DiscardPileView->Pile->Cards.size()); }

// --- Stock ---

void TGolfForm::TurnStockCard(bool quiet) {
    if (TCard* card = DeckPileView->Pile->CardAt(TOP_OF_PILE)) {
        card->FaceUp = true;
        MoveTopCard(DeckPileView, DiscardPileView);
        ++MoveCount;
        if (!quiet) Play(&TSoundManager::PlayStock);
    }
    UpdateStockHint();
}

void TGolfForm::DeckPileViewClick(QObject*) {
    if (Dragging()) return;
    TurnStockCard(false);
    CheckForWin();
    KingStopsSequence1->setEnabled(false);
}

void TGolfForm::UpdateStockHint() {
    const std::size_t left = DeckPileView->Pile->Cards.size();
    DeckPileView->ShowHint = left > 0;
    if (left > 0) DeckPileView->Hint = QString::number(left);
}

// --- Playing a column's top card ---

bool TGolfForm::MayPlayTop(const TCardPileView* column) const {
    const TCard* card = column->Pile->CardAt(TOP_OF_PILE);
    const TCard* top = DiscardPileView->Pile->CardAt(TOP_OF_PILE);
    return card != nullptr && top != nullptr && TGolfSolver::MayPlay(card, top, KingStopsOn);
}

void TGolfForm::TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    auto* column = static_cast<TCardPileView*>(sender);
    if (button == Qt::MiddleButton) {
        StockClick();
        return;
    }
    if (button != Qt::LeftButton || column->SelectedCard == nullptr) return;
    // The option is fixed from the first press on a column card on.
    KingStopsSequence1->setEnabled(false);
    if (column->SelectedCard != column->Pile->CardAt(TOP_OF_PILE) || DiscardPileView->Pile->Cards.empty()) return;
    if (!MayPlayTop(column)) {
        column->CanDrag = true;
        return;
    }
    // A column play counts no move and makes no sound.
    MoveTopCard(column, DiscardPileView);
    CheckForWin();
}

void TGolfForm::TableauPileView1StartDrag(QObject* sender) { static_cast<TCardPileView*>(sender)->repaint(); }

void TGolfForm::CheckForWin() {
    UpdateScore();
    CheckWinScore();
}

// --- Undo ---

void TGolfForm::Undo1Click() {
    UndoList->PeekLast();
    const bool stockTurn = UndoList->LastSource == DeckPileView;
    UndoStep();
    if (stockTurn) {
        if (TCard* card = DeckPileView->Pile->CardAt(TOP_OF_PILE)) card->FaceUp = false;
        DeckPileView->repaint();
        // Only stock turns count as moves, so only their undo takes one off:
        // undoing column plays must not push the count below the prompts.
        --MoveCount;
    }
    Play(&TSoundManager::PlayUndo);
    UpdateStockHint();
    UpdateScore();
}

// --- Small cards ---

const TGameInfo& TsGolfForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TGolfForm::LargeInfo(), QStringLiteral("TsGolfForm"),
                                                QStringLiteral("Golf"), QSize(585, 340), 0, 0);
    return info;
}

const TLayout& TsGolfForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(
        TGolfForm::LargeLayout(),
        PlaceRow("TableauPileView", 7, 24, 80, 8, 61, 200, 16.0f) +
            TPlaces{{"DeckPileView", 8, 224, 97, 105}, {"DiscardPileView", 112, 224, 473, 95, -1.0f, 7.0f}});
    return layout;
}

TsGolfForm::TsGolfForm(QWidget* parent) : TGolfForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
