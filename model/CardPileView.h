// Cards, piles of cards and the pile view that draws them. The card and pile
// classes are plain data; the view (table library) paints and drags them.
// Everything about pictures (the image lists, drawing a card, the pile view)
// is declared here and defined in the table library: the card model itself
// never calls it, so the model links without it.
#pragma once

#include "Card.h"
#include "CardPile.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class TCardPileView;
class TImageList;

// Connects the card class to the picture code: afterwards every card
// constructor loads the lists of the current size and SetCardSize swaps them.
// Called by every pile view and imagery function; the program calls it once
// at start so that cards made before any view also load their pictures.
// Defined in the table library.
void InitCardImagery();

// A fixed-size list of pictures (card faces, backs, pile symbols). Every
// picture has the list's size in logical pixels; its device pixel ratio says
// how many device pixels it holds per logical pixel.
class TImageList {
public:
    TImageList(int width, int height) : Width(width), Height(height) {}

    int GetWidth() const { return Width; }
    int GetHeight() const { return Height; }
    int Count() const { return static_cast<int>(Images.size()); }
    bool Has(int index) const { return index >= 0 && index < Count(); }
    void Add(const QPixmap& image) { Images.push_back(image); }
    // Replaces entry `index`; an index past the end appends instead.
    void Replace(int index, const QPixmap& image);
    const QPixmap& Image(int index) const { return Images.at(static_cast<std::size_t>(index)); }
    // One drawPixmap of entry `index` at `at`; nothing for an index not held.
    void Draw(QPainter& canvas, QPoint at, int index) const;

private:
    int Width;
    int Height;
    std::vector<QPixmap> Images;
};

// The control that shows one pile on the game window: it draws the pile's
// cards fanned by (XOffset, YOffset) per card, shows a symbol when the pile is
// empty, finds the card under a press, and drags cards to other views. It
// knows no rules: the game window decides in its events what may be lifted
// and where it may go. Defined in the table library.
//
// One drag, as the game sees it:
//  1. left press: SelectedCard, GrabX/GrabY found, CanDrag and DropTarget
//     cleared, then OnMouseDown (the game sets CanDrag);
//  2. the mouse moves with the button down (past the start-drag distance
//     when DragDelayed): SelectedCard and the cards above it move into
//     DragPile, the drag image is built, OnStartDrag fires;
//  3. every move: OnDragOver of the view under the mouse, or of the window
//     (TDragLayer) over the bare table; handlers store legal targets in the
//     source's DropTarget and answer through `accept`;
//  4. release: OnDragDrop of the accepting target, then DoEndDrag on the
//     source (cards to DropTarget, or home when there is none) and OnEndDrag.
//     With ManualDrop the game's OnDragDrop moves the cards; a drag that no
//     OnDragDrop took goes home, whatever DropTarget says.
// A release anywhere, even outside the window, ends the drag the same way;
// Escape cancels it and the cards go home.
class TCardPileView : public QWidget {
    Q_OBJECT

public:
    using MouseEvent =
        std::function<void(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
    using MouseMoveEvent = std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)>;
    using NotifyEvent = std::function<void(QObject* sender)>;
    // x, y are in the sender's coordinates; `accept` starts out true.
    using DragOverEvent = std::function<void(QObject* sender, TCardPileView* source, int x, int y, bool& accept)>;
    using DragDropEvent = std::function<void(QObject* sender, TCardPileView* source, int x, int y)>;
    // `target` is the view or window that accepted the drop, or null.
    using EndDragEvent = std::function<void(QObject* sender, QObject* target, int x, int y)>;

    explicit TCardPileView(QWidget* parent = nullptr);
    ~TCardPileView() override;

    // Layout properties.
    float XOffset = 0.0f; // horizontal step from one card to the next
    float YOffset = 0.0f; // vertical step
    bool IsBordered = false;
    bool AllowDrag = false;
    bool DragDelayed = false; // start dragging only after the start-drag distance
    PileBitmap State = FS_BLANK;
    BackgroundType BackgroundMode = FS_NORMAL;
    QString Hint;           // tooltip text, shown while ShowHint is set
    bool ShowHint = false;

    // Owned piles; their cards belong to the game.
    TCardPile* const Pile;     // the cards shown, bottom first
    TCardPile* const DragPile; // cards lifted by the current or last drag

    TCard* SelectedCard = nullptr;          // card under the last left press
    bool CanDrag = false;                   // set by the game's OnMouseDown
    TCardPileView* DropTarget = nullptr;    // where the lifted cards go
    bool ManualDrop = false;                // the game moves dropped cards itself
    const QImage* BackgroundBitmap = nullptr; // table picture in parent coordinates (not owned)
    QRect CardRect;                         // rectangle of the card last hit-tested
    int GrabX = 0;                          // press point relative to SelectedCard:
    int GrabY = 0;                          //   the drag image's hot spot
    QPixmap DragImage;                      // picture of the lifted cards

    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    NotifyEvent OnStartDrag;
    DragOverEvent OnDragOver;
    DragDropEvent OnDragDrop;
    EndDragEvent OnEndDrag;

    // The pile-symbol list (recycling sign 0, cross 1) at the current size.
    static void LoadPileBitmaps();
    static TImageList* GetPileImageList();

    const QPixmap& GetDragImages() const { return DragImage; }
    // Top-left corner of card `index` of the pile: trunc(index x offset).
    // A fan that would reach past the view's edge is drawn closer, so the
    // top card always shows whole.
    QPoint CardPosition(int index) const;
    // The view's colour (its palette's window colour; follows the parent's
    // until set).
    void SetColor(const QColor& color);
    QColor GetColor() const;
    // True from the start of a drag until its end.
    bool IsDragging() const;
    // Marks the current press as used up: the rest of its double-click (the
    // second press and the double-click) does nothing. For games that act
    // on every press, where the second press would act on what now lies
    // under the mouse.
    void ConsumePress();
    // Draws the view into `image` (of the view's size at the image's device
    // pixel ratio), as the paint event draws it on the screen.
    void RenderTo(QImage& image) const;

    // Gestures played without a mouse (keyboard play, redo, tests), through
    // the same steps as the mouse's. A point of the view where the hit test
    // finds card `index` (the centre for -1 or an empty view), or nothing
    // when other cards hide that card.
    std::optional<QPoint> PointOnCard(int index) const;
    // A left click on card `index`: the press (OnMouseDown; with
    // `doubleClick`, the second press of a double-click and OnDblClick),
    // then the release (OnClick, OnMouseUp). False when the card cannot be
    // pressed.
    bool PlayClick(int index, bool doubleClick = false);
    // Presses card `index`, lifts it with the cards above it when the game
    // lets it, drags them over `target` and releases them there. False when
    // nothing was lifted.
    bool PlayDrag(int index, TCardPileView* target);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

    // The hit test and OnMouseDown.
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Moves the lifted cards to DropTarget (or home) and fires OnEndDrag.
    virtual void DoEndDrag(QObject* target, int x, int y);

private:
    class Capture;
    friend class Capture;

    void Press(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos, bool doubleClick);
    void CapturedMove(QPoint globalPos, Qt::KeyboardModifiers shift);
    void CapturedRelease(QPoint globalPos, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    bool BeginDrag();
    void DragMove(QPoint globalPos);
    void FinishDrag(QPoint globalPos, bool drop);
    void EndCapture();
    void BuildDragImage();
    QObject* DragOverAt(QPoint globalPos, bool& accept);

    // Draws the view at (0, 0) with `canvas`.
    void Paint(QPainter& canvas) const;

    std::unique_ptr<Capture> Captured; // present from a left press to its release
    bool DropHandled = false;          // an OnDragDrop took the cards of this drag
};
