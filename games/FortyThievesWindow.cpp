#include "FortyThievesWindow.h"

#include "FTPeekDialog.h"
#include "FortyThievesSolver.h"
#include "PileEvents.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;
using F = TFortyThievesForm;
} // namespace

const TGameInfo& TFortyThievesForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TFortyThievesForm");
        i.Name = QStringLiteral("Forty Thieves");
        i.PlacementSection = QStringLiteral("FortyThieves");
        i.ProfileSection = QStringLiteral("FortyThieves");
        i.HelpTopic = 1003;
        i.QuitThreshold = 10;
        i.Decks = 2;
        i.WinScore = 104;
        i.ClientWidth = 885;
        i.ClientHeight = 675;
        i.MinHeight = 600;
        i.ResizeMargin = 298;
        i.NewGameName = QStringLiteral("NewDeal1");
        i.RestartName = QStringLiteral("Redeal1");
        i.PreferencesCaption = QStringLiteral(QT_TRANSLATE_NOOP("TGameForm", "Pre&ferences..."));
        return i;
    }();
    return info;
}

const TLayout& TFortyThievesForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l = {
            {QStringLiteral("DeckPileView"), S::Stock, 8, 8, 137, 145, 0.4f, 0.2f, S::Hint},
            {QStringLiteral("DiscardPileView"), S::Waste, 152, 8, 729, 125, 12.0f, 0.0f, S::Draggable},
        };
        for (int i = 0; i < 10; ++i)
            l.push_back({Numbered("TableauPile", i + 1), S::Tableau, 8 + 88 * i, 160, 80, 377, 0.0f, 20.0f,
                         S::Draggable});
        // The foundations stay below the columns as the window grows.
        for (int i = 0; i < 8; ++i)
            l.push_back({Numbered("FoundPile", i + 1), S::Foundation, 96 + 88 * i, 546, 80, 125, 0.0f, 0.0f,
                         S::Bordered, FS_BLANK, 129});
        return l;
    }();
    return layout;
}

TFortyThievesForm::TFortyThievesForm(QWidget* parent) : TFortyThievesForm(parent, LargeInfo(), LargeLayout()) {
    FormCreate();
}

TFortyThievesForm::TFortyThievesForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    DeckPileView = ViewsOf(S::Stock).front();
    DiscardPileView = ViewsOf(S::Waste).front();
    BindEvents();
}

TFortyThievesForm::~TFortyThievesForm() { delete PeekDlg.data(); }

void TFortyThievesForm::BindEvents() {
    Bind<F>(this, Tableau,
            {.MouseDown = &F::TableauPile1MouseDown, .DblClick = &F::DiscardPileViewDblClick,
             .StartDrag = &F::TableauPile1StartDrag, .DragOver = &F::TableauPile1DragOver,
             .EndDrag = &F::TableauPile1EndDrag});
    Bind<F>(this, {DiscardPileView},
            {.MouseDown = &F::TableauPile1MouseDown, .DblClick = &F::DiscardPileViewDblClick,
             .StartDrag = &F::TableauPile1StartDrag, .DragOver = &F::FormDragOver,
             .EndDrag = &F::TableauPile1EndDrag});
    Bind<F>(this, Foundation, {.MouseDown = &F::FormMouseDown, .DragOver = &F::FoundPile1DragOver});
    Bind<F>(this, {DeckPileView},
            {.MouseDown = &F::FormMouseDown, .Click = &F::DeckPileViewClick, .DragOver = &F::FormDragOver});
}

// --- Menu and options ---

bool TFortyThievesForm::AddOptionItems(QMenu* menu) {
    Autoplay1 = AddCheckItem(menu, QStringLiteral("Autoplay1"), tr("A&utoplay"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(Autoplay1, &QAction::triggered, this, [this] { Autoplay1Click(); });
    return true;
}

void TFortyThievesForm::AddExtraCommands(QMenu* menu) {
    Peek1 = AddCommandItem(menu, QStringLiteral("Peek1"), tr("&Peek..."),
                           QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(Peek1, &QAction::triggered, this, [this] { Peek1Click(); });
}

void TFortyThievesForm::ReadOptions() {
    AutoplayOn = ReadOption(QStringLiteral("Autoplay"), false);
    Autoplay1->setChecked(AutoplayOn);
}

void TFortyThievesForm::Autoplay1Click() {
    AutoplayOn = !AutoplayOn;
    Autoplay1->setChecked(AutoplayOn);
    SaveOption(QStringLiteral("Autoplay"), AutoplayOn);
}

void TFortyThievesForm::BeforeMenuShows() {
    if (Peek1 != nullptr) Peek1->setEnabled(!StockEmpty());
}

// --- Deal: four rows of ten, face up ---

void TFortyThievesForm::DealCards(bool newDeal, bool quiet) {
    // The peek window lets go of its card before a new deal frees the old cards.
    if (PeekDlg) PeekDlg->SetPeekCard(nullptr);
    BeginDeal(DeckPileView, newDeal, quiet);
    const bool animate = Animate(quiet);
    for (int row = 0; row < 4; ++row) {
        for (TCardPileView* column : Tableau) DealCard(DeckPileView->Pile, column, true, animate);
        DealRoundDone(DeckPileView, animate);
    }
    UpdateStockHint();
    EndDeal();
    RefreshPeek();
}

int TFortyThievesForm::CountScore() const {
    int count = 0;
    for (const TCardPileView* f : Foundation) count += static_cast<int>(f->Pile->Cards.size());
    return count;
}

// --- Stock: each card is turned once; there is no redeal ---

void TFortyThievesForm::DeckPileViewClick(QObject*) {
    if (Dragging()) return;
    if (TCard* card = StockTop()) {
        UndoList->BeginAction();
        card->FaceUp = true;
        MoveTopCard(DeckPileView, DiscardPileView);
        ++MoveCount;
        Play(&TSoundManager::PlayStock);
        AfterStockTurn();
        RefreshPeek();
    }
    UpdateStockHint();
    AutoplayPass();
}

void TFortyThievesForm::UpdateStockHint() {
    const bool cards = !StockEmpty();
    DeckPileView->ShowHint = cards;
    DeckPileView->Hint = cards ? QString::number(DeckPileView->Pile->Cards.size()) : QString();
    // Ctrl+P must not reach an empty stock, whether or not the menu opened since.
    if (Peek1 != nullptr) Peek1->setEnabled(cards);
}

// --- Peek ---

void TFortyThievesForm::Peek1Click() {
    if (Peek1 == nullptr || StockEmpty()) return;
    if (!PeekDlg) PeekDlg = new TFTPeekDlg(this);
    PeekDlg->SetPeekCard(StockTop());
    PeekDlg->show();
    PeekDlg->raise();
}

void TFortyThievesForm::RefreshPeek() {
    if (!PeekDlg || !PeekDlg->isVisible()) return;
    if (StockEmpty()) {
        PeekDlg->SetPeekCard(nullptr);
        PeekDlg->close();
    } else {
        PeekDlg->SetPeekCard(StockTop());
    }
}

void TFortyThievesForm::OnFormClose() {
    delete PeekDlg.data();
}

// --- Picking up: the top card only ---

void TFortyThievesForm::TableauPile1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                             int, int) {
    if (TCardPileView* view = LiftablePress(sender, button, shift))
        view->CanDrag = MayLift(view, view->Pile->CardIndex(view->SelectedCard));
}

std::shared_ptr<TSolverRules> TFortyThievesForm::MakeSolver() const { return std::make_shared<TFortyThievesSolver>(); }

// --- Dropping: down in suit on a column, any card on an empty one ---

bool TFortyThievesForm::LandsDragged(const TCardPileView* target, const TCardPileView* source) const {
    const auto rules = std::static_pointer_cast<const TFortyThievesSolver>(Solver());
    return rules->Lands(SolverTable(), IndexOf(source), IndexOf(target));
}

void TFortyThievesForm::TableauPile1StartDrag(QObject* sender) {
    auto* source = static_cast<TCardPileView*>(sender);
    auto lands = [this](TCardPileView* t, TCardPileView* s) { return LandsDragged(t, s); };
    // A column with cards first, then an empty one, then a foundation.
    std::vector<TCardPileView*> occupied;
    for (TCardPileView* column : Tableau)
        if (!column->Pile->Cards.empty()) occupied.push_back(column);
    if (!PresetTarget(source, occupied, lands) && !PresetTarget(source, Tableau, lands))
        PresetTarget(source, Foundation, lands);
    source->repaint();
}

void TFortyThievesForm::TableauPile1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return LandsDragged(t, s); });
}

void TFortyThievesForm::FoundPile1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return LandsDragged(t, s); });
}

void TFortyThievesForm::TableauPile1EndDrag(QObject* sender, QObject*, int, int) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) return;
    UndoList->BeginAction();
    ++MoveCount;
    UndoList->RecordPileMove(source, source->DropTarget, source->DragPile);
    AfterPlay();
    MoveDone();
}

// --- Sending cards home ---

void TFortyThievesForm::DiscardPileViewDblClick(QObject* sender) {
    if (Dragging()) return;
    DoubleClickMove(static_cast<TCardPileView*>(sender));
}

void TFortyThievesForm::DoubleClickMove(TCardPileView* view) {
    TCard* card = view->Pile->CardAt(TOP_OF_PILE);
    if (card == nullptr) return;
    UndoList->BeginAction();
    if (TCardPileView* home = DoubleClickTarget(view)) {
        MoveTopCard(view, home);
        Play(&TSoundManager::PlayAutoplay);
        ++MoveCount;
    }
    AfterPlay();
    MoveDone();
}

void TFortyThievesForm::MoveDone() {
    UpdateScore();
    if (!GameWon) CheckWinScore();
    AutoplayPass();
}

void TFortyThievesForm::AutoplayPass() {
    if (!AutoplayOn) return;
    std::vector<TCardPileView*> piles = Tableau;
    piles.push_back(DiscardPileView);
    AutoplaySweep(piles, [this](TCardPileView* pile) { DoubleClickMove(pile); });
}

// --- Undo: a stock card goes back face down ---

void TFortyThievesForm::Undo1Click() {
    UndoList->PeekLast();
    if (UndoList->LastSource == DeckPileView && UndoList->LastPile != nullptr)
        for (TCard* card : UndoList->LastPile->Cards) card->FaceUp = false;
    UndoMove();
    RefreshPeek();
    UpdateStockHint();
}

// --- Small cards ---

TPlaces FortyThievesSmallPlaces(int foundationLeft) {
    TPlaces foundations = PlaceRow("FoundPile", 8, foundationLeft, 72, 418, 61, 95);
    for (TSlotPlace& place : foundations) place.BottomMargin = 102;
    return TPlaces{{"DeckPileView", 8, 8, 107, 113}, {"DiscardPileView", 128, 8, 593, 95, -1.0f, 9.0f}} +
           PlaceRow("TableauPile", 10, 8, 72, 136, 61, 270, 16.0f) + foundations;
}

const TGameInfo& TsFortyThievesForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TFortyThievesForm::LargeInfo(), QStringLiteral("TsFortyThievesForm"),
                                                QStringLiteral("sFortyThieves"), QSize(725, 520), 520, 250);
    return info;
}

const TLayout& TsFortyThievesForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(TFortyThievesForm::LargeLayout(), FortyThievesSmallPlaces(80));
    return layout;
}

TsFortyThievesForm::TsFortyThievesForm(QWidget* parent) : TFortyThievesForm(parent, SmallInfo(), SmallLayout()) {
    FormCreate();
}
