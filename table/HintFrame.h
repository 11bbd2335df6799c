// THintFrame: outlines a few rectangles of a game window for a moment (the
// cards a hint would move and where they would go). It lies above the piles,
// lets the mouse through, and goes away after its time or at the next key
// or mouse press anywhere in the program.
#pragma once

#include <QTimer>
#include <QVector>
#include <QWidget>

class THintFrame : public QWidget {
    Q_OBJECT

public:
    explicit THintFrame(QWidget* window);

    // Outlines `rects` (window coordinates) for `ms` milliseconds.
    void ShowRects(const QVector<QRect>& rects, int ms = 1500);
    void Clear();
    const QVector<QRect>& Rects() const { return rects_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVector<QRect> rects_;
    QTimer timer_;
};
