#include "Dialogs.h"

#include "ColorText.h"
#include "HelpViewer.h"
#include "Preferences.h"
#include "WinWindow.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <utility>

namespace {
TDialogs* installed = nullptr;
QPointer<QWidget> mainWindow;

struct THeldMessage {
    QMessageBox::Icon Icon;
    QString Caption;
    QString Text;
};
bool holding = false;
QList<THeldMessage> held;

// A box belongs to the window it concerns, so the window manager centres it
// there and gives it a dialog's frame. A window not on screen cannot own it:
// the active window or the main window does instead.
QWidget* Owner(QWidget* parent) {
    if (parent && parent->window()->isVisible()) return parent->window();
    if (QWidget* active = QApplication::activeWindow()) return active;
    if (mainWindow && mainWindow->isVisible()) return mainWindow;
    return parent;
}

// A dialog's frame: a title and a close button, nothing to minimise or maximise.
void DialogFrame(QMessageBox* box) {
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void MessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    if (holding) {
        held.append({icon, caption, text});
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, Owner(parent));
    DialogFrame(&box);
    box.exec();
}
} // namespace

void SetMainWindow(QWidget* window) { mainWindow = window; }

void HoldMessages() { holding = true; }

void ShowHeldMessages(QWidget* over) {
    holding = false;
    const QList<THeldMessage> messages = std::exchange(held, {});
    if (messages.isEmpty()) return;
    // One box with all the texts, under the caption and icon of the gravest.
    THeldMessage gravest = messages.first();
    QStringList texts;
    for (const THeldMessage& m : messages) {
        texts << m.Text;
        if (m.Icon == QMessageBox::Critical || (m.Icon == QMessageBox::Warning && gravest.Icon != QMessageBox::Critical))
            gravest = m;
    }
    MessageBox(over, gravest.Icon, gravest.Caption, texts.join(QStringLiteral("\n\n")));
}

TDialogs::~TDialogs() = default;

TDialogs& Dialogs() {
    static TQtDialogs real;
    return installed ? *installed : real;
}

void InstallDialogs(TDialogs* dialogs) { installed = dialogs; }

bool TQtDialogs::Confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("TDialogs", "Confirm"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, Owner(parent));
    DialogFrame(&box);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void TQtDialogs::Information(QWidget* parent, const QString& text) {
    MessageBox(parent, QMessageBox::Information, QCoreApplication::translate("TDialogs", "Information"), text);
}

void TQtDialogs::Warning(QWidget* parent, const QString& text) {
    MessageBox(parent, QMessageBox::Warning, QCoreApplication::translate("TDialogs", "Warning"), text);
}

void TQtDialogs::Error(QWidget* parent, const QString& text) {
    MessageBox(parent, QMessageBox::Critical, QCoreApplication::translate("TDialogs", "Error"), text);
}

void TQtDialogs::ShowWin(QWidget* parent) {
    TWinForm form(parent);
    form.exec();
}

void TQtDialogs::ShowPreferences(QWidget*) {
    if (TPreferencesDlg* dialog = PreferencesDlg()) dialog->exec();
}

int TQtDialogs::ExecModal(QDialog* dialog) { return dialog->exec(); }

QString TQtDialogs::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i];
        caption.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        filters << QStringLiteral("%1 (%2)").arg(caption.trimmed(), patterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> TQtDialogs::OpenFile(QWidget* parent, const TOpenFileRequest& request) {
    QFileDialog dialog(parent, request.Title.isEmpty() ? QCoreApplication::translate("TDialogs", "Open") : request.Title, request.InitialDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(QtFilter(request.Filter).split(QStringLiteral(";;")));
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<quint32> TQtDialogs::ChooseColor(QWidget* parent, quint32 initial, QList<quint32>* customColors) {
    const int custom = std::min(QColorDialog::customCount(), CustomColorCount);
    for (int i = 0; i < custom && i < customColors->size(); ++i)
        QColorDialog::setCustomColor(i, ToQColor(customColors->at(i)));
    QColorDialog dialog(ToQColor(initial), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    customColors->resize(CustomColorCount, 0xFFFFFF);
    for (int i = 0; i < custom; ++i) (*customColors)[i] = FromQColor(QColorDialog::customColor(i));
    return FromQColor(dialog.selectedColor());
}

void TQtDialogs::ShowHelp(QWidget*, int topic) { ShowHelpTopic(topic); }

void TQtDialogs::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }
