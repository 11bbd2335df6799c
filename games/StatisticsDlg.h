// The statistics window of a game (its figures, a table of every game, its
// last deals, which can be played again) and the small window that asks for
// a deal number. Both are shown through the dialog seam.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TStatisticsStore;

class TStatisticsDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TStatisticsDlg)

public:
    // `game` is the list name of the game whose window opened it, `deal` the
    // number of the deal on its table.
    TStatisticsDlg(QWidget* parent, const QString& game, quint32 deal, TStatisticsStore& store);

    QTableWidget* GamesTable = nullptr;
    QTableWidget* DealsTable = nullptr;
    QPushButton* PlayAgainButton = nullptr;
    QPushButton* ResetGameButton = nullptr;
    QPushButton* ResetAllButton = nullptr;

    // The deal to play again, when the window closed by Play Again.
    std::optional<quint32> ChosenDeal;

    void Refresh();
    void PlayAgain();
    void ResetGame();
    void ResetAll();

private:
    void Reset(const QString& game, const QString& question);

    QString game_;
    TStatisticsStore& store_;
    std::vector<QLabel*> figures_; // values of the top block, in the order of its captions
};

class TSelectDealDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TSelectDealDlg)

public:
    TSelectDealDlg(QWidget* parent, quint32 current);

    QLineEdit* NumberEdit = nullptr;
    QPushButton* OkButton = nullptr;

    // The number typed, when it is one the generator takes.
    std::optional<quint32> Number() const;
};
