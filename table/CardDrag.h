// The game window's part in a card drag. Each window that holds pile views
// gets one TDragLayer, a child covering the whole window above the piles: it
// shows the picture of the dragged cards at the mouse and carries the drag
// events meant for the window itself (the bare table between the piles).
#pragma once

#include "CardPileView.h"

#include <QPixmap>
#include <QWidget>

class TDragLayer : public QWidget {
    Q_OBJECT

public:
    // The layer of `window`, created on first use.
    static TDragLayer* Of(QWidget* window);
    // The layer of `window` if it has one, else null.
    static TDragLayer* Find(QWidget* window);

    // Drag events of the window: `sender` is the window, x and y are in its
    // coordinates. Without OnDragOver the bare table accepts no drop.
    TCardPileView::DragOverEvent OnDragOver;
    TCardPileView::DragDropEvent OnDragDrop;

    // Shows `image` with its top-left corner at `topLeft` (window
    // coordinates), repainting only the old and new picture rectangles.
    void ShowImage(const QPixmap& image, QPoint topLeft);
    void HideImage();
    bool ImageShown() const { return !Image.isNull(); }
    QRect ImageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TDragLayer(QWidget* window);
    void KeepOnTop();

    QPixmap Image;
    QPoint ImagePos;
};
