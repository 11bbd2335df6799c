// The solver of every game over seeded deals: the share of deals it decides
// (winnable or proved not) within the budget, the median time to decide, and
// how long Winnable Deals Only takes to find a deal at the median.
//   quillane_bench_solver [--deals N] [--starts N] [--seconds S] [GAME...]
// Prints "key value" lines: SolveDecided<Game> (percent), SolveMedian<Game>
// (ms), SolveWinnable<Game> (percent proved winnable), WinnableDeal<Game> (ms).
#include "GameForm.h"
#include "GameRegistry.h"
#include "Solver.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString Key(const char* name) { return QString::fromLatin1(name).remove(QLatin1Char(' ')); }

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toUtf8());
    qputenv("XDG_STATE_HOME", (scratch.path() + QStringLiteral("/state")).toUtf8());
    QApplication app(argc, argv);
    int deals = 100, starts = 11;
    double seconds = 2.0;
    QStringList only;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--deals") && i + 1 < args.size()) deals = args[++i].toInt();
        else if (args[i] == QLatin1String("--starts") && i + 1 < args.size()) starts = args[++i].toInt();
        else if (args[i] == QLatin1String("--seconds") && i + 1 < args.size()) seconds = args[++i].toDouble();
        else only << args[i];
    }
    for (const TSolitaireGame& game : SolitaireGames()) {
        if (!only.isEmpty() && !only.contains(QLatin1String(game.Name))) continue;
        TGameForm* form = CreateGameForm(QLatin1String(game.LargeClass));
        const std::shared_ptr<const TSolverRules> rules = form ? form->Solver() : nullptr;
        if (!rules) {
            std::fprintf(stderr, "%s: no solver\n", game.Name);
            delete form;
            continue;
        }
        const QString key = Key(game.Name);
        std::vector<double> times;
        int decided = 0, winnable = 0;
        TSolverBudget budget;
        budget.Seconds = seconds;
        budget.Nodes = static_cast<std::size_t>(-1);
        for (int n = 1; n <= deals; ++n) {
            const TSolverResult result = Solve(*rules, rules->Deal(static_cast<std::uint32_t>(n)), budget);
            if (result.Kind == TSolverResult::Undecided) continue;
            ++decided;
            winnable += result.Kind == TSolverResult::Winnable;
            times.push_back(result.Seconds * 1000);
        }
        std::printf("SolveDecided%s %g\n", qPrintable(key), 100.0 * decided / deals);
        std::printf("SolveWinnable%s %g\n", qPrintable(key), 100.0 * winnable / deals);
        std::printf("SolveMedian%s %g\n", qPrintable(key), Median(times));
        // Winnable Deals Only as the window runs it, from several starting numbers.
        std::vector<double> found;
        TSolverBudget candidate;
        candidate.Seconds = kCandidateSeconds;
        candidate.Nodes = static_cast<std::size_t>(-1);
        for (int s = 0; s < starts; ++s) {
            const auto began = std::chrono::steady_clock::now();
            const TWinnableDeal deal =
                FindWinnableDeal(*rules, 1000003u * static_cast<std::uint32_t>(s + 1), candidate, 100000, kDealSearchSeconds);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began).count();
            found.push_back(deal.Found ? ms : 1e9);
        }
        std::printf("WinnableDeal%s %g\n", qPrintable(key), Median(found));
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %d of %d decided\n", game.Name, decided, deals);
        delete form;
    }
    return 0;
}
