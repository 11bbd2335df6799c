// TProfile: one key of the settings file, read and written as text, number or
// boolean. Set FileName, Section, Entry and DefaultText, then use the views.
#pragma once

#include <QString>
#include <functional>

class TProfile {
public:
    QString FileName = QStringLiteral("Solitaire.ini");
    QString Section;
    QString Entry;
    QString DefaultText = QStringLiteral("None");

    TProfile() = default;
    TProfile(QString section, QString entry) : Section(std::move(section)), Entry(std::move(entry)) {}

    // The stored text, or DefaultText when the key is missing or unreadable.
    QString Text() const;
    // Each setter writes at once; nothing is written when FileName, Section or
    // Entry is empty. The result tells whether the file now holds the value.
    // The first write of a run that fails is reported on standard error and
    // to WriteFailureHandler, in a message that names the file.
    bool SetText(const QString& text) const;
    // Shows the message to the user; the program sets it to a warning box.
    static std::function<void(const QString& message)> WriteFailureHandler;
    // Lets the next failed write be reported again (for tests).
    static void ResetWriteFailureReport();

    // The text as an integer; text that is no integer reads as 1 when State
    // would read true, else 0.
    int Value() const;
    bool SetValue(int value) const;

    // True for "TRUE", "YES" (any case) and "1".
    bool State() const;
    bool SetState(bool state) const;

    // Conversions shared with code that already holds the text.
    static bool TextToState(const QString& text);
    static int TextToValue(const QString& text);
    static bool ParseInteger(const QString& text, int* value);
};
