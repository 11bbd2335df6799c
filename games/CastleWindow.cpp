#include "CastleWindow.h"

#include "CastleSolver.h"
#include "PileEvents.h"
#include "SoundManager.h"

#include <QAction>
#include <QMenu>

namespace {
using S = TPileSlot;
using C = TCastleForm;
} // namespace

const TGameInfo& TCastleForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TCastleForm");
        i.Name = QStringLiteral("Beleaguered Castle");
        i.PlacementSection = QStringLiteral("Castle");
        i.ProfileSection = QStringLiteral("Castle");
        i.HelpTopic = 1001;
        i.Fixed = true;
        i.ClientWidth = 748;
        i.ClientHeight = 554;
        // The deal leaves the bare name up although the Aces are home.
        i.CaptionMayLag = true;
        i.FirstSeparator = QStringLiteral("N3");
        i.SecondSeparator = QStringLiteral("N1");
        return i;
    }();
    return info;
}

const TLayout& TCastleForm::LargeLayout() {
    static const TLayout layout = [] {
        TLayout l;
        // Rows 1-4 on the left, 5-8 on the right, fanned to the right.
        for (int i = 0; i < 8; ++i)
            l.push_back({Numbered("TableauPileView", i + 1), S::Tableau, i < 4 ? 16 : 432, 8 + 136 * (i % 4), 305, 125,
                         12.0f, 0.0f, S::Draggable});
        for (int i = 0; i < 4; ++i)
            l.push_back({Numbered("FoundationPileView", i + 1), S::Foundation, 336, 8 + 136 * i, 80, 125, 0.0f, 0.0f,
                         S::Bordered});
        l.push_back({QStringLiteral("DeckPileView"), S::Other, 112, 520, 25, 29, 0.4f, 0.2f, S::Hidden | S::Black});
        return l;
    }();
    return layout;
}

TCastleForm::TCastleForm(QWidget* parent) : TCastleForm(parent, LargeInfo(), LargeLayout()) { FormCreate(); }

TCastleForm::TCastleForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TGameForm(info, layout, parent) {
    DeckPileView = PileView(QStringLiteral("DeckPileView"));
    BindEvents();
}

void TCastleForm::BindEvents() {
    Bind<C>(this, Tableau,
            {.MouseDown = &C::TableauPileView1MouseDown, .DblClick = &C::TableauPileView1DblClick,
             .StartDrag = &C::TableauPileView1StartDrag, .DragOver = &C::TableauPileView1DragOver,
             .EndDrag = &C::TableauPileView1EndDrag});
    Bind<C>(this, Foundation, {.DragOver = &C::FoundationPileView1DragOver});
}

bool TCastleForm::AddOptionItems(QMenu* menu) {
    Autoplay1 = AddCheckItem(menu, QStringLiteral("Autoplay1"), tr("&Autoplay"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(Autoplay1, &QAction::triggered, this, [this] { Autoplay1Click(); });
    return true;
}

void TCastleForm::ReadOptions() {
    AutoplayOn = ReadOption(QStringLiteral("Autoplay"), false);
    Autoplay1->setChecked(AutoplayOn);
}

void TCastleForm::Autoplay1Click() {
    AutoplayOn = !AutoplayOn;
    Autoplay1->setChecked(AutoplayOn);
    SaveOption(QStringLiteral("Autoplay"), AutoplayOn);
}

// --- Deal: the Aces home in the order met, then six passes over the rows ---

void TCastleForm::DealCards(bool newDeal, bool quiet) {
    BeginDeal(DeckPileView, newDeal, quiet);
    const bool animate = Animate(quiet);
    TCardPile* deck = DeckPileView->Pile;
    std::size_t aces = 0;
    for (TCard* card : deck->Cards) {
        card->FaceUp = true;
        if (card->Value != FS_ACE || aces == Foundation.size()) continue;
        TCardPileView* home = Foundation[aces++];
        home->Pile->AddCard(card); // it stays in the deck until the passes skip it
        if (animate) {
            home->repaint();
            Play(&TSoundManager::PlayDeal);
        }
    }
    for (int pass = 0; pass < 6; ++pass) {
        for (TCardPileView* row : Tableau) {
            TCard* card = deck->CardAt(TOP_OF_PILE);
            while (card != nullptr && card->Value == FS_ACE) { // already home
                deck->RemoveCard(card);
                card = deck->CardAt(TOP_OF_PILE);
            }
            if (card != nullptr) DealCard(deck, row, true, animate);
        }
        DealRoundDone(DeckPileView, animate);
    }
    deck->Empty(false);
    EndDeal();
}

int TCastleForm::CountScore() const {
    int count = 0;
    for (TCardPileView* f : Foundation) count += static_cast<int>(f->Pile->Cards.size());
    return count;
}

// --- The rules: the outer card moves, one lower in any suit, anything into an empty row ---

std::shared_ptr<TSolverRules> TCastleForm::MakeSolver() const { return std::make_shared<TCastleSolver>(LargeLayout()); }

void TCastleForm::TableauPileView1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int,
                                            int) {
    if (button == Qt::MiddleButton) {
        DoubleClickMove(static_cast<TCardPileView*>(sender));
        return;
    }
    if (TCardPileView* view = LiftablePress(sender, button, shift))
        view->CanDrag = MayLift(view, view->Pile->CardIndex(view->SelectedCard));
}

bool TCastleForm::CanDropOnColumn(TCardPileView* target, TCardPileView* source) const {
    return RoleOf(target) == TPileSlot::Tableau && MayLandDragged(target, source);
}

bool TCastleForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) const {
    return RoleOf(target) == TPileSlot::Foundation && MayLandDragged(target, source);
}

TCardPileView* TCastleForm::FoundationFor(const TCard* card) const {
    for (TCardPileView* f : Foundation)
        if (Takes(f, card, 1)) return f;
    return nullptr;
}

void TCastleForm::TableauPileView1StartDrag(QObject* sender) {
    auto* source = static_cast<TCardPileView*>(sender);
    auto onRow = [this](TCardPileView* t, TCardPileView* s) { return CanDropOnColumn(t, s); };
    auto onFoundation = [this](TCardPileView* t, TCardPileView* s) { return CanDropOnFoundation(t, s); };
    std::vector<TCardPileView*> filled;
    for (TCardPileView* row : Tableau)
        if (!row->Pile->Cards.empty()) filled.push_back(row);
    // A row that builds first, then an empty row, then a foundation.
    if (!PresetTarget(source, filled, onRow) && !PresetTarget(source, Tableau, onRow))
        PresetTarget(source, Foundation, onFoundation);
    source->repaint();
}

void TCastleForm::TableauPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept, [this](TCardPileView* t, TCardPileView* s) { return CanDropOnColumn(t, s); });
}

void TCastleForm::FoundationPileView1DragOver(QObject* sender, TCardPileView* source, int, int, bool& accept) {
    OfferTarget(sender, source, accept,
                [this](TCardPileView* t, TCardPileView* s) { return CanDropOnFoundation(t, s); });
}

void TCastleForm::TableauPileView1EndDrag(QObject* sender, QObject*, int, int) {
    auto* source = static_cast<TCardPileView*>(sender);
    if (source->DropTarget == nullptr) return;
    ++MoveCount;
    UndoList->RecordPileMove(source, source->DropTarget, source->DragPile);
    MoveDone();
}

// --- Sending cards home: the foundations are the only destination ---

void TCastleForm::TableauPileView1DblClick(QObject* sender) {
    if (Dragging()) return;
    DoubleClickMove(static_cast<TCardPileView*>(sender));
}

void TCastleForm::DoubleClickMove(TCardPileView* view) {
    if (TCardPileView* home = DoubleClickTarget(view)) {
        ActionTarget(home);
        MoveTopCard(view, home);
        ++MoveCount;
        Play(&TSoundManager::PlayAutoplay);
    }
    MoveDone();
}

void TCastleForm::MoveDone() {
    UpdateScore();
    CheckWinScore();
    AutoplayPass();
}

void TCastleForm::AutoplayPass() {
    if (!AutoplayOn) return;
    AutoplaySweep(Tableau, [this](TCardPileView* row) { DoubleClickMove(row); });
}

// --- Small cards: a fixed window of its own, with its own options ---

const TGameInfo& TsCastleForm::SmallInfo() {
    static const TGameInfo info =
        SmallCardInfo(TCastleForm::LargeInfo(), QStringLiteral("TsCastleForm"), QStringLiteral("sCastle"),
                      QSize(561, 422), 0, 0, QStringLiteral("sCastle"));
    return info;
}

const TLayout& TsCastleForm::SmallLayout() {
    static const TLayout layout = [] {
        TPlaces places;
        for (int i = 0; i < 8; ++i)
            places.push_back({Numbered("TableauPileView", i + 1), i < 4 ? 8 : 328, 8 + 104 * (i % 4), 232, 95, -1.0f,
                              9.0f});
        for (int i = 0; i < 4; ++i) places.push_back({Numbered("FoundationPileView", i + 1), 248, 8 + 104 * i, 61, 95});
        places.push_back({QStringLiteral("DeckPileView"), 120, 392, 25, 29});
        return SmallCardLayout(TCastleForm::LargeLayout(), places);
    }();
    return layout;
}

TsCastleForm::TsCastleForm(QWidget* parent) : TCastleForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
