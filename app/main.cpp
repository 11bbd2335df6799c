// Quillane: starts the selector, the preferences dialog and the system
// requirements window, then runs until the selector closes.
#include "Dialogs.h"
#include "GameRegistry.h"
#include "GameForm.h"
#include "Preferences.h"
#include "Profile.h"
#include "Requirements.h"
#include "SolitaireWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <cstdio>
#include <memory>

namespace {
// The player's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): our own texts
// from the .qm files embedded under :/i18n, and Qt's own (the buttons of
// message boxes and file dialogs) from the system when they are installed.
// An English or unknown language finds no file and keeps the English texts.
void InstallTranslators(QApplication& app) {
    const QLocale locale = QLocale::system();
    auto* own = new QTranslator(&app);
    if (own->load(locale, QStringLiteral("quillane"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillane"));
    InstallTranslators(app);
    // No display name: Qt would append it to every window title. Task bars
    // find the program by its desktop file and the window class instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillane.Quillane"));
    // The selector ends the program, also while it is hidden in the tray and
    // the last game window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt cannot draw on a palette display: the requirements window would be
    // a black box, so its message (without the word on its Help button) goes
    // to the terminal instead.
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->depth() <= 8) {
        std::fprintf(stderr, "%s\n", qPrintable(ColorDepthMessage().section(QStringLiteral("\n\n"), 0, 0)));
        return 1;
    }

    // The selector first: it makes the sound manager that the preferences
    // dialog plays its opening sound through.
    auto selector = std::make_unique<TSolitaireForm>();
    SetMainWindow(selector.get());
    TProfile::WriteFailureHandler = [](const QString& message) { Dialogs().Warning(nullptr, message); };
    std::unique_ptr<TPreferencesDlg> preferences;
    std::unique_ptr<TSysRequirementsForm> requirements;
    // The preferences dialog applies the saved card size and back before any
    // game can open: the selector runs this before its first choice, once it
    // is on screen, and shows what went wrong in reading the settings in one
    // box over itself.
    selector->CreateStartupForms = [&] {
        HoldMessages();
        preferences = std::make_unique<TPreferencesDlg>();
        requirements = std::make_unique<TSysRequirementsForm>(selector.get());
        ShowHeldMessages(selector.get());
    };
    QObject::connect(selector.get(), &TSolitaireForm::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
    selector->show();

    const int rc = QApplication::exec();

    // Game windows that closed are deleted late; any still here go now,
    // before the card imagery they draw with.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QString& name : GameFormClasses()) delete GameFormReference(name);
    requirements.reset();
    preferences.reset();
    selector.reset();
    return rc;
}
