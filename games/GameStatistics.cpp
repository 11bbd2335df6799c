// The frame's part in the player's figures and deal numbers: the deal
// tracker of the window, the Statistics and Select Deal commands.
#include "GameForm.h"

#include "DealTracker.h"
#include "Dialogs.h"
#include "GameRegistry.h"
#include "Statistics.h"
#include "StatisticsDlg.h"

#include <QAction>

TDealTracker& TGameForm::Deals() {
    if (!deals_) {
        // Both card sizes keep their figures under the game's list name.
        const TSolitaireGame* game = GameOfClass(info_.ClassName);
        deals_ = new TDealTracker(this, game ? QLatin1String(game->Name) : info_.Name);
        deals_->Moves = [this] { return MoveCount; };
    }
    return *deals_;
}

void TGameForm::StartDeal(bool newDeal, bool quiet) {
    CancelSolverWork();
    Deals().BeginDeal();
    DealCards(newDeal, quiet);
    Deals().DealDone();
}

void TGameForm::AddStatisticsCommands() {
    Statistics1 = AppendCommand(QStringLiteral("Statistics1"), tr("S&tatistics..."));
    SelectDeal1 = AppendCommand(QStringLiteral("SelectDeal1"), tr("Select &Deal..."));
    connect(Statistics1, &QAction::triggered, this, [this] { Statistics1Click(); });
    connect(SelectDeal1, &QAction::triggered, this, [this] { SelectDeal1Click(); });
}

void TGameForm::Statistics1Click() {
    if (Dragging()) return;
    TStatisticsDlg dialog(this, Deals().Game(), Deals().Number(), TStatisticsStore::Instance());
    if (Dialogs().ExecModal(&dialog) == QDialog::Accepted && dialog.ChosenDeal) PlayDeal(*dialog.ChosenDeal);
}

void TGameForm::SelectDeal1Click() {
    if (Dragging()) return;
    TSelectDealDlg dialog(this, Deals().Number());
    if (Dialogs().ExecModal(&dialog) != QDialog::Accepted) return;
    if (const auto number = dialog.Number()) PlayDeal(*number);
}

void TGameForm::PlayDeal(quint32 number) {
    Deals().Choose(number);
    NewGame1Click(NewGame1);
    Deals().Forget(); // the quit prompt's Cancel leaves the choice unused
}
