// TGameForm: the frame every game window shares. It owns the context menu,
// the prompts, the score caption, the deal frame, the win hand-off, the table
// background, the size rule, the saved position and the window's life cycle,
// and the small pieces every game's moves are made of (GameMoves.cpp). A game
// derives from it and supplies its layout, deal, rules and options.
#pragma once

#include "Blend.h"
#include "CardPileView.h"
#include "CardUndo.h"
#include "FormPlacement.h"
#include "Layout.h"
#include "MoveLog.h"
#include "Profile.h"
#include "SolverThread.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class TDealTracker;
class TKeyboardPlay;
class TSolverRules;
class TSolverTable;
struct TSolverResult;
class TSoundManager;

class TGameForm : public QWidget {
    Q_OBJECT

public:
    ~TGameForm() override;

    const TGameInfo& Info() const { return info_; }

    // Shared state of every game window.
    TCardPile SavedDeck;              // the shuffled deck of the current deal; owns its cards
    std::unique_ptr<TCardUndo> UndoList;
    int MoveCount = 0;
    int FoundationCount = 0;
    bool GameWon = false;
    // The views of the columns, foundations and free cells in layout order:
    // every search over piles runs in this order, index 1 first.
    std::vector<TCardPileView*> Tableau;
    std::vector<TCardPileView*> Foundation;
    std::vector<TCardPileView*> FreeCells;

    QMenu* PopupMenu1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* Restart1 = nullptr;
    QAction* Preferences1 = nullptr;
    QAction* About1 = nullptr;
    // Added at the end of the menu: redo an undone action, show a good move.
    QAction* Redo1 = nullptr;
    QAction* Hint1 = nullptr;
    TProfile Profile1;
    TFormPlacement FormPlacement1;
    TzBackground* zBackground1 = nullptr;

    // Every pile view of the window, in layout order.
    const std::vector<TCardPileView*>& PileViews() const { return views_; }
    TCardPileView* PileView(const QString& name) const;
    // A label of the layout (Role Label), or null.
    QLabel* LayoutLabel(const QString& name) const;
    std::vector<TCardPileView*> ViewsOf(TPileSlot::Role role) const;

    // Completes the window once the concrete game's overrides are in force
    // (the factory, or the public constructor of a game class, calls it):
    // builds the menu, reads the options, creates the history, deals the
    // first game quietly and puts the window where it was last closed. Runs
    // once; later calls do nothing.
    void FormCreate();

    // Recounts the score into the caption and returns it.
    virtual int UpdateScore();
    // The score the table shows now, without touching the caption.
    int CurrentScore() const { return CountScore(); }
    // Whether a face-down card may lie in `view` (stocks and columns, say).
    bool FaceDownAllowed(const TCardPileView* view) const;
    // Applies the background preference to the window and its visible views.
    void ApplyBackground();

    // Frame commands, also reached from the menu and the keyboard.
    void NewGame1Click(QObject* sender);
    void Preferences1Click();
    void About1Click();
    // True when the window may close (asks the quit question when needed).
    bool FormCloseQuery();

    // Puts the commands added past the menu's own items (Redo, Hint, ...) at
    // its end, after a separator. The menu does it when it first opens; the
    // commands' keys work from the start.
    void CompleteMenu();

    // --- Moves as data (MoveList.cpp) ---
    // Every action the rules allow on the table now, in the game's search
    // order; actions that would change nothing are left out.
    virtual TMoves LegalMoves() const;
    // Plays `move` through the handlers the mouse reaches (press, lift,
    // drag over the target, drop; the double-click; the click), so that it
    // counts, records, sounds and wins as the player's own. True when the
    // table changed.
    bool Perform(const TMove& move);
    // A pile view by its index in PileViews(), and back (-1 for none).
    TCardPileView* View(int index) const;
    int IndexOf(const TCardPileView* view) const;
    TPileSlot::Role RoleOf(const TCardPileView* view) const;
    QString MoveText(const TMove& move) const;
    // A digest of every pile's cards and faces.
    std::uint64_t TableKey() const;
    // The pile a move would go to (the double-click's target for SendHome).
    TCardPileView* MoveTarget(const TMove& move) const;
    // The legal moves, best first, as the hint offers them.
    TMoves HintMoves() const;
    // Redo plays the action the last undo took back; Hint shows a move.
    void Redo1Click();
    void Hint1Click();
    const TMoveLog& Log() const { return MoveLog; }
    // Keyboard play and what a screen reader is told (KeyboardPlay.h).
    TKeyboardPlay* Keyboard() const { return keyboard_.get(); }
    // What a pile is called when it is told ("Column 3", "Stock").
    virtual QString PileLabel(const TCardPileView* view) const;

    // The event wiring (PileEvents.h) tells the log about the player's
    // gestures around the game's handlers.
    // How the game reads a press: by default the middle button turns the
    // stock and Shift or Ctrl sends the card home; games that play every
    // press as it is say so.
    virtual TMove PressMove(const TCardPileView* view, Qt::MouseButton button, Qt::KeyboardModifiers shift) const;
    void ActionStarts(const TMove& move, int moved = 0);
    void ActionTarget(const TCardPileView* target);
    void ActionEnds();

    // The deal's number and the player's figures (GameStatistics.cpp).
    TDealTracker& Deals();
    QAction* Statistics1 = nullptr;
    QAction* SelectDeal1 = nullptr;
    void Statistics1Click();
    void SelectDeal1Click();
    // Deals the layout of deal `number` as New Game does, after its prompt.
    void PlayDeal(quint32 number);

    // --- The solver (GameSolver.cpp) ---
    // The game's rules over a compact copy of the table, or null. Made once,
    // on first use; immutable, so the worker thread may share it.
    std::shared_ptr<const TSolverRules> Solver() const;
    // The table now, as the solver sees it (cards lifted by a drag count
    // where they came from).
    TSolverTable SolverTable() const;
    // "Winnable Deals Only": New Game deals only what the solver proves winnable.
    QAction* WinnableOnly1 = nullptr;
    // True while New Game looks for a winnable deal (the table waits empty).
    bool FindingDeal() const { return dealSearch_ != nullptr; }
    // Cancels the solver's work for this window: a hint or a deal search.
    void CancelSolverWork();
    // True while the hint waits for the solver's answer.
    bool HintPending() const { return hintPending_ != 0; }
    // The move the last hint showed, if any.
    const std::optional<TMove>& ShownHint() const { return shownHint_; }

    // Frame handlers that games bind to their views.
    // The middle button turns the stock, in games that have one.
    // The stock view, or null in games without one.
    virtual TCardPileView* StockView() const;
    // A stock turn asked for by Space or the middle button.
    void PlayerStockClick();
    void FormMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The bare table (and views bound to it): accepts exactly when the drag has a target.
    virtual void FormDragOver(QObject* sender, TCardPileView* source, int x, int y, bool& accept);

protected:
    TGameForm(const TGameInfo& info, const TLayout& layout, QWidget* parent);

    // --- What each game supplies ---
    // Adds the game's option items between the menu's separators; return
    // false to leave out the option group (and its separator).
    virtual bool AddOptionItems(QMenu* menu);
    // Adds a command after Restart (Forty Thieves' Peek).
    virtual void AddExtraCommands(QMenu*) {}
    // Reads the game's options from Profile1 and sets the check items.
    virtual void ReadOptions() {}
    // Deals a new (shuffled) or the saved deal; quiet makes no sound and no animation.
    virtual void DealCards(bool newDeal, bool quiet) = 0;
    // The current score (usually the cards on the foundations).
    virtual int CountScore() const = 0;
    // Undoes the newest move; the default undoes one record (UndoMove).
    virtual void Undo1Click();
    // Games with a stock turn cards from it on Space and the middle button.
    virtual bool HasStock() const { return false; }
    virtual void StockClick() {}
    // Sends the top card of `view` home: the double-click move.
    virtual void DoubleClickMove(TCardPileView*) {}
    // The foundation that takes `card` by a double-click or autoplay, or
    // null; by default the first on which it builds up in suit from the Ace.
    virtual TCardPileView* FoundationFor(const TCard* card) const;
    // Views and columns follow the window's height.
    virtual void FormResize();
    // Hooks: just before the context menu opens, when the window closes,
    // after the preferences dialog has been applied.
    virtual void BeforeMenuShows() {}
    virtual void OnFormClose() {}
    virtual void AfterPreferences() {}

    // --- The solver's rules ---
    // The game's rules for the solver (null: the game has none). Pile lists
    // left empty are filled from the window's layout.
    virtual std::shared_ptr<TSolverRules> MakeSolver() const { return nullptr; }
    // Writes the game's counters (passes, base rank, ...) into `table`.
    virtual void SolverCounters(TSolverTable&) const {}

    // --- The rules, for the default LegalMoves ---
    // Each asks the game's solver rules by default, so that the window and
    // the solver share every rule.
    // Whether card `index` of `view` may be lifted with the cards above it:
    // the decision of the game's press handler.
    virtual bool MayLift(const TCardPileView* view, int index) const;
    // Whether `target` takes `count` cards whose bottom card is `bottom`:
    // the game's landing rule, by the target's role.
    virtual bool Takes(const TCardPileView* target, const TCard* bottom, std::size_t count) const;
    // Whether the cards from `index` of `source` may land on `target`, as
    // the table lies (Takes, by default).
    virtual bool MayLand(const TCardPileView* target, const TCardPileView* source, int index) const;
    // The same for the cards a drag has lifted from `source`: the drag checks.
    bool MayLandDragged(const TCardPileView* target, const TCardPileView* source) const;
    // The piles a drag is offered to, in the game's search order (columns,
    // foundations, free cells by default).
    virtual std::vector<TCardPileView*> DropOrder() const;
    // Where the double-click move would send the top card of `view`, or null
    // when it would do nothing.
    virtual TCardPileView* DoubleClickTarget(const TCardPileView* view) const;
    // Whether a click on the stock would change the table now.
    virtual bool StockTurnChanges() const;
    // How good a move looks to the hint; higher first. The frame's ranking:
    // a card home, then a card turned up, a column emptied or a card freed,
    // a longer run built, a card from the waste; the stock last.
    virtual int HintScore(const TMove& move) const;
    // What the hint says when no move is left but one the moves do not
    // list (Montana's reshuffle); empty: "No more moves.".
    virtual QString HintWithoutMoves() const { return {}; }

    // --- Options and menu items ---
    // The stored option `key`, or `fallback` when the key is missing.
    bool ReadOption(const QString& key, bool fallback);
    void SaveOption(const QString& key, bool value);
    QAction* AddCheckItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key = {},
                          const QString& hint = {});
    // A command for the end of the menu (see CompleteMenu).
    QAction* AppendCommand(const QString& name, const QString& caption, const QKeySequence& key = {});
    // `menu` may be null: the command then has its keys but no menu place yet.
    QAction* AddCommandItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key = {},
                            const QString& hint = {});

    // --- The deal frame ---
    // Puts the deal into `dealer`'s pile: a new shuffled deck (SHUFFLE
    // unless quiet), or the saved one again, face down or up (RESTART, also
    // when quiet). The caption shows the bare name first.
    void BeginDeal(TCardPileView* dealer, bool newDeal, bool quiet, bool faceUp = false);
    // Moves the top card of `from` onto `to` with the given face (null when
    // `from` is empty); with `animate` the receiving view is repainted.
    TCard* DealCard(TCardPile* from, TCardPileView* to, bool faceUp, bool animate);
    // The end of one round of an animated deal: the dealer repainted, DEAL.
    void DealRoundDone(TCardPileView* dealer, bool animate);
    // Repaints every view; no moves, no history, not won.
    void EndDeal();
    // Animation is wanted for this deal.
    bool Animate(bool quiet) const;
    // A new shuffled deck in `pile`, copied into SavedDeck; the previous
    // deal's cards are freed first.
    void NewShuffledDeck(TCardPile* pile, int decks);
    // SavedDeck copied into `pile`, every card face down (or up).
    void ReplaySavedDeck(TCardPile* pile, bool faceUp = false);

    // --- Moves ---
    // Moves the top card of `from` to `to`, repaints both and records it.
    TCard* MoveTopCard(TCardPileView* from, TCardPileView* to);
    // Turns up a face-down top card of `view` and records the turn; false
    // when there was nothing to turn.
    bool TurnUpTopCard(TCardPileView* view);
    // The common start of a press on a card pile: the middle button turns the
    // stock (in games with one), CanDrag is cleared, Shift or Ctrl with the
    // left button on a card runs the double-click move. Returns the view when
    // the game should now decide whether SelectedCard may be lifted.
    TCardPileView* LiftablePress(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    // The rest of this double-click (its second press and the double-click
    // itself) does nothing: for games that act on every press.
    void ConsumePress(QObject* sender);
    // Sends home, in the order given, every source whose face-up top card has
    // a foundation (FoundationFor), by `sendHome`. Counts no moves itself.
    void AutoplaySweep(const std::vector<TCardPileView*>& sources,
                       const std::function<void(TCardPileView*)>& sendHome);

    // --- Drag targets ---
    // Whether the cards lifted in `source` may land on `target`.
    using LandTest = std::function<bool(TCardPileView* target, TCardPileView* source)>;
    // Presets the source's DropTarget to the first of `targets` that takes
    // the cards, unless one is set already; returns whether one is set.
    static bool PresetTarget(TCardPileView* source, const std::vector<TCardPileView*>& targets,
                             const LandTest& mayLand);
    // A drag over `sender`: it becomes the target when it takes the cards;
    // the answer is whether the drag has a target (an earlier one counts).
    static void OfferTarget(QObject* sender, TCardPileView* source, bool& accept, const LandTest& mayLand);
    static void AcceptWhenTargetSet(const TCardPileView* source, bool& accept);

    // --- Free cells ---
    int EmptyCellCount() const;
    TCardPileView* FirstEmptyCell() const;
    // Cards that may be lifted together: one more than the empty free cells.
    int MostCardsToLift() const { return EmptyCellCount() + 1; }

    // --- Undo ---
    // Undoes the newest record: its cards go back, both views are repainted,
    // the record is dropped.
    void UndoStep();
    // When the newest record is a turn-up, turns that card down again, drops
    // the record and returns true.
    bool UndoTurnUp();
    // The usual undo of one move: one record back, one move fewer, UNDO, the
    // score recounted.
    void UndoMove();

    // --- Odds and ends ---
    // Plays one of the sound manager's sounds, when there is one.
    static void Play(void (TSoundManager::*sound)());
    // The win window when the score reached the winning score; returns whether it did.
    bool CheckWinScore();
    // Empties every pile view (and drag pile) without freeing cards.
    void EmptyAllPiles();
    // Frees the cards of the current deal (all of them are in SavedDeck).
    void ReleaseDeal();
    void RepaintAll();
    // True while a card drag is under way in this window.
    bool Dragging() const;

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateViews(const TLayout& layout);
    void BuildMenu();
    void AddPlayerAids();
    void ApplySizeRule();
    void FormClose();
    // The table changed: Redo's state, keyboard focus, what is told.
    void TableChanged();
    // DealCards, as a new deal for the player's figures.
    void StartDeal(bool newDeal, bool quiet);
    // Statistics and Select Deal, at the end of the menu (AppendCommand).
    void AddStatisticsCommands();
    // Winnable Deals Only, last, after a separator of its own.
    void AddSolverCommands();
    // New Game's deal: with Winnable Deals Only, the worker looks for one first.
    void NewDeal(bool quiet);
    void DealFound(bool found, quint32 number, bool quiet);
    void ShowDealSearch(bool shown);
    // The solver's answer for the hint on the table `key`.
    void HintSolved(std::uint64_t key, const TSolverTable& table, const TSolverResult& result);
    // The move a solution found earlier plays on `table`, when the player followed it.
    std::optional<TMove> SolutionMove(const TSolverTable& table) const;
    void ShowNextHint();
    void UpdateRedoItem();
    TMoveLog::TState LogState() const;
    void ShowHint(const TMove& move);

    TMoveLog MoveLog;
    std::unique_ptr<TKeyboardPlay> keyboard_;
    std::vector<QAction*> appended_; // AppendCommand's, in order
    bool appendedShown_ = false;
    std::uint64_t hintKey_ = 0; // the table the last hint was for
    int hintNext_ = 0;          // the next hint on that table
    TMoves hintList_;           // the hints for that table, best first
    std::uint64_t hintPending_ = 0; // the table the solver is asked about
    TSolverThread::TCancel hintSearch_, dealSearch_;
    std::shared_ptr<TSolverTable> solutionStart_; // where the last solution starts
    TMoves solution_;
    std::optional<TMove> shownHint_;
    QWidget* searchNote_ = nullptr;
    mutable std::shared_ptr<TSolverRules> solver_;
    mutable bool solverMade_ = false;

    const TGameInfo& info_;
    std::vector<TCardPileView*> views_;
    std::vector<TPileSlot> slots_; // of views_, index for index
    std::vector<std::pair<QString, QLabel*>> labels_;
    bool created_ = false;
    TDealTracker* deals_ = nullptr;
};

// The selector's flag: whether the last close query let the game window go.
extern bool GameCloseAllowed;

// The one open window of each game window class ("TKlondikeForm",
// "TsKlondikeForm", ...), or null; cleared when that window is destroyed.
TGameForm* GameFormReference(const QString& className);
