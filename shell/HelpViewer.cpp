#include "HelpViewer.h"

#include "Dialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFile>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>

namespace {
THelpViewer* theViewer = nullptr;

struct Topic {
    int number;
    const char* title;
};
constexpr Topic kTopics[] = {
    {0, QT_TRANSLATE_NOOP("THelpViewer", "Contents")},
    {500, QT_TRANSLATE_NOOP("THelpViewer", "System Requirements")},
    {502, QT_TRANSLATE_NOOP("THelpViewer", "Preferences")},
    {1001, QT_TRANSLATE_NOOP("THelpViewer", "Beleaguered Castle")},
    {1002, QT_TRANSLATE_NOOP("THelpViewer", "Double Klondike")},
    {1003, QT_TRANSLATE_NOOP("THelpViewer", "Forty Thieves")},
    {1004, QT_TRANSLATE_NOOP("THelpViewer", "FreeCell")},
    {1005, QT_TRANSLATE_NOOP("THelpViewer", "Golf")},
    {1006, QT_TRANSLATE_NOOP("THelpViewer", "Indian Patience")},
    {1007, QT_TRANSLATE_NOOP("THelpViewer", "Klondike")},
    {1008, QT_TRANSLATE_NOOP("THelpViewer", "Montana")},
    {1009, QT_TRANSLATE_NOOP("THelpViewer", "Pyramid")},
    {1010, QT_TRANSLATE_NOOP("THelpViewer", "Queen of Italy")},
    {1011, QT_TRANSLATE_NOOP("THelpViewer", "Sea Towers")},
    {1012, QT_TRANSLATE_NOOP("THelpViewer", "Spider")},
};

bool KnownTopic(int topic) {
    for (const Topic& t : kTopics)
        if (t.number == topic) return true;
    return false;
}
} // namespace

QUrl THelpViewer::TopicUrl(int topic) {
    if (!KnownTopic(topic)) return {};
    if (topic == 0) return QUrl(QStringLiteral("qrc:/help/index.html"));
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(topic));
}

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    theViewer = this;
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Quillane Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    ContentsList = new QListWidget;
    ContentsList->setObjectName(QStringLiteral("ContentsList"));
    for (const Topic& t : kTopics) {
        auto* item = new QListWidgetItem(tr(t.title), ContentsList);
        item->setData(Qt::UserRole, t.number);
    }
    connect(ContentsList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toInt()); });
    connect(ContentsList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toInt()); });

    TopicBrowser = new QTextBrowser;
    TopicBrowser->setObjectName(QStringLiteral("TopicBrowser"));
    // One look for every page, so the pages carry only their text.
    TopicBrowser->document()->setDefaultStyleSheet(
        QStringLiteral("body { font-family: sans-serif; } h1, h2 { color: #004000; }"));
    // Pages of the help are followed here; web and mail links go to the desktop.
    TopicBrowser->setOpenLinks(false);
    connect(TopicBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl url = TopicBrowser->source().resolved(link);
        if (url.scheme() == QLatin1String("qrc"))
            TopicBrowser->setSource(url);
        else
            Dialogs().OpenUrl(url);
    });
    connect(TopicBrowser, &QTextBrowser::sourceChanged, this, &THelpViewer::SourceChanged);

    auto* splitter = new QSplitter;
    splitter->addWidget(ContentsList);
    splitter->addWidget(TopicBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 580});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(760, 560);

    // Escape closes the help, as it does a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    // A help window left open at the end of the run goes with the application.
    if (qApp) connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

THelpViewer::~THelpViewer() {
    if (theViewer == this) theViewer = nullptr;
}

void THelpViewer::ShowTopic(int topic) {
    const QUrl url = TopicUrl(topic);
    if (url.isEmpty() || !QFile::exists(QLatin1Char(':') + url.path())) {
        topic_ = topic;
        TopicBrowser->setHtml(tr("<h1>Quillane Help</h1><p>Help topic %1 is not available.</p>").arg(topic));
        ContentsList->clearSelection();
        return;
    }
    TopicBrowser->setSource(url);
    SourceChanged(TopicBrowser->source());
}

// Keeps the list's selection on the page on show, also after a link was followed.
void THelpViewer::SourceChanged(const QUrl& url) {
    topic_ = -1;
    for (int row = 0; row < ContentsList->count(); ++row) {
        const int number = ContentsList->item(row)->data(Qt::UserRole).toInt();
        if (TopicUrl(number).path() == url.path()) {
            topic_ = number;
            ContentsList->setCurrentRow(row);
            return;
        }
    }
    ContentsList->clearSelection();
}

THelpViewer* HelpViewer() {
    return theViewer;
}

THelpViewer* ShowHelpTopic(int topic) {
    THelpViewer* viewer = theViewer ? theViewer : new THelpViewer;
    const Qt::WindowModality wanted =
        QApplication::activeModalWidget() && QApplication::activeModalWidget() != viewer
            ? Qt::ApplicationModal
            : Qt::NonModal;
    if (viewer->windowModality() != wanted) {
        viewer->hide();
        viewer->setWindowModality(wanted);
    }
    viewer->ShowTopic(topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
