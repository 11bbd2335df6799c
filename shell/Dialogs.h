// TDialogs: everything modal or external that the program asks of the user or
// the desktop goes through this one interface. The program uses the Qt
// implementation; tests install a scripted fake so that nothing ever blocks.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <optional>

class QDialog;
class QWidget;

// An open-file request. Filter uses the "Caption|patterns|Caption|patterns"
// form, patterns separated by ';'.
struct TOpenFileRequest {
    QString Title;
    QString Filter;
    QString InitialDir;
    QString FileName;
    bool MustExist = true;
};

class TDialogs {
public:
    virtual ~TDialogs();

    // Caption "Confirm", question icon, OK and Cancel; true only for OK.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // Message boxes with one OK button: captions "Information", "Warning", "Error".
    virtual void Information(QWidget* parent, const QString& text) = 0;
    virtual void Warning(QWidget* parent, const QString& text) = 0;
    virtual void Error(QWidget* parent, const QString& text) = 0;

    // A new win window, shown modally; returns when it has closed.
    virtual void ShowWin(QWidget* parent) = 0;
    // The one preferences dialog, shown modally; its values are applied on return.
    virtual void ShowPreferences(QWidget* parent) = 0;
    // Any other modal window (the system requirements window, for one).
    virtual int ExecModal(QDialog* dialog) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent, const TOpenFileRequest& request) = 0;
    // The chosen colour (red in the low byte), or nothing on cancel. The
    // sixteen custom colours are handed in and, on OK, handed back.
    virtual std::optional<quint32> ChooseColor(QWidget* parent, quint32 initial,
                                              QList<quint32>* customColors) = 0;

    // Help topic by number (500, 502, 1001-1012); 0 opens the contents.
    virtual void ShowHelp(QWidget* parent, int topic) = 0;
    // A web page or mail address in the desktop's program for it.
    virtual void OpenUrl(const QUrl& url) = 0;
};

// The real dialogs of the program.
class TQtDialogs : public TDialogs {
public:
    bool Confirm(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    void Warning(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    void ShowWin(QWidget* parent) override;
    void ShowPreferences(QWidget* parent) override;
    int ExecModal(QDialog* dialog) override;
    std::optional<QString> OpenFile(QWidget* parent, const TOpenFileRequest& request) override;
    std::optional<quint32> ChooseColor(QWidget* parent, quint32 initial,
                                      QList<quint32>* customColors) override;
    void ShowHelp(QWidget* parent, int topic) override;
    void OpenUrl(const QUrl& url) override;

    // "Images (*.bmp;*.jpg)|*.bmp;*.jpg|All Files (*.*)|*.*" becomes
    // "Images (*.bmp *.jpg);;All Files (*)".
    static QString QtFilter(const QString& filter);
};

// The dialogs in use: the installed ones, or the real ones when none is installed.
TDialogs& Dialogs();
// Installs a replacement (not owned); nullptr goes back to the real dialogs.
void InstallDialogs(TDialogs* dialogs);

// The window that message boxes belong to when the window they concern is
// not on screen (the preferences dialog warns at start while it is hidden).
void SetMainWindow(QWidget* window);
// Start-up: message boxes asked for after HoldMessages are gathered and shown
// by ShowHeldMessages in one box over the given window.
void HoldMessages();
void ShowHeldMessages(QWidget* over);
