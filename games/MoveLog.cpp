#include "MoveLog.h"

void TMoveLog::Open(const TMove& move, int moved, const TState& now) {
    if (open_) Close(now);
    // A history cleared or undone behind the log's back leaves nothing to follow.
    if (!done_.empty() && done_.back().RecordsAfter > now.Records) done_.clear();
    TEntry entry;
    entry.Move = move;
    entry.Moved = moved;
    entry.RecordsBefore = now.Records;
    entry.Before = now.Key;
    open_ = entry;
}

void TMoveLog::SetTarget(int target) {
    // The first pile named wins: the drop's own target before the drag's last one.
    if (open_ && open_->Move.Target < 0) open_->Move.Target = target;
}

void TMoveLog::Close(const TState& now) {
    if (!open_) return;
    TEntry entry = *open_;
    open_.reset();
    if (now.Key == entry.Before && now.Records == entry.RecordsBefore) return;
    entry.RecordsAfter = now.Records;
    entry.MovesAfter = now.Moves;
    entry.After = now.Key;
    done_.push_back(entry);
    if (!redoing_) redo_.clear();
}

void TMoveLog::Undone(int records) {
    open_.reset();
    while (!done_.empty() && done_.back().RecordsBefore >= records) {
        redo_.push_back(done_.back());
        done_.pop_back();
    }
}

const TMoveLog::TEntry* TMoveLog::NextRedo(std::uint64_t key) const {
    if (redo_.empty() || redo_.back().Before != key) return nullptr;
    return &redo_.back();
}

void TMoveLog::BeginRedo() { redoing_ = true; }

std::optional<int> TMoveLog::EndRedo(std::uint64_t key) {
    redoing_ = false;
    // The redone action and any autoplay that followed it again.
    std::optional<int> moves;
    while (!redo_.empty() && (redo_.back().Before != key || moves == std::nullopt)) {
        if (redo_.back().After == key) moves = redo_.back().MovesAfter;
        redo_.pop_back();
        if (moves && (redo_.empty() || redo_.back().Before == key)) break;
    }
    return moves;
}

void TMoveLog::Clear() {
    open_.reset();
    done_.clear();
    redo_.clear();
    redoing_ = false;
}
