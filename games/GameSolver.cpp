// The solver in the frame: the game's rules asked through the window's
// predicates, the hint that knows the way, and Winnable Deals Only.
#include "GameForm.h"

#include "DealTracker.h"
#include "Dialogs.h"
#include "GameRegistry.h"
#include "PrivateProfile.h"
#include "Solver.h"
#include "TableMarks.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <algorithm>

namespace {

QString OptionsFile() { return PrivateProfile::StateFolder() + QStringLiteral("/Options.ini"); }
const QString kWinnableKey = QStringLiteral("WinnableDealsOnly");

} // namespace

// --- The rules, shared with the solver ---

std::shared_ptr<const TSolverRules> TGameForm::Solver() const {
    if (solverMade_) return solver_;
    solverMade_ = true;
    solver_ = MakeSolver();
    if (!solver_) return nullptr;
    TSolverRules& rules = *solver_;
    auto indexes = [this](const std::vector<TCardPileView*>& views) {
        std::vector<int> out;
        for (const TCardPileView* view : views) out.push_back(IndexOf(view));
        return out;
    };
    if (rules.DropOrder.empty()) rules.DropOrder = indexes(DropOrder());
    if (rules.DragSources.empty())
        for (const TCardPileView* view : views_)
            if (view->AllowDrag) rules.DragSources.push_back(IndexOf(view));
    if (rules.Foundations.empty()) rules.Foundations = indexes(Foundation);
    if (rules.Columns.empty()) rules.Columns = indexes(Tableau);
    if (rules.Cells.empty()) rules.Cells = indexes(FreeCells);
    if (rules.Stock < 0 && HasStock()) rules.Stock = IndexOf(StockView());
    if (rules.Waste < 0)
        if (const std::vector<TCardPileView*> waste = ViewsOf(TPileSlot::Waste); !waste.empty()) rules.Waste = IndexOf(waste.front());
    return solver_;
}

TSolverTable TGameForm::SolverTable() const {
    TSolverTable table(static_cast<int>(views_.size()));
    for (std::size_t p = 0; p < views_.size(); ++p) {
        const TCardPileView* view = views_[p];
        for (const TCard* card : view->Pile->Cards) table.Push(static_cast<int>(p), SolverCard(CardCode(card), card->FaceUp));
        if (view->IsDragging())
            for (const TCard* card : view->DragPile->Cards) table.Push(static_cast<int>(p), SolverCard(CardCode(card), card->FaceUp));
    }
    SolverCounters(table);
    return table;
}

bool TGameForm::MayLift(const TCardPileView* view, int index) const {
    const auto rules = Solver();
    return rules && rules->MayLift(SolverTable(), IndexOf(view), index);
}

bool TGameForm::Takes(const TCardPileView* target, const TCard* bottom, std::size_t count) const {
    const auto rules = Solver();
    return rules && rules->Takes(SolverTable(), IndexOf(target), bottom, static_cast<int>(count));
}

TCardPileView* TGameForm::DoubleClickTarget(const TCardPileView* view) const {
    const auto rules = Solver();
    return rules ? View(rules->HomeFor(SolverTable(), IndexOf(view))) : nullptr;
}

bool TGameForm::StockTurnChanges() const {
    const auto rules = Solver();
    return rules && rules->StockTurnChanges(SolverTable());
}

void TGameForm::CancelSolverWork() {
    if (hintSearch_) hintSearch_->store(true);
    hintSearch_.reset();
    hintPending_ = 0;
    if (dealSearch_) {
        dealSearch_->store(true);
        dealSearch_.reset();
        ShowDealSearch(false);
    }
}

// --- The hint ---

std::optional<TMove> TGameForm::SolutionMove(const TSolverTable& table) const {
    const auto rules = Solver();
    if (!rules || !solutionStart_) return std::nullopt;
    TSolverTable step = *solutionStart_;
    const std::uint64_t key = table.Key();
    for (const TMove& move : solution_) {
        if (step.Key() == key) return move;
        rules->Play(step, move);
    }
    return std::nullopt;
}

void TGameForm::Hint1Click() {
    if (Dragging() || FindingDeal()) return;
    ActionEnds();
    const TMoves moves = HintMoves();
    if (moves.empty()) {
        const QString instead = HintWithoutMoves();
        Dialogs().Information(this, instead.isEmpty() ? tr("No more moves.") : instead);
        return;
    }
    const std::uint64_t key = TableKey();
    if (key == hintKey_) return ShowNextHint();
    hintKey_ = key;
    hintNext_ = 0;
    hintList_ = moves;
    const auto rules = Solver();
    const TSolverTable table = SolverTable();
    // A table that does not hold the whole deal (a test's, say) is beyond
    // the solver: the ranking alone answers.
    if (!rules || table.CardCount() != 52 * info_.Decks || GameWon) return ShowNextHint();
    if (const std::optional<TMove> next = SolutionMove(table)) {
        hintList_.erase(std::remove(hintList_.begin(), hintList_.end(), *next), hintList_.end());
        hintList_.insert(hintList_.begin(), *next);
        return ShowNextHint();
    }
    // The ranked hint shows at once; the worker's answer, when it comes
    // (within about half a second), puts a solution's first move in its place.
    ShowNextHint();
    hintKey_ = 0;
    if (hintPending_ == key) return;
    if (hintSearch_) hintSearch_->store(true);
    hintPending_ = key;
    QPointer<TGameForm> self(this);
    hintSearch_ = TSolverThread::Run([rules, table, key, self](const std::atomic<bool>& cancel) {
        TSolverBudget budget;
        budget.Seconds = kHintSeconds;
        budget.Nodes = 50'000'000;
        budget.Cancel = &cancel;
        const TSolverResult result = Solve(*rules, table, budget);
        if (cancel.load()) return;
        TSolverThread::Answer([self, key, table, result] {
            if (self) self->HintSolved(key, table, result);
        });
    });
}

void TGameForm::HintSolved(std::uint64_t key, const TSolverTable& table, const TSolverResult& result) {
    if (hintPending_ != key) return;
    hintPending_ = 0;
    hintSearch_.reset();
    if (TableKey() != key || Dragging() || FindingDeal()) return; // the table has moved on
    if (result.Kind == TSolverResult::Winnable && !result.Moves.empty()) {
        solutionStart_ = std::make_shared<TSolverTable>(table);
        solution_ = result.Moves;
    }
    // The player put the ranked hint away (a key or a press): the answer
    // waits for the next H, which finds the solution at once.
    if (!TTableMarks::Of(this)->HintShown()) return;
    hintKey_ = key;
    hintNext_ = 0;
    hintList_ = HintMoves();
    // A way on that the moves do not list (Montana's reshuffle) is beyond
    // the solver's proof: the ranked moves answer instead.
    if (result.Kind == TSolverResult::NotWinnable && HintWithoutMoves().isEmpty()) {
        // Said once; H again on this table goes through the ranked moves.
        Dialogs().Information(this, tr("This deal can no longer be won."));
        return;
    }
    if (result.Kind == TSolverResult::Winnable && !result.Moves.empty()) {
        const TMove first = result.Moves.front();
        hintList_.erase(std::remove(hintList_.begin(), hintList_.end(), first), hintList_.end());
        hintList_.insert(hintList_.begin(), first);
    }
    ShowNextHint();
}

void TGameForm::ShowNextHint() {
    if (hintList_.empty()) return;
    ShowHint(hintList_[static_cast<std::size_t>(hintNext_ % static_cast<int>(hintList_.size()))]);
    ++hintNext_;
}

// --- Winnable Deals Only ---

void TGameForm::AddSolverCommands() {
    if (!Solver()) return;
    appended_.push_back(nullptr); // a separator
    WinnableOnly1 = AppendCommand(QStringLiteral("WinnableOnly1"), tr("&Winnable Deals Only"));
    WinnableOnly1->setCheckable(true);
    const std::optional<QString> stored = PrivateProfile::Read(OptionsFile(), info_.Name, kWinnableKey);
    WinnableOnly1->setChecked(stored && stored->trimmed() == QLatin1String("1"));
    connect(WinnableOnly1, &QAction::toggled, this, [this](bool on) {
        PrivateProfile::Write(OptionsFile(), info_.Name, kWinnableKey, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void TGameForm::NewDeal(bool quiet) {
    CancelSolverWork();
    const auto rules = Solver();
    if (!rules || WinnableOnly1 == nullptr || !WinnableOnly1->isChecked() || Deals().Chosen()) {
        StartDeal(true, quiet);
        return;
    }
    // The worker tries deal after deal from where New Game would deal; the
    // table waits empty, with a note, and the window stays in use.
    EmptyAllPiles();
    if (UndoList) UndoList->Clear();
    MoveCount = 0;
    GameWon = false;
    RepaintAll();
    setWindowTitle(GameTitle(info_.Name));
    ShowDealSearch(true);
    const std::uint32_t from = RandomSeed();
    QPointer<TGameForm> self(this);
    dealSearch_ = TSolverThread::Run([rules, from, quiet, self](const std::atomic<bool>& cancel) {
        TSolverBudget budget;
        budget.Seconds = kCandidateSeconds;
        budget.Nodes = 50'000'000;
        budget.Cancel = &cancel;
        const TWinnableDeal deal = FindWinnableDeal(*rules, from, budget, 100000, kDealSearchSeconds);
        if (cancel.load()) return;
        TSolverThread::Answer([self, deal, from, quiet] {
            if (self) self->DealFound(deal.Found, deal.Found ? deal.Number : from, quiet);
        });
    });
}

void TGameForm::DealFound(bool found, quint32 number, bool quiet) {
    if (!dealSearch_) return; // cancelled meanwhile
    dealSearch_.reset();
    ShowDealSearch(false);
    // Dealt as New Game deals: the generator goes on from this deal.
    SeedRandom(number);
    StartDeal(true, quiet);
    if (!found) Dialogs().Information(this, tr("No deal that can be won was found in time. This deal may not be winnable."));
}

void TGameForm::ShowDealSearch(bool shown) {
    for (TCardPileView* view : views_) view->setEnabled(!shown);
    if (!shown) {
        delete searchNote_;
        searchNote_ = nullptr;
        return;
    }
    if (searchNote_ != nullptr) return;
    auto* note = new QLabel(tr("Looking for a deal that can be won..."), this);
    note->setObjectName(QStringLiteral("DealSearchNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setAttribute(Qt::WA_NoMousePropagation);
    note->setStyleSheet(QStringLiteral("QLabel { color: white; background: rgba(0, 0, 0, 120); padding: 12px; }"));
    note->adjustSize();
    note->move((width() - note->width()) / 2, (height() - note->height()) / 2);
    note->show();
    searchNote_ = note;
}
