#include "FreeCellWindow.h"

#include "PileEvents.h"
#include "Rules.h"
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

// --- Picking up: a run of at most one card more than the empty free cells ---

bool TFreeCellForm::FollowsInRun(const TCard* card, const TCard* below) const {
    return Rules::DownAlternate(card, below);
}

bool TFreeCellForm::MayLift(const TCardPileView* view, int index) const {
    const TCardPile& pile = *view->Pile;
    const int lifted = static_cast<int>(pile.Cards.size()) - index;
    switch (RoleOf(view)) {
    case TPileSlot::Tableau:
        // Empty columns do not raise the limit.
        return lifted <= MostCardsToLift() &&
               Rules::IsRun(pile, index, [this](const TCard* c, const TCard* b) { return FollowsInRun(c, b); });
    case TPileSlot::Cell:
        return lifted == 1;
    default:
        return false;
    }
}

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

// --- Dropping: alternate colours down, anything on an empty column ---

bool TFreeCellForm::ColumnTakes(const TCard* bottom, const TCard* top) const {
    return top == nullptr || Rules::DownAlternate(bottom, top);
}

bool TFreeCellForm::Takes(const TCardPileView* target, const TCard* bottom, std::size_t count) const {
    const TCard* top = target->Pile->CardAt(TOP_OF_PILE);
    switch (RoleOf(target)) {
    case TPileSlot::Tableau:
        return ColumnTakes(bottom, top);
    case TPileSlot::Foundation:
        return count == 1 && Rules::UpSameSuitFromAce(bottom, top);
    case TPileSlot::Cell:
        return count == 1 && top == nullptr;
    default:
        return false;
    }
}

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

TCardPileView* TFreeCellForm::DoubleClickTarget(const TCardPileView* view) const {
    const TPileSlot::Role role = RoleOf(view);
    const TCard* card = view->Pile->CardAt(TOP_OF_PILE);
    if (card == nullptr || (role != TPileSlot::Tableau && role != TPileSlot::Cell)) return nullptr;
    if (TCardPileView* home = FoundationFor(card)) return home;
    return FirstEmptyCell();
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

int TFreeCellForm::HintScore(const TMove& move) const {
    // A card from one free cell to another gains nothing: the very last choice.
    const TCardPileView* target = MoveTarget(move);
    if (RoleOf(View(move.Source)) == TPileSlot::Cell && target != nullptr && RoleOf(target) == TPileSlot::Cell)
        return -1000;
    return TGameForm::HintScore(move);
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
