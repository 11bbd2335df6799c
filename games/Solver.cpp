#include "Solver.h"

#include <algorithm>
#include <chrono>
#include <unordered_map>

// --- The default move list, ranking and win ---

void TSolverRules::Moves(const TSolverTable& table, TMoves& out) const {
    out.clear();
    for (int s = 0; s < table.PileCount(); ++s) {
        const int n = table.Size(s);
        if (n == 0) continue;
        if (std::find(DragSources.begin(), DragSources.end(), s) != DragSources.end())
            for (int i = 0; i < n; ++i) {
                if (!MayLift(table, s, i)) continue;
                for (int target : DropOrder)
                    if (target != s && Takes(table, target, table.Card(s, i), n - i)) out.push_back(TMove::DropOn(s, i, target));
            }
        if (const int home = HomeFor(table, s); home >= 0) out.push_back(TMove::Home(s, n - 1, home));
    }
    if (Stock >= 0 && StockTurnChanges(table)) out.push_back(TMove::Stock(Stock));
}

bool TSolverRules::Won(const TSolverTable& table) const {
    int home = 0;
    for (int f : Foundations) home += table.Size(f);
    return home == table.CardCount();
}

int TSolverRules::Score(const TSolverTable& table, const TMove& move) const {
    if (move.Type == TMove::StockTurn) return 0;
    if (move.Type == TMove::Press || move.Source < 0) return 100;
    const int target = move.Type == TMove::SendHome && move.Target < 0 ? HomeFor(table, move.Source) : move.Target;
    auto in = [](const std::vector<int>& piles, int pile) { return std::find(piles.begin(), piles.end(), pile) != piles.end(); };
    const bool toHome = in(Foundations, target), toColumn = in(Columns, target);
    const bool targetEmpty = target >= 0 && table.Empty(target);
    const int moved = table.Size(move.Source) - move.Index;
    int score = 100;
    if (toHome) score += 1000;
    if (move.Index > 0) {
        const TCard* under = table.Card(move.Source, move.Index - 1);
        if (!under->FaceUp) {
            score += 600; // turns a card up
        } else {
            for (int f : Foundations)
                if (Takes(table, f, under, 1)) {
                    score += 300; // frees a card that can go home
                    break;
                }
        }
    } else if (in(Columns, move.Source) && target >= 0 && !targetEmpty) {
        score += 400; // empties a column
    }
    if (toColumn && !targetEmpty) score += 50 + 5 * (table.FaceUpRun(target) + moved);
    if (target >= 0 && targetEmpty && !toHome) score -= 60;
    if (in(Cells, target)) score -= 70;
    if (move.Source == Waste) score += 40;
    return score;
}

// --- The search ---

namespace {

// The positions seen: open addressing over 64-bit keys (0 stands for empty),
// growing by doubling up to the budget's bytes.
class TSeen {
public:
    explicit TSeen(std::size_t maxBytes) : maxSlots_(std::max<std::size_t>(1024, maxBytes / sizeof(std::uint64_t))) {
        slots_.assign(std::min<std::size_t>(1u << 16, maxSlots_), 0);
    }
    // 1: newly added, 0: seen before, -1: no room left.
    int Insert(std::uint64_t key) {
        if (key == 0) key = 1;
        if ((count_ + 1) * 10 > slots_.size() * 7 && !Grow()) return -1;
        return Place(slots_, key) ? (++count_, 1) : 0;
    }

private:
    static bool Place(std::vector<std::uint64_t>& cells, std::uint64_t key) {
        const std::size_t mask = cells.size() - 1;
        for (std::size_t i = (key * 0x9E3779B97F4A7C15ull) >> 7 & mask;; i = (i + 1) & mask) {
            if (cells[i] == key) return false;
            if (cells[i] == 0) {
                cells[i] = key;
                return true;
            }
        }
    }
    bool Grow() {
        if (slots_.size() * 2 > maxSlots_) return false;
        std::vector<std::uint64_t> bigger(slots_.size() * 2, 0);
        for (std::uint64_t key : slots_)
            if (key != 0) Place(bigger, key);
        slots_.swap(bigger);
        return true;
    }

    std::size_t maxSlots_;
    std::size_t count_ = 0;
    std::vector<std::uint64_t> slots_;
};

struct TFrame {
    TSolverTable Table;
    TMoves Moves;
    std::size_t Next = 0;
};

// Deeper paths than this are cut; a cut search proves nothing.
constexpr std::size_t kMaxDepth = 12000;

void Order(const TSolverRules& rules, const TSolverTable& table, const TMove* last, TMoves& moves) {
    if (last != nullptr)
        moves.erase(std::remove_if(moves.begin(), moves.end(), [&](const TMove& m) { return rules.Prune(table, *last, m); }),
                    moves.end());
    std::vector<std::pair<int, TMove>> ranked;
    ranked.reserve(moves.size());
    for (const TMove& m : moves) ranked.emplace_back(rules.Score(table, m), m);
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < moves.size(); ++i) moves[i] = ranked[i].second;
}

// A depth-first solution wanders. Along it every position is different, so
// where one move leads from a position to a later one of the path, the moves
// between can go: greedily, the farthest such jump from each position.
TMoves Shorten(const TSolverRules& rules, const std::vector<TSolverTable>& path, const TMoves& moves) {
    std::unordered_map<std::uint64_t, std::size_t> at;
    for (std::size_t i = 0; i < path.size(); ++i) at[path[i].Key()] = i;
    TMoves out, listed;
    for (std::size_t i = 0; i + 1 < path.size();) {
        std::size_t to = i + 1;
        TMove best = moves[i];
        rules.Moves(path[i], listed);
        for (const TMove& m : listed) {
            TSolverTable next = path[i];
            rules.Play(next, m);
            const auto it = at.find(next.Key());
            if (it != at.end() && it->second > to && path[it->second] == next) {
                to = it->second;
                best = m;
            }
        }
        out.push_back(best);
        i = to;
    }
    return out;
}

} // namespace

TSolverResult Solve(const TSolverRules& rules, const TSolverTable& start, const TSolverBudget& budget) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point began = Clock::now();
    TSolverResult result;
    auto finish = [&](TSolverResult::Verdict kind) {
        result.Kind = kind;
        result.Seconds = std::chrono::duration<double>(Clock::now() - began).count();
        return result;
    };
    if (rules.Won(start)) return finish(TSolverResult::Winnable);

    TSeen seen(budget.TableBytes);
    seen.Insert(rules.Key(start));
    std::vector<TFrame> stack;
    stack.reserve(256);
    stack.push_back({start, {}, 0});
    rules.Moves(start, stack.back().Moves);
    Order(rules, start, nullptr, stack.back().Moves);
    bool cut = false;

    while (!stack.empty()) {
        if ((result.Nodes & 1023u) == 0) {
            if (budget.Cancel != nullptr && budget.Cancel->load(std::memory_order_relaxed)) {
                result.Cancelled = true;
                return finish(TSolverResult::Undecided);
            }
            if (std::chrono::duration<double>(Clock::now() - began).count() > budget.Seconds)
                return finish(TSolverResult::Undecided);
        }
        if (result.Nodes >= budget.Nodes) return finish(TSolverResult::Undecided);
        TFrame& top = stack.back();
        if (top.Next >= top.Moves.size()) {
            stack.pop_back();
            continue;
        }
        const TMove move = top.Moves[top.Next++];
        TSolverTable child = top.Table;
        rules.Play(child, move);
        const int added = seen.Insert(rules.Key(child));
        if (added == 0) continue;
        if (added < 0) return finish(TSolverResult::Undecided); // no room to remember more
        ++result.Nodes;
        if (rules.Won(child)) {
            std::vector<TSolverTable> path;
            for (const TFrame& frame : stack) {
                path.push_back(frame.Table);
                result.Moves.push_back(frame.Moves[frame.Next - 1]);
            }
            path.push_back(child);
            for (std::size_t before = 0; before != result.Moves.size();) {
                before = result.Moves.size();
                result.Moves = Shorten(rules, path, result.Moves);
                if (result.Moves.size() == before) break;
                path.resize(1);
                for (const TMove& m : result.Moves) {
                    path.push_back(path.back());
                    rules.Play(path.back(), m);
                }
            }
            return finish(TSolverResult::Winnable);
        }
        if (stack.size() >= kMaxDepth) {
            cut = true;
            continue;
        }
        TFrame next{child, {}, 0};
        rules.Moves(next.Table, next.Moves);
        Order(rules, next.Table, &move, next.Moves);
        stack.push_back(std::move(next));
    }
    return finish(cut ? TSolverResult::Undecided : TSolverResult::NotWinnable);
}

TWinnableDeal FindWinnableDeal(const TSolverRules& rules, std::uint32_t number, const TSolverBudget& perDeal,
                               int candidates, double totalSeconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point began = Clock::now();
    TWinnableDeal found;
    for (; found.Tried < candidates; ++found.Tried) {
        if (perDeal.Cancel != nullptr && perDeal.Cancel->load()) break;
        if (std::chrono::duration<double>(Clock::now() - began).count() > totalSeconds) break;
        const TSolverTable table = rules.Deal(number);
        const std::uint32_t next = RandomSeed(); // where New Game would go on from
        found.Result = Solve(rules, table, perDeal);
        if (found.Result.Kind == TSolverResult::Winnable) {
            found.Found = true;
            found.Number = number;
            ++found.Tried;
            break;
        }
        number = next;
    }
    return found;
}
