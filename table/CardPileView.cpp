// The pile view: painting, hit test and the drag machinery.
#include "CardPileView.h"

#include "Blend.h"
#include "CardDrag.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QWindow>
#include <QtMath>
#include <cmath>
#include <utility>

// The mouse capture of one left press: from the press to the release every
// mouse event in the view's window comes here, wherever Qt would deliver it,
// so the view keeps the mouse even when a game hides it during a drag and
// when the mouse leaves the window. While cards are being dragged it also
// keeps the keyboard: Escape cancels the drag, and no shortcut (Undo, New
// Game) can run while cards are in the air. Events of other windows (a
// dialog a handler opened) pass untouched.
class TCardPileView::Capture : public QObject {
public:
    Capture(TCardPileView* view, QPoint pressPos, bool clickPending)
        : View(view), Window(view->window()), PressPos(pressPos), ClickPending(clickPending) {
        qApp->installEventFilter(this);
    }

    // Ends the capture; the object itself is deleted later, since this may
    // run inside its own event filter.
    void Stop() {
        if (!Active) return;
        Active = false;
        EndDragging();
        qApp->removeEventFilter(this);
    }

    // Gives back the mouse, the cursor and the drag picture.
    void EndDragging() {
        Dragging = false;
        if (CursorSet) QGuiApplication::restoreOverrideCursor();
        CursorSet = false;
        if (Layer) Layer->HideImage();
    }

    void SetCursor(bool accepted) {
        const Qt::CursorShape shape = accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor;
        if (!CursorSet) {
            QGuiApplication::setOverrideCursor(shape);
            CursorSet = true;
        } else {
            QGuiApplication::changeOverrideCursor(shape);
        }
    }

    TCardPileView* View;
    QPointer<QWidget> Window;
    QPointer<TDragLayer> Layer;
    QPoint PressPos;         // view coordinates
    bool ClickPending;       // a release inside the view fires OnClick
    bool Dragging = false;
    bool Active = true;
    bool CursorSet = false;
    bool Swallow = false;    // a cancelled drag: eat the mouse until the release
    QPoint LastGlobal;       // position of the last drag step
    QPointer<QObject> LastTarget; // view or window under the last drag step
    bool LastAccepted = false;

protected:
    bool SwallowUntilRelease(QEvent* event) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            mouse->accept();
            if (!(mouse->buttons() & Qt::LeftButton)) View->EndCapture();
            return true;
        }
        default:
            return false;
        }
    }

    static bool IsMouse(QEvent::Type type) {
        return type == QEvent::MouseMove || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonPress ||
               type == QEvent::MouseButtonDblClick;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!Active || !Window) return false;
        if (watched->isWindowType()) {
            // Qt drops moves and the release once the pressed widget is
            // hidden (a game may hide the source view when the drag starts),
            // so those are taken where they reach the window.
            if (watched != static_cast<QObject*>(Window->windowHandle()) || View->isVisible() || !IsMouse(event->type())) return false;
        } else if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != Window) {
            return false;
        }
        if (Swallow) return SwallowUntilRelease(event);
        switch (event->type()) {
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            mouse->accept();
            const QPoint global = mouse->globalPosition().toPoint();
            if (mouse->buttons() & Qt::LeftButton)
                View->CapturedMove(global, mouse->modifiers());
            else // the release went elsewhere (another window, a modal dialog)
                View->CapturedRelease(global, Qt::NoButton, mouse->modifiers());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return Dragging;
            mouse->accept();
            View->CapturedRelease(mouse->globalPosition().toPoint(), Qt::LeftButton, mouse->modifiers());
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            if (Dragging) event->accept();
            return Dragging;
        case QEvent::ShortcutOverride:
            // Accepting the override keeps the key from triggering a shortcut.
            if (Dragging) event->accept();
            return Dragging;
        case QEvent::KeyPress:
            if (!Dragging) return false;
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) View->FinishDrag(LastGlobal, false);
            return true;
        case QEvent::KeyRelease:
            return Dragging;
        default:
            return false;
        }
    }
};

TCardPileView::TCardPileView(QWidget* parent) : QWidget(parent), Pile(new TCardPile), DragPile(new TCardPile) {
    InitCardImagery();
    LoadPileBitmaps();
    resize(TCard::GetCardWidth(), TCard::GetCardHeight());
    // The view paints every pixel, but is not declared opaque to Qt: Qt
    // would then leave it out when the window is repainted, and a game that
    // repaints its window (after a new card back, a new background) expects
    // the piles with it, as they are part of the table.
}

TCardPileView::~TCardPileView() {
    EndCapture();
    Pile->Empty(false);
    DragPile->Empty(false);
    delete Pile;
    delete DragPile;
}

namespace {
// The step from one card to the next: the view's offset, or less when a fan
// of `count` cards at that offset would reach past the view's edge, so that
// the top card stays wholly visible and can be pressed. Slanted stacks (less
// than a pixel a card) keep their offset.
double FanStep(float offset, int count, int extent, int cardExtent) {
    const double step = static_cast<double>(offset);
    if (step < 1.0 || count < 2 || extent <= cardExtent) return step;
    const double room = static_cast<double>(extent - cardExtent) / (count - 1);
    return step * (count - 1) + cardExtent > extent ? room : step;
}

QPoint FanPosition(int index, double xStep, double yStep) {
    // The integer times the step is formed in double precision and truncated
    // toward zero: with 0.2, cards 0 to 4 sit at 0 and card 5 at 1.
    const double i = static_cast<double>(index);
    return QPoint(static_cast<int>(std::trunc(i * xStep)), static_cast<int>(std::trunc(i * yStep)));
}
} // namespace

QPoint TCardPileView::CardPosition(int index) const {
    const int count = static_cast<int>(Pile->Cards.size());
    return FanPosition(index, FanStep(XOffset, count, width(), TCard::GetCardWidth()),
                       FanStep(YOffset, count, height(), TCard::GetCardHeight()));
}

void TCardPileView::SetColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
}

QColor TCardPileView::GetColor() const { return palette().color(QPalette::Window); }

bool TCardPileView::IsDragging() const { return Captured != nullptr && Captured->Dragging; }

// --- Painting ---

void TCardPileView::RenderTo(QImage& image) const {
    QPainter canvas(&image);
    Paint(canvas);
}

void TCardPileView::Paint(QPainter& canvas) const {
    const int w = width(), h = height();

    bool covered = false;
    if (BackgroundMode == FS_BITMAP && BackgroundBitmap != nullptr && !BackgroundBitmap->isNull()) {
        TzBackground::Refresh(BackgroundBitmap);
        const QImage& table = *BackgroundBitmap;
        const qreal ratio = table.devicePixelRatio();
        // The part of the table under the view, clipped to what the picture holds.
        const QRectF under = QRectF(x(), y(), w, h) & QRectF(QPointF(0, 0), table.deviceIndependentSize());
        covered = under.width() >= w && under.height() >= h;
        if (!covered) canvas.fillRect(0, 0, w, h, GetColor());
        if (!under.isEmpty()) {
            const QRectF source(under.x() * ratio, under.y() * ratio, under.width() * ratio, under.height() * ratio);
            canvas.setCompositionMode(QPainter::CompositionMode_Source);
            canvas.drawImage(QRectF(under.topLeft() - QPointF(x(), y()), under.size()), table, source);
            canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    } else {
        canvas.fillRect(0, 0, w, h, GetColor());
    }

    if (IsBordered) {
        // Black outline (0,0)-(w-1,h-1), then grey one pixel down and right,
        // (1,1)-(w,h); right and bottom edges exclusive.
        auto outline = [&canvas](int l, int t, int r, int b, const QColor& c) {
            if (r - l < 1 || b - t < 1) return;
            canvas.fillRect(l, t, r - l, 1, c);
            canvas.fillRect(l, b - 1, r - l, 1, c);
            canvas.fillRect(l, t, 1, b - t, c);
            canvas.fillRect(r - 1, t, 1, b - t, c);
        };
        outline(0, 0, w - 1, h - 1, Qt::black);
        outline(1, 1, w, h, QColor(128, 128, 128));
    }

    const int count = static_cast<int>(Pile->Cards.size());
    if (count > 0) {
        for (int i = 0; i < count; ++i)
            if (const TCard* card = Pile->Cards[static_cast<std::size_t>(i)]) card->DrawCardOnCanvas(CardPosition(i), canvas);
    } else if (State == FS_RECYCLE || State == FS_EMPTY) {
        GetPileImageList()->Draw(canvas, QPoint(0, 0), State == FS_RECYCLE ? 0 : 1);
    }
}

// Painted straight into the window's backing store, clipped by Qt to the
// exposed part: the picture is not kept, since the backing store already
// holds it.
void TCardPileView::paintEvent(QPaintEvent* /*event*/) {
    if (width() <= 0 || height() <= 0) return;
    QPainter screen(this);
    Paint(screen);
}

bool TCardPileView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (ShowHint && !Hint.isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Hint, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

// --- Mouse ---

void TCardPileView::mousePressEvent(QMouseEvent* event) {
    Press(event->button(), event->modifiers(), event->position().toPoint(), false);
}

// Qt replaces the second press of a double-click by this event; the games
// get the press and then OnDblClick.
void TCardPileView::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event->button(), event->modifiers(), event->position().toPoint(), true);
}

void TCardPileView::mouseMoveEvent(QMouseEvent* event) {
    // Moves while a left press is held arrive through the capture instead.
    if (OnMouseMove) {
        const QPoint pos = event->position().toPoint();
        OnMouseMove(this, event->modifiers(), pos.x(), pos.y());
    }
}

void TCardPileView::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp) {
        const QPoint pos = event->position().toPoint();
        OnMouseUp(this, event->button(), event->modifiers(), pos.x(), pos.y());
    }
}

namespace {
// Set by ConsumePress: the double-click that the consumed press began is ignored.
bool pressConsumed = false;
} // namespace

void TCardPileView::ConsumePress() { pressConsumed = true; }

void TCardPileView::Press(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos, bool doubleClick) {
    if (IsDragging()) return;
    const bool consumed = std::exchange(pressConsumed, false);
    if (doubleClick && consumed) return;
    const bool left = button == Qt::LeftButton;
    const bool dblClick = doubleClick && left && OnDblClick;
    if (left) {
        EndCapture();
        // Without a double-click handler the second press of a double-click
        // is an ordinary press, so quick clicks on a stock all count.
        Captured = std::make_unique<Capture>(this, pos, !dblClick);
    }
    QPointer<TCardPileView> alive(this);
    MouseDown(button, shift, pos.x(), pos.y());
    if (alive && dblClick) OnDblClick(this);
}

void TCardPileView::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    CanDrag = false;
    DropTarget = nullptr;
    if (button == Qt::LeftButton) {
        SelectedCard = nullptr;
        const QSize card(TCard::GetCardWidth(), TCard::GetCardHeight());
        // Top card first: on a fanned column the visible card wins.
        for (int i = static_cast<int>(Pile->Cards.size()) - 1; i >= 0; --i) {
            CardRect = QRect(CardPosition(i), card);
            if (CardRect.contains(x, y)) { // left/top inclusive, right/bottom exclusive
                SelectedCard = Pile->Cards[static_cast<std::size_t>(i)];
                GrabX = x - CardRect.left();
                GrabY = y - CardRect.top();
                break;
            }
        }
    }
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TCardPileView::CapturedMove(QPoint globalPos, Qt::KeyboardModifiers shift) {
    if (Captured->Dragging) {
        DragMove(globalPos);
        return;
    }
    const QPoint pos = mapFromGlobal(globalPos);
    if (CanDrag && AllowDrag && SelectedCard != nullptr) {
        const bool farEnough =
            !DragDelayed || (pos - Captured->PressPos).manhattanLength() >= QApplication::startDragDistance();
        if (farEnough && BeginDrag()) {
            if (Captured && Captured->Dragging) DragMove(globalPos);
            return;
        }
    }
    if (OnMouseMove) OnMouseMove(this, shift, pos.x(), pos.y());
}

void TCardPileView::CapturedRelease(QPoint globalPos, Qt::MouseButton button, Qt::KeyboardModifiers shift) {
    if (Captured->Dragging) {
        FinishDrag(globalPos, true);
        return;
    }
    const QPoint pos = mapFromGlobal(globalPos);
    const bool click = Captured->ClickPending && button == Qt::LeftButton && rect().contains(pos);
    EndCapture();
    QPointer<TCardPileView> alive(this);
    if (click && OnClick) OnClick(this);
    if (alive && button != Qt::NoButton && OnMouseUp) OnMouseUp(this, button, shift, pos.x(), pos.y());
}

void TCardPileView::EndCapture() {
    if (!Captured) return;
    Capture* capture = Captured.release();
    capture->Stop();
    capture->deleteLater();
}

// --- Gestures without a mouse ---

std::optional<QPoint> TCardPileView::PointOnCard(int index) const {
    const int n = static_cast<int>(Pile->Cards.size());
    if (index < 0 || n == 0) return rect().center();
    if (index >= n) return std::nullopt;
    const QRect card(CardPosition(index), QSize(TCard::GetCardWidth(), TCard::GetCardHeight()));
    if (index == n - 1) return card.center();
    // Later cards lie further right or down: the strip before the next one shows.
    const QPoint next = CardPosition(index + 1);
    if (next.y() > card.y()) return QPoint(card.center().x(), card.y() + (next.y() - card.y()) / 2);
    if (next.x() > card.x()) return QPoint(card.x() + (next.x() - card.x()) / 2, card.center().y());
    return std::nullopt;
}

bool TCardPileView::PlayClick(int index, bool doubleClick) {
    const std::optional<QPoint> at = PointOnCard(index);
    if (!at || IsDragging()) return false;
    pressConsumed = false; // a gesture of its own, not the rest of an earlier one
    QPointer<TCardPileView> alive(this);
    Press(Qt::LeftButton, {}, *at, doubleClick);
    if (alive && Captured) CapturedRelease(mapToGlobal(*at), Qt::LeftButton, {});
    return true;
}

bool TCardPileView::PlayDrag(int index, TCardPileView* target) {
    const std::optional<QPoint> at = PointOnCard(index);
    if (!at || target == nullptr || IsDragging()) return false;
    pressConsumed = false;
    QPointer<TCardPileView> alive(this);
    Press(Qt::LeftButton, {}, *at, false);
    if (!alive || !Captured) return false;
    if (!(CanDrag && AllowDrag && SelectedCard != nullptr) || !BeginDrag()) {
        // Nothing may be lifted: the press ends without a click.
        if (alive) EndCapture();
        return false;
    }
    if (!alive || !Captured) return true;
    const QPoint over = target->PointOnCard(static_cast<int>(target->Pile->Cards.size()) - 1).value_or(QPoint());
    const QPoint global = target->mapToGlobal(over);
    bool accept = false;
    if (target->OnDragOver) {
        accept = true;
        target->OnDragOver(target, this, over.x(), over.y(), accept);
    }
    if (!alive || !Captured) return true;
    Captured->LastGlobal = global;
    if (accept && (ManualDrop || DropTarget == target)) {
        Captured->LastTarget = target;
        Captured->LastAccepted = true;
        FinishDrag(global, true);
    } else {
        // Refused: the cards go home, never to another target set earlier.
        FinishDrag(global, false);
        if (alive) EndCapture();
    }
    return true;
}

// --- Dragging ---

bool TCardPileView::BeginDrag() {
    const int k = Pile->CardIndex(SelectedCard);
    // The game may have moved the card away in its press handlers.
    if (k < 0) return false;
    DragPile->Empty(false);
    DragPile->Cards.assign(Pile->Cards.begin() + k, Pile->Cards.end());
    Pile->Cards.erase(Pile->Cards.begin() + k, Pile->Cards.end());
    BuildDragImage();

    Captured->Dragging = true;
    Captured->ClickPending = false;
    Captured->Layer = TDragLayer::Of(window());
    Captured->SetCursor(false);
    QPointer<TCardPileView> alive(this);
    if (OnStartDrag) OnStartDrag(this);
    return alive != nullptr;
}

void TCardPileView::BuildDragImage() {
    const int m = static_cast<int>(DragPile->Cards.size());
    // One offset step larger than the cards need, as the drag picture always was.
    const int w = static_cast<int>(std::trunc(m * static_cast<double>(XOffset) + TCard::GetCardWidth()));
    const int h = static_cast<int>(std::trunc(m * static_cast<double>(YOffset) + TCard::GetCardHeight()));
    const qreal ratio = devicePixelRatioF();
    DragImage = QPixmap(qCeil(w * ratio), qCeil(h * ratio));
    DragImage.setDevicePixelRatio(ratio);
    DragImage.fill(Qt::transparent);
    QPainter canvas(&DragImage);
    for (int j = 0; j < m; ++j)
        DragPile->Cards[static_cast<std::size_t>(j)]->DrawCardOnCanvas(FanPosition(j, XOffset, YOffset), canvas);
}

// The view or window under the mouse gets OnDragOver; returns it (null
// outside the window) and its answer.
QObject* TCardPileView::DragOverAt(QPoint globalPos, bool& accept) {
    accept = false;
    QWidget* win = window();
    const QPoint local = win->mapFromGlobal(globalPos);
    if (!win->rect().contains(local)) return nullptr;
    QWidget* under = win->childAt(local);
    while (under != nullptr && under != win && qobject_cast<TCardPileView*>(under) == nullptr)
        under = under->parentWidget();
    if (auto* view = qobject_cast<TCardPileView*>(under)) {
        if (view->OnDragOver) {
            accept = true;
            const QPoint p = view->mapFromGlobal(globalPos);
            view->OnDragOver(view, this, p.x(), p.y(), accept);
        }
        return view;
    }
    TDragLayer* layer = TDragLayer::Find(win);
    if (layer != nullptr && layer->OnDragOver) {
        accept = true;
        layer->OnDragOver(win, this, local.x(), local.y(), accept);
    }
    return win;
}

void TCardPileView::DragMove(QPoint globalPos) {
    Capture& capture = *Captured;
    QWidget* win = window();
    if (capture.Layer) capture.Layer->ShowImage(DragImage, win->mapFromGlobal(globalPos) - QPoint(GrabX, GrabY));
    capture.LastGlobal = globalPos;
    QPointer<TCardPileView> alive(this);
    bool accept = false;
    QObject* target = DragOverAt(globalPos, accept);
    if (!alive || !Captured) return;
    Captured->LastTarget = target;
    Captured->LastAccepted = accept && target != nullptr;
    Captured->SetCursor(Captured->LastAccepted);
}

void TCardPileView::FinishDrag(QPoint globalPos, bool drop) {
    QPointer<TCardPileView> alive(this);
    QObject* target = nullptr;
    if (drop) {
        // A release away from the last step asks the target under it first.
        if (globalPos != Captured->LastGlobal) {
            bool accept = false;
            QObject* under = DragOverAt(globalPos, accept);
            if (!alive || !Captured) return;
            Captured->LastTarget = under;
            Captured->LastAccepted = accept && under != nullptr;
        }
        if (Captured->LastAccepted) target = Captured->LastTarget;
    } else {
        DropTarget = nullptr; // cancelled: the cards go home
    }
    if (drop) {
        EndCapture();
    } else {
        // The button is still down: its release ends nothing and clicks nothing.
        Captured->EndDragging();
        Captured->ClickPending = false;
        Captured->Swallow = true;
    }

    QPoint at = mapFromGlobal(globalPos);
    DropHandled = false;
    if (auto* view = qobject_cast<TCardPileView*>(target)) {
        at = view->mapFromGlobal(globalPos);
        if (view->OnDragDrop) {
            DropHandled = true;
            view->OnDragDrop(view, this, at.x(), at.y());
        }
    } else if (auto* win = qobject_cast<QWidget*>(target)) {
        at = win->mapFromGlobal(globalPos);
        TDragLayer* layer = TDragLayer::Find(win);
        if (layer != nullptr && layer->OnDragDrop) {
            DropHandled = true;
            layer->OnDragDrop(win, this, at.x(), at.y());
        }
    }
    if (alive) DoEndDrag(target, at.x(), at.y());
}

void TCardPileView::DoEndDrag(QObject* target, int x, int y) {
    DragImage = QPixmap(); // built afresh at the next drag
    // A manual drop that no drop handler took would leave the cards nowhere.
    if (DropTarget == nullptr || DropTarget == this || (ManualDrop && !DropHandled)) {
        DropTarget = nullptr;
        Pile->AddPile(DragPile);
        show();
        update();
    } else if (!ManualDrop) {
        DropTarget->Pile->AddPile(DragPile);
        DropTarget->update();
    }
    if (OnEndDrag) OnEndDrag(this, target, x, y);
}
