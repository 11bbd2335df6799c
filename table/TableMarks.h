// TTableMarks: frames drawn over a game window's table, above the piles: the
// hint (the cards a move would take and where they would go, for a moment),
// the keyboard focus (one pile or card) and the cards picked up by keyboard.
// The mouse goes through it. A hint goes away after its time or at the next
// key or mouse press anywhere in the program; the focus and the picked-up
// cards stay until they are changed.
#pragma once

#include <QTimer>
#include <QVector>
#include <QWidget>

class TTableMarks : public QWidget {
    Q_OBJECT

public:
    // The marks of `window`, created on first use.
    static TTableMarks* Of(QWidget* window);

    // Frames `rects` (window coordinates) as a hint for `ms` milliseconds.
    void ShowHint(const QVector<QRect>& rects, int ms = 1500);
    void ClearHint();
    const QVector<QRect>& HintRects() const { return hint_; }
    bool HintShown() const { return !hint_.isEmpty(); }

    // The keyboard focus and the cards picked up; an empty rectangle for none.
    void SetFocusRect(const QRect& rect);
    void SetPickedRect(const QRect& rect);
    QRect FocusRect() const { return focus_; }
    QRect PickedRect() const { return picked_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TTableMarks(QWidget* window);
    void Refresh();

    QVector<QRect> hint_;
    QRect focus_;
    QRect picked_;
    QTimer timer_;
};
