// Peak resident memory of the program after a session: starts as the program
// does (selector, preferences dialog, system requirements window), opens the
// game named on the command line (Double Klondike by default) from the list,
// plays 50 moves with real mouse events and prints the process's peak
// resident memory in KiB (VmHWM) and the moves played. Runs on a real X server
// (QT_QPA_PLATFORM=xcb) so that it pays for what the program pays for.
//   quillane_bench_memory ["Game Name"]
#include "Dialogs.h"
#include "GameForm.h"
#include "Preferences.h"
#include "Requirements.h"
#include "SolitaireWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMap>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
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

QPoint OnCard(const TCardPileView* view, int index) {
    return view->mapTo(view->window(), view->CardPosition(qMax(0, index)) + QPoint(10, 8));
}
QPoint OnTop(const TCardPileView* view) {
    return OnCard(view, int(view->Pile->Cards.size()) - 1);
}

// Every question is answered at once, so that no modal window waits for a
// player: no new game, no win window, messages taken as read.
class TAnswerAll : public TDialogs {
public:
    bool Confirm(QWidget*, const QString&) override { return false; }
    void Information(QWidget*, const QString&) override {}
    void Warning(QWidget*, const QString&) override {}
    void Error(QWidget*, const QString&) override {}
    void ShowWin(QWidget*) override {}
    void ShowPreferences(QWidget*) override {}
    int ExecModal(QDialog*) override { return 0; }
    std::optional<QString> OpenFile(QWidget*, const TOpenFileRequest&) override { return std::nullopt; }
    std::optional<quint32> ChooseColor(QWidget*, quint32, QList<quint32>*) override { return std::nullopt; }
    void ShowHelp(QWidget*, int) override {}
    void OpenUrl(const QUrl&) override {}
};

// One seeded step of play: a drag of a face-up card (and what lies on it) to
// another pile, a double-click or a click on a top card. What the rules
// refuse is not counted, so the caller goes on until 50 moves have counted.
void PlayStep(TGameForm* form, QRandomGenerator& random, int& actions) {
    QWindow* window = form->windowHandle();
    std::vector<TCardPileView*> views;
    for (TCardPileView* view : form->PileViews())
        if (view->isVisible()) views.push_back(view);
    if (views.empty()) {
        ++actions;
        return;
    }
    TCardPileView* from = views[random.bounded(int(views.size()))];
    const int action = random.bounded(10);
    if (action < 4 && !from->Pile->Cards.empty()) {
        std::vector<int> faceUp;
        for (int i = 0; i < int(from->Pile->Cards.size()); ++i)
            if (from->Pile->Cards[std::size_t(i)] && from->Pile->Cards[std::size_t(i)]->FaceUp)
                faceUp.push_back(i);
        if (faceUp.empty()) {
            ++actions;
            return;
        }
        // Like a player, to the first pile (in a random order) that takes it.
        // Half the time the top card, which most games let go of.
        const int index = random.bounded(2) == 0 ? faceUp.back() : faceUp[random.bounded(int(faceUp.size()))];
        const QPoint start = OnCard(from, index);
        std::vector<TCardPileView*> targets = views;
        std::shuffle(targets.begin(), targets.end(), random);
        const int before = form->MoveCount;
        for (const TCardPileView* to : targets) {
            if (to == from) continue;
            ++actions;
            const QPoint end = OnTop(to);
            QTest::mousePress(window, Qt::LeftButton, {}, start);
            QTest::mouseMove(window, start + QPoint(5, 6));
            QTest::mouseMove(window, (start + end) / 2);
            QTest::mouseMove(window, end);
            QTest::mouseRelease(window, Qt::LeftButton, {}, end);
            QCoreApplication::processEvents();
            if (form->MoveCount != before) break;
        }
        return;
    }
    ++actions;
    if (action < 7) {
        QTest::mouseDClick(window, Qt::LeftButton, {}, OnTop(from));
    } else {
        QTest::mouseClick(window, Qt::LeftButton, {}, OnTop(from));
    }
    QCoreApplication::processEvents();
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

    const QString game = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Double Klondike");
    TAnswerAll answers;
    InstallDialogs(&answers);

    // The list choice, as a click on the list's row.
    QListWidget* list = selector->GameSelectListBox;
    int row = -1;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == game) row = i;
    if (row < 0) {
        std::fprintf(stderr, "memory: no %s in the list\n", qPrintable(game));
        return 1;
    }
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    TGameForm* form = TSolitaireForm::OpenGame();
    if (!form || !QTest::qWaitForWindowExposed(form)) {
        std::fprintf(stderr, "memory: %s did not open\n", qPrintable(game));
        return 1;
    }

    QRandomGenerator random(1);
    // 50 moves, or as many as the deal gives in 20000 mouse actions or 15 s:
    // a game of Golf, say, can end sooner.
    QElapsedTimer clock;
    clock.start();
    for (int actions = 0; form->MoveCount < 50 && actions < 20000 && clock.elapsed() < 15000;)
        PlayStep(form, random, actions);
    QTest::qWait(200); // let the last repaints reach the screen
    if (form->MoveCount < 1) {
        std::fprintf(stderr, "memory: no move of %s was played\n", qPrintable(game));
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
