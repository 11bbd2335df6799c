// Pieces shared by the benchmark programs.
#pragma once

#include <QColor>
#include <QPainter>
#include <QWidget>

#ifdef QUILLANE_WITH_BENCHMARK
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

// Reports the minimum and maximum of the repetitions beside the median, in milliseconds.
inline benchmark::internal::Benchmark* Spread(benchmark::internal::Benchmark* b) {
    return b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
        ->Unit(benchmark::kMillisecond);
}
#endif

// The reference window: plain Qt painting the 28 card rectangles of a
// Klondike deal, the first at `firstCard`, the others `step` apart.
class TTrivialWindow : public QWidget {
public:
    explicit TTrivialWindow(QRect firstCard = QRect(8, 152, 80, 125), QPoint step = QPoint(96, 20))
        : firstCard_(firstCard), step_(step) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 128, 0));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        for (int column = 0; column < 7; ++column)
            for (int row = 0; row <= column; ++row)
                painter.drawRect(firstCard_.translated(step_.x() * column, step_.y() * row));
    }

private:
    QRect firstCard_;
    QPoint step_;
};
