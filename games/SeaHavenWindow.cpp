#include "SeaHavenWindow.h"

#include "SeaHavenSolver.h"

namespace {
using S = TPileSlot;
} // namespace

const TGameInfo& TSeaHavenForm::LargeInfo() {
    static const TGameInfo info = [] {
        TGameInfo i;
        i.ClassName = QStringLiteral("TSeaHavenForm");
        i.Name = QStringLiteral("Sea Towers");
        i.PlacementSection = QStringLiteral("SeaHavenTowers");
        i.ProfileSection = QStringLiteral("SeaHavenTowers");
        i.HelpTopic = 1011;
        i.ClientWidth = 887;
        i.ClientHeight = 571;
        i.MinHeight = 480;
        i.ResizeMargin = 142;
        i.RestoreState = true;
        i.RestartName = QStringLiteral("Redeal1");
        return i;
    }();
    return info;
}

const TLayout& TSeaHavenForm::LargeLayout() {
    static const TLayout layout = [] {
        // Two foundations at each end of the top row, the free cells between.
        auto foundation = [](int n, int left) {
            return TPileSlot{Numbered("FoundPileView", n), S::Foundation, left, 8, 80, 125, 0.0f, 0.0f, S::Bordered};
        };
        TLayout l = {foundation(1, 8), foundation(2, 96)};
        for (int i = 0; i < 4; ++i)
            l.push_back({Numbered("FreePileView", i + 1), S::Cell, 272 + 88 * i, 8, 80, 125, 0.0f, 0.0f,
                         S::Bordered | S::Draggable});
        l.push_back(foundation(3, 712));
        l.push_back(foundation(4, 800));
        for (int i = 0; i < 10; ++i)
            l.push_back({Numbered("TableauPileView", i + 1), S::Tableau, 8 + 88 * i, 140, 80, 429, 0.0f, 20.0f,
                         S::Draggable});
        return l;
    }();
    return layout;
}

TSeaHavenForm::TSeaHavenForm(QWidget* parent) : TSeaHavenForm(parent, LargeInfo(), LargeLayout()) { FormCreate(); }

TSeaHavenForm::TSeaHavenForm(QWidget* parent, const TGameInfo& info, const TLayout& layout)
    : TFreeCellForm(parent, info, layout) {
    setWindowTitle(info.Name);
}

// --- Deal: five rows of ten from free cell 2; the last two to cells 3 and 2 ---

void TSeaHavenForm::DealCards(bool newDeal, bool quiet) {
    TCardPileView* dealer = FreeCells[1];
    BeginDeal(dealer, newDeal, quiet);
    const bool animate = Animate(quiet);
    for (int row = 1; row <= 5; ++row) {
        for (TCardPileView* column : Tableau) DealCard(dealer->Pile, column, true, animate);
        DealRoundDone(dealer, animate);
    }
    DealCard(dealer->Pile, FreeCells[2], true, false);
    dealer->Pile->CardAt(TOP_OF_PILE)->FaceUp = true;
    EndDeal();
}

// --- The rules: runs down in suit, a King into an empty column ---

std::shared_ptr<TSolverRules> TSeaHavenForm::MakeSolver() const { return std::make_shared<TSeaHavenSolver>(LargeLayout()); }

void TSeaHavenForm::PresetDropTarget(TCardPileView* source) {
    // One pass over the columns, empty ones included, then the foundations.
    if (!PresetTarget(source, Tableau, [this](TCardPileView* t, TCardPileView* s) { return CanDropOnColumn(t, s); }))
        PresetTarget(source, Foundation, [this](TCardPileView* t, TCardPileView* s) { return CanDropOnFoundation(t, s); });
}

// --- Small cards ---

const TGameInfo& TsSeaHavenForm::SmallInfo() {
    static const TGameInfo info = SmallCardInfo(TSeaHavenForm::LargeInfo(), QStringLiteral("TsSeaHavenForm"),
                                                QStringLiteral("sSeaHavenTowers"), QSize(725, 480), 360, 110);
    return info;
}

const TLayout& TsSeaHavenForm::SmallLayout() {
    static const TLayout layout = SmallCardLayout(
        TSeaHavenForm::LargeLayout(),
        TPlaces{{"FoundPileView1", 8, 8, 61, 95}, {"FoundPileView2", 72, 8, 61, 95},
                {"FoundPileView3", 592, 8, 61, 95}, {"FoundPileView4", 656, 8, 61, 95}} +
            PlaceRow("FreePileView", 4, 234, 64, 8, 61, 95) + PlaceRow("TableauPileView", 10, 8, 72, 108, 61, 370, 16.0f));
    return layout;
}

TsSeaHavenForm::TsSeaHavenForm(QWidget* parent) : TSeaHavenForm(parent, SmallInfo(), SmallLayout()) { FormCreate(); }
