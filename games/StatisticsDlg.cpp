#include "StatisticsDlg.h"

#include "Dialogs.h"
#include "GameRegistry.h"
#include "Statistics.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// A read-only table of whole rows; column `stretch` takes the spare width.
QTableWidget* Table(QWidget* parent, const char* name, const QStringList& headers, int stretch) {
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(stretch, QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

// The first `textColumns` cells read from the left, the figures after them from the right.
void SetRow(QTableWidget* table, int row, const QStringList& cells, int textColumns) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c >= textColumns) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

QString Best(bool any, const QString& text) {
    return any ? text : QStringLiteral("-");
}
} // namespace

TStatisticsDlg::TStatisticsDlg(QWidget* parent, const QString& game, quint32 deal, TStatisticsStore& store)
    : QDialog(parent), game_(game), store_(store) {
    setObjectName(QStringLiteral("StatisticsDlg"));
    setWindowTitle(tr("Statistics"));
    auto* layout = new QVBoxLayout(this);

    auto* mine = new QGroupBox(GameTitle(game), this);
    auto* grid = new QGridLayout(mine);
    const QStringList captions = {tr("Deals played:"),
                                  tr("Deals won:"),
                                  tr("Win rate:"),
                                  tr("Current streak:"),
                                  tr("Total time played:"),
                                  tr("Longest winning streak:"),
                                  tr("Longest losing streak:"),
                                  tr("Fewest moves in a win:"),
                                  tr("Fastest win:"),
                                  tr("This deal's number:")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* value = new QLabel(mine);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(captions[i], mine), i % 5, i / 5 * 3);
        grid->addWidget(value, i % 5, i / 5 * 3 + 1);
        figures_.push_back(value);
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(4, 1);
    figures_.back()->setText(QString::number(deal));
    layout->addWidget(mine);

    GamesTable = Table(this, "GamesTable",
                       {tr("Game"), tr("Played"), tr("Won"), tr("Win rate"), tr("Streak"), tr("Longest won"),
                        tr("Longest lost"), tr("Fewest moves"), tr("Fastest win")},
                       0);
    layout->addWidget(new QLabel(tr("All games:"), this));
    layout->addWidget(GamesTable, 3);

    DealsTable =
        Table(this, "DealsTable", {tr("Deal number"), tr("Date"), tr("Result"), tr("Moves"), tr("Time")}, 1);
    layout->addWidget(
        new QLabel(tr("Last deals of %1 (double-click one to play it again):").arg(GameTitle(game)), this));
    layout->addWidget(DealsTable, 2);
    connect(DealsTable, &QTableWidget::cellDoubleClicked, this, [this] { PlayAgain(); });

    auto* buttons = new QHBoxLayout;
    PlayAgainButton = new QPushButton(tr("&Play Again"), this);
    ResetGameButton = new QPushButton(tr("&Reset %1...").arg(GameTitle(game)), this);
    ResetAllButton = new QPushButton(tr("Reset &All..."), this);
    auto* close = new QPushButton(tr("Close"), this);
    PlayAgainButton->setObjectName(QStringLiteral("PlayAgainButton"));
    ResetGameButton->setObjectName(QStringLiteral("ResetGameButton"));
    ResetAllButton->setObjectName(QStringLiteral("ResetAllButton"));
    close->setDefault(true);
    for (QPushButton* b : {PlayAgainButton, ResetGameButton, ResetAllButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(PlayAgainButton, &QPushButton::clicked, this, &TStatisticsDlg::PlayAgain);
    connect(ResetGameButton, &QPushButton::clicked, this, &TStatisticsDlg::ResetGame);
    connect(ResetAllButton, &QPushButton::clicked, this, &TStatisticsDlg::ResetAll);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(DealsTable, &QTableWidget::itemSelectionChanged, this,
            [this] { PlayAgainButton->setEnabled(!DealsTable->selectedItems().isEmpty()); });

    Refresh();
    resize(820, 700);
}

void TStatisticsDlg::Refresh() {
    const TGameFigures f = store_.Of(game_);
    const bool won = f.Won > 0;
    const QStringList values = {QString::number(f.Played),
                                QString::number(f.Won),
                                QStringLiteral("%1%").arg(f.WinRate()),
                                StreakText(f),
                                DurationText(f.TotalSeconds),
                                QString::number(f.LongestWinningStreak),
                                QString::number(f.LongestLosingStreak),
                                Best(won, QString::number(f.FewestMoves)),
                                Best(won, DurationText(f.FastestWin))};
    for (int i = 0; i < values.size(); ++i)
        figures_[std::size_t(i)]->setText(values[i]);

    const auto& games = SolitaireGames();
    GamesTable->setRowCount(int(games.size()));
    for (int row = 0; row < int(games.size()); ++row) {
        const QString name = QLatin1String(games[std::size_t(row)].Name);
        const TGameFigures g = store_.Of(name);
        SetRow(GamesTable, row,
               {GameTitle(name), QString::number(g.Played), QString::number(g.Won),
                QStringLiteral("%1%").arg(g.WinRate()), StreakText(g),
                QString::number(g.LongestWinningStreak), QString::number(g.LongestLosingStreak),
                Best(g.Won > 0, QString::number(g.FewestMoves)), Best(g.Won > 0, DurationText(g.FastestWin))},
               1);
        if (name == game_) GamesTable->selectRow(row);
    }

    DealsTable->setRowCount(int(f.Recent.size()));
    for (int row = 0; row < f.Recent.size(); ++row) {
        const TDealRecord& d = f.Recent[row];
        SetRow(DealsTable, row,
               {QString::number(d.Number), d.Ended.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                d.Won ? tr("Won") : tr("Lost"), QString::number(d.Moves), DurationText(d.Seconds)},
               3);
    }
    DealsTable->clearSelection();
    PlayAgainButton->setEnabled(false);
}

void TStatisticsDlg::PlayAgain() {
    const int row = DealsTable->currentRow();
    if (row < 0 || DealsTable->selectedItems().isEmpty()) return;
    ChosenDeal = DealsTable->item(row, 0)->text().toUInt();
    accept();
}

void TStatisticsDlg::ResetGame() {
    Reset(game_, tr("Reset the statistics of %1?").arg(GameTitle(game_)));
}

void TStatisticsDlg::ResetAll() {
    Reset({}, tr("Reset the statistics of all games?"));
}

void TStatisticsDlg::Reset(const QString& game, const QString& question) {
    if (!Dialogs().Confirm(this, question)) return;
    store_.Reset(game);
    Refresh();
}

TSelectDealDlg::TSelectDealDlg(QWidget* parent, quint32 current) : QDialog(parent) {
    setObjectName(QStringLiteral("SelectDealDlg"));
    setWindowTitle(tr("Select Deal"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Deal number (0 to 4294967295):"), this));
    NumberEdit = new QLineEdit(QString::number(current), this);
    NumberEdit->setObjectName(QStringLiteral("NumberEdit"));
    NumberEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,10}")), this));
    NumberEdit->selectAll();
    layout->addWidget(NumberEdit);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton = box->button(QDialogButtonBox::Ok);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(NumberEdit, &QLineEdit::textChanged, this,
            [this] { OkButton->setEnabled(Number().has_value()); });
}

std::optional<quint32> TSelectDealDlg::Number() const {
    bool ok = false;
    const qulonglong value = NumberEdit->text().toULongLong(&ok);
    if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
    return quint32(value);
}
