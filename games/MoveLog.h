// TMoveLog: the player's actions of the current deal as moves, for Redo and
// for the hint (which never proposes undoing the previous move).
//
// An entry covers the undo records one action made, from its first to the
// last before the next action: an action and each card autoplay sends home
// after it are entries of their own, as each is undone on its own. An undo
// moves the entries it took back to the redo list; a redo plays the first of
// them again. A table key (a digest of every pile) taken before and after
// each entry tells whether the table is where a redo can start.
#pragma once

#include "Move.h"

#include <cstdint>
#include <optional>
#include <vector>

class TMoveLog {
public:
    struct TEntry {
        TMove Move;
        int Moved = 0;          // cards that left the source (0 when not known)
        int RecordsBefore = 0;  // undo records before the action
        int RecordsAfter = 0;
        int MovesAfter = 0;     // MoveCount after it
        std::uint64_t Before = 0;
        std::uint64_t After = 0;
    };
    // The state of the window an entry is measured by.
    struct TState {
        int Records = 0;
        int Moves = 0;
        std::uint64_t Key = 0;
    };

    // An action begins (any open entry is closed first).
    void Open(const TMove& move, int moved, const TState& now);
    // The target, once the action knows it (the pile a drag was dropped on).
    void SetTarget(int target);
    bool IsOpen() const { return open_.has_value(); }
    // Closes the open entry; one that changed nothing is forgotten. A new
    // action clears the redo list, unless it is a redo itself.
    void Close(const TState& now);
    // An undo left `records` undo records: entries wholly taken back move to
    // the redo list, newest first.
    void Undone(int records);
    // The entry Redo would play next, when the table is where it started.
    const TEntry* NextRedo(std::uint64_t key) const;
    // Marks a redo under way, so that its entries keep the redo list.
    void BeginRedo();
    // Ends a redo: drops the redo entries the table is past now and returns
    // the move count the last of them left, or nothing when none matches.
    std::optional<int> EndRedo(std::uint64_t key);
    // A redo that changed nothing.
    void CancelRedo() { redoing_ = false; }
    // The newest action still done, or null.
    const TEntry* Last() const { return done_.empty() ? nullptr : &done_.back(); }
    bool CanRedo() const { return !redo_.empty(); }
    void Clear();

private:
    std::optional<TEntry> open_;
    std::vector<TEntry> done_;
    std::vector<TEntry> redo_; // next redo at the back
    bool redoing_ = false;
};
