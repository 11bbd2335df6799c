#include "FreeCellWindow.h"

#include "FreeCellSolver.h"
#include "PileEvents.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;
using F = TFreeCellForm;
} // namespace

const TGameInfo& TFreeCellForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TFreeCellForm");
        i.Name = QStringLiteral("FreeCell");
        i.PlacementSection = QStringLiteral("FreeCell");
        i.ProfileSection = QStringLiteral("FreeCell");
        i.HelpTopic = 1004;
        i.ClientWidth = 776;
        i.ClientHeight = 541;
        i.MinHeight = 480;
        i.ResizeMargin = 148;
        i.RestartName = QStringLiteral("Redeal1");
        return i;
    }();
    return info;
}

const TLayout& TFreeCellForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l;
        for (int i = 0; i < 4; ++i)
            l.push_back({Numbered("FreePileView", i + 1), S::Cell, 8 + 88 * i, 8, 80, 125, 0.0f, 0.0f,
                         S::Bordered | S::Draggable});
        for (int i = 0; i < 4; ++i)
            l.push_back({Numbered("FoundPileView", i + 1), S::Foundation, 424 + 88 * i, 8, 80, 125, 0.0f, 0.0f,
                         S::Bordered});
        for (int i = 0; i < 8; ++i)
            l.push_back({Numbered("TableauPileView", i + 1), S::Tableau, 40 + 88 * i, 140, 80, 393, 0.0f, 20.0f,
                         S::Draggable});
        return l;
    }();
    return layout;
}

TFreeCellForm::TFreeCellForm(QWidget* parent) : TFreeCellForm(parent, LargeInfo(), LargeLayout()) { FormCreate(); }

TFreeCellForm::TFreeCellForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    // The window's own caption until the first deal puts the score caption there.
    setWindowTitle(QStringLiteral("Free Cell"));
    BindEvents();
}

void TFreeCellForm::BindEvents() {
    Bind<F>(this, Tableau,
            {.MouseDown = &F::TableauPileView1MouseDown, .DblClick = &F::TableauPileView1DblClick,
             .StartDrag = &F::TableauPileView1StartDrag, .DragOver = &F::TableauPileView1DragOver,
             .EndDrag = &F::TableauPileView1EndDrag});
    Bind<F>(this, FreeCells,
            {.MouseDown = &F::FreePileView1MouseDown, .DblClick = &F::TableauPileView1DblClick,
             .StartDrag = &F::TableauPileView1StartDrag, .DragOver = &F::FreePileView1DragOver,
             .EndDrag = &F::TableauPileView1EndDrag});
    Bind<F>(this, Foundation, {.DragOver = &F::FoundPileView1DragOver});
}

bool TFreeCellForm::AddOptionItems(QMenu* menu) {
    Autoplay1 = AddCheckItem(menu, QStringLiteral("Autoplay1"), tr("A&utoplay"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(Autoplay1, &QAction::triggered, this, [this] { Autoplay1Click(); });
    return true;
}

void TFreeCellForm::ReadOptions() {
    AutoplayOn = ReadOption(QStringLiteral("Autoplay"), false);
    Autoplay1->setChecked(AutoplayOn);
}

void TFreeCellForm::Autoplay1Click() {
    AutoplayOn = !AutoplayOn;
    Autoplay1->setChecked(AutoplayOn);
    SaveOption(QStringLiteral("Autoplay"), AutoplayOn);
}

// --- Deal: the deck waits in free cell 1; seven rows, the last one of four ---

void TFreeCellForm::DealCards(bool newDeal, bool quiet) {
    TCardPileView* dealer = FreeCells.front();
    BeginDeal(dealer, newDeal, quiet);
    const bool animate = Animate(quiet);
    for (int row = 1; row <= 7; ++row) {
        const std::size_t columns = row == 7 ? 4 : Tableau.size();
        for (std::size_t c = 0; c < columns; ++c) DealCard(dealer->Pile, Tableau[c], true, animate);
        DealRoundDone(dealer, animate);
    }
    EndDeal();
}

int TFreeCellForm::CountScore() const {
    int count = 0;
    for (TCardPileView* f : Foundation) count += static_cast<int>(f->Pile->Cards.size());
    return count;
}

// --- The rules: a run lifts when the empty free cells can carry it ---

std::shared_ptr<TSolverRules> TFreeCellForm::MakeSolver() const { return std::make_shared<TFreeCellSolver>(LargeLayout()); }

void TFreeCellForm::TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                              int, int) {
    if (button == Qt::MiddleButton) {
        DoubleClickMove(static_cast<TCardPileView*>(sender));
        return;
    }
    if (TCardPileView* view = LiftablePress(sender, button, shift))
        view->CanDrag = MayLift(view, view->Pile->CardIndex(view->SelectedCard));
}

void TFreeCellForm::FreePileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int,
                                           int) {
    if (TCardPileView* view = LiftablePress(sender, button, shift))
        view->CanDrag = MayLift(view, view->Pile->CardIndex(view->SelectedCard));
}

// --- Dropping: onto a column, a foundation or a free cell that takes the cards ---

bool TFreeCellForm::CanDropOnColumn(TCardPileView* target, TCardPileView* source) const {
    return RoleOf(target) == TPileSlot::Tableau && MayLandDragged(target, source);
}

bool TFreeCellForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) const {
    return RoleOf(target) == TPileSlot::Foundation && MayLandDragged(target, source);
}

void TFreeCellForm::PresetDropTarget(TCardPileView* source) {
    auto onColumn = [this](TCardPileView* t, TCardPileView* s) { return CanDropOnColumn(t, s); };
    auto onFoundation = [this](TCardPileView* t, TCardPileView* s) { return CanDropOnFoundation(t, s); };
    std::vector<TCardPileView*> filled;
    for (TCardPileView* column : Tableau)
        if (!column->Pile->Cards.empty()) filled.push_back(column);
    // A column that builds first, then an empty column, then a foundation.
    if (!PresetTarget(source, filled, onColumn) && !PresetTarget(source, Tableau, onColumn))
        PresetTarget(source, Foundation, onFoundation);
}

void TFreeCellForm::TableauPileView1StartDrag(QObject* sender) {
    auto* source = static_cast<TCardPileView*>(sender);
    PresetDropTarget(source);
    source->repaint();
}

void TFreeCellForm::TableauPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return CanDropOnColumn(t, s); });
}

void TFreeCellForm::FoundPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept,
                [this](TCardPileView* t, TCardPileView* s) { return CanDropOnFoundation(t, s); });
}

void TFreeCellForm::FreePileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return MayLandDragged(t, s); });
}

void TFreeCellForm::TableauPileView1EndDrag(QObject* sender, QObject*, int, int) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) return;
    ++MoveCount;
    UndoList->RecordPileMove(source, source->DropTarget, source->DragPile);
    MoveDone();
}

// --- Double-click: home if it fits, else the first empty free cell ---

void TFreeCellForm::TableauPileView1DblClick(QObject* sender) {
    if (Dragging()) return;
    DoubleClickMove(static_cast<TCardPileView*>(sender));
}

void TFreeCellForm::DoubleClickMove(TCardPileView* view) {
    if (TCardPileView* target = DoubleClickTarget(view)) {
        ActionTarget(target);
        MoveTopCard(view, target);
        if (RoleOf(target) == TPileSlot::Foundation) Play(&TSoundManager::PlayAutoplay); // a free cell is silent
        ++MoveCount;
    }
    MoveDone();
}

void TFreeCellForm::MoveDone() {
    UpdateScore();
    CheckWinScore();
    AutoplayPass();
}

void TFreeCellForm::AutoplayPass() {
    if (!AutoplayOn) return;
    std::vector<TCardPileView*> piles = FreeCells;
    piles.insert(piles.end(), Tableau.begin(), Tableau.end());
    AutoplaySweep(piles, [this](TCardPileView* pile) { DoubleClickMove(pile); });
}

// --- Small cards ---

const TGameInfo& TsFreeCellForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TFreeCellForm::LargeInfo(), QStringLiteral("TsFreeCellForm"),
                                                QStringLiteral("sFreeCell"), QSize(590, 409), 300, 109);
    return info;
}

const TLayout& TsFreeCellForm::SmallLayout() {
    static const TLayout layout =
        SmallCardLayout(TFreeCellForm::LargeLayout(),
                        PlaceRow("FreePileView", 4, 8, 64, 8, 61, 95) + PlaceRow("FoundPileView", 4, 331, 64, 8, 61, 95) +
                            PlaceRow("TableauPileView", 8, 16, 72, 108, 61, 300, 16.0f));
    return layout;
}

TsFreeCellForm::TsFreeCellForm(QWidget* parent) : TFreeCellForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
