// Peak resident memory of the program after a session: starts as the program
// does (selector, preferences dialog, system requirements window), opens
// Double Klondike from the list, plays 50 moves with real mouse events and
// prints the process's peak resident memory in KiB (VmHWM). Runs on a real X
// server (QT_QPA_PLATFORM=xcb) so that it pays for what the program pays for.
#include "GameForm.h"
#include "Preferences.h"
#include "Requirements.h"
#include "SolitaireWindow.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMap>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

long PeakKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

QPoint OnTop(const TCardPileView* view) {
    const int index = qMax(0, int(view->Pile->Cards.size()) - 1);
    return view->mapTo(view->window(), view->CardPosition(index) + QPoint(10, 8));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillane.Quillane"));
    QApplication::setQuitOnLastWindowClosed(false);
    auto selector = std::make_unique<TSolitaireForm>();
    auto preferences = std::make_unique<TPreferencesDlg>();
    auto requirements = std::make_unique<TSysRequirementsForm>();
    selector->show();
    if (!QTest::qWaitForWindowExposed(selector.get())) {
        std::fprintf(stderr, "memory: the selector never showed\n");
        return 1;
    }

    // The list choice, as a click on the list's row.
    QListWidget* list = selector->GameSelectListBox;
    int row = -1;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == QStringLiteral("Double Klondike")) row = i;
    if (row < 0) {
        std::fprintf(stderr, "memory: no Double Klondike in the list\n");
        return 1;
    }
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    TGameForm* form = TSolitaireForm::OpenGame();
    if (!form || !QTest::qWaitForWindowExposed(form)) {
        std::fprintf(stderr, "memory: Double Klondike did not open\n");
        return 1;
    }

    // Stock clicks, and double-clicks that move what fits to the foundations.
    QWindow* window = form->windowHandle();
    TCardPileView* stock = form->PileView(QStringLiteral("DeckPileView"));
    TCardPileView* waste = form->PileView(QStringLiteral("DiscardPileView"));
    for (int tries = 0; form->MoveCount < 50 && tries < 500; ++tries) {
        if (!waste->Pile->Cards.empty()) {
            const int before = form->MoveCount;
            QTest::mouseDClick(window, Qt::LeftButton, {}, OnTop(waste));
            if (form->MoveCount != before) continue;
        }
        QTest::mouseClick(window, Qt::LeftButton, {}, OnTop(stock));
        QCoreApplication::processEvents();
    }
    QTest::qWait(200); // let the last repaints reach the screen
    if (form->MoveCount < 50) {
        std::fprintf(stderr, "memory: only %d moves were played\n", form->MoveCount);
        return 1;
    }
    std::printf("%ld %d\n", PeakKib(), form->MoveCount);
    // For profiling: QUILLANE_MEMORY_MAPS=1 lists the resident KiB of each mapping on stderr.
    if (qEnvironmentVariableIsSet("QUILLANE_MEMORY_MAPS")) {
        QFile maps(QStringLiteral("/proc/self/smaps"));
        if (maps.open(QIODevice::ReadOnly)) {
            QMap<QByteArray, long> resident;
            QByteArray name;
            for (const QByteArray& line : maps.readAll().split('\n')) {
                const QList<QByteArray> fields = line.simplified().split(' ');
                if (fields.size() >= 5 && fields[0].contains('-') && !line.endsWith(':'))
                    name = fields.size() >= 6 ? fields[5] : QByteArray("[anon]");
                else if (line.startsWith("Rss:"))
                    resident[name] += fields.value(1).toLong();
            }
            for (auto it = resident.constBegin(); it != resident.constEnd(); ++it)
                if (it.value() > 0) std::fprintf(stderr, "%6ld %s\n", it.value(), it.key().constData());
        }
    }
    std::fflush(stdout);
    // The quit question would wait for an answer: leave without closing.
    std::_Exit(0);
}
