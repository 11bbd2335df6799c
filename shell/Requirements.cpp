#include "Requirements.h"

#include "Dialogs.h"
#include "Resources.h"

#include <QBoxLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
TSysRequirementsForm* theForm = nullptr;
constexpr int kRequirementsHelpTopic = 500;
constexpr QSize kJesterSize(68, 97);
} // namespace

TSysRequirementsForm* SysRequirementsForm() { return theForm; }

TSysRequirementsForm::TSysRequirementsForm(QWidget* parent) : QDialog(parent) {
    theForm = this;
    setObjectName(QStringLiteral("SysRequirementsForm"));
    setWindowTitle(QStringLiteral("Quillane!"));

    QImage jester = ResourceImage(u"JESTER1");
    if (jester.isNull()) {
        jester = QImage(kJesterSize, QImage::Format_RGB32);
        jester.fill(QColor(191, 191, 191));
    }
    QPalette p = palette();
    p.setColor(QPalette::Window, jester.pixelColor(0, 0));
    setPalette(p);
    setAutoFillBackground(true);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setFixedSize(kJesterSize);
    image->setPixmap(QPixmap::fromImage(jester));

    auto* title = new QLabel(tr("System\r\nRequirements"), this);
    title->setObjectName(QStringLiteral("TitleLabel"));
    QFont big = title->font();
    big.setPixelSize(22);
    big.setBold(true);
    title->setFont(big);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    MessageLabel = new QLabel(panel);
    MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
    MessageLabel->setWordWrap(true);
    MessageLabel->setMinimumHeight(90);
    MessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(MessageLabel);

    PreferencesButton = new QPushButton(tr("Preferences..."), this);
    PreferencesButton->setObjectName(QStringLiteral("PreferencesButton"));
    PreferencesButton->setAutoDefault(false);
    connect(PreferencesButton, &QPushButton::clicked, this, &TSysRequirementsForm::PreferencesButtonClick);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = new QPushButton(tr("&Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &TSysRequirementsForm::HelpButtonClick);

    auto* head = new QHBoxLayout;
    head->addWidget(image);
    head->addSpacing(10);
    head->addWidget(title, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PreferencesButton);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
    setFixedWidth(420);
}

TSysRequirementsForm::~TSysRequirementsForm() {
    if (theForm == this) theForm = nullptr;
}

void TSysRequirementsForm::PreferencesButtonClick() {
    Dialogs().ShowPreferences(this);
    accept();
}

void TSysRequirementsForm::HelpButtonClick() { Dialogs().ShowHelp(this, kRequirementsHelpTopic); }

void TSysRequirementsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        HelpButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}
