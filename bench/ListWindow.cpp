// A second reference for start-up time and memory: a bare Qt 6 window of the
// selector's size holding only a list like the selector's (twelve names in its
// bold 12-pixel font), no pictures and no sound. Beside the trivial program it
// shows what text and one item view cost in Qt itself. The names are plain
// text here: the reference links nothing of the program.
#include <QApplication>
#include <QListWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt list"));
    window.setFixedSize(329, 241);
    auto* list = new QListWidget(&window);
    list->setGeometry(4, 5, 157, 97);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setBold(true);
    list->setFont(font);
    for (const char* name : {"Beleaguered Castle", "Double Klondike", "Forty Thieves", "Free Cell", "Golf",
                             "Indian Patience", "Klondike", "Montana", "Pyramid", "Queen of Italy", "Sea Towers",
                             "Spider"})
        list->addItem(QLatin1String(name));
    window.show();
    return QApplication::exec();
}
