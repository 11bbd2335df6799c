// The reference program for start-up time and memory: a bare Qt 6 window of
// the selector's size that paints 28 rectangles (the cards of a Klondike deal).
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class TrivialWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 128, 0));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        for (int column = 0; column < 7; ++column)
            for (int row = 0; row <= column; ++row)
                painter.drawRect(8 + 45 * column, 8 + 12 * row, 40, 56);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TrivialWindow window;
    window.setWindowTitle(QStringLiteral("Trivial Qt"));
    window.setFixedSize(329, 241);
    window.show();
    return QApplication::exec();
}
