#include "MenuNote.h"

#include "PrivateProfile.h"

#include <QTimer>

namespace {
QString NotesFile() { return PrivateProfile::StateFolder() + QStringLiteral("/Notes.ini"); }
const QString kSection = QStringLiteral("Seen");
const QString kKey = QStringLiteral("GameMenu");
} // namespace

TMenuNote* TMenuNote::ShowOnce(QWidget* window) {
    if (PrivateProfile::Read(NotesFile(), kSection, kKey)) return nullptr;
    // Seen once shown: a note that cannot be remembered is shown in this run only.
    static bool shownThisRun = false;
    if (shownThisRun) return nullptr;
    shownThisRun = true;
    PrivateProfile::Write(NotesFile(), kSection, kKey, QStringLiteral("True"));
    return new TMenuNote(window);
}

TMenuNote::TMenuNote(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("MenuNote"));
    setText(tr("Right-click the table for the game menu."));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 255, 225, 235); color: black;"
                                 " border: 1px solid rgb(90, 90, 60); border-radius: 4px; padding: 6px 12px; }"));
    adjustSize();
    // Low in the middle of the table, where the columns seldom reach.
    move((window->width() - width()) / 2, window->height() - height() - 16);
    show();
    raise();
    QTimer::singleShot(kShowMs, this, &QObject::deleteLater);
}
