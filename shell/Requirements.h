// TSysRequirementsForm: tells the player why a game cannot open on this
// display. The caller sets the message, hides the Preferences button when a
// different card size would not help, and shows the window modally.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TSysRequirementsForm : public QDialog {
    Q_OBJECT
public:
    explicit TSysRequirementsForm(QWidget* parent = nullptr);
    ~TSysRequirementsForm() override;

    QLabel* MessageLabel = nullptr;
    QPushButton* PreferencesButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PreferencesButtonClick();
    void HelpButtonClick();
};

// The program's system requirements window, or nullptr before start-up made it.
TSysRequirementsForm* SysRequirementsForm();
