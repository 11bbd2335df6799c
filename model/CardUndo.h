// The undo history of one game window: a stack of records, each saying that
// some cards went from one pile view to another. Undoing the newest record
// moves those cards back; everything else a move changed (faces, score,
// counters) the game restores itself from LastSource, LastTarget, LastPile.
#pragma once

#include "CardPileView.h"

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QObject;

class TCardUndo {
public:
    // Record k is (Sources[k], Targets[k], MovedPiles[k]). Between UndoLast
    // and the DropLast that follows it MovedPiles is one entry longer.
    std::vector<TCardPileView*> Sources;
    std::vector<TCardPileView*> Targets;
    std::vector<std::unique_ptr<TCardPile>> MovedPiles; // cards of each record, bottom first
    std::vector<int> ActionStarts; // record count at each BeginAction, ascending

    // The record last looked at by PeekLast or UndoLast.
    TCardPileView* LastSource = nullptr;
    TCardPileView* LastTarget = nullptr;
    TCardPile* LastPile = nullptr;

    // The window's Undo command, enabled while records exist (not owned).
    QAction* MenuItem = nullptr;

    // Sounds when the lists have drifted apart; QApplication::beep by default.
    std::function<void()> Beep;
    // Told of every new record (the window learns that a move was made).
    std::function<void()> OnRecord;

    explicit TCardUndo(QObject* owner = nullptr);
    virtual ~TCardUndo();
    TCardUndo(const TCardUndo&) = delete;
    TCardUndo& operator=(const TCardUndo&) = delete;

    // Records that the cards of `pile` (copied, bottom first) went from
    // `source` to `target`. Source equal to target is a turn-up record.
    void RecordPileMove(TCardPileView* source, TCardPileView* target, const TCardPile* pile);
    void RecordCardMove(TCardPileView* source, TCardPileView* target, TCard* card);
    // Points the Last fields at the newest record (all null when none).
    void PeekLast();
    // Takes the newest record's cards off its target and puts them back on
    // top of its source, in their recorded order. The record's pile stays
    // (as LastPile) until DropLast.
    void UndoLast();
    // Frees the newest recorded pile (never its cards).
    void DropLast();
    // Forgets every record; the cards are untouched.
    void Clear();

    int RecordCount() const { return static_cast<int>(Sources.size()); }

    // Player actions: BeginAction marks where the records of the next action
    // begin, so that an action of several records can be undone as one.
    // Records made before any mark count as one action each.
    void BeginAction();
    // Records of the newest action still in the history (1 for an unmarked
    // record, 0 when the history is empty).
    int LastActionSize() const;

private:
    void Push(TCardPileView* source, TCardPileView* target, std::unique_ptr<TCardPile> pile);
    void EnableMenu(bool enabled);
    void CheckLengths();
};
