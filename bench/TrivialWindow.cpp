// The reference program for start-up time and memory: a bare Qt 6 window of
// the selector's size that paints 28 rectangles (the cards of a Klondike deal).
#include "BenchSupport.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TTrivialWindow window(QRect(8, 8, 40, 56), QPoint(45, 12));
    window.setWindowTitle(QStringLiteral("Trivial Qt"));
    window.setFixedSize(329, 241);
    window.show();
    return QApplication::exec();
}
