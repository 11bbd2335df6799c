// The program's help: a window with the list of topics beside the page.
// Topics are numbered: 0 the contents, 500 system requirements, 502
// preferences, 1001-1012 the rules of the twelve games.
#pragma once

#include <QUrl>
#include <QWidget>

class QListWidget;
class QTextBrowser;

class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);
    ~THelpViewer() override;

    void ShowTopic(int topic);
    // The topic on show; -1 for a page that is no numbered topic.
    int CurrentTopic() const { return topic_; }

    // Where a topic's page lives: qrc:/help/index.html for the contents,
    // qrc:/help/<number>.html for the others; an empty URL for unknown numbers.
    static QUrl TopicUrl(int topic);

private:
    void SourceChanged(const QUrl& url);

    QListWidget* ContentsList = nullptr;
    QTextBrowser* TopicBrowser = nullptr;
    int topic_ = -1;
};

// Shows the topic in the one help window, creating it on first use. Opened
// while a modal dialog is up, the help window is itself modal so that it can
// be read and closed.
THelpViewer* ShowHelpTopic(int topic);
// The help window while it exists, else nullptr.
THelpViewer* HelpViewer();
