// Scripted stand-ins for everything modal or external, for tests.
//
//   TFakeDialogs dialogs;          // installed for the object's lifetime
//   dialogs.ConfirmAnswers = {false};
//   TFakeSound sound;              // the program's sound manager, recording
//   ... drive the window ...
//   EXPECT_EQ(dialogs.Log, QStringList{"Confirm: Quit this game of Klondike?"});
//   EXPECT_EQ(sound.Names(), QStringList{"SHUFFLE", "DEAL"});
//
// Nothing here ever blocks: prompts answer from their scripts (OK when the
// script has run out), dialogs that would open a window only record.
#pragma once

#include "Dialogs.h"
#include "SoundManager.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TFakeDialogs : public TDialogs {
public:
    TFakeDialogs() { InstallDialogs(this); }
    ~TFakeDialogs() override { InstallDialogs(nullptr); }
    TFakeDialogs(const TFakeDialogs&) = delete;
    TFakeDialogs& operator=(const TFakeDialogs&) = delete;

    // Every call in order, as "Kind: detail": "Confirm: <text>",
    // "Information: <text>", "Warning: <text>", "Error: <text>", "Win",
    // "Preferences", "Modal: <objectName>", "OpenFile", "Color", "Help: <topic>",
    // "Url: <url>".
    QStringList Log;

    // Scripts, consumed front first.
    std::deque<bool> ConfirmAnswers;                   // empty: OK
    std::deque<std::optional<QString>> OpenFileAnswers; // empty: cancelled
    std::deque<std::optional<quint32>> ColorAnswers;    // empty: cancelled
    QList<quint32> CustomColorsAnswer;                  // handed back with a chosen colour when not empty

    // Run in place of the window, when set.
    std::function<void()> OnWin;
    std::function<void()> OnPreferences;
    std::function<int(QDialog*)> OnExecModal; // default result: QDialog::Accepted

    // What the last requests carried.
    TOpenFileRequest LastOpenFile;
    quint32 LastColorInitial = 0;
    QList<quint32> LastCustomColors;

    // The entries of Log of one kind, without the "Kind: " prefix.
    QStringList Of(const QString& kind) const {
        QStringList result;
        const QString prefix = kind + QStringLiteral(": ");
        for (const QString& entry : Log) {
            if (entry.startsWith(prefix)) result << entry.mid(prefix.size());
            else if (entry == kind) result << QString();
        }
        return result;
    }
    int Count(const QString& kind) const { return int(Of(kind).size()); }

    bool Confirm(QWidget*, const QString& text) override {
        Log << QStringLiteral("Confirm: ") + text;
        if (ConfirmAnswers.empty()) return true;
        const bool answer = ConfirmAnswers.front();
        ConfirmAnswers.pop_front();
        return answer;
    }
    void Information(QWidget*, const QString& text) override { Log << QStringLiteral("Information: ") + text; }
    void Warning(QWidget*, const QString& text) override { Log << QStringLiteral("Warning: ") + text; }
    void Error(QWidget*, const QString& text) override { Log << QStringLiteral("Error: ") + text; }
    void ShowWin(QWidget*) override {
        Log << QStringLiteral("Win");
        if (OnWin) OnWin();
    }
    void ShowPreferences(QWidget*) override {
        Log << QStringLiteral("Preferences");
        if (OnPreferences) OnPreferences();
    }
    int ExecModal(QDialog* dialog) override {
        Log << QStringLiteral("Modal: ") + dialog->objectName();
        return OnExecModal ? OnExecModal(dialog) : int(QDialog::Accepted);
    }
    std::optional<QString> OpenFile(QWidget*, const TOpenFileRequest& request) override {
        Log << QStringLiteral("OpenFile");
        LastOpenFile = request;
        if (OpenFileAnswers.empty()) return std::nullopt;
        auto answer = OpenFileAnswers.front();
        OpenFileAnswers.pop_front();
        return answer;
    }
    std::optional<quint32> ChooseColor(QWidget*, quint32 initial, QList<quint32>* customColors) override {
        Log << QStringLiteral("Color");
        LastColorInitial = initial;
        LastCustomColors = *customColors;
        if (ColorAnswers.empty()) return std::nullopt;
        auto answer = ColorAnswers.front();
        ColorAnswers.pop_front();
        if (answer && !CustomColorsAnswer.isEmpty()) *customColors = CustomColorsAnswer;
        return answer;
    }
    void ShowHelp(QWidget*, int topic) override { Log << QStringLiteral("Help: %1").arg(topic); }
    void OpenUrl(const QUrl& url) override { Log << QStringLiteral("Url: ") + url.toString(); }
};

// A sound back end that plays nothing and records what it was asked for.
class TRecordingSoundBackend : public TSoundBackend {
public:
    struct Played {
        QString Name;
        bool Wait = false;
    };
    explicit TRecordingSoundBackend(std::shared_ptr<std::vector<Played>> log) : log_(std::move(log)) {}
    void Play(const QString& name, bool wait) override { log_->push_back({name, wait}); }

private:
    std::shared_ptr<std::vector<Played>> log_;
};

// The program's sound manager for the test's lifetime, recording every sound.
class TFakeSound {
public:
    TFakeSound()
        : log_(std::make_shared<std::vector<TRecordingSoundBackend::Played>>()),
          manager_(std::make_unique<TRecordingSoundBackend>(log_)) {}

    TSoundManager& Manager() { return manager_; }
    const std::vector<TRecordingSoundBackend::Played>& Played() const { return *log_; }
    QStringList Names() const {
        QStringList names;
        for (const auto& played : *log_) names << played.Name;
        return names;
    }
    void Clear() { log_->clear(); }

private:
    std::shared_ptr<std::vector<TRecordingSoundBackend::Played>> log_;
    TSoundManager manager_;
};
